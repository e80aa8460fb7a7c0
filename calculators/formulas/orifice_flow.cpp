#include "calculators/formulas/orifice_flow.h"

#include <cmath>

#include "calculators/formulas/calculator_gravity.h"
#include "engine/float_guard.h"
#include "engine/numeric_text.h"

namespace rillo {

std::span<const FormField<OrificeField>> FormFieldsOf(OrificeField) {
    static constexpr FormField<OrificeField> kFields[] = {
    {OrificeField::Size, "--size", FieldKeys::PositiveNumber, false},
    {OrificeField::Coefficient, "--coefficient", FieldKeys::PositiveNumber, false},
    {OrificeField::Head, "--head", FieldKeys::PositiveNumber, false},
    };
    return kFields;
}

namespace {

// Every input message of this window carries the warning icon.
CalculatorMessage InputMessage(const char* title, std::string text, OrificeField field) {
    CalculatorMessage m;
    m.title = title;
    m.text = std::move(text);
    m.icon = MessageKind::Warning;
    m.focusField = field;
    return m;
}

CalculatorMessage SizeMissing(OrificeShape shape) {
    return InputMessage("Channel Width",
                        shape == OrificeShape::Circular
                            ? "Please enter the channel diameter in the Required Inputs area."
                            : "Please enter the channel width in the Required Inputs area.",
                        OrificeField::Size);
}

CalculatorMessage CoefficientMissing() {
    return InputMessage("Channel Width",
                        "Please enter the wier coefficent in the Required Inputs area.\r"
                        "A typical weir coefficent is 0.7.\r"
                        "The weir coefficent is used to calculate the flowrate\r"
                        "through the orifice, and does not effect the head or velocity calculations.",
                        OrificeField::Coefficient);
}

CalculatorMessage HeadMissing() {
    return InputMessage("Weir Head", "Please enter the weir head in the Required Inputs area.",
                        OrificeField::Head);
}

}  // namespace

OrificeResult ComputeOrificeFlow(const OrificeInputs& in) {
    if (auto refused = RefusedFieldText<OrificeField>(
            {{OrificeField::Size, in.size}, {OrificeField::Coefficient, in.coefficient}, {OrificeField::Head, in.head}})) {
        return {{}, refused};
    }
    try {
        FloatGuard guard;
        const float g = WeirAndOrificeGravity(in.units);
        const float size = ReadLeadingSingle(in.size);
        if (size == 0.0f) return {{}, SizeMissing(in.shape)};
        const float c = ReadLeadingSingle(in.coefficient);
        if (c == 0.0f) return {{}, CoefficientMissing()};
        const float head = ReadLeadingSingle(in.head);
        if (head == 0.0f) return {{}, HeadMissing()};

        // 0.785398 is the program's pi/4.
        const float area = ToSingle(in.shape == OrificeShape::Circular ? 0.785398 * size * size
                                                                       : static_cast<double>(size) * size);
        const double q = std::pow(2.0f * g * head, 1.0 / 2.0) * (c * area);
        guard.Check();
        return {FormatFixed3(ToSingle(q)), std::nullopt};
    } catch (const ComputationError&) {
        return {{}, UnknownCalculatorError()};
    }
}

}  // namespace rillo
