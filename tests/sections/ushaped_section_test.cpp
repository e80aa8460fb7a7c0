#include <gtest/gtest.h>

#include <cmath>

#include "engine/numeric_text.h"
#include "engine/units.h"
#include "sections/CIRCULAR.h"
#include "sections/USHAPED.h"
#include "tests/sections/section_checks.h"

namespace rillo {
namespace {

// Each test starts with a FloatGuard: the floating-point flags are sticky and
// the operations would report a flag raised by an earlier test.

constexpr float kG = ProfileConstants(UnitSystem::English).g;

TEST(UShapedSectionTest, AboveTheSpringline) {
    FloatGuard guard;
    const UShapedSection u(1.0f);
    EXPECT_FLOAT_EQ(u.FlowArea(1.5f), 2.5707965f);
    EXPECT_FLOAT_EQ(u.WettedPerimeter(1.5f), 4.141593f);
    EXPECT_EQ(u.TopWidth(1.5f), 2.0);
    EXPECT_NEAR(u.HydraulicRadius(1.5f), 0.6207, 1e-4);
    EXPECT_EQ(FormatFixed3(u.HydraulicRadius(1.5f)), "0.621");
    // The walls have no top.
    EXPECT_FLOAT_EQ(u.FlowArea(40.0f), float(1.5707965 + 2.0 * 39.0));
    EXPECT_EQ(u.TopWidth(40.0f), 2.0);
}

TEST(UShapedSectionTest, BelowTheSpringlineIsTheCircle) {
    FloatGuard guard;
    const float r = 1.3f;
    const UShapedSection u(r);
    const CircularSection pipe(r);
    for (float y : {0.05f, 0.4f, 0.9f, 1.29f}) {
        EXPECT_EQ(u.FlowArea(y), pipe.FlowArea(y)) << y;
        EXPECT_EQ(u.TopWidth(y), pipe.TopWidth(y)) << y;
        EXPECT_EQ(u.WettedPerimeter(y), pipe.WettedPerimeter(y)) << y;
        EXPECT_EQ(u.HydraulicRadius(y), pipe.HydraulicRadius(y)) << y;
        EXPECT_EQ(u.Momentum(y, 3.0f, kG), pipe.Momentum(y, 3.0f, kG)) << y;
    }
}

TEST(UShapedSectionTest, AtTheSpringline) {
    FloatGuard guard;
    const float r = 2.0f;
    const UShapedSection u(r);
    EXPECT_FLOAT_EQ(u.FlowArea(r), float(1.5707965 * r * r));
    EXPECT_FLOAT_EQ(u.WettedPerimeter(r), float(3.141593 * r));
    EXPECT_EQ(u.TopWidth(r), 2.0 * r);
    // r/2 from both sides: the circle's closed form at r, A/P just above.
    EXPECT_NEAR(u.HydraulicRadius(r), r / 2.0, 1e-5);
    EXPECT_NEAR(u.HydraulicRadius(std::nextafter(r, 3.0f)), r / 2.0, 1e-5);
    // The first moment is continuous across the springline (2r^3/3 either
    // way, with the half circle's centroid at 0.4244 r).
    const double below = u.Momentum(r, 0.0f, kG);
    const double above = u.Momentum(std::nextafter(r, 3.0f), 0.0f, kG);
    EXPECT_NEAR(below, 2.0 / 3.0 * r * r * r, 1e-3);
    EXPECT_NEAR(above, below, 1e-3);
}

TEST(UShapedSectionTest, MomentumAboveTheSpringline) {
    FloatGuard guard;
    const UShapedSection u(1.0f);
    // Rectangle 2 wide and 1 high (moment 1) over the half circle (area
    // 1.5707965, centroid 1 + 0.4244 below the surface), plus Q^2 / (g A).
    const double area = 1.5707965 + 2.0;
    const double expected = 1.0 + 1.5707965 * 1.4244 + 100.0 / (kG * area);
    EXPECT_NEAR(u.Momentum(2.0f, 10.0f, kG), expected, 1e-5);
}

}  // namespace
}  // namespace rillo
