#include "calculators/formulas/hydraulic_jump.h"

#include <cmath>
#include <exception>

#include "calculators/formulas/calculator_captions.h"
#include "calculators/formulas/critical_depth_calculator.h"
#include "engine/float_guard.h"
#include "engine/numeric_field_text.h"
#include "engine/numeric_text.h"
#include "sections/channel_shapes.h"

namespace rillo {

std::span<const FormField<JumpField>> FormFieldsOf(JumpField) {
    static constexpr FormField<JumpField> kFields[] = {
        {JumpField::Flowrate, "--flow", FieldKeys::PositiveNumber, true},
        {JumpField::UpstreamDepth, "--depth", FieldKeys::PositiveNumber, true},
        {JumpField::Width, "--width", FieldKeys::PositiveNumber, true},
        {JumpField::Sides, "--side", FieldKeys::PositiveNumber, false},
    };
    return kFields;
}

const char* const kJumpIncompleteInputText =
    "All required inputs must be entered before the hydraulic jump can be computed.";
const char* const kJumpConduitFullText =
    "The conduit would flow full downstream of the jump: no depth below its crown balances the "
    "specific force of the flow entering it.";

namespace {

constexpr int kSequentHalvings = 100;
// Length of a jump on a horizontal apron, in sequent depths (rectangular stilling basins).
constexpr double kJumpLengthRatio = 6.1;

CalculatorMessage Refusal(const char* title, std::string text, FieldId field = {}) {
    CalculatorMessage message;
    message.title = title;
    message.text = std::move(text);
    message.focusField = field;
    return message;
}

// The first required field left empty, in the window's tab order.
std::optional<JumpField> FirstEmptyField(const JumpInputTexts& t) {
    if (t.flowrate.empty()) return JumpField::Flowrate;
    if (t.upstreamDepth.empty()) return JumpField::UpstreamDepth;
    if (t.width.empty()) return JumpField::Width;
    return std::nullopt;
}

// A zero or negative dimension has no section to jump in; the side may be 0.
std::optional<CalculatorMessage> NotPositive(float value, JumpField field, bool zeroAllowed) {
    if (value > 0.0f || (zeroAllowed && value == 0.0f)) return std::nullopt;
    if (value == 0.0f) return Refusal("Invalid Input Value", "Please use an entry other than zero.", field);
    return Refusal(kInputErrorTitle, kGreaterThanZeroText, field);
}

// V / (g A / T)^(1/2): the square root of the section's Q^2 T / (g A^3).
float Froude(const ChannelSection& section, float y, float q, float g) {
    return ToSingle(std::sqrt(section.FroudeNumber(y, q, g)));
}

float Velocity(const ChannelSection& section, float y, float q) {
    return ToSingle(double(q) / section.FlowArea(y));
}

std::string SpeedCaption(const char* quantity, UnitSystem units) {
    return std::string(quantity) + (units == UnitSystem::English ? ", ft/s:" : ", m/s:");
}

}  // namespace

JumpCaptions JumpCalculatorCaptions(ChannelType shape, UnitSystem units) {
    JumpCaptions c;
    c.flowrate = FlowrateCaption(units);
    c.width = WidthOrDiameterCaption(shape, units);
    c.sides = SideCaption(shape, units);
    c.upstreamDepth = LengthCaption("Upstream depth", units);
    c.sequentDepth = LengthCaption("Sequent depth", units);
    c.upstreamFroude = "Upstream Froude number:";
    c.downstreamFroude = "Downstream Froude number:";
    c.upstreamVelocity = SpeedCaption("Upstream velocity", units);
    c.downstreamVelocity = SpeedCaption("Downstream velocity", units);
    c.energyLoss = LengthCaption("Energy loss", units);
    c.jumpLength = LengthCaption("Jump length (estimate)", units);
    c.jumpType = "Jump type:";
    return c;
}

DepthSearch SolveSequentDepth(const ChannelSection& section, float q, float g, float upstreamDepth,
                              float criticalDepth) {
    // Above critical depth the specific force grows with the depth.
    const double upstreamForce = section.Momentum(upstreamDepth, q, g);
    // An exact zero is the sequent depth, as for the critical depth below it.
    return BisectDepth(criticalDepth, section.SearchCeiling(), kSequentHalvings, BisectionStop::OnExactZero,
                       [&](float y) { return ToSingle(section.Momentum(y, q, g) - upstreamForce); });
}

float JumpEnergyLoss(const ChannelSection& section, float q, float g, float y1, float y2) {
    return ToSingle(double(section.SpecificEnergy(y1, q, g)) - section.SpecificEnergy(y2, q, g));
}

float JumpLengthEstimate(float sequentDepth) {
    return ToSingle(kJumpLengthRatio * sequentDepth);
}

const char* JumpTypeOfFroude(float upstreamFroude) {
    if (upstreamFroude < 1.7f) return "undular";
    if (upstreamFroude < 2.5f) return "weak";
    if (upstreamFroude < 4.5f) return "oscillating";
    if (upstreamFroude < 9.0f) return "steady";
    return "strong";
}

JumpOutcome ComputeHydraulicJump(ChannelType shape, UnitSystem units, const JumpInputTexts& texts) {
    JumpOutcome outcome;
    if (const std::optional<JumpField> empty = FirstEmptyField(texts)) {
        outcome.message = Refusal("Incomplete Input", kJumpIncompleteInputText, *empty);
        return outcome;
    }
    try {
        FloatGuard guard;
        const float q = ReadLeadingSingle(texts.flowrate);
        const float b = ReadLeadingSingle(texts.width);
        const float m = UsesSideInput(shape) ? ReadLeadingSingle(texts.sides) : 0.0f;
        const float y1 = ReadLeadingSingle(texts.upstreamDepth);
        // A trapezoid with sloping sides and no bottom is a triangle.
        const bool triangle = shape == ChannelType::Trapezoidal && m > 0.0f;
        for (auto refusal : {NotPositive(q, JumpField::Flowrate, false), NotPositive(b, JumpField::Width, triangle),
                             NotPositive(m, JumpField::Sides, true), NotPositive(y1, JumpField::UpstreamDepth, false)}) {
            if (refusal) {
                outcome.message = refusal;
                return outcome;
            }
        }
        const auto section = ShapeOf(shape).section(b, m);
        const std::optional<float> crown = section->CrownDepth();
        if (crown && *crown < y1) {
            outcome.message = Refusal(kInputErrorTitle,
                                      "The depth cannot be greater than the height of the channel.",
                                      JumpField::UpstreamDepth);
            return outcome;
        }

        const float g = CriticalCalculatorGravity(units);
        const float criticalDepth = SolveCriticalDepth(*section, q, g).depth;
        const std::string fr1Text = FormatFixed3(Froude(*section, y1, q, g));
        guard.Check();
        // The type and the refusal follow the Froude number as it is shown.
        const float fr1 = ReadLeadingSingle(fr1Text);
        if (fr1 <= 1.0f) {
            outcome.message =
                Refusal(kInputErrorTitle,
                        "The flow at this depth is not supercritical: its Froude number is " + fr1Text +
                            ".  A hydraulic jump forms only from a depth below the critical depth, " +
                            FormatFixed3(criticalDepth) + (units == UnitSystem::English ? " ft." : " m."),
                        JumpField::UpstreamDepth);
            return outcome;
        }

        JumpResultTexts r;
        r.upstreamFroude = fr1Text;
        r.upstreamVelocity = FormatFixed3(Velocity(*section, y1, q));
        r.jumpType = JumpTypeOfFroude(fr1);
        const DepthSearch sequent = SolveSequentDepth(*section, q, g, y1, criticalDepth);
        guard.Check();
        if (sequent.EndedAtTop()) {
            if (crown) {
                outcome.results = r;
                outcome.message = Refusal("Hydraulic Jump", kJumpConduitFullText);
            } else {
                outcome.message = DepthAboveSearchMessage("Sequent Depth", "sequent depth", *section, units);
            }
            return outcome;
        }

        const float y2 = sequent.depth;
        const float energyLoss = JumpEnergyLoss(*section, q, g, y1, y2);
        r.sequentDepth = FormatFixed3(y2);
        r.downstreamFroude = FormatFixed3(Froude(*section, y2, q, g));
        r.downstreamVelocity = FormatFixed3(Velocity(*section, y2, q));
        r.energyLoss = FormatFixed3(energyLoss);
        r.jumpLength = FormatFixed3(JumpLengthEstimate(y2));
        guard.Check();
        outcome.results = r;
    } catch (const std::exception&) {
        outcome.message = UnknownCalculatorError();
    }
    return outcome;
}

}  // namespace rillo
