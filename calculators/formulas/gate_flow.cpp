#include "calculators/formulas/gate_flow.h"

#include <cmath>

#include "calculators/formulas/calculator_gravity.h"
#include "engine/float_guard.h"
#include "engine/numeric_text.h"

namespace rillo {

std::span<const FormField<GateField>> FormFieldsOf(GateField) {
    static constexpr FormField<GateField> kFields[] = {
    {GateField::UpstreamDepth, "--upstream-depth", FieldKeys::PositiveNumber, false},
    {GateField::Width, "--width", FieldKeys::PositiveNumber, false},
    {GateField::Opening, "--opening", FieldKeys::PositiveNumber, false},
    {GateField::Coefficient, "--coefficient", FieldKeys::PositiveNumber, false},
    };
    return kFields;
}

namespace {

std::optional<GateField> FirstEmptyField(const GateInputs& in) {
    if (in.upstreamDepth.empty()) return GateField::UpstreamDepth;
    if (in.width.empty()) return GateField::Width;
    if (in.opening.empty()) return GateField::Opening;
    if (in.coefficient.empty()) return GateField::Coefficient;
    return std::nullopt;
}

CalculatorMessage IncompleteInput(GateField emptyField) {
    CalculatorMessage m;
    m.title = "Incomplete Input";
    m.text = "All required inputs must be entered before the sluicegate flowrate can be computed.";
    m.focusField = emptyField;
    return m;
}

CalculatorMessage OpeningNotBelowDepth() {
    CalculatorMessage m;
    m.title = "Input Error";
    m.text = "The gate opening must be less than the upstream depth.";
    m.focusField = GateField::Opening;
    return m;
}

}  // namespace

GateResult ComputeGateFlow(const GateInputs& in) {
    if (auto refused = RefusedFieldText<GateField>({{GateField::UpstreamDepth, in.upstreamDepth},
                                                    {GateField::Width, in.width},
                                                    {GateField::Opening, in.opening},
                                                    {GateField::Coefficient, in.coefficient}})) {
        return {{}, {}, refused};
    }
    if (const std::optional<GateField> emptyField = FirstEmptyField(in))
        return {{}, {}, IncompleteInput(*emptyField)};
    try {
        FloatGuard guard;
        const float y1 = ReadLeadingSingle(in.upstreamDepth);
        const float b = ReadLeadingSingle(in.width);
        const float a = ReadLeadingSingle(in.opening);
        const float c = ReadLeadingSingle(in.coefficient);
        const float g = GateGravity(in.units);
        if (a >= y1) return {{}, {}, OpeningNotBelowDepth()};

        const float q = ToSingle(std::pow(2.0f * g * y1, 1.0 / 2.0) * (b * a * c));
        const float v = q / (b * a);
        guard.Check();
        // Both values are worked out before either is shown.
        return {FormatFixed3(q), FormatFixed3(ToSingle(v)), std::nullopt};
    } catch (const ComputationError&) {
        return {{}, {}, UnknownCalculatorError()};
    }
}

}  // namespace rillo
