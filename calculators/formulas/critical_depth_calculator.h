#pragma once

#include <optional>
#include <span>
#include <string>

#include "calculators/formulas/calculator_message.h"
#include "calculators/formulas/depth_search.h"
#include "engine/channel_section.h"
#include "engine/channel_type.h"
#include "engine/units.h"

namespace rillo {

// The critical-depth calculator's fields.
enum class CriticalField { Flowrate, Width, ManningN, Sides };
std::span<const FormField<CriticalField>> FormFieldsOf(CriticalField);

// The critical-depth calculator's fields, as typed.
struct CriticalInputTexts {
    std::string flowrate;
    std::string width;  // bottom width of a trapezoid, diameter of the curved shapes
    std::string manningN;
    std::string sides;  // side slope or side height; read only for the shapes that show it
};

// What one Compute leaves: both results, or the message shown instead. A
// message of a check leaves the results as they were; one of a failed
// computation blanks them (`clearsResults`).
struct CriticalOutcome {
    std::optional<std::string> criticalDepth;  // "0.000"
    std::optional<std::string> criticalSlope;  // "0.00000"
    // Flow at the critical depth, each "0.000", with the depth and the slope.
    struct CriticalFlowTexts {
        std::string velocity;       // Vc = Q / Ac
        std::string area;           // Ac
        std::string topWidth;       // Tc
        std::string minimumEnergy;  // Ec = yc + Vc^2 / 2g
    };
    std::optional<CriticalFlowTexts> criticalFlow;
    std::optional<CalculatorMessage> message;
};

// The result captions and field labels of the window, by shape and unit system.
struct CriticalCaptions {
    std::string flowrate;
    std::string width;
    std::string sides;  // empty when the side field is hidden
    std::string criticalDepth;
    std::string criticalVelocity, criticalArea, criticalTopWidth, minimumEnergy;
};
// The flow at critical depth as every door shows it: tsv key, stem of the
// window labels' names, caption and text.
struct CriticalFlowRow {
    const char* key;
    const char* stem;
    std::string CriticalCaptions::*caption;
    std::string CriticalOutcome::CriticalFlowTexts::*text;
};
std::span<const CriticalFlowRow> CriticalFlowRows();
CriticalCaptions CriticalCalculatorCaptions(ChannelType shape, UnitSystem units);
inline constexpr const char* kCriticalSlopeCaption = "Critical slope:";

// This calculator's gravitational acceleration: 32.2 ft/s^2 or 9.81 m/s^2.
float CriticalCalculatorGravity(UnitSystem units);

// The critical depth by bisection on 1 - Q^2 T / (g A^3) with at most 100
// halvings: on [0, 100] for the trapezoid and the U-shape, on [0, 2 radius]
// for the circle and on [0, 2 radius + side height] for the elongated circle
// (the section's search ceiling).
DepthSearch SolveCriticalDepth(const ChannelSection& section, float q, float g);

// A conduit's critical depth found at its crown, to a few units in the last
// place of single precision: the conduit would flow full at this flowrate.
bool ReachesCrown(const ChannelSection& section, float depth);

// Compute: checks the fields, warns about a roughness of 0.15 or more unless
// `roughnessAccepted`, finds the critical depth, then the critical slope
// (Q n / k)^2 / (A^2 R^(4/3)) at that depth (the depth is shown to three
// decimals, the slope to five).
CriticalOutcome ComputeCriticalDepthAndSlope(ChannelType shape, UnitSystem units,
                                             const CriticalInputTexts& texts, bool roughnessAccepted);

extern const char* const kCriticalIncompleteInputText;

}  // namespace rillo
