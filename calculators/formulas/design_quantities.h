#pragma once

#include <span>
#include <string>

#include "calculators/formulas/manning_flow.h"
#include "engine/units.h"

namespace rillo {

// The text of a quantity that cannot be formed at this depth (a Froude number
// at the crown of a conduit, where the top width is zero).
inline constexpr const char* kNotFormedText = "----";

// The unit weight of water for the shear on the lining: 62.4 lb/ft^3 or 9810 N/m^3.
constexpr float WaterUnitWeight(UnitSystem units) {
    return units == UnitSystem::English ? 62.4f : 9810.0f;
}

// What uniform flow at one depth means for the design, each "0.000" or
// kNotFormedText, beside the depth, velocity, area, wetted perimeter and
// hydraulic radius of Manning's calculator. The capacities are a closed
// conduit's only and are empty for an open channel (and when not asked for).
struct DesignQuantityTexts {
    std::string topWidth;        // T
    std::string hydraulicDepth;  // D = A / T
    std::string froude;          // V / sqrt(g D)
    std::string flowType;        // "subcritical" or "supercritical"
    std::string specificEnergy;  // y + V^2 / 2g
    std::string criticalDepth;   // of this flowrate, by the critical-depth calculator's search
    std::string slopeClass;      // "mild", "steep" or "critical"
    std::string meanShear;       // gamma R S
    std::string maxShear;        // gamma y S
    std::string fullFlow;        // Manning's flowrate at the crown
    std::string maxFlow;         // the greatest flowrate at any depth
    std::string maxFlowDepth;    // the depth that carries it
    std::string higherDepth;     // the second normal depth above maxFlowDepth, or kNotFormedText
};

// The channel at one depth of uniform flow: its section, depth y, flowrate
// q, Manning's n and bottom slope s, and the section values Manning's
// calculator found there.
struct UniformFlowState {
    const ChannelSection& section;
    ChannelType shape;
    UnitSystem units;
    float y, q, n, s;
    ManningSectionValues at;
};

// The design quantities of uniform flow, with g of 32.2 ft/s^2 or 9.81 m/s^2.
// `withCapacities` adds a closed conduit's full-flow and greatest capacity.
// Raises the caller's FloatGuard flags on a fault of the section operations.
DesignQuantityTexts DesignQuantitiesOf(const UniformFlowState& flow, bool withCapacities);

// The captions of the design quantities, by unit system.
struct DesignQuantityCaptions {
    std::string topWidth, hydraulicDepth, froude, flowType, specificEnergy, criticalDepth, slopeClass,
        meanShear, maxShear, fullFlow, maxFlow, maxFlowDepth, higherDepth;
};
DesignQuantityCaptions DesignCaptions(UnitSystem units);

// One design quantity as every door shows it: its tsv key, the stem of its
// window labels' names, its caption and its text; the capacities are a
// closed conduit's only.
struct DesignRow {
    const char* key;   // "froude"
    const char* stem;  // "Froude": lblFroude, lblFroudeOutput
    std::string DesignQuantityCaptions::*caption;
    std::string DesignQuantityTexts::*text;
    bool conduitOnly;
};
std::span<const DesignRow> DesignRows();

// "lb/ft^2" or "N/m^2".
const char* ShearUnit(UnitSystem units);

}  // namespace rillo
