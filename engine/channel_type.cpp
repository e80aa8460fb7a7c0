#include "engine/channel_type.h"

namespace rillo {

std::string_view DisplayName(ChannelType type) {
    switch (type) {
        case ChannelType::Trapezoidal: return "Trapezoidal Channel";
        case ChannelType::Circular: return "Circular Channel";
        case ChannelType::UShaped: return "U-shaped Channel";
        case ChannelType::ElongatedCircular: return "Elongated Circular Channel";
    }
    return "";
}

std::string_view FileHeader(ChannelType type) {
    switch (type) {
        case ChannelType::Trapezoidal: return "TRAPEZOIDAL CHANNEL";
        case ChannelType::Circular: return "CIRCULAR CHANNEL";
        case ChannelType::UShaped: return "U-SHAPED CHANNEL";
        case ChannelType::ElongatedCircular: return "ELONGATED CIRCULAR";
    }
    return "";
}

std::optional<ChannelType> ChannelTypeFromHeader(std::string_view header) {
    for (ChannelType type : kChannelTypes) {
        if (FileHeader(type) == header) return type;
    }
    return std::nullopt;
}

}  // namespace rillo
