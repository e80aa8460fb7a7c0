#include <gtest/gtest.h>

#include <cmath>

#include "engine/numeric_text.h"
#include "engine/stationing.h"
#include "sections/TRAPZOID.h"
#include "sections/profile_dispatch.h"

namespace rillo {
namespace {

// b = 10 ft, z = 2, Q = 100 ft^3/s, n = 0.013, S0 = 0.001, stations 0+00.000
// to 10+00.000, control depth blank.
ProfileInputs WorkedExample() {
    ProfileInputs in;
    in.startStation = "0+00.000";
    in.endStation = "10+00.000";
    in.flowrate = 100.0f;
    in.widthOrDiameter = 10.0f;
    in.manningN = 0.013f;
    in.bottomSlope = 0.001f;
    in.sideSlopeOrHeight = 2.0f;
    return in;
}

using Cells = std::array<const char*, kProfileColumnCount>;

void ExpectRow(const ProfileRow& row, const Cells& expected, double stationTolerance) {
    EXPECT_NEAR(StationValue(row.cells[0]), StationValue(expected[0]), stationTolerance);
    for (int c = 1; c < kProfileColumnCount; ++c) {
        EXPECT_EQ(row.cells[static_cast<std::size_t>(c)], expected[static_cast<std::size_t>(c)]) << "column " << c;
    }
}

TEST(TrapezoidProfile, WorkedExample) {
    ProfileResult r = ComputeProfileFor(WorkedExample());
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.summary.criticalDepth, "1.329");
    EXPECT_EQ(r.summary.criticalArea, "16.817");
    EXPECT_EQ(r.summary.normalDepth, "1.721");
    EXPECT_EQ(r.summary.normalArea, "23.138");
    EXPECT_EQ(r.summary.flowType, "subcritical");
    EXPECT_EQ(r.summary.profileType, "mild, M-2");
    EXPECT_EQ(r.controlDepthText, "1.329");
    ASSERT_EQ(r.table.size(), 16u);

    // The control row and the last row stand exactly on the reach ends.
    EXPECT_EQ(r.table[0].cells[0], "10+00.000");
    EXPECT_EQ(r.table[15].cells[0], "0+00.000");
    ExpectRow(r.table[0], {"10+00.000", "1.329", "1.878", "16.817", "5.946", "15.315", "28.857", "1.000", "0.549",
                           "1.055", "15.942"}, 0.0);
    ExpectRow(r.table[1], {"9+99.417", "1.355", "1.879", "17.218", "5.808", "15.419", "28.871", "0.969", "0.524",
                           "1.072", "16.059"}, 0.002);
    ExpectRow(r.table[14], {"5+28.128", "1.694", "1.996", "22.686", "4.408", "16.777", "31.287", "0.668", "0.302",
                            "1.291", "17.577"}, 0.002);
    ExpectRow(r.table[15], {"0+00.000", "1.702", "2.000", "22.808", "4.384", "16.807", "31.379", "0.663", "0.299",
                            "1.295", "17.610"}, 0.0);

    // Rows 2 to 15 step the depth by two increments, upstream.
    for (std::size_t i = 1; i + 1 < r.table.size(); ++i) {
        EXPECT_NEAR(ReadLeadingNumber(r.table[i].cells[1]) - ReadLeadingNumber(r.table[i - 1].cells[1]), 0.026,
                    0.0015);
        EXPECT_LT(StationValue(r.table[i].cells[0]), StationValue(r.table[i - 1].cells[0]));
    }
}

TEST(TrapezoidProfile, ALongMildReachStopsShortAtTheEndOfTheDepthRange) {
    ProfileInputs in = WorkedExample();
    in.endStation = "1000+00.000";
    ProfileResult r = ComputeProfileFor(in);
    ASSERT_TRUE(r.ok());
    ASSERT_EQ(r.table.size(), 16u);
    EXPECT_NE(r.table.back().cells[0], "0+00.000");
    // 99.8 % of the way from yc toward yn: 1.329 + 0.998 * (1.721 - 1.329).
    EXPECT_EQ(r.table.back().cells[1], "1.720");
    EXPECT_EQ(r.earlyEndNote, "The profile ends at " + r.table.back().cells[0] +
                                  ", before the start station 0+00.000: its depth range is used up.");
    EXPECT_EQ(ComputeProfileFor(WorkedExample()).earlyEndNote, "");
}

TEST(TrapezoidProfile, AReachShorterThanTheFirstStepGivesTwoRows) {
    ProfileInputs in = WorkedExample();
    in.startStation = "9+99.900";
    ProfileResult r = ComputeProfileFor(in);
    ASSERT_TRUE(r.ok());
    ASSERT_EQ(r.table.size(), 2u);
    EXPECT_EQ(r.table[1].cells[0], "9+99.900");
    // The depth is interpolated within the first step, between yc and the step's end depth.
    double y = ReadLeadingNumber(r.table[1].cells[1]);
    EXPECT_GT(y, 1.329);
    EXPECT_LT(y, 1.355);
}

TEST(TrapezoidProfile, ASteepSlopeRunsDownstreamInSixtyIncrements) {
    ProfileInputs in = WorkedExample();
    in.bottomSlope = 0.02f;
    in.endStation = "1000+00.000";
    ProfileResult r = ComputeProfileFor(in);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.summary.flowType, "supercritical");
    EXPECT_EQ(r.summary.profileType, "steep, S-2");
    EXPECT_EQ(r.table.front().cells[0], "0+00.000");
    EXPECT_EQ(r.table.size(), 31u);
    for (std::size_t i = 1; i < r.table.size(); ++i) {
        EXPECT_GT(StationValue(r.table[i].cells[0]), StationValue(r.table[i - 1].cells[0]));
        EXPECT_LT(ReadLeadingNumber(r.table[i].cells[1]), ReadLeadingNumber(r.table[i - 1].cells[1]));
    }
}

