#include <gtest/gtest.h>

#include "engine/numeric_text.h"
#include "sections/TRAPZOID.h"

namespace rillo {
namespace {

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

TEST(TrapezoidProfile, WorkedExampleSummary) {
    ProfileResult r = trapzoid::ComputeProfile(WorkedExample());
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.summary.criticalDepth, "1.329");
    EXPECT_EQ(r.summary.criticalArea, "16.817");
    EXPECT_EQ(r.summary.normalDepth, "1.721");
    EXPECT_EQ(r.summary.normalArea, "23.138");
    EXPECT_EQ(r.summary.flowType, "subcritical");
    EXPECT_EQ(r.summary.profileType, "mild, M-2");
    EXPECT_EQ(r.controlDepthText, "1.329");
    ASSERT_EQ(r.table.size(), 16u);
    for (const auto& row : r.table) {
        for (const auto& c : row.cells) std::cout << c << "\t";
        std::cout << "\n";
    }
}

}  // namespace
}  // namespace rillo
