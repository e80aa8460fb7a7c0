#include <gtest/gtest.h>

#include "documents/plot/long_section.h"
#include "engine/float_guard.h"

namespace rillo {
namespace {

// A 100 ft reach on a slope of 0.01, its rows (station, depth, energy) in station order.
ProfileDocument Reach(const std::vector<std::array<const char*, 3>>& rows) {
    ProfileDocument d;
    d.startStation = "0+00.000";
    d.endStation = "1+00.000";
    d.bottomSlope = "0.01";
    d.widthOrDiameter = "10";
    d.summary.criticalDepth = "1.459";
    for (const auto& [station, depth, energy] : rows) {
        ProfileRow row;
        row.cells[kStationColumn] = station;
        row.cells[kDepthColumn] = depth;
        row.cells[kSpecificEnergyColumn] = energy;
        d.table.push_back(row);
    }
    return d;
}

TEST(MixedLongSection, TheJumpRisesAtItsStationAndTheControlNamesTheEndThatHolds) {
    const ProfileDocument jump = Reach({{"0+00.000", "0.500", "6.711"},
                                        {"0+50.000", "0.800", "3.200"},
                                        {"0+50.000", "2.200", "2.500"},
                                        {"1+00.000", "2.500", "2.748"}});
    const ProfileDocument drowned = Reach({{"0+20.000", "3.000", "3.100"}, {"1+00.000", "4.000", "4.100"}});
    const struct {
        const char* name;
        const ProfileDocument& document;
        std::optional<std::size_t> jumpRow;
        bool drowned;
        double controlStation;
        std::string controlLabel;
        bool earlyEnd;
    } cases[] = {
        {"jump", jump, 1, false, 0.0, "Upstream depth 0.500 ft", false},
        {"swept out", jump, std::nullopt, false, 0.0, "Upstream depth 0.500 ft", false},
        {"drowned, rows from 0+20", drowned, std::nullopt, true, 100.0, "Downstream depth 4.000 ft", true},
    };
    for (const auto& c : cases) {
        const LongSection s = BuildMixedLongSection(c.document, LongSectionSetup{}, c.jumpRow, c.drowned);
        EXPECT_EQ(s.control.station, c.controlStation) << c.name;
        EXPECT_EQ(s.control.label, c.controlLabel) << c.name;
        EXPECT_EQ(s.earlyEnd.has_value(), c.earlyEnd) << c.name;
        EXPECT_EQ(s.jump.has_value(), c.jumpRow.has_value()) << c.name;
    }
    // The bed falls from 1.0 at the start to 0.5 at 0+50: the water rises there from 0.5 + 0.8 to 0.5 + 2.2.
    const LongSection s = BuildMixedLongSection(jump, LongSectionSetup{}, 1, false);
    ASSERT_TRUE(s.jump);
    EXPECT_EQ(s.jump->label, "Jump at 0+50.000");
    EXPECT_DOUBLE_EQ(s.jump->station, 50.0);
    EXPECT_NEAR(s.jump->lowSurface, 0.5 + 0.8, 1e-9);
    EXPECT_NEAR(s.jump->highSurface, 0.5 + 2.2, 1e-9);
    EXPECT_THROW(BuildMixedLongSection(Reach({{"0+50.000", "deep", "1"}, {"0+50.000", "2", "2"}}), {}, 0, false),
                 ComputationError);
}

}  // namespace
}  // namespace rillo
