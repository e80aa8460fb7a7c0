#pragma once

#include <string_view>

#include "engine/profile_records.h"
#include "engine/units.h"

namespace rillo {

// The two heading rows of the profile table: the quantity (row 0) and its
// unit (row 1), which follows the unit system.
std::string_view TableHeading(int column, int headingRow, UnitSystem units);

// Captions of the summary values: "Normal depth, ft:" and the like.
enum class SummaryItem { NormalDepth, NormalArea, CriticalDepth, CriticalArea, FlowType, ProfileType };
std::string_view SummaryCaption(SummaryItem item, UnitSystem units);

}  // namespace rillo
