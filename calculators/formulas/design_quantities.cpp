#include "calculators/formulas/design_quantities.h"

#include <cmath>
#include <exception>
#include <optional>

#include "calculators/formulas/calculator_captions.h"
#include "calculators/formulas/critical_depth_calculator.h"
#include "calculators/formulas/depth_search.h"
#include "engine/float_guard.h"
#include "engine/numeric_text.h"
#include "engine/profile_classification.h"

namespace rillo {

namespace {

constexpr int kHigherDepthHalvings = 100;

// Each quantity is formed under a guard of its own: one that cannot be
// formed shows kNotFormedText and leaves the others, and the results of
// Manning's equation, standing.
template <class Compute>
std::optional<float> Formed(Compute&& compute) {
    try {
        FloatGuard guard;
        const float value = compute();
        guard.Check();
        if (!std::isfinite(value)) return std::nullopt;
        return value;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::string TextOf(std::optional<float> value) {
    return value ? FormatFixed3(*value) : kNotFormedText;
}

// The critical depth of the flowrate, none when the search ran out of its
// bracket or reached a conduit's crown.
std::optional<float> CriticalDepthOf(const ChannelSection& section, float q, float g) {
    bool inside = false;
    const std::optional<float> depth = Formed([&] {
        const DepthSearch search = SolveCriticalDepth(section, q, g);
        inside = !search.EndedAtTop() && !search.EndedAtBottom() && !ReachesCrown(section, search.depth);
        return search.depth;
    });
    return inside ? depth : std::nullopt;
}

void AddCapacities(const UniformFlowState& f, float k, DesignQuantityTexts& t) {
    const float crown = *f.section.CrownDepth();
    const float full = ManningFlowrate(ManningSectionAt(f.section, f.shape, crown), k, f.n, f.s);
    const float deepest = DepthOfMaximumCapacity(f.section);
    const float most = ManningFlowrate(ManningSectionAt(f.section, f.shape, deepest), k, f.n, f.s);
    t.fullFlow = FormatFixed3(full);
    t.maxFlow = FormatFixed3(most);
    t.maxFlowDepth = FormatFixed3(deepest);
    t.higherDepth = kNotFormedText;
    if (f.q > full && f.q < most) {
        // Above the depth of greatest capacity the residual falls from
        // positive to negative at the crown: bisect its negative.
        const float factor = UniformFlowFactor(f.n, k, f.s);
        const DepthSearch upper =
            BisectDepth(deepest, crown, kHigherDepthHalvings, BisectionStop::OnExactZero,
                        [&](float y) { return -f.section.NormalFlowResidual(y, f.q, factor); });
        t.higherDepth = FormatFixed3(upper.depth);
    }
}

}  // namespace

std::span<const DesignRow> DesignRows() {
    using C = DesignQuantityCaptions;
    using T = DesignQuantityTexts;
    static const DesignRow kRows[] = {
        {"top_width", "TopWidth", &C::topWidth, &T::topWidth, false},
        {"hydraulic_depth", "HydraulicDepth", &C::hydraulicDepth, &T::hydraulicDepth, false},
        {"froude", "Froude", &C::froude, &T::froude, false},
        {"flow_type", "FlowType", &C::flowType, &T::flowType, false},
        {"specific_energy", "SpecificEnergy", &C::specificEnergy, &T::specificEnergy, false},
        {"critical_depth", "CriticalDepth", &C::criticalDepth, &T::criticalDepth, false},
        {"slope_class", "SlopeClass", &C::slopeClass, &T::slopeClass, false},
        {"mean_shear", "MeanShear", &C::meanShear, &T::meanShear, false},
        {"max_shear", "MaxShear", &C::maxShear, &T::maxShear, false},
        {"full_flow", "FullFlow", &C::fullFlow, &T::fullFlow, true},
        {"max_flow", "MaxFlow", &C::maxFlow, &T::maxFlow, true},
        {"max_flow_depth", "MaxFlowDepth", &C::maxFlowDepth, &T::maxFlowDepth, true},
        {"second_depth", "SecondDepth", &C::higherDepth, &T::higherDepth, true},
    };
    return kRows;
}

const char* ShearUnit(UnitSystem units) {
    return units == UnitSystem::English ? "lb/ft^2" : "N/m^2";
}

DesignQuantityTexts DesignQuantitiesOf(const UniformFlowState& f, bool withCapacities) {
    const float g = CriticalCalculatorGravity(f.units);
    const float gamma = WaterUnitWeight(f.units);
    DesignQuantityTexts t;
    const std::optional<float> topWidth = Formed([&] { return ToSingle(f.section.TopWidth(f.y)); });
    t.topWidth = TextOf(topWidth);
    // A crown has no top width, and no hydraulic depth or Froude number.
    if (topWidth && *topWidth > 0.0f) {
        t.hydraulicDepth = TextOf(Formed([&] { return ToSingle(double(f.at.area) / *topWidth); }));
        const std::optional<float> froude =
            Formed([&] { return ToSingle(std::sqrt(f.section.FroudeNumber(f.y, f.q, g))); });
        t.froude = TextOf(froude);
        t.flowType = froude ? FlowTypeText(*froude <= 1.0f) : kNotFormedText;
    } else {
        t.hydraulicDepth = t.froude = t.flowType = kNotFormedText;
    }
    t.specificEnergy = TextOf(Formed([&] { return f.section.SpecificEnergy(f.y, f.q, g); }));
    const std::optional<float> yc = CriticalDepthOf(f.section, f.q, g);
    t.criticalDepth = TextOf(yc);
    // Compared as shown: a normal depth shown equal to the critical depth is critical.
    if (!yc) {
        t.slopeClass = kNotFormedText;
    } else if (FormatFixed3(f.y) == t.criticalDepth) {
        t.slopeClass = "critical";
    } else {
        t.slopeClass = f.y > *yc ? "mild" : "steep";
    }
    t.meanShear = TextOf(Formed([&] { return ToSingle(double(gamma) * f.at.hydraulicRadius * f.s); }));
    t.maxShear = TextOf(Formed([&] { return ToSingle(double(gamma) * f.y * f.s); }));
    if (withCapacities && f.section.CrownDepth()) {
        try {
            FloatGuard guard;
            AddCapacities(f, ProfileConstants(f.units).k, t);
            guard.Check();
        } catch (const std::exception&) {
            t.fullFlow = t.maxFlow = t.maxFlowDepth = t.higherDepth = kNotFormedText;
        }
    }
    return t;
}

DesignQuantityCaptions DesignCaptions(UnitSystem units) {
    const bool english = units == UnitSystem::English;
    const std::string shear = std::string(", ") + ShearUnit(units) + ":";
    DesignQuantityCaptions c;
    c.topWidth = LengthCaption("Top width", units);
    c.hydraulicDepth = LengthCaption("Hydraulic depth", units);
    c.froude = "Froude number:";
    c.flowType = "Flow type:";
    c.specificEnergy = LengthCaption("Specific energy", units);
    c.criticalDepth = LengthCaption("Critical depth", units);
    c.slopeClass = "Slope class:";
    c.meanShear = "Mean shear" + shear;
    c.maxShear = "Max shear" + shear;
    c.fullFlow = english ? "Full-flow capacity, ft^3/s:" : "Full-flow capacity, m^3/s:";
    c.maxFlow = english ? "Maximum capacity, ft^3/s:" : "Maximum capacity, m^3/s:";
    c.maxFlowDepth = LengthCaption("Depth at maximum capacity", units);
    c.higherDepth = LengthCaption("Higher normal depth", units);
    return c;
}

}  // namespace rillo
