#pragma once

#include <string>

#include "engine/units.h"

namespace rillo {

// The unit-bearing captions of the calculator windows, shared with the command
// line: LengthCaption("Upstream head", English) is "Upstream head, ft:".
std::string LengthCaption(const std::string& quantity, UnitSystem units);
// "Flowrate, ft^3/s:" or "Flowrate, m^3/s:".
std::string FlowrateCaption(UnitSystem units);
// "Velocity, ft/s:" or "Velocity, m/s:".
std::string VelocityCaption(UnitSystem units);

}  // namespace rillo
