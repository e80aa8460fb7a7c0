#include "calculators/formulas/critical_depth_calculator.h"

#include <cmath>
#include <exception>

#include "calculators/formulas/calculator_captions.h"
#include "calculators/formulas/calculator_section.h"
#include "engine/float_guard.h"
#include "engine/input_checks.h"
#include "engine/numeric_text.h"

namespace rillo {

const char* const kCriticalIncompleteInputText =
    "All required inputs must be entered before critical depth or slope can be computed.";

namespace {

constexpr int kCriticalHalvings = 100;

CalculatorMessage IncompleteInput() {
    CalculatorMessage message;
    message.title = "Incomplete Input";
    message.text = kCriticalIncompleteInputText;
    return message;
}

CalculatorMessage RoughnessWarning() {
    CalculatorMessage message;
    message.title = kManningWarningTitle;
    message.text = kManningWarningText;
    message.icon = MessageKind::Warning;
    message.yesNoCancel = true;
    message.focusField = "txtn";
    return message;
}

// (Q n / k)^2 in English units, (Q n)^2 in SI units, kept in single precision.
float SlopeFactor(float q, float n, UnitSystem units) {
    const double qn = ToSingle(double(q) * n);
    const double scaled = units == UnitSystem::English ? qn / 1.486 : qn;
    return ToSingle(scaled * scaled);
}

}  // namespace

CriticalCaptions CriticalCalculatorCaptions(ChannelType shape, UnitSystem units) {
    return {FlowrateCaption(units), WidthOrDiameterCaption(shape, units), SideCaption(shape, units),
            units == UnitSystem::English ? "Critical depth, ft:" : "Critical depth, m:"};
}

float CriticalCalculatorGravity(UnitSystem units) {
    return units == UnitSystem::English ? 32.2f : 9.81f;
}

DepthSearch SolveCriticalDepth(ChannelType shape, float q, float size, float sideSlopeOrHeight, float g) {
    const auto section = SectionOfSize(shape, size, sideSlopeOrHeight);
    return BisectDepth(section->SearchCeiling(), kCriticalHalvings,
                       [&](float y) { return section->CriticalFlowResidual(y, q, g); });
}

CriticalOutcome ComputeCriticalDepthAndSlope(ChannelType shape, UnitSystem units,
                                             const CriticalInputTexts& texts, bool roughnessAccepted) {
    CriticalOutcome outcome;
    if (texts.flowrate.empty() || texts.manningN.empty() || texts.width.empty()) {
        outcome.message = IncompleteInput();
        return outcome;
    }
    try {
        FloatGuard guard;
        const float q = ReadLeadingSingle(texts.flowrate);
        const float b = ReadLeadingSingle(texts.width);
        const float n = ReadLeadingSingle(texts.manningN);
        if (n >= 0.15f && !roughnessAccepted) {
            outcome.message = RoughnessWarning();
            return outcome;
        }
        const float m = UsesSideInput(shape) ? ReadLeadingSingle(texts.sides) : 0.0f;
        const float g = CriticalCalculatorGravity(units);
        const float f = SlopeFactor(q, n, units);

        // The width of a trapezoid, the radius of the curved shapes.
        const float size = shape == ChannelType::Trapezoidal ? b : b / 2.0f;
        const auto section = SectionOfSize(shape, size, m);
        const DepthSearch search = SolveCriticalDepth(shape, q, size, m, g);
        guard.Check();
        if (search.EndedAtTop()) {
            outcome.message = DepthAboveSearchMessage("Critical Depth", "critical depth", *section, units);
            return outcome;
        }
        outcome.criticalDepth = FormatFixed3(search.depth);

        // The slope comes from the depth as shown, to three decimals.
        const float yc = ReadLeadingSingle(*outcome.criticalDepth);
        const float a = section->FlowArea(yc);
        const float p = section->WettedPerimeter(yc);
        const float hydraulicRadius = ToSingle(double(a) / p);
        const float slope = ToSingle(f / (double(a) * a * std::pow(double(hydraulicRadius), 4.0 / 3.0)));
        guard.Check();
        outcome.criticalSlope = FormatFixed(slope, 5);
    } catch (const std::exception&) {
        outcome.message = UnknownCalculatorError();
    }
    return outcome;
}

}  // namespace rillo
