#include <gtest/gtest.h>

#include <string>

#include "engine/numeric_text.h"
#include "sections/CIRCULAR.h"
#include "sections/ELNGATED.h"
#include "sections/USHAPED.h"
#include "sections/profile_dispatch.h"
#include "tests/sections/section_checks.h"

namespace rillo {
namespace {

using testing::kExpectedConduitMessage;
using testing::kExpectedOpenChannelMessage;

// A 2 ft section on a 1000 ft reach, n = 0.013, English units.
ProfileInputs TwoFootReach(ChannelType shape, float q, float s0, float sideHeight = 0.0f) {
    ProfileInputs in;
    in.startStation = "0+00.000";
    in.endStation = "10+00.000";
    in.flowrate = q;
    in.widthOrDiameter = 2.0f;
    in.manningN = 0.013f;
    in.bottomSlope = s0;
    in.sideSlopeOrHeight = sideHeight;
    in.channelType = shape;
    return in;
}

float Depth(const ProfileRow& row) {
    return std::stof(row.cells[kDepthColumn]);
}

struct SummaryCase {
    const char* name;
    ChannelType shape;
    float q;
    float sideHeight;
    const char* criticalDepth;
    const char* criticalArea;
    const char* normalDepth;
    const char* normalArea;
};

class CurvedSummaryTest : public ::testing::TestWithParam<SummaryCase> {};

TEST_P(CurvedSummaryTest, MildSlopeSummary) {
    const SummaryCase c = GetParam();
    const ProfileResult r = ComputeProfileFor(TwoFootReach(c.shape, c.q, 0.001f, c.sideHeight));
    ASSERT_TRUE(r.ok()) << r.failure->text;
    EXPECT_EQ(r.summary.criticalDepth, c.criticalDepth);
    EXPECT_EQ(r.summary.criticalArea, c.criticalArea);
    EXPECT_EQ(r.summary.normalDepth, c.normalDepth);
    EXPECT_EQ(r.summary.normalArea, c.normalArea);
    EXPECT_EQ(r.summary.flowType, "subcritical");
    EXPECT_EQ(r.summary.profileType, "mild, M-2");
    // Blank control depth: the profile starts at critical depth at the end station.
    EXPECT_EQ(r.controlDepthText, c.criticalDepth);
    ASSERT_FALSE(r.table.empty());
    EXPECT_EQ(r.table.front().cells[kStationColumn], "10+00.000");
    EXPECT_EQ(r.table.front().cells[kDepthColumn], c.criticalDepth);
    EXPECT_EQ(r.table.front().cells[kFroudeColumn], "1.000");
}

INSTANTIATE_TEST_SUITE_P(TwoFootSections, CurvedSummaryTest,
                         ::testing::Values(SummaryCase{"Pipe5", ChannelType::Circular, 5.0f, 0.0f, "0.788",
                                                       "1.149", "1.232", "2.030"},
                                           SummaryCase{"UShape10", ChannelType::UShaped, 10.0f, 0.0f, "1.134",
                                                       "1.838", "1.982", "3.535"},
                                           SummaryCase{"Elongated10", ChannelType::ElongatedCircular, 10.0f,
                                                       1.0f, "1.134", "1.838", "1.982", "3.535"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CurvedProfileTest, APipeWhoseNormalDepthReachesTheCrownHasNoProfile) {
    // 10 ft^3/s is more than the 2 ft pipe carries at this slope: the search
    // for normal depth ends at the crown, which is no depth of uniform flow.
    const ProfileResult r = ComputeProfileFor(TwoFootReach(ChannelType::Circular, 10.0f, 0.001f));
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.failure->title, "Invalid Channel Geometry");
    EXPECT_EQ(r.failure->text, kExpectedConduitMessage);
    EXPECT_EQ(r.summary.criticalDepth, "1.131");
    EXPECT_EQ(r.summary.criticalArea, "1.833");
    EXPECT_EQ(r.summary.normalDepth, "");
    EXPECT_EQ(r.summary.flowType, "");
    EXPECT_TRUE(r.table.empty());
    // At 5 ft^3/s the normal depth lies below the crown and the profile is computed.
    EXPECT_TRUE(ComputeProfileFor(TwoFootReach(ChannelType::Circular, 5.0f, 0.001f)).ok());
}

struct AboveCrownCase {
    const char* name;
    ChannelType shape;
    float sideHeight;
    float controlDepth;
};

class ControlAboveCrownTest : public ::testing::TestWithParam<AboveCrownCase> {};

TEST_P(ControlAboveCrownTest, EndsWithTheConduitMessageAndKeepsTheSummary) {
    const AboveCrownCase c = GetParam();
    ProfileInputs in = TwoFootReach(c.shape, 5.0f, 0.001f, c.sideHeight);
    in.controlDepth = c.controlDepth;
    const ProfileResult r = ComputeProfileFor(in);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.failure->title, "Invalid Channel Geometry");
    EXPECT_EQ(r.failure->text, kExpectedConduitMessage);
    // Written before the control row, which already needs the top width.
    EXPECT_EQ(r.summary.criticalDepth, "0.788");
    EXPECT_EQ(r.summary.flowType, "subcritical");
    EXPECT_EQ(r.controlDepthText, FormatFixed3(c.controlDepth));
    EXPECT_TRUE(r.table.empty());
}

INSTANTIATE_TEST_SUITE_P(ClosedConduits, ControlAboveCrownTest,
                         ::testing::Values(AboveCrownCase{"Pipe", ChannelType::Circular, 0.0f, 2.5f},
                                           AboveCrownCase{"Elongated", ChannelType::ElongatedCircular, 1.0f,
                                                          3.2f}),
                         [](const auto& info) { return std::string(info.param.name); });

struct CrownCase {
    const char* name;
    ChannelType shape;
    float q;
    float sideHeight;
    float controlDepth;
    const char* crown;
};

class CriticalAtTheCrownTest : public ::testing::TestWithParam<CrownCase> {};

// Far more flow than the conduit carries: critical depth is the crown as the
// summary shows it (0.99962 ft in the 1 ft pipe), and there is no free surface.
TEST_P(CriticalAtTheCrownTest, WritesTheSummaryAndNoRows) {
    const CrownCase c = GetParam();
    ProfileInputs in = TwoFootReach(c.shape, c.q, 0.01f, c.sideHeight);
    in.widthOrDiameter = 1.0f;
    in.controlDepth = c.controlDepth;
    const ProfileResult r = ComputeProfileFor(in);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.failure->title, "Invalid Channel Geometry");
    EXPECT_EQ(r.failure->text, kExpectedConduitMessage);
    EXPECT_EQ(r.summary.criticalDepth, c.crown);
    EXPECT_EQ(r.summary.normalDepth, c.crown);
    EXPECT_NE(r.summary.flowType, "");
    EXPECT_EQ(r.summary.profileType, "");
    EXPECT_TRUE(r.table.empty());
}

INSTANTIATE_TEST_SUITE_P(
    ClosedConduits, CriticalAtTheCrownTest,
    ::testing::Values(CrownCase{"Pipe", ChannelType::Circular, 20.0f, 0.0f, 0.0f, "1.000"},
                      CrownCase{"PipeWithAControlDepth", ChannelType::Circular, 20.0f, 0.0f, 0.5f, "1.000"},
                      CrownCase{"Elongated", ChannelType::ElongatedCircular, 40.0f, 0.5f, 0.0f, "1.500"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CurvedProfileTest, UShapeHasNoCrown) {
    ProfileInputs in = TwoFootReach(ChannelType::UShaped, 5.0f, 0.001f);
    in.controlDepth = 2.5f;
    const ProfileResult r = ComputeProfileFor(in);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.table.front().cells[kDepthColumn], "2.500");
    EXPECT_EQ(r.table.front().cells[kTopWidthColumn], "2.000");
}

struct AdverseCase {
    const char* name;
    ChannelType shape;
    float sideHeight;
    const char* crown;
};

class AdverseToTheCrownTest : public ::testing::TestWithParam<AdverseCase> {};

// On an adverse slope 3 yc stands in for the normal depth; with Q = 5 that is
// 2.364 ft, above the crown, so the depths rise into it.
TEST_P(AdverseToTheCrownTest, StopsAfterOneRowAtTheCrown) {
    const AdverseCase c = GetParam();
    const ProfileResult r = ComputeProfileFor(TwoFootReach(c.shape, 5.0f, -0.001f, c.sideHeight));
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.failure->text, kExpectedConduitMessage);
    EXPECT_EQ(r.summary.normalDepth, "----");
    EXPECT_EQ(r.summary.profileType, "adverse, A-2");
    ASSERT_GE(r.table.size(), 2u);
    // The step end that passed the crown was replaced by it; the next pair's
    // middle depth lay above the crown.
    EXPECT_EQ(r.table.back().cells[kDepthColumn], c.crown);
    for (std::size_t i = 0; i + 1 < r.table.size(); ++i) {
        EXPECT_LT(Depth(r.table[i]), std::stof(c.crown)) << "row " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(ClosedConduits, AdverseToTheCrownTest,
                         ::testing::Values(AdverseCase{"Pipe", ChannelType::Circular, 0.0f, "2.000"},
                                           AdverseCase{"Elongated", ChannelType::ElongatedCircular, 0.1f,
                                                       "2.100"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CurvedProfileTest, ReachEndWithinTheStepThatReachedTheCrown) {
    // The same pipe, with the reach ending between the last row below the
    // crown (4+86.8) and the crown row (4+15.6): the last row is interpolated
    // at the start station and no error follows.
    ProfileInputs in = TwoFootReach(ChannelType::Circular, 5.0f, -0.001f);
    in.startStation = "4+50.000";
    const ProfileResult r = ComputeProfileFor(in);
    ASSERT_TRUE(r.ok()) << r.failure->text;
    EXPECT_EQ(r.table.back().cells[kStationColumn], "4+50.000");
    const float last = Depth(r.table.back());
    EXPECT_GT(last, 1.940f);
    EXPECT_LT(last, 2.000f);
}

TEST(CurvedProfileTest, AdverseUShapeRisesPastItsWidth) {
    const ProfileResult r = ComputeProfileFor(TwoFootReach(ChannelType::UShaped, 5.0f, -0.001f));
    ASSERT_TRUE(r.ok()) << r.failure->text;
    EXPECT_EQ(r.table.size(), 16u);
    EXPECT_GT(Depth(r.table.back()), 2.0f);
}

struct FailureCase {
    const char* name;
    ChannelType shape;
    const std::string* message;
};

class ZeroDiameterTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ZeroDiameterTest, EachShapeEndsWithItsOwnMessage) {
    ProfileInputs in = TwoFootReach(GetParam().shape, 5.0f, 0.001f, 1.0f);
    in.widthOrDiameter = 0.0f;
    const ProfileResult r = ComputeProfileFor(in);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.failure->title, "Invalid Channel Geometry");
    EXPECT_EQ(r.failure->text, *GetParam().message);
    EXPECT_TRUE(r.table.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, ZeroDiameterTest,
    ::testing::Values(FailureCase{"Pipe", ChannelType::Circular, &kExpectedConduitMessage},
                      FailureCase{"UShape", ChannelType::UShaped, &kExpectedOpenChannelMessage},
                      FailureCase{"Elongated", ChannelType::ElongatedCircular, &kExpectedConduitMessage}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CurvedProfileTest, NegativeSideHeightGivesNoProfile) {
    // Without the check the run would report the "crown" 1.500 below the
    // diameter as the normal depth and a profile of a section that cannot exist.
    const ProfileResult r =
        ComputeProfileFor(TwoFootReach(ChannelType::ElongatedCircular, 5.0f, 0.001f, -0.5f));
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.failure->text, kExpectedConduitMessage);
    EXPECT_EQ(r.summary.criticalDepth, "");
    EXPECT_TRUE(r.table.empty());
}

}  // namespace
}  // namespace rillo
