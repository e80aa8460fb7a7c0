#include <gtest/gtest.h>

#include <cmath>

#include "engine/profile_classification.h"

namespace rillo {
namespace {

struct ClassCase {
    float y0, yn, yc, s0;
    const char* type;
};

class Classification : public ::testing::TestWithParam<ClassCase> {};

TEST_P(Classification, NamesTheProfileClass) {
    const ClassCase& c = GetParam();
    EXPECT_EQ(ClassifyProfile(c.y0, c.yn, c.yc, c.s0), c.type);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Classification,
    ::testing::Values(
        ClassCase{3, 2, 1, 0.001f, "mild, M-1"}, ClassCase{1.5f, 2, 1, 0.001f, "mild, M-2"},
        ClassCase{2, 2, 1, 0.001f, "mild, M-2"},  // at normal depth exactly: M-2, not M-1
        ClassCase{1, 2, 1, 0.001f, "mild, M-2"}, ClassCase{0.5f, 2, 1, 0.001f, "mild, M-3"},
        ClassCase{3, 1, 2, 0.01f, "steep, S-1"}, ClassCase{2, 1, 2, 0.01f, "steep, S-2"},
        ClassCase{1, 1, 2, 0.01f, "steep, S-2"},  // at normal depth exactly: S-2, not S-3
        ClassCase{0.5f, 1, 2, 0.01f, "steep, S-3"}, ClassCase{1, 1, 1, 0.01f, "critical, C-1"},
        ClassCase{0.5f, 1, 1, 0.01f, "critical, C-3"}, ClassCase{1, 3, 1, 0, "horizontal, H-2"},
        ClassCase{0.5f, 3, 1, 0, "horizontal, H-3"}, ClassCase{1, 3, 1, -0.001f, "adverse, A-2"},
        ClassCase{0.5f, 3, 1, -0.001f, "adverse, A-3"}));

TEST(ClassificationBoundaries, ALastBitDecidesBetweenCriticalAndMildOrSteep) {
    const float yc = 1.25f;
    EXPECT_EQ(ClassifyProfile(yc, yc, yc, 0.01f), "critical, C-1");
    EXPECT_EQ(ClassifyProfile(yc, std::nextafter(yc, 2.0f), yc, 0.01f), "mild, M-2");
    EXPECT_EQ(ClassifyProfile(yc, std::nextafter(yc, 0.0f), yc, 0.01f), "steep, S-2");
}

TEST(FlowRegimeTable, DirectionIncrementsAndStepPerCase) {
    // Mild slope, control at critical depth: upstream toward 99.8 % of normal depth.
    FlowRegime mild = DecideFlowRegime(1.0f, 2.0f, 1.0f);
    EXPECT_TRUE(mild.subcritical);
    EXPECT_EQ(mild.direction, -1.0f);
    EXPECT_EQ(mild.increments, 30);
    EXPECT_FLOAT_EQ(mild.depthStep, (1.0f - 2.0f) * 0.998f / 30);

    // Mild slope, control below critical: downstream all the way to critical depth.
    FlowRegime m3 = DecideFlowRegime(0.5f, 2.0f, 1.0f);
    EXPECT_FALSE(m3.subcritical);
    EXPECT_EQ(m3.direction, 1.0f);
    EXPECT_FLOAT_EQ(m3.depthStep, 0.5f / 30);

    // Steep slope, control at critical depth: downstream in 60 increments.
    FlowRegime steep = DecideFlowRegime(2.0f, 1.0f, 2.0f);
    EXPECT_FALSE(steep.subcritical);
    EXPECT_EQ(steep.increments, 60);
    EXPECT_FLOAT_EQ(steep.depthStep, (1.0f - 2.0f) * 0.998f / 60);

    // Steep slope, control above critical: upstream all the way to critical depth.
    FlowRegime s1 = DecideFlowRegime(3.0f, 1.0f, 2.0f);
    EXPECT_TRUE(s1.subcritical);
    EXPECT_EQ(s1.direction, -1.0f);
    EXPECT_FLOAT_EQ(s1.depthStep, 1.0f / 30);
}

TEST(FlowRegimeTable, ControlAtCriticalDependsOnTheSlopeClass) {
    EXPECT_EQ(FlowTypeText(DecideFlowRegime(1, 2, 1).subcritical), std::string("subcritical"));
    EXPECT_EQ(FlowTypeText(DecideFlowRegime(1, 0.5f, 1).subcritical), std::string("supercritical"));
}

}  // namespace
}  // namespace rillo
