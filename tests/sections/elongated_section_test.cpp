#include <gtest/gtest.h>

#include <cmath>

#include "engine/numeric_text.h"
#include "engine/units.h"
#include "sections/CIRCULAR.h"
#include "sections/ELNGATED.h"
#include "sections/USHAPED.h"
#include "tests/sections/section_checks.h"

namespace rillo {
namespace {

using testing::OperationFails;
using testing::ValueOf;

// Each test starts with a FloatGuard: the floating-point flags are sticky and
// the operations would report a flag raised by an earlier test.

constexpr float kG = ProfileConstants(UnitSystem::English).g;
constexpr float kK = ProfileConstants(UnitSystem::English).k;

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

TEST(ElongatedSectionTest, FullAndAboveTheCrown) {
    FloatGuard guard;
    const ElongatedSection e(1.0f, 1.0f);
    for (float y : {3.0f, 3.5f}) {
        EXPECT_FLOAT_EQ(float(ValueOf([&] { return e.FlowArea(y); })), 5.141593f) << y;
        EXPECT_NEAR(ValueOf([&] { return e.HydraulicRadius(y); }), 5.141593 / 8.283186, 1e-7) << y;
        EXPECT_EQ(FormatFixed3(e.HydraulicRadius(y)), "0.621");
    }
    EXPECT_TRUE(OperationFails([&] { return e.TopWidth(3.5f); }));
    EXPECT_TRUE(OperationFails([&] { return e.WettedPerimeter(3.5f); }));
    EXPECT_TRUE(OperationFails([&] { return e.Momentum(3.5f, 10.0f, kG); }));
    EXPECT_TRUE(OperationFails([&] { return e.CriticalFlowResidual(3.5f, 10.0f, kG); }));
}

TEST(ElongatedSectionTest, InvertAndBelow) {
    FloatGuard guard;
    const ElongatedSection e(1.0f, 1.0f);
    EXPECT_EQ(ValueOf([&] { return e.FlowArea(0.0f); }), 0.0);
    EXPECT_EQ(ValueOf([&] { return e.FlowArea(-1.0f); }), 0.0);
    // No guard of their own at the invert: the circle's quarter-turn angle.
    EXPECT_FLOAT_EQ(float(ValueOf([&] { return e.WettedPerimeter(0.0f); })), 3.1416f);
    EXPECT_FLOAT_EQ(float(ValueOf([&] { return e.TopWidth(0.0f); })), 2.0f);
    EXPECT_TRUE(OperationFails([&] { return e.TopWidth(-0.1f); }));
    EXPECT_TRUE(OperationFails([&] { return e.HydraulicRadius(-0.1f); }));
    EXPECT_TRUE(OperationFails([&] { return e.Momentum(0.0f, 10.0f, kG); }));
    EXPECT_TRUE(OperationFails([&] { return e.SpecificEnergy(0.0f, 10.0f, kG); }));
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

TEST(ElongatedSectionTest, SameDepthsAsTheUShapeInTheStraightPart) {
    FloatGuard guard;
    // D = 2 ft, h = 1 ft, Q = 10 ft^3/s, n = 0.013, S0 = 0.001.
    const ElongatedSection e(1.0f, 1.0f);
    const float yc = e.CriticalDepth(10.0f, kG);
    const float yn = e.NormalDepth(10.0f, UniformFlowFactor(0.013f, kK, 0.001f));
    guard.Check();
    EXPECT_EQ(FormatFixed3(yc), "1.134");
    EXPECT_EQ(FormatFixed3(yn), "1.982");
}

TEST(ElongatedSectionTest, SearchesCoverTheSideHeight) {
    FloatGuard guard;
    // A tall section: 2 ft wide, 10 ft of straight wall, 100 ft^3/s. The
    // critical depth (about 4.3 ft) lies above the diameter.
    const ElongatedSection tall(1.0f, 10.0f);
    EXPECT_EQ(tall.SearchCeiling(), 12.0f);
    EXPECT_EQ(tall.CrownDepth(), std::optional<float>(12.0f));
    const float yc = tall.CriticalDepth(100.0f, kG);
    guard.Check();
    EXPECT_GT(yc, 4.0f);
    EXPECT_NEAR(tall.FroudeNumber(yc, 100.0f, kG), 1.0, 1e-4);
    // A flow the conduit cannot carry: the normal depth ends at the crown.
    const float yn = tall.NormalDepth(1000.0f, UniformFlowFactor(0.013f, kK, 0.001f));
    guard.Check();
    EXPECT_EQ(FormatFixed3(yn), "12.000");
    EXPECT_EQ(tall.ProfileFailureText(), testing::kExpectedConduitMessage);
}

}  // namespace
}  // namespace rillo
