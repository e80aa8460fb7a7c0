#include "calculators/formulas/critical_depth_calculator.h"

#include <cmath>
#include <exception>

#include "calculators/formulas/calculator_captions.h"
#include "engine/float_guard.h"
#include "engine/input_checks.h"
#include "engine/numeric_text.h"
#include "sections/channel_shapes.h"

namespace rillo {

std::span<const FormField<CriticalField>> FormFieldsOf(CriticalField) {
    static constexpr FormField<CriticalField> kFields[] = {
        {CriticalField::Flowrate, "--flow", FieldKeys::PositiveNumber, true},
        {CriticalField::Width, "--width", FieldKeys::PositiveNumber, true},
        {CriticalField::ManningN, "--n", FieldKeys::PositiveNumber, true},
        {CriticalField::Sides, "--side", FieldKeys::PositiveNumber, false},
    };
    return kFields;
}

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
    message.focusField = CriticalField::ManningN;
    return message;
}

// (Q n / k)^2 in English units, (Q n)^2 in SI units, kept in single precision.
float SlopeFactor(float q, float n, UnitSystem units) {
    const double qn = ToSingle(double(q) * n);
    const double scaled = units == UnitSystem::English ? qn / 1.486 : qn;
    return ToSingle(scaled * scaled);
}

CalculatorMessage CriticalDepthAtCrown() {
    CalculatorMessage message;
    message.title = "Critical Depth";
    message.text =
        "The critical depth of this flowrate lies at the crown of the conduit: it would flow full, "
        "so there is no critical depth or slope to show.";
    message.clearsResults = true;
    return message;
}

}  // namespace

bool ReachesCrown(const ChannelSection& section, float depth) {
    const std::optional<float> crown = section.CrownDepth();
    if (!crown || !(*crown > 0.0f)) return false;  // no conduit at all: the computation fails
    float near = *crown;
    for (int i = 0; i < 4; ++i) near = std::nextafter(near, 0.0f);
    return depth >= near;
}

std::span<const CriticalFlowRow> CriticalFlowRows() {
    using C = CriticalCaptions;
    using T = CriticalOutcome::CriticalFlowTexts;
    static const CriticalFlowRow kRows[] = {
        {"critical_velocity", "CriticalVelocity", &C::criticalVelocity, &T::velocity},
        {"critical_area", "CriticalArea", &C::criticalArea, &T::area},
        {"critical_top_width", "CriticalTopWidth", &C::criticalTopWidth, &T::topWidth},
        {"minimum_energy", "MinimumEnergy", &C::minimumEnergy, &T::minimumEnergy},
    };
    return kRows;
}

CriticalCaptions CriticalCalculatorCaptions(ChannelType shape, UnitSystem units) {
    CriticalCaptions c;
    c.flowrate = FlowrateCaption(units);
    c.width = WidthOrDiameterCaption(shape, units);
    c.sides = SideCaption(shape, units);
    c.criticalDepth = LengthCaption("Critical depth", units);
    c.criticalVelocity =
        units == UnitSystem::English ? "Critical velocity, ft/s:" : "Critical velocity, m/s:";
    c.criticalArea = units == UnitSystem::English ? "Critical area, ft^2:" : "Critical area, m^2:";
    c.criticalTopWidth = LengthCaption("Top width at critical depth", units);
    c.minimumEnergy = LengthCaption("Minimum specific energy", units);
    return c;
}

float CriticalCalculatorGravity(UnitSystem units) {
    return units == UnitSystem::English ? 32.2f : 9.81f;
}

DepthSearch SolveCriticalDepth(const ChannelSection& section, float q, float g) {
    // An exact zero is the critical depth; a residual that is not a number
    // raises the lower bound, and the guard reports it.
    return BisectDepth(0.0f, section.SearchCeiling(), kCriticalHalvings, BisectionStop::OnExactZero,
                       [&](float y) { return section.CriticalFlowResidual(y, q, g); });
}

CriticalOutcome ComputeCriticalDepthAndSlope(ChannelType shape, UnitSystem units,
                                             const CriticalInputTexts& texts, bool roughnessAccepted) {
    CriticalOutcome outcome;
    const std::string unreadSide;
    outcome.message = RefusedFieldText<CriticalField>(
        {{CriticalField::Flowrate, texts.flowrate},
         {CriticalField::Width, texts.width},
         {CriticalField::ManningN, texts.manningN},
         {CriticalField::Sides, UsesSideInput(shape) ? texts.sides : unreadSide}});
    if (outcome.message) return outcome;
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

        const auto section = ShapeOf(shape).section(b, m);
        const DepthSearch search = SolveCriticalDepth(*section, q, g);
        guard.Check();
        if (ReachesCrown(*section, search.depth)) {
            outcome.message = CriticalDepthAtCrown();
            return outcome;
        }
        if (search.EndedAtTop()) {
            outcome.message = DepthAboveSearchMessage("Critical Depth", "critical depth", *section, units);
            return outcome;
        }

        // A depth that shrank to nothing has no slope: as the flow vanishes the
        // critical slope grows without bound.
        if (search.EndedAtBottom()) throw ComputationError("No critical depth above 0");

        // The slope comes from the depth found: its three-decimal text may lie
        // several percent off, or above the crown of a conduit.
        const float yc = search.depth;
        const float a = section->FlowArea(yc);
        const float p = section->WettedPerimeter(yc);
        const float hydraulicRadius = ToSingle(double(a) / p);
        const float slope = ToSingle(f / (double(a) * a * std::pow(double(hydraulicRadius), 4.0 / 3.0)));
        const float velocity = ToSingle(double(q) / a);
        const float topWidth = ToSingle(section->TopWidth(yc));
        const float energy = section->SpecificEnergy(yc, q, g);
        guard.Check();
        outcome.criticalDepth = FormatFixed3(yc);
        outcome.criticalSlope = FormatFixed(slope, 5);
        outcome.criticalFlow = CriticalOutcome::CriticalFlowTexts{
            FormatFixed3(velocity), FormatFixed3(a), FormatFixed3(topWidth), FormatFixed3(energy)};
    } catch (const std::exception&) {
        outcome.message = UnknownCalculatorError();
    }
    return outcome;
}

}  // namespace rillo
