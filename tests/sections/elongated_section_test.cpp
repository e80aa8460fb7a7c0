#include <gtest/gtest.h>

#include <cmath>

#include "engine/units.h"
#include "sections/CIRCULAR.h"
#include "sections/ELNGATED.h"
#include "sections/USHAPED.h"
#include "tests/sections/section_checks.h"

namespace rillo {
namespace {

using testing::OperationFails;

// Each test starts with a FloatGuard: the floating-point flags are sticky and
// the operations would report a flag raised by an earlier test.

constexpr float kG = ProfileConstants(UnitSystem::English).g;

TEST(ElongatedSectionTest, StraightPartIsTheUShape) {
    FloatGuard guard;
    const ElongatedSection e(1.0f, 1.0f);
    const UShapedSection u(1.0f);
    EXPECT_FLOAT_EQ(e.FlowArea(1.5f), 2.5707965f);
    EXPECT_FLOAT_EQ(e.WettedPerimeter(1.5f), 4.141593f);
    EXPECT_EQ(e.TopWidth(1.5f), 2.0);
    EXPECT_NEAR(e.HydraulicRadius(1.5f), 0.6207, 1e-4);
    for (float y : {0.3f, 1.0f, 1.5f, 2.0f}) {
        EXPECT_EQ(e.Momentum(y, 10.0f, kG), u.Momentum(y, 10.0f, kG)) << y;
        EXPECT_EQ(e.FlowArea(y), u.FlowArea(y)) << y;
    }
}

TEST(ElongatedSectionTest, TopOfTheStraightPart) {
    FloatGuard guard;
    const float r = 1.0f, h = 0.5f;
    const ElongatedSection e(r, h);
    const float top = r + h;
    const float justAbove = std::nextafter(top, 3.0f);
    EXPECT_EQ(e.TopWidth(top), 2.0);
    // The upper circle takes over with a top width starting at 2r.
    EXPECT_NEAR(e.TopWidth(justAbove), 2.0, 1e-5);
    EXPECT_NEAR(e.TopWidth(top + 0.1f), 2.0 * std::sin(std::acos(-0.1)), 1e-5);
    EXPECT_NEAR(e.FlowArea(justAbove), e.FlowArea(top), 2e-5);
    EXPECT_NEAR(e.WettedPerimeter(justAbove), e.WettedPerimeter(top), 2e-5);
    // The three-piece moment starts where the U-shaped one ends.
    EXPECT_NEAR(e.Momentum(justAbove, 5.0f, kG), e.Momentum(top, 5.0f, kG), 1e-4);
}

TEST(ElongatedSectionTest, ThreePieceMomentumWhenFull) {
    FloatGuard guard;
    // r = 1, h = 1, full at y = 3, no flow: the straight part 2 x 1 at 1.5
    // below the crown (3), the lower half circle at 2 + 4/(3 pi) (1.5707965 x
    // 2.424413), and the upper half circle as two side pieces whose centroids
    // sit 0.6 t below the surface (2 x 0.785398 x 0.6 with t = 1).
    const ElongatedSection e(1.0f, 1.0f);
    const double expected = 3.0 + 1.5707965 * (2.0 + 4.0 / 9.424779) + 1.5707965 * 0.6;
    EXPECT_NEAR(e.Momentum(3.0f, 0.0f, kG), expected, 1e-4);
}

TEST(ElongatedSectionTest, NegativeSideHeightIsInvalidGeometry) {
    FloatGuard guard;
    const ElongatedSection overlapping(1.0f, -0.5f);
    EXPECT_TRUE(OperationFails([&] { return overlapping.FlowArea(0.5f); }));
    EXPECT_TRUE(OperationFails([&] { return overlapping.TopWidth(1.2f); }));
    EXPECT_TRUE(OperationFails([&] { return overlapping.WettedPerimeter(1.2f); }));
    EXPECT_TRUE(OperationFails([&] { return overlapping.HydraulicRadius(0.5f); }));
    EXPECT_TRUE(OperationFails([&] { return overlapping.Momentum(0.5f, 5.0f, kG); }));
}

class CircularLimitTest : public ::testing::TestWithParam<float> {};

// With no side height the section is the circle of the same radius.
TEST_P(CircularLimitTest, ZeroSideHeightIsTheCircle) {
    FloatGuard guard;
    const float r = 1.2f;
    const float y = GetParam() * 2.0f * r;
    const ElongatedSection e(r, 0.0f);
    const CircularSection pipe(r);
    const auto near = [](double a, double b) {
        return std::fabs(a - b) <= 2e-5 * std::fmax(1.0, std::fabs(b));
    };
    EXPECT_PRED2(near, e.FlowArea(y), pipe.FlowArea(y));
    EXPECT_PRED2(near, e.WettedPerimeter(y), pipe.WettedPerimeter(y));
    EXPECT_PRED2(near, e.TopWidth(y), pipe.TopWidth(y));
    EXPECT_PRED2(near, e.HydraulicRadius(y), pipe.HydraulicRadius(y));
    if (y < r) {
        EXPECT_EQ(e.Momentum(y, 4.0f, kG), pipe.Momentum(y, 4.0f, kG));
    }
}

INSTANTIATE_TEST_SUITE_P(FractionsOfTheDiameter, CircularLimitTest,
                         ::testing::Values(0.01f, 0.2f, 0.45f, 0.5f, 0.55f, 0.8f, 0.99f, 1.0f));

}  // namespace
}  // namespace rillo
