#pragma once

#include <string>

#include "calculators/formulas/calculator_message.h"
#include "engine/channel_section.h"
#include "engine/depth_search.h"
#include "engine/units.h"

namespace rillo {

// The depth at which a closed conduit carries the most under Manning's
// equation, where A^3.333 / P^1.333 peaks below the crown, by golden-section
// search over [0, crown]. Only for a section with a crown.
float DepthOfMaximumCapacity(const ChannelSection& conduit);

// The message shown instead of a depth that lies above the search's bracket:
// for an open channel the top of the search in the length unit, for a closed
// conduit its height. `depthName` is "critical depth" or "normal depth".
CalculatorMessage DepthAboveSearchMessage(const std::string& title, const std::string& depthName,
                                          const ChannelSection& section, UnitSystem units);

}  // namespace rillo
