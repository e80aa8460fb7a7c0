#include "calculators/formulas/weir_flow.h"

#include <cmath>

#include "calculators/formulas/calculator_gravity.h"
#include "engine/float_guard.h"
#include "engine/numeric_text.h"

namespace rillo {

std::span<const FormField<WeirField>> FormFieldsOf(WeirField) {
    static constexpr FormField<WeirField> kFields[] = {
    {WeirField::Length, "--length", FieldKeys::PositiveNumber, false},
    {WeirField::Angle, "--angle", FieldKeys::PositiveNumber, false},
    {WeirField::Head, "--head", FieldKeys::PositiveNumber, false},
    {WeirField::Coefficient, "--coefficient", FieldKeys::PositiveNumber, false},
    {WeirField::DownstreamHead, "--downstream-head", FieldKeys::PositiveNumber, false},
    };
    return kFields;
}

namespace {

// The field that holds the length, or the angle of a V-notch.
WeirField LengthField(const WeirInputs& in) {
    return in.shape == WeirShape::Triangular ? WeirField::Angle : WeirField::Length;
}

CalculatorMessage AngleTooLargeMessage() {
    CalculatorMessage m;
    m.title = "Weir Angle Too Large";
    m.text = "The V-notch angle must be less than 180°, otherwise the weir width would be infinite.";
    m.focusField = WeirField::Angle;
    return m;
}

CalculatorMessage IncompleteInput(WeirField emptyField) {
    CalculatorMessage m;
    m.title = "Incomplete Input";
    m.text = "All required inputs must be entered before the weir flow can be calculated.";
    m.focusField = emptyField;
    return m;
}

// The equations take the dimensionless discharge coefficient (about 0.6 for
// a sharp crest). One above 1.0, such as the English-unit 3.33 that already
// holds 2/3 sqrt(2g), would give a flow several times too large.
CalculatorMessage LargeCoefficientQuestion() {
    CalculatorMessage m;
    m.title = "Weir Coefficient";
    m.text =
        "The weir coefficient is usually less than 1.0: the equation takes the dimensionless discharge "
        "coefficient, about 0.6 for a sharp crest.\r\rDo you want to use this value?";
    m.icon = MessageKind::Warning;
    m.yesNoCancel = true;
    m.focusField = WeirField::Coefficient;
    return m;
}

CalculatorMessage DownstreamHeadTooHigh() {
    CalculatorMessage m;
    m.title = "Input Error";
    m.text = "The downstream head must be less than the upstream head.";
    m.focusField = WeirField::DownstreamHead;
    return m;
}

// The first empty field in the window's order, or none.
std::optional<WeirField> FirstEmptyField(const WeirInputs& in) {
    if (in.lengthOrAngle.empty()) return LengthField(in);
    if (in.head.empty()) return WeirField::Head;
    if (in.coefficient.empty()) return WeirField::Coefficient;
    if (in.submerged && in.downstreamHead.empty()) return WeirField::DownstreamHead;
    return std::nullopt;
}

// The fractions are quotients of reals, worked in double precision; single
// values take part as they are read.
double SharpCrestedFlow(float g, float length, float head, float c) {
    return std::pow(2.0f * g, 1.0 / 2.0) * (2.0 / 3.0 * c) * length * std::pow(head, 3.0 / 2.0);
}

double BroadCrestedFlow(float g, float length, float head, float c) {
    return c * std::pow(2.0 / 3.0, 3.0 / 2.0) * std::pow(g, 1.0 / 2.0) * length * std::pow(head, 3.0 / 2.0);
}

// tan(theta / 2) with the program's 3.141593 for pi. That literal is above pi,
// so an angle just under 180 degrees has a half-angle past 90 and a negative
// tangent.
double HalfAngleTangent(float angleDegrees) {
    const double angle = angleDegrees * 3.141593 / 180.0;
    return std::tan(angle / 2.0);
}

// No notch of 180 degrees or more, nor one whose tangent comes out not
// positive. An angle of 0 (an empty field) is left to the other checks.
bool AngleTooLarge(float angleDegrees) {
    return angleDegrees >= 180.0f || (angleDegrees > 0.0f && !(HalfAngleTangent(angleDegrees) > 0.0));
}

double VNotchFlow(float g, float angleDegrees, float head, float c) {
    return std::pow(2.0f * g, 1.0 / 2.0) * (8.0 / 15.0 * c * HalfAngleTangent(angleDegrees)) *
           std::pow(head, 5.0 / 2.0);
}

double FreeFlow(WeirShape shape, bool broadCrested, float g, float l, float h, float c) {
    switch (shape) {
        case WeirShape::Rectangular:
            return broadCrested ? BroadCrestedFlow(g, l, h, c) : SharpCrestedFlow(g, l, h, c);
        case WeirShape::Triangular: return VNotchFlow(g, l, h, c);
        case WeirShape::Cipolletti: return SharpCrestedFlow(g, l, h, c);
    }
    return 0.0;
}

// Villemonte's factor (1 - (H2/H)^n)^0.385, n the head's exponent in the
// shape's free-flow equation: 5/2 for the V-notch, 3/2 for the others. A head
// of 0 divides by zero and a downstream head above the upstream head raises a
// negative base to a fractional power: both are run-time errors.
double SubmergenceFactor(WeirShape shape, float head, float downstreamHead) {
    const float ratio = downstreamHead / head;
    const double n = shape == WeirShape::Triangular ? 5.0 / 2.0 : 3.0 / 2.0;
    return std::pow(1.0 - std::pow(ratio, n), 0.385);
}

}  // namespace

WeirResult ComputeWeirFlow(const WeirInputs& in) {
    const std::string noDownstreamHead;
    if (auto refused = RefusedFieldText<WeirField>(
            {{LengthField(in), in.lengthOrAngle},
             {WeirField::Head, in.head},
             {WeirField::Coefficient, in.coefficient},
             {WeirField::DownstreamHead, in.submerged ? in.downstreamHead : noDownstreamHead}})) {
        return {{}, refused};
    }
    try {
        FloatGuard guard;
        const float g = WeirAndOrificeGravity(in.units);
        const float length = ReadLeadingSingle(in.lengthOrAngle);
        const float head = ReadLeadingSingle(in.head);
        const float c = ReadLeadingSingle(in.coefficient);

        if (in.shape == WeirShape::Triangular && AngleTooLarge(length)) return {{}, AngleTooLargeMessage()};
        if (const std::optional<WeirField> emptyField = FirstEmptyField(in))
            return {{}, IncompleteInput(*emptyField)};
        if (c > 1.0f && !in.coefficientAccepted) return {{}, LargeCoefficientQuestion()};

        double q = 0.0;
        if (in.submerged) {
            const float downstreamHead = ReadLeadingSingle(in.downstreamHead);
            if (downstreamHead > head) return {{}, DownstreamHeadTooHigh()};
            // The broad-crested box is hidden on this tab: the rectangular weir is sharp-crested.
            q = FreeFlow(in.shape, false, g, length, head, c) * SubmergenceFactor(in.shape, head, downstreamHead);
        } else {
            q = FreeFlow(in.shape, in.broadCrested, g, length, head, c);
        }
        guard.Check();
        const float flowrate = ToSingle(q);
        return {FormatFixed3(flowrate), std::nullopt};
    } catch (const ComputationError&) {
        return {{}, UnknownCalculatorError()};
    }
}

}  // namespace rillo