TEST(TrapezoidProfile, AnAdverseSlopeHasNoNormalDepth) {
    ProfileInputs in = WorkedExample();
    in.bottomSlope = -0.001f;
    in.controlDepth = 0.8f;  // below critical: supercritical, computed downstream
    ProfileResult r = ComputeProfileFor(in);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.summary.normalDepth, "----");
    EXPECT_EQ(r.summary.normalArea, "----");
    EXPECT_EQ(r.summary.criticalDepth, "1.329");
    EXPECT_EQ(r.summary.flowType, "supercritical");
    EXPECT_EQ(r.summary.profileType, "adverse, A-3");
    EXPECT_EQ(r.controlDepthText, "0.800");
    EXPECT_EQ(r.table.front().cells[0], "0+00.000");
}

TEST(TrapezoidProfile, AGivenControlDepthIsWrittenBack) {
    ProfileInputs in = WorkedExample();
    in.controlDepth = 2.5f;
    ProfileResult r = ComputeProfileFor(in);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.controlDepthText, "2.500");
    EXPECT_EQ(r.summary.profileType, "mild, M-1");
    EXPECT_EQ(r.table.front().cells[1], "2.500");
}

TEST(TrapezoidProfile, NoWidthAndNoSideSlopeIsInvalidGeometryWithEmptyResults) {
    ProfileInputs in = WorkedExample();
    in.widthOrDiameter = 0.0f;
    in.sideSlopeOrHeight = 0.0f;
    ProfileResult r = ComputeProfileFor(in);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.failure->title, "Invalid Channel Geometry");
    EXPECT_EQ(r.failure->text,
              "A water-surface profile cannot be computed from the geometry provided.  "
              "Recheck the values you entered.");
    EXPECT_TRUE(r.table.empty());
    EXPECT_TRUE(r.summary.criticalDepth.empty());
    EXPECT_FALSE(r.controlDepthText);
}

TEST(TrapezoidProfile, AStationThatCannotBeReadIsInvalidGeometry) {
    ProfileInputs in = WorkedExample();
    in.endStation = "10+0x";
    ProfileResult r = ComputeProfileFor(in);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.failure->title, "Invalid Channel Geometry");
}

TEST(TrapezoidProfile, AFailureDuringTheIntegrationKeepsWhatWasWritten) {
    // A control depth so large that Q^2 P^1.333 / A^3.333 underflows is fine,
    // but one whose area overflows single precision fails after the summary.
    ProfileInputs in = WorkedExample();
    in.controlDepth = 3e19f;
    ProfileResult r = ComputeProfileFor(in);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.summary.criticalDepth, "1.329");
    EXPECT_EQ(r.summary.flowType, "subcritical");
    EXPECT_TRUE(r.table.empty());
    for (const ProfileRow& row : r.table) {
        for (const std::string& cell : row.cells) {
            EXPECT_EQ(cell.find("inf"), std::string::npos);
            EXPECT_EQ(cell.find("nan"), std::string::npos);
        }
    }
}

TEST(TrapezoidProfile, SiUnitsUseTheirOwnConstants) {
    ProfileInputs in = WorkedExample();
    in.unitSystem = UnitSystem::SI;
    ProfileResult r = ComputeProfileFor(in);
    ASSERT_TRUE(r.ok());
    // g = 9.806 raises the critical depth; k = 1 makes n act 1.486 times rougher.
    EXPECT_GT(ReadLeadingNumber(r.summary.criticalDepth), 1.329 * 1.4);
    EXPECT_GT(ReadLeadingNumber(r.summary.normalDepth), 1.721 * 1.2);
}

}  // namespace
}  // namespace rillo
