#include "documents/format/print_zones.h"

namespace rillo {

std::string JoinInPrintZones(const std::vector<std::string_view>& items) {
    std::string line;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) {
            // The next zone start strictly after the text so far, which leaves
            // at least one blank even when an item fills its zone exactly.
            std::size_t nextZone = (line.size() / kPrintZoneWidth + 1) * kPrintZoneWidth;
            line.append(nextZone - line.size(), ' ');
        }
        line.append(items[i]);
    }
    return line;
}

}  // namespace rillo
