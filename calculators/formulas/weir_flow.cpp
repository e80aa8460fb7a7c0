#include "calculators/formulas/weir_flow.h"

#include <cmath>

#include "calculators/formulas/calculator_gravity.h"
#include "engine/float_guard.h"
#include "engine/numeric_text.h"

namespace rillo {

namespace {

CalculatorMessage AngleTooLarge() {
    CalculatorMessage m;
    m.title = "Weir Angle Too Large";
    m.text = "The V-notch angle must be less than 180°, otherwise the weir width would be infinite.";
    m.focusField = "txtWeirL";
    return m;
}

CalculatorMessage IncompleteInput(const std::string& emptyField) {
    CalculatorMessage m;
    m.title = "Incomplete Input";
    m.text = "All required inputs must be entered before the weir flow can be calculated.";
    m.focusField = emptyField;
    return m;
}

// The first empty field in the window's order, or none.
std::string FirstEmptyField(const WeirInputs& in) {
    if (in.lengthOrAngle.empty()) return "txtWeirL";
    if (in.head.empty()) return "txtWeirH";
    if (in.coefficient.empty()) return "txtWeirC";
    if (in.submerged && in.downstreamHead.empty()) return "txtDSWeirH";
    return {};
}

// The fractions are quotients of reals, worked in double precision; single
// values take part as they are read.
double SharpCrestedFlow(float g, float length, float head, float c) {
    return std::pow(2.0f * g, 1.0 / 2.0) * (2.0 / 3.0 * c) * length * std::pow(head, 3.0 / 2.0);
}

double BroadCrestedFlow(float g, float length, float head, float c) {
    return c * std::pow(2.0 / 3.0, 3.0 / 2.0) * std::pow(g, 1.0 / 2.0) * length * std::pow(head, 3.0 / 2.0);
}

double VNotchFlow(float g, float angleDegrees, float head, float c) {
    const double angle = angleDegrees * 3.141593 / 180.0;
    return std::pow(2.0f * g, 1.0 / 2.0) * (8.0 / 15.0 * c * std::tan(angle / 2.0)) *
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

// Villemonte's factor; its inner exponent is 3/2 for every shape. A head of
// 0 divides by zero and a downstream head above the upstream head raises a
// negative base to a fractional power: both are run-time errors.
double SubmergenceFactor(float head, float downstreamHead) {
    const float ratio = downstreamHead / head;
    return std::pow(1.0 - std::pow(ratio, 3.0 / 2.0), 0.385);
}

}  // namespace

WeirResult ComputeWeirFlow(const WeirInputs& in) {
    try {
        FloatGuard guard;
        const float g = WeirAndOrificeGravity(in.units);
        const float length = ReadLeadingSingle(in.lengthOrAngle);
        const float head = ReadLeadingSingle(in.head);
        const float c = ReadLeadingSingle(in.coefficient);

        if (in.shape == WeirShape::Triangular && length >= 180.0f) return {{}, AngleTooLarge()};
        const std::string emptyField = FirstEmptyField(in);
        if (!emptyField.empty()) return {{}, IncompleteInput(emptyField)};

        double q = 0.0;
        if (in.submerged) {
            const float downstreamHead = ReadLeadingSingle(in.downstreamHead);
            // The broad-crested box is hidden on this tab: the rectangular weir is sharp-crested.
            q = FreeFlow(in.shape, false, g, length, head, c) * SubmergenceFactor(head, downstreamHead);
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
