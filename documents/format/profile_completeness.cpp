#include "documents/format/profile_completeness.h"

#include <string>

namespace rillo {

bool ProfileIsComplete(const ProfileDocument& d) {
    for (const std::string* field : {&d.startStation, &d.endStation, &d.flowrate, &d.widthOrDiameter,
                                     &d.manningN, &d.bottomSlope, &d.controlDepth}) {
        if (field->empty()) return false;
    }
    return !d.table.empty() && !d.table.front().cells[kStationColumn].empty();
}

}  // namespace rillo
