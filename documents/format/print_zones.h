#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace rillo {

// Width of one print zone; zones start at columns 1, 15, 29, ...
inline constexpr std::size_t kPrintZoneWidth = 14;

// The items laid out in print zones: the first item at column 1, each further
// item at the start of the next zone after the end of the one before, with at
// least one blank between them. Items are written as they stand, so a line
// whose last item is empty ends in the blanks that lead to its zone.
std::string JoinInPrintZones(const std::vector<std::string_view>& items);

}  // namespace rillo
