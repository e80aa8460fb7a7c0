#include "calculators/formulas/manning_calculator.h"

#include <algorithm>
#include <cmath>
#include <exception>

#include "calculators/formulas/calculator_captions.h"
#include "calculators/formulas/depth_search.h"
#include "engine/float_guard.h"
#include "engine/numeric_text.h"
#include "sections/channel_shapes.h"

namespace rillo {

std::span<const FormField<ManningField>> FormFieldsOf(ManningField) {
    static constexpr FormField<ManningField> kFields[] = {
        {ManningField::Flowrate, "--flow", FieldKeys::PositiveNumber, true},
        {ManningField::Width, "--width", FieldKeys::PositiveNumber, true},
        {ManningField::Roughness, "--n", FieldKeys::PositiveNumber, true},
        {ManningField::Side, "--side", FieldKeys::PositiveNumber, false},
        {ManningField::Slope, "--slope", FieldKeys::SignedNumber, true},
    };
    return kFields;
}

const char* const kManningIncompleteInputText =
    "All required inputs must be entered before the channel characteristics can be computed.";

namespace {

constexpr int kNormalHalvings = 100;

CalculatorMessage Information(const char* title, const char* text) {
    CalculatorMessage message;
    message.title = title;
    message.text = text;
    return message;
}

// The field that holds the given depth on a tab other than Depth.
float GivenDepth(ManningUnknown unknown, float flowField, float slopeField, float roughnessField) {
    switch (unknown) {
        case ManningUnknown::Flowrate: return flowField;
        case ManningUnknown::Slope: return slopeField;
        case ManningUnknown::Roughness: return roughnessField;
        case ManningUnknown::Depth: break;
    }
    return 0.0f;
}

// A slope or a roughness: five decimals, or as many more as three
// significant digits need ("0.00000130", not "0.00000").
std::string FormatSmallResult(float value) {
    int decimals = 5;
    if (value != 0.0f) {
        decimals = std::max(decimals, 2 - static_cast<int>(std::floor(std::log10(std::fabs(double(value))))));
    }
    return FormatFixed(value, decimals);
}

}  // namespace

ManningCaptions ManningCalculatorCaptions(ManningUnknown unknown, ChannelType shape, UnitSystem units) {
    const std::string depth = DepthCaption(units);
    const std::string flowrate = FlowrateCaption(units);
    const bool english = units == UnitSystem::English;
    ManningCaptions c;
    c.flowField = unknown == ManningUnknown::Flowrate ? depth : flowrate;
    c.widthField = WidthOrDiameterCaption(shape, units);
    c.roughnessField = unknown == ManningUnknown::Roughness ? depth : kManningNCaption;
    c.sideField = SideCaption(shape, units);
    c.slopeField = unknown == ManningUnknown::Slope ? depth : kBottomSlopeCaption;
    switch (unknown) {
        case ManningUnknown::Depth: c.unknown = depth; break;
        case ManningUnknown::Flowrate: c.unknown = flowrate; break;
        case ManningUnknown::Slope: c.unknown = kBottomSlopeCaption; break;
        case ManningUnknown::Roughness: c.unknown = kManningNCaption; break;
    }
    c.velocity = english ? "Velocity, ft/s:" : "Velocity, m/s:";
    c.area = english ? "Area, ft^2:" : "Area, m^2:";
    c.wettedPerimeter = english ? "Wetted perimeter, ft:" : "Wetted perimeter, m:";
    c.hydraulicRadius = english ? "Hydraulic radius, ft:" : "Hydraulic radius, m:";
    return c;
}

ManningOutcome ComputeManning(ManningUnknown unknown, ChannelType shape, UnitSystem units,
                              const ManningInputTexts& texts) {
    ManningOutcome outcome;
    const std::string unreadSide;
    outcome.message = RefusedFieldText<ManningField>(
        {{ManningField::Flowrate, texts.flowField},
         {ManningField::Width, texts.widthField},
         {ManningField::Roughness, texts.roughnessField},
         {ManningField::Side, UsesSideInput(shape) ? texts.sideField : unreadSide},
         {ManningField::Slope, texts.slopeField}});
    if (outcome.message) return outcome;
    if (texts.flowField.empty() || texts.widthField.empty() || texts.roughnessField.empty() ||
        texts.slopeField.empty()) {
        outcome.message = Information("Incomplete Input", kManningIncompleteInputText);
        return outcome;
    }
    ManningValues v;
    try {
        FloatGuard guard;
        v.flowField = ReadLeadingSingle(texts.flowField);
        v.width = ReadLeadingSingle(texts.widthField);
        v.roughnessField = ReadLeadingSingle(texts.roughnessField);
        v.slopeField = ReadLeadingSingle(texts.slopeField);
        v.side = UsesSideInput(shape) ? ReadLeadingSingle(texts.sideField) : 0.0f;
        guard.Check();
    } catch (const std::exception&) {
        outcome.message = UnknownCalculatorError();
        return outcome;
    }
    if (v.flowField == 0.0f || v.width == 0.0f || v.roughnessField == 0.0f || v.slopeField == 0.0f) {
        outcome.message = Information("Invalid Input Value", "Please use an entry other than zero.");
        return outcome;
    }
    return SolveManning(unknown, shape, units, v);
}

ManningOutcome SolveManning(ManningUnknown unknown, ChannelType shape, UnitSystem units,
                            const ManningValues& v, bool withCapacities) {
    ManningOutcome outcome;
    try {
        FloatGuard guard;
        const float q = v.flowField;
        const float n = v.roughnessField;
        const float s = v.slopeField;
        const float k = ProfileConstants(units).k;
        const float uniformFlowFactor = UniformFlowFactor(n, k, s);
        const auto section = ShapeOf(shape).section(v.width, v.side);
        float y;
        if (unknown == ManningUnknown::Depth) {
            const auto residual = [&](float depth) {
                return section->NormalFlowResidual(depth, q, uniformFlowFactor);
            };
            // Stops on an exact zero: unlike the profile's normal depth of the
            // curved shapes, a residual that is not a number raises the lower
            // bound, and the guard reports it.
            DepthSearch search = BisectDepth(0.0f, section->SearchCeiling(), kNormalHalvings,
                                             BisectionStop::OnExactZero, residual);
            // A conduit carries most a little below its crown, and a flow between
            // full-pipe and that capacity has two depths, with a residual that is
            // negative at the crown: the search over the whole height can step
            // over both. It then runs again from 0 up to the depth of greatest
            // capacity, and finds the lower one. (When the first search finds a
            // depth, it is already the lower one.)
            if (search.EndedAtTop() && section->CrownDepth()) {
                search = BisectDepth(0.0f, DepthOfMaximumCapacity(*section), kNormalHalvings,
                                     BisectionStop::OnExactZero, residual);
            }
            guard.Check();
            if (search.EndedAtTop()) {
                outcome.message = DepthAboveSearchMessage("Normal Depth", "normal depth", *section, units);
                return outcome;
            }
            y = search.depth;
        } else {
            y = GivenDepth(unknown, q, s, n);
            const std::optional<float> height = section->CrownDepth();
            if (height && *height < y) {
                outcome.message =
                    Information("Input Error", "The depth cannot be greater than the height of the channel.");
                return outcome;
            }
        }

        const ManningSectionValues at = ManningSectionAt(*section, shape, y);
        const float a = at.area;
        const float hydraulicRadius = at.hydraulicRadius;
        const double radiusTerm = std::pow(double(hydraulicRadius), 2.0 / 3.0);

        float flow = q;
        float result = y;
        float slope = s;
        float roughness = n;
        switch (unknown) {
            case ManningUnknown::Depth: break;
            case ManningUnknown::Flowrate:
                flow = ManningFlowrate(at, k, n, s);
                result = flow;
                break;
            case ManningUnknown::Slope: {
                const double ratio = double(q) / (radiusTerm * (double(k) / n * a));
                result = ToSingle(ratio * ratio);
                slope = result;
                break;
            }
            case ManningUnknown::Roughness:
                result = ToSingle(std::pow(double(s), 0.5) * radiusTerm * (double(k) / q * a));
                roughness = result;
                break;
        }
        const float velocity = ToSingle(double(flow) / a);
        const float wettedPerimeter = at.wettedPerimeter;
        guard.Check();
        const DesignQuantityTexts design =
            DesignQuantitiesOf({*section, shape, units, y, flow, roughness, slope, at}, withCapacities);
        guard.Check();

        ManningResultTexts r;
        const bool small = unknown == ManningUnknown::Slope || unknown == ManningUnknown::Roughness;
        r.unknown = small ? FormatSmallResult(result) : FormatFixed3(result);
        r.velocity = FormatFixed3(velocity);
        r.area = FormatFixed3(a);
        r.wettedPerimeter = FormatFixed3(wettedPerimeter);
        r.hydraulicRadius = FormatFixed3(hydraulicRadius);
        outcome.results = r;
        outcome.design = design;
    } catch (const std::exception&) {
        outcome.message = UnknownCalculatorError();
    }
    return outcome;
}

}  // namespace rillo
