#include "calculators/formulas/gate_flow.h"

#include <cmath>

#include "calculators/formulas/calculator_gravity.h"
#include "engine/float_guard.h"
#include "engine/numeric_text.h"

namespace rillo {

namespace {

std::string FirstEmptyField(const GateInputs& in) {
    if (in.upstreamDepth.empty()) return "txtY1";
    if (in.width.empty()) return "txtB";
    if (in.opening.empty()) return "txtGO";
    if (in.coefficient.empty()) return "txtC";
    return {};
}

CalculatorMessage IncompleteInput(const std::string& emptyField) {
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
    m.focusField = "txtGO";
    return m;
}

}  // namespace

GateResult ComputeGateFlow(const GateInputs& in) {
    if (auto refused = RefusedFieldText({{"txtY1", in.upstreamDepth},
                                         {"txtB", in.width},
                                         {"txtGO", in.opening},
                                         {"txtC", in.coefficient}})) {
        return {{}, {}, refused};
    }
    const std::string emptyField = FirstEmptyField(in);
    if (!emptyField.empty()) return {{}, {}, IncompleteInput(emptyField)};
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
