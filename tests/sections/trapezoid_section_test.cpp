#include <gtest/gtest.h>

#include <cmath>

#include "engine/float_guard.h"
#include "engine/numeric_text.h"
#include "sections/TRAPZOID.h"
#include "sections/profile_dispatch.h"

namespace rillo {
namespace {

TEST(TrapezoidSection, RectangleGeometry) {
    TrapezoidalSection rectangle(3.0f, 0.0f);
    EXPECT_FLOAT_EQ(rectangle.FlowArea(2.0f), 6.0f);
    EXPECT_DOUBLE_EQ(rectangle.TopWidth(2.0f), 3.0);
    EXPECT_FLOAT_EQ(rectangle.WettedPerimeter(2.0f), 7.0f);
    EXPECT_NEAR(rectangle.HydraulicRadius(2.0f), 6.0 / 7.0, 1e-7);
}

TEST(TrapezoidSection, TriangleGeometry) {
    TrapezoidalSection triangle(0.0f, 1.0f);
    EXPECT_FLOAT_EQ(triangle.FlowArea(2.0f), 4.0f);
    EXPECT_DOUBLE_EQ(triangle.TopWidth(2.0f), 4.0);
    EXPECT_EQ(FormatFixed3(triangle.WettedPerimeter(2.0f)), "5.657");
}

TEST(TrapezoidSection, MomentumIsSpecificForce) {
    // Q^2/(gA) + b y^2/2 + z y^3/3 with b = 10, z = 2, y = 1, Q = 100, g = 32.2:
    // 10000 / (32.2 * 12) + 5 + 2/3 = 31.546...
    TrapezoidalSection s(10.0f, 2.0f);
    EXPECT_NEAR(s.Momentum(1.0f, 100.0f, 32.2f), 10000.0 / (32.2 * 12.0) + 5.0 + 2.0 / 3.0, 1e-4);
}

TEST(TrapezoidSection, CriticalDepthMakesTheFroudeValueOne) {
    TrapezoidalSection s(10.0f, 2.0f);
    float yc = s.CriticalDepth(100.0f, 32.2f);
    EXPECT_EQ(FormatFixed3(yc), "1.329");
    EXPECT_NEAR(s.FroudeNumber(yc, 100.0f, 32.2f), 1.0, 1e-5);
    EXPECT_NEAR(s.CriticalFlowResidual(yc, 100.0f, 32.2f), 0.0f, 1e-5);
}

TEST(TrapezoidSection, TheDecimalExponentsShowInTheNormalDepth) {
    // With 10/3 and 4/3 this would be 3.249.
    TrapezoidalSection s(10.0f, 2.0f);
    float k = UniformFlowFactor(0.03f, 1.486f, 0.0005f);
    EXPECT_EQ(FormatFixed3(s.NormalDepth(100.0f, k)), "3.250");
}

TEST(TrapezoidSection, DepthsBeyondTheBracketConvergeToItsTop) {
    TrapezoidalSection s(1.0f, 0.0f);
    EXPECT_EQ(FormatFixed3(s.CriticalDepth(1e6f, 32.2f)), "100.000");
}

// A search that ends on the top of its bracket found no depth: the profile
// has no result and writes nothing. Just below the top, depths are results.
// In a 1 ft rectangle critical depth is (Q^2/g)^(1/3): 99.947 ft for 5670
// ft^3/s, 100.006 ft for 5680; at S0 = 1 the normal depth is near 80 ft, at
// S0 = 0.001 past 100 ft.
TEST(TrapezoidSection, AProfileOnADepthBeyondTheSearchesIsNoResult) {
    struct Case {
        ChannelType type;
        UnitSystem units;
        float q, width, slope;
        const char* beyond;  // the message's words, or nullptr for a profile
    };
    const Case cases[] = {
        {ChannelType::Trapezoidal, UnitSystem::English, 5670.0f, 1.0f, 1.0f, nullptr},
        {ChannelType::Trapezoidal, UnitSystem::English, 5680.0f, 1.0f, 1.0f, "the critical depth lies beyond 100 ft"},
        {ChannelType::Trapezoidal, UnitSystem::English, 5680.0f, 1.0f, 0.001f,
         "the critical and normal depths lie beyond 100 ft"},
        {ChannelType::Trapezoidal, UnitSystem::SI, 1e20f, 1.0f, 0.001f, "the critical and normal depths lie beyond 100 m"},
        {ChannelType::Trapezoidal, UnitSystem::English, 100.0f, 10.0f, 1e-30f, "the normal depth lies beyond 100 ft"},
        {ChannelType::UShaped, UnitSystem::SI, 1.0f, 1.0f, 1e-30f, "the normal depth lies beyond 100 m"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.q) + " " + std::to_string(c.slope));
        ProfileInputs in;
        in.channelType = c.type;
        in.unitSystem = c.units;
        in.startStation = "0+00.000";
        in.endStation = "1+00.000";
        in.flowrate = c.q;
        in.widthOrDiameter = c.width;
        in.manningN = 0.013f;
        in.bottomSlope = c.slope;
        const ProfileResult r = ComputeProfileFor(in);
        if (!c.beyond) {
            ASSERT_TRUE(r.ok()) << r.failure->text;
            EXPECT_EQ(r.summary.criticalDepth, "99.947");
            continue;
        }
        ASSERT_FALSE(r.ok());
        EXPECT_TRUE(r.failure->depthBeyondSearch);
        EXPECT_EQ(r.failure->title, "Invalid Channel Geometry");
        EXPECT_EQ(r.failure->text, std::string("A water-surface profile cannot be computed: ") + c.beyond +
                                       ", and Rillo searches no deeper.  Recheck the values you entered.");
        EXPECT_EQ(r.summary.criticalDepth, "");
        EXPECT_EQ(r.summary.normalDepth, "");
        EXPECT_FALSE(r.controlDepthText);
        EXPECT_TRUE(r.table.empty());
    }
}

TEST(TrapezoidSection, ResidualsChangeSignAtTheirRoots) {
    TrapezoidalSection s(10.0f, 2.0f);
    EXPECT_LT(s.CriticalFlowResidual(1.0f, 100.0f, 32.2f), 0.0f);
    EXPECT_GT(s.CriticalFlowResidual(2.0f, 100.0f, 32.2f), 0.0f);
    float k = UniformFlowFactor(0.013f, 1.486f, 0.001f);
    EXPECT_LT(s.NormalFlowResidual(1.5f, 100.0f, k), 0.0f);
    EXPECT_GT(s.NormalFlowResidual(2.0f, 100.0f, k), 0.0f);
}

TEST(TrapezoidSection, ZeroAreaIsADivisionByZero) {
    TrapezoidalSection s(0.0f, 0.0f);
    FloatGuard guard;
    EXPECT_THROW(ToSingle(s.SpecificEnergy(1.0f, 100.0f, 32.2f)), ComputationError);
}

}  // namespace
}  // namespace rillo
