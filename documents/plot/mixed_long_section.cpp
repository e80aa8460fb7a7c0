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
                                  std::optional<std::size_t> jumpRow) {
    LongSection s = BuildLongSection(d, setup);
    if (d.table.empty()) return s;
    const char* unit = d.unitSystem == UnitSystem::English ? " ft" : " m";
    const ProfileRow& first = d.table.front();
    // The rows start at the upstream end whatever regime the reach runs in.
    s.control.label = "Upstream depth " + first.cells[kDepthColumn] + unit;
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
