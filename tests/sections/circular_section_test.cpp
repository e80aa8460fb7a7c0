#include <gtest/gtest.h>

#include <cmath>

#include "engine/numeric_text.h"
#include "engine/units.h"
#include "sections/CIRCULAR.h"
#include "tests/sections/section_checks.h"

namespace rillo {
namespace {

using testing::OperationFails;
using testing::ValueOf;

// Each test starts with a FloatGuard: the floating-point flags are sticky and
// the operations would report a flag raised by an earlier test.

constexpr float kG = ProfileConstants(UnitSystem::English).g;

struct AngleCase {
    float y;
    float r;
    float expected;
    float tolerance;  // 0: the exact single-precision value
};

class CentralHalfAngleTest : public ::testing::TestWithParam<AngleCase> {};

TEST_P(CentralHalfAngleTest, MatchesArccosineAndSpecialValues) {
    FloatGuard guard;
    const AngleCase c = GetParam();
    const float theta = float(ValueOf([&] { return CentralHalfAngle(c.y, c.r); }));
    if (c.tolerance == 0.0f) {
        EXPECT_EQ(theta, c.expected);
    } else {
        EXPECT_NEAR(theta, c.expected, c.tolerance);
    }
}

INSTANTIATE_TEST_SUITE_P(Depths, CentralHalfAngleTest,
                         ::testing::Values(
                             // The invert gives a quarter turn, not 0; the crown the decimal 3.1416.
                             AngleCase{0.0f, 1.0f, 1.5708f, 0.0f}, AngleCase{0.0f, 7.5f, 1.5708f, 0.0f},
                             AngleCase{2.0f, 1.0f, 3.1416f, 0.0f}, AngleCase{3.0f, 1.5f, 3.1416f, 0.0f},
                             // Half full: the added constant 1.5708 itself.
                             AngleCase{1.0f, 1.0f, 1.5708f, 1e-7f},
                             // Elsewhere arccos(1 - y/r) plus the 3.67e-6 by which 1.5708 exceeds pi/2.
                             AngleCase{0.5f, 1.0f, 1.0472013f, 1e-6f},
                             AngleCase{1.5f, 1.0f, 2.0943988f, 1e-6f},
                             AngleCase{0.1f, 2.0f, 0.3175641f, 1e-6f},
                             AngleCase{3.9f, 2.0f, 2.8240359f, 1e-6f}));

TEST(CentralHalfAngleTest, FailsBelowTheInvertAndAboveTheCrown) {
    FloatGuard guard;
    EXPECT_TRUE(OperationFails([] { return CentralHalfAngle(-0.01f, 1.0f); }));
    EXPECT_TRUE(OperationFails([] { return CentralHalfAngle(2.01f, 1.0f); }));
    EXPECT_TRUE(OperationFails([] { return CentralHalfAngle(std::nextafter(2.0f, 3.0f), 1.0f); }));
    // Just inside the conduit the angle is still defined.
    EXPECT_FALSE(OperationFails([] { return CentralHalfAngle(std::nextafter(2.0f, 0.0f), 1.0f); }));
    EXPECT_FALSE(OperationFails([] { return CentralHalfAngle(1e-7f, 1.0f); }));
}

TEST(CircularSectionTest, HalfFull) {
    FloatGuard guard;
    const CircularSection pipe(1.0f);
    EXPECT_EQ(FormatFixed3(pipe.FlowArea(1.0f)), "1.571");
    EXPECT_NEAR(pipe.FlowArea(1.0f), 1.5708f, 1e-5f);
    EXPECT_NEAR(pipe.TopWidth(1.0f), 2.0, 1e-6);
    EXPECT_FLOAT_EQ(pipe.WettedPerimeter(1.0f), 2.0f * 1.5708f);
    EXPECT_EQ(FormatFixed3(pipe.WettedPerimeter(1.0f)), "3.142");
    EXPECT_NEAR(pipe.HydraulicRadius(1.0f), 0.5, 1e-5);
}

TEST(CircularSectionTest, InvertKeepsTheQuarterTurnAngle) {
    FloatGuard guard;
    const float r = 1.5f;
    const CircularSection pipe(r);
    EXPECT_EQ(pipe.FlowArea(0.0f), 0.0f);
    EXPECT_FLOAT_EQ(float(pipe.TopWidth(0.0f)), 2.0f * r);
    EXPECT_FLOAT_EQ(pipe.WettedPerimeter(0.0f), 3.1416f * r);
    EXPECT_NEAR(pipe.HydraulicRadius(0.0f), r / 2.0, 1e-5);
}

TEST(CircularSectionTest, CrownValues) {
    FloatGuard guard;
    const float r = 1.25f;
    const CircularSection pipe(r);
    const float crown = 2.0f * r;
    EXPECT_FLOAT_EQ(pipe.FlowArea(crown), float(3.141593 * r * r));
    EXPECT_FLOAT_EQ(pipe.WettedPerimeter(crown), 2.0f * 3.1416f * r);
    // sin(3.1416) is slightly negative: the top width is a hair below zero.
    const double top = pipe.TopWidth(crown);
    EXPECT_LT(top, 0.0);
    EXPECT_GT(top, -2e-5 * r);
}

TEST(CircularSectionTest, MomentumOfHalfAndFullPipe) {
    FloatGuard guard;
    const float r = 1.0f;
    const CircularSection pipe(r);
    // Without flow only the first moment remains: 2r^3/3 about the diameter
    // when half full, the area times r when full.
    EXPECT_NEAR(pipe.Momentum(1.0f, 0.0f, kG), 2.0 / 3.0, 1e-4);
    EXPECT_NEAR(pipe.Momentum(2.0f, 0.0f, kG), 3.141593, 1e-4);
    // With flow: plus Q^2 / (g A).
    const double a = pipe.FlowArea(1.0f);
    EXPECT_NEAR(pipe.Momentum(1.0f, 5.0f, kG) - pipe.Momentum(1.0f, 0.0f, kG), 25.0 / (kG * a), 1e-9);
}

TEST(CircularSectionTest, CriticalResidualChangesSignInsideThePipe) {
    FloatGuard guard;
    const CircularSection pipe(1.0f);
    for (float q : {0.5f, 10.0f, 50.0f}) {
        EXPECT_GT(pipe.CriticalFlowResidual(1.9999f, q, kG), 0.0f) << q;
        EXPECT_LT(pipe.CriticalFlowResidual(0.001f, q, kG), 0.0f) << q;
    }
}

}  // namespace
}  // namespace rillo
