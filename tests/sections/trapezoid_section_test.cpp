#include <gtest/gtest.h>

#include <cmath>

#include "engine/float_guard.h"
#include "engine/numeric_text.h"
#include "sections/TRAPZOID.h"

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
    ProfileInputs in;
    in.startStation = "0+00.000";
    in.endStation = "1+00.000";
    in.flowrate = 1e6f;
    in.widthOrDiameter = 1.0f;
    in.manningN = 0.013f;
    in.bottomSlope = 0.001f;
    ProfileResult r = trapzoid::ComputeProfile(in);
    EXPECT_EQ(r.summary.criticalDepth, "100.000");
    EXPECT_FALSE(r.table.empty());
}

TEST(TrapezoidSection, ResidualsChangeSignAtTheirRoots) {
    TrapezoidalSection s(10.0f, 2.0f);
    EXPECT_LT(s.CriticalFlowResidual(1.0f, 100.0f, 32.2f), 0.0f);
    EXPECT_GT(s.CriticalFlowResidual(2.0f, 100.0f, 32.2f), 0.0f);
    float k = UniformFlowFactor(0.013f, 1.486f, 0.001f);
    EXPECT_LT(s.NormalFlowResidual(1.5f, 100.0f, k), 0.0f);
    EXPECT_GT(s.NormalFlowResidual(2.0f, 100.0f, k), 0.0f);
    // Sf/S0 = 1 - residual.
    EXPECT_NEAR(s.FrictionSlope(2.0f, 100.0f, 0.013f, 1.486f) / 0.001, 1.0 - s.NormalFlowResidual(2.0f, 100.0f, k),
                1e-5);
}

TEST(TrapezoidSection, ZeroAreaIsADivisionByZero) {
    TrapezoidalSection s(0.0f, 0.0f);
    FloatGuard guard;
    EXPECT_THROW(ToSingle(s.SpecificEnergy(1.0f, 100.0f, 32.2f)), ComputationError);
}

}  // namespace
}  // namespace rillo
