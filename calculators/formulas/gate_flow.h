#pragma once

#include <optional>
#include <span>
#include <string>

#include "calculators/formulas/calculator_message.h"
#include "engine/units.h"

namespace rillo {

// The underflow gate window's fields.
enum class GateField { UpstreamDepth, Width, Opening, Coefficient };
std::span<const FormField<GateField>> FormFieldsOf(GateField);

// The underflow gate window's four field texts, as typed.
struct GateInputs {
    UnitSystem units = UnitSystem::English;
    std::string upstreamDepth;
    std::string width;        
    std::string opening;      
    std::string coefficient;  
};

// The flowrate and velocity texts ("0.000"), or the message that
// stops Compute (one that `clearsResults` blanks both).
struct GateResult {
    std::string flowrate;
    std::string velocity;
    std::optional<CalculatorMessage> message;
    bool ok() const { return !message; }
};

// The Compute of the underflow gate window: no field may hold a text its key
// rules refuse, every field must be filled, and
// the opening must be below the upstream depth (a gate at or above the water
// surface does not touch the flow); then Q = (2 g Y1)^(1/2) B a C and
// V = Q / (B a). A run-time error (a width or opening of 0 makes V a division
// by zero) gives the unknown-error message.
GateResult ComputeGateFlow(const GateInputs& inputs);

}  // namespace rillo
