#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace rillo {

enum class ChannelType { Trapezoidal, Circular, UShaped, ElongatedCircular };

// Menu order, which is also the order of the dispatch and of the file headers.
inline constexpr std::array<ChannelType, 4> kChannelTypes = {
    ChannelType::Trapezoidal, ChannelType::Circular, ChannelType::UShaped,
    ChannelType::ElongatedCircular};

// "Trapezoidal Channel", "Circular Channel", "U-shaped Channel",
// "Elongated Circular Channel".
std::string_view DisplayName(ChannelType type);

// Line 1 of a profile file: "TRAPEZOIDAL CHANNEL", "CIRCULAR CHANNEL",
// "U-SHAPED CHANNEL", "ELONGATED CIRCULAR".
std::string_view FileHeader(ChannelType type);

// The type whose file header is exactly `header` (case counts).
std::optional<ChannelType> ChannelTypeFromHeader(std::string_view header);

// Whether the shape reads the side field (side slope or side height).
constexpr bool UsesSideInput(ChannelType type) {
    return type == ChannelType::Trapezoidal || type == ChannelType::ElongatedCircular;
}

}  // namespace rillo
