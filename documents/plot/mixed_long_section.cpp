#include <cmath>

#include "documents/plot/long_section.h"
#include "engine/float_guard.h"
#include "engine/numeric_text.h"
#include "engine/stationing.h"

namespace rillo {

namespace {

double DepthOf(const ProfileRow& row) {
    const std::optional<double> depth = ParseWholeNumber(row.cells[kDepthColumn]);
    if (!depth) throw ComputationError("a depth of the profile is not a number");
    return *depth;
}

}  // namespace

LongSection BuildMixedLongSection(const ProfileDocument& d, const LongSectionSetup& setup,
                                  std::optional<std::size_t> jumpRow, bool drowned) {
    LongSection s = BuildLongSection(d, setup);
    if (d.table.empty()) return s;
    const char* unit = d.unitSystem == UnitSystem::English ? " ft" : " m";
    if (drowned) {
        // The tailwater alone holds the reach: its control is the last row.
        const ProfileRow& last = d.table.back();
        const double station = StationValue(last.cells[kStationColumn]);
        const double bed =
            s.control.bedElevation - ReadLeadingNumber(d.bottomSlope) * (station - s.control.station);
        if (!std::isfinite(bed)) throw ComputationError("the end station is out of range");
        s.control = {station, bed, bed + DepthOf(last),
                     "Downstream depth " + last.cells[kDepthColumn] + unit};
        s.flowArrowStation = station;
        // Rows that end short of the start station leave the rest blank.
        const double first = StationValue(d.table.front().cells[kStationColumn]);
        s.earlyEnd.reset();
        if (first - s.startStation > 0.0005)
            s.earlyEnd = SectionEarlyEnd{first, "profile ends at " + FormatStation(first).text};
        return s;
    }
    // The rows start at the upstream end, below the gate.
    s.control.label = "Upstream depth " + d.table.front().cells[kDepthColumn] + unit;
    if (!jumpRow || *jumpRow + 1 >= d.table.size()) return s;

    const ProfileRow& before = d.table[*jumpRow];
    const ProfileRow& after = d.table[*jumpRow + 1];
    const double station = StationValue(before.cells[kStationColumn]);
    // The bed falls at the bottom slope from the control section's.
    const double bed =
        s.control.bedElevation - ReadLeadingNumber(d.bottomSlope) * (station - s.control.station);
    if (!std::isfinite(bed)) throw ComputationError("the jump's station is out of range");
    s.jump = SectionJump{station, bed + DepthOf(before), bed + DepthOf(after),
                         "Jump at " + before.cells[kStationColumn]};
    return s;
}

}  // namespace rillo
