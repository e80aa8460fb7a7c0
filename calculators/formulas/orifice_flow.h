#pragma once

#include <optional>
#include <span>
#include <string>

#include "calculators/formulas/calculator_message.h"
#include "engine/units.h"

namespace rillo {

enum class OrificeShape { Circular, Square };

// The orifice window's fields.
enum class OrificeField { Size, Coefficient, Head };
std::span<const FormField<OrificeField>> FormFieldsOf(OrificeField);


// What the orifice window's Compute reads: the selected shape and the three
// field texts as typed.
struct OrificeInputs {
    OrificeShape shape = OrificeShape::Circular;
    UnitSystem units = UnitSystem::English;
    std::string size;         // the diameter, or the side of the square
    std::string coefficient;
    std::string head;       
};

// The flowrate text ("0.000"), or the message that stops Compute.
struct OrificeResult {
    std::string flowrate;
    std::optional<CalculatorMessage> message;
    bool ok() const { return !message; }
};

// The Compute of the orifice window: no field may hold a text its key rules
// refuse; size, coefficient and head must each be
// other than 0 (an empty or non-numeric text reads as 0), tested in that
// order; then Q = (2 g H)^(1/2) C A. A run-time error gives the unknown-error
// message.
OrificeResult ComputeOrificeFlow(const OrificeInputs& inputs);

}  // namespace rillo
