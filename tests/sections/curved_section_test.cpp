#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>

#include "engine/numeric_text.h"
#include "engine/units.h"
#include "sections/channel_shapes.h"
#include "tests/sections/section_checks.h"

namespace rillo {
namespace {

using testing::OperationFails;
using testing::ValueOf;

// The curved shapes side by side, each built as the profile and the
// calculators build it: from its diameter (and side height) through the
// shapes' table. Each test starts with a FloatGuard: the floating-point flags
// are sticky and the operations would report a flag raised by an earlier test.

constexpr float kG = ProfileConstants(UnitSystem::English).g;
constexpr float kK = ProfileConstants(UnitSystem::English).k;

std::unique_ptr<ChannelSection> Build(ChannelType shape, float diameter, float side) {
    return ShapeOf(shape).section(diameter, side);
}

// What one operation must give at one depth: "" not asked, "fail" a run-time
// error, "=0" exactly zero, "~v" v to a millionth of it ("~v+-t": to t), ">y"
// a finite value above the depth.
void ExpectOperation(const char* what, const std::string& expected, float y,
                     const std::function<double()>& op) {
    SCOPED_TRACE(std::string(what) + " at " + std::to_string(y));
    if (expected.empty()) return;
    if (expected == "fail") {
        EXPECT_TRUE(OperationFails(op));
        return;
    }
    const double value = ValueOf(op);
    if (expected == "=0") {
        EXPECT_EQ(value, 0.0);
    } else if (expected == ">y") {
        EXPECT_GT(value, y);
    } else {
        char* rest = nullptr;
        const double v = std::strtod(expected.c_str() + 1, &rest);
        const double tolerance = std::string(rest).rfind("+-", 0) == 0 ? std::strtod(rest + 2, nullptr)
                                                                       : 1e-6 * std::fmax(1.0, std::fabs(v));
        EXPECT_NEAR(value, v, tolerance);
    }
}

struct DepthCase {
    const char* name;
    ChannelType shape;
    float diameter;
    float side;
    float y;
    float q;
    const char* area;
    const char* topWidth;
    const char* perimeter;
    const char* radius;
    const char* momentum;
    const char* energy;
    const char* froude;
    const char* critical;
    const char* normal;     // the normal-flow residual, n = 0.013, S0 = 0.001
    const char* integrand;  // the profile's dx/dy there
};

class CurvedSectionAtDepth : public ::testing::TestWithParam<DepthCase> {};

TEST_P(CurvedSectionAtDepth, OperationsAtTheInvertTheCrownAndBeyond) {
    FloatGuard guard;
    const DepthCase c = GetParam();
    const auto s = Build(c.shape, c.diameter, c.side);
    const float k = UniformFlowFactor(0.013f, kK, 0.001f);
    const float y = c.y, q = c.q;
    ExpectOperation("area", c.area, y, [&] { return s->FlowArea(y); });
    ExpectOperation("top width", c.topWidth, y, [&] { return s->TopWidth(y); });
    ExpectOperation("perimeter", c.perimeter, y, [&] { return s->WettedPerimeter(y); });
    ExpectOperation("hydraulic radius", c.radius, y, [&] { return s->HydraulicRadius(y); });
    ExpectOperation("momentum", c.momentum, y, [&] { return s->Momentum(y, q, kG); });
    ExpectOperation("energy", c.energy, y, [&] { return s->SpecificEnergy(y, q, kG); });
    ExpectOperation("froude", c.froude, y, [&] { return s->FroudeNumber(y, q, kG); });
    ExpectOperation("critical residual", c.critical, y, [&] { return s->CriticalFlowResidual(y, q, kG); });
    ExpectOperation("normal residual", c.normal, y, [&] { return s->NormalFlowResidual(y, q, k); });
    ExpectOperation("integrand", c.integrand, y, [&] { return s->ProfileIntegrand(y, ProfileFlow(q, kG, k, 0.001f)); });
}

constexpr ChannelType kPipe = ChannelType::Circular;
constexpr ChannelType kU = ChannelType::UShaped;
constexpr ChannelType kLong = ChannelType::ElongatedCircular;

// 2 ft sections; the elongated one has 1 ft of straight wall.
INSTANTIATE_TEST_SUITE_P(
    Shapes, CurvedSectionAtDepth,
    ::testing::Values(
        // Above the pipe's crown only the area (the full pipe) and the energy are defined.
        DepthCase{"PipeAboveTheCrown", kPipe, 2.0f, 0.0f, 2.01f, 5.0f, "~3.141593", "fail", "fail", "fail",
                  "fail", ">y", "", "fail", "", ""},
        DepthCase{"PipeFarAboveTheCrown", kPipe, 2.0f, 0.0f, 5.0f, 5.0f, "~3.141593", "", "", "", "", "", "",
                  "", "", ""},
        DepthCase{"PipeBelowTheInvert", kPipe, 2.0f, 0.0f, -0.5f, 5.0f, "=0", "fail", "", "fail", "", "", "",
                  "", "", ""},
        // Zero area at the invert: everything that divides by it fails.
        DepthCase{"PipeAtTheInvert", kPipe, 2.0f, 0.0f, 0.0f, 5.0f, "", "", "", "", "fail", "fail", "fail",
                  "fail", "fail", "fail"},
        // The U-shape's geometry is zero at and below the invert; its
        // hydraulic radius is the circle's, finite at the invert only.
        DepthCase{"UAtTheInvert", kU, 2.0f, 0.0f, 0.0f, 5.0f, "=0", "=0", "=0", "~0.5+-1e-5", "=0", "fail",
                  "", "fail", "", ""},
        DepthCase{"UBelowTheInvert", kU, 2.0f, 0.0f, -0.5f, 5.0f, "=0", "=0", "=0", "fail", "=0", "fail", "",
                  "fail", "", ""},
        // The elongated section has no guard of its own at the invert: the
        // circle's quarter-turn angle.
        DepthCase{"ElongatedAtTheInvert", kLong, 2.0f, 1.0f, 0.0f, 10.0f, "=0", "~2.0", "~3.1416", "", "fail",
                  "fail", "", "", "", ""},
        DepthCase{"ElongatedJustBelowTheInvert", kLong, 2.0f, 1.0f, -0.1f, 10.0f, "", "fail", "", "fail", "",
                  "", "", "", "", ""},
        DepthCase{"ElongatedBelowTheInvert", kLong, 2.0f, 1.0f, -1.0f, 10.0f, "=0", "", "", "", "", "", "",
                  "", "", ""},
        // Full: 3.141593 r^2 + 2 r h over 2 pi r + 2 h, also above the crown.
        DepthCase{"ElongatedFull", kLong, 2.0f, 1.0f, 3.0f, 10.0f, "~5.141593", "", "", "~0.62072649+-1e-7",
                  "", "", "", "", "", ""},
        DepthCase{"ElongatedAboveTheCrown", kLong, 2.0f, 1.0f, 3.5f, 10.0f, "~5.141593", "fail", "fail",
                  "~0.62072649+-1e-7", "fail", "", "", "fail", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct DepthsCase {
    const char* name;
    ChannelType shape;
    float diameter;
    float side;
    float q;
    // Depths and areas as shown; ">v" a depth above v; "" not asked.
    const char* criticalDepth;
    const char* criticalArea;
    const char* normalDepth;
    const char* normalArea;
    bool criticalInside;  // the critical depth lies inside the search: Froude number 1 there
};

class CurvedSectionDepths : public ::testing::TestWithParam<DepthsCase> {};

void ExpectDepthText(const char* what, const std::string& expected, double value) {
    SCOPED_TRACE(what);
    if (expected.empty()) return;
    if (expected[0] == '>') {
        EXPECT_GT(value, std::strtod(expected.c_str() + 1, nullptr));
    } else {
        EXPECT_EQ(FormatFixed3(value), expected);
    }
}

// n = 0.013, S0 = 0.001, English units.
TEST_P(CurvedSectionDepths, CriticalAndNormalDepth) {
    FloatGuard guard;
    const DepthsCase c = GetParam();
    const auto s = Build(c.shape, c.diameter, c.side);
    // Only the searches asked for run: the other may end on a fault flag.
    if (*c.criticalDepth) {
        const float yc = s->CriticalDepth(c.q, kG);
        guard.Check();
        ExpectDepthText("critical depth", c.criticalDepth, yc);
        ExpectDepthText("critical area", c.criticalArea, s->FlowArea(yc));
        if (c.criticalInside) {
            EXPECT_NEAR(s->FroudeNumber(yc, c.q, kG), 1.0, 1e-4);
        }
    }
    if (*c.normalDepth) {
        const float yn = s->NormalDepth(c.q, UniformFlowFactor(0.013f, kK, 0.001f));
        guard.Check();
        ExpectDepthText("normal depth", c.normalDepth, yn);
        ExpectDepthText("normal area", c.normalArea, s->FlowArea(yn));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, CurvedSectionDepths,
    ::testing::Values(
        DepthsCase{"Pipe5", kPipe, 2.0f, 0.0f, 5.0f, "0.788", "1.149", "1.232", "2.030", true},
        // More than the pipe carries in uniform flow (about 7.15): the
        // normal-depth search ends at the crown.
        DepthsCase{"Pipe10", kPipe, 2.0f, 0.0f, 10.0f, "1.131", "1.833", "2.000", "3.142", true},
        // Both depths above the springline, so the critical depth is not the pipe's 1.131.
        DepthsCase{"U10", kU, 2.0f, 0.0f, 10.0f, "1.134", "", "1.982", "3.535", true},
        // A narrow channel with a large flow: critical depth far above the width.
        DepthsCase{"NarrowU", kU, 0.2f, 0.0f, 10.0f, ">4", "", "", "", true},
        // Depths beyond 100 are not found: the searches end at the top of their bracket.
        DepthsCase{"UBeyondTheSearch", kU, 2.0f, 0.0f, 50000.0f, "100.000", "", "100.000", "", false},
        // In the straight part the elongated section is the U-shape.
        DepthsCase{"Elongated10", kLong, 2.0f, 1.0f, 10.0f, "1.134", "", "1.982", "", true},
        // A tall section: 10 ft of straight wall. The critical depth lies
        // above the diameter; a flow it cannot carry ends at the crown.
        DepthsCase{"TallElongated100", kLong, 2.0f, 10.0f, 100.0f, ">4", "", "", "", true},
        DepthsCase{"TallElongated1000", kLong, 2.0f, 10.0f, 1000.0f, "", "", "12.000", "", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CurvedSectionSearches, ConduitsSearchToTheirCrownAndTheUShapeToOneHundred) {
    FloatGuard guard;
    struct Case {
        ChannelType shape;
        float diameter;
        float side;
        float ceiling;
        std::optional<float> crown;
        const std::string& message;
    };
    for (const Case& c : {Case{kPipe, 1.5f, 0.0f, 1.5f, 1.5f, testing::kExpectedConduitMessage},
                          Case{kU, 2.0f, 0.0f, 100.0f, std::nullopt, testing::kExpectedOpenChannelMessage},
                          Case{kLong, 2.0f, 10.0f, 12.0f, 12.0f, testing::kExpectedConduitMessage}}) {
        SCOPED_TRACE(std::string(ShapeOf(c.shape).word));
        const auto s = Build(c.shape, c.diameter, c.side);
        EXPECT_EQ(s->SearchCeiling(), c.ceiling);
        EXPECT_EQ(s->CrownDepth(), c.crown);
        EXPECT_EQ(s->NormalDepthStop(), BisectionStop::OnZeroOrUnordered);
        EXPECT_EQ(s->ProfileFailureText(), c.message);
    }
}

}  // namespace
}  // namespace rillo
