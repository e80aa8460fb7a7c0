#pragma once

#include "engine/input_checks.h"

namespace rillo {

// Checks the inputs in the order Compute checks them: start and end station
// present, reach length (stationing notation, equal stations, start before
// end), flowrate, width or diameter (not for the trapezoid, where 0 is a
// triangle), Manning's n, the warning for n >= 0.15 unless `manningAccepted`,
// the bottom slope; then reads the control depth and the side field.
InputCheckResult CheckProfileInputs(const ProfileInputTexts& texts, ChannelType type, UnitSystem units,
                                    bool manningAccepted);

}  // namespace rillo
