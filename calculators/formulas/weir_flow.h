#pragma once

#include <optional>
#include <span>
#include <string>

#include "calculators/formulas/calculator_message.h"
#include "engine/units.h"

namespace rillo {

enum class WeirShape { Rectangular, Triangular, Cipolletti };

// The weir window's fields; the length field holds the angle of a V-notch.
enum class WeirField { Length, Angle, Head, Coefficient, DownstreamHead };
std::span<const FormField<WeirField>> FormFieldsOf(WeirField);


// What the weir window's Compute reads: the selected shape and tab, the
// broad-crested box and the four field texts as typed.
struct WeirInputs {
    WeirShape shape = WeirShape::Rectangular;
    bool submerged = false;     // the Submerged tab is selected
    bool broadCrested = false;  // counts only for a free-flowing rectangular weir
    UnitSystem units = UnitSystem::English;
    std::string lengthOrAngle;   // the length field: weir length, or the V-notch angle in degrees
    std::string head;            // upstream head over the crest
    std::string coefficient;     // the coefficient field
    std::string downstreamHead;  // read on the Submerged tab only
    // A coefficient above 1.0 is asked about first; true once the user said Yes.
    bool coefficientAccepted = false;
};

// The flowrate text ("0.000"), or the message that stops Compute.
struct WeirResult {
    std::string flowrate;
    std::optional<CalculatorMessage> message;
    bool ok() const { return !message; }
};

// The Compute of the weir window: the texts its fields refuse, the angle
// check (V-notch only), the incomplete-input check, the question about a
// coefficient above 1.0 (a yes/no/cancel message, until coefficientAccepted),
// a downstream head above the upstream head, then the flowrate. A run-time
// error gives the unknown-error message.
WeirResult ComputeWeirFlow(const WeirInputs& inputs);

}  // namespace rillo
