#include "calculators/formulas/hydraulic_jump.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace rillo {
namespace {

const ChannelType kTrap = ChannelType::Trapezoidal;
const UnitSystem kEnglish = UnitSystem::English;

std::vector<std::string> Texts(const JumpResultTexts& r) {
    return {r.sequentDepth,       r.upstreamFroude, r.downstreamFroude, r.upstreamVelocity,
            r.downstreamVelocity, r.energyLoss,     r.jumpLength,       r.jumpType};
}

// A reference worked apart from the sections: the area and its first moment
// about the surface integrated from the top width alone (Simpson, 2000
// strips), the specific force A ybar + Q^2 / (g A) balanced by bisection in
// double precision above the depth of least force.
double ReferenceSequentDepth(const std::function<double(double)>& topWidth, double q, double g, double y1,
                             double top) {
    auto force = [&](double y) {
        const int strips = 2000;
        const double h = y / strips;
        double area = 0, moment = 0;
        for (int i = 0; i <= strips; ++i) {
            const double eta = i * h;
            const double w = (i == 0 || i == strips) ? 1 : (i % 2 ? 4 : 2);
            area += w * topWidth(eta);
            moment += w * (y - eta) * topWidth(eta);
        }
        area *= h / 3;
        moment *= h / 3;
        return moment + q * q / (g * area);
    };
    double lower = y1, upper = top;
    // The least force lies between: move the lower bound past it first.
    for (int i = 0; i < 200; ++i) {
        const double mid = 0.5 * (lower + upper);
        (force(mid + 1e-7) > force(mid) ? upper : lower) = mid;
    }
    lower = upper;
    upper = top;
    const double target = force(y1);
    for (int i = 0; i < 200; ++i) {
        const double mid = 0.5 * (lower + upper);
        (force(mid) > target ? upper : lower) = mid;
    }
    return 0.5 * (lower + upper);
}

double CircleWidth(double eta, double r) {
    const double c = eta - r;
    return c * c >= r * r ? 0.0 : 2.0 * std::sqrt(r * r - c * c);
}

TEST(HydraulicJump, RectangleAgreesWithTheClosedForm) {
    // y2 = y1 / 2 (sqrt(1 + 8 Fr1^2) - 1) with Fr1 = 20 / (32.2 x 0.5)^(1/2) = 4.984: y2 = 3.283;
    // E1 = 0.5 + 20^2 / 64.4 = 6.711, E2 = 3.283 + 3.046^2 / 64.4 = 3.427.
    const JumpOutcome jump = ComputeHydraulicJump(kTrap, kEnglish, {"100", "10", "0", "0.5"});
    ASSERT_FALSE(jump.message) << jump.message->text;
    EXPECT_EQ(Texts(*jump.results), (std::vector<std::string>{"3.283", "4.984", "0.296", "20.000", "3.046",
                                                              "3.284", "20.029", "steady"}));
}

TEST(HydraulicJump, SequentDepthsAgreeWithASpecificForceBalance) {
    struct Case {
        ChannelType shape;
        JumpInputTexts texts;
        std::function<double(double)> topWidth;
        double top;
    };
    const Case cases[] = {
        {kTrap, {"100", "10", "2", "0.4"}, [](double y) { return 10 + 4 * y; }, 100},
        {kTrap, {"30", "0", "1.5", "0.6"}, [](double y) { return 3 * y; }, 100},
        {ChannelType::Circular, {"10", "3", "", "0.35"}, [](double y) { return CircleWidth(y, 1.5); }, 3},
        {ChannelType::Circular, {"4", "2", "", "0.3"}, [](double y) { return CircleWidth(y, 1); }, 2},
        {ChannelType::UShaped,
         {"20", "2", "", "0.5"},
         [](double y) { return y < 1 ? CircleWidth(y, 1) : 2.0; },
         100},
        // Both depths in the straight part, where the elongated circle is the U-shape.
        {ChannelType::ElongatedCircular,
         {"12", "2", "2", "0.5"},
         [](double y) { return y < 1    ? CircleWidth(y, 1)
                               : y <= 3 ? 2.0
                                        : CircleWidth(y - 2, 1); },
         4},
    };
    for (const Case& c : cases) {
        const JumpOutcome jump = ComputeHydraulicJump(c.shape, kEnglish, c.texts);
        ASSERT_TRUE(jump.results && !jump.message) << c.texts.flowrate << ": " << jump.message->text;
        const double q = std::stod(c.texts.flowrate), y1 = std::stod(c.texts.upstreamDepth);
        const double expected = ReferenceSequentDepth(c.topWidth, q, 32.2, y1, c.top);
        EXPECT_NEAR(std::stod(jump.results->sequentDepth), expected, 0.001) << c.texts.flowrate;
        EXPECT_GT(std::stod(jump.results->energyLoss), 0.0) << c.texts.flowrate;
        EXPECT_LT(std::stod(jump.results->downstreamFroude), 1.0) << c.texts.flowrate;
    }
}

TEST(HydraulicJump, TypeFollowsTheUpstreamFroudeNumber) {
    const std::pair<float, const char*> cases[] = {
        {1.001f, "undular"},   {1.699f, "undular"},     {1.7f, "weak"},   {2.499f, "weak"},
        {2.5f, "oscillating"}, {4.499f, "oscillating"}, {4.5f, "steady"}, {8.999f, "steady"},
        {9.0f, "strong"},      {40.0f, "strong"},
    };
    for (const auto& [froude, type] : cases) EXPECT_STREQ(JumpTypeOfFroude(froude), type) << froude;
}

TEST(HydraulicJump, RefusalsNameTheirField) {
    const ChannelType pipe = ChannelType::Circular;
    const char *zero = "Please use an entry other than zero.", *unknown = "An unknown error has occurred.";
    const char* notSupercritical = "The flow at this depth is not supercritical";
    const struct {
        ChannelType shape;
        JumpInputTexts texts;
        const char* title;
        const char* textStart;
        FieldId field;
    } cases[] = {
        {kTrap, {"", "10", "", ""}, "Incomplete Input", kJumpIncompleteInputText, JumpField::Flowrate},
        {kTrap, {"100", "", "", ""}, "Incomplete Input", kJumpIncompleteInputText, JumpField::UpstreamDepth},
        {pipe, {"100", ".", "2", "0.5"}, "Invalid Input Value", zero, JumpField::Width},
        // A trapezoid of no bottom width is a triangle (above), a rectangle of none is nothing.
        {kTrap, {"100", "0", "", "0.5"}, "Invalid Input Value", zero, JumpField::Width},
        {kTrap, {"-100", "10", "2", "0.5"}, "Input Error", "Please use a number greater than zero.", JumpField::Flowrate},
        // Subcritical, and critical as shown (yc = (Q^2 / g b^2)^(1/3) = 1.459 ft, Fr = 1.000).
        {kTrap,
         {"100", "10", "", "3"},
         "Input Error",
         "The flow at this depth is not supercritical: its Froude number is 0.339.  A hydraulic jump forms "
         "only from a depth below the critical depth, 1.459 ft.",
         JumpField::UpstreamDepth},
        {kTrap, {"100", "10", "", "1.459"}, "Input Error", notSupercritical, JumpField::UpstreamDepth},
        {pipe, {"5", "2", "", "2.001"}, "Input Error", "The depth cannot be greater", JumpField::UpstreamDepth},
        // A jet of 1000 ft^3/s 0.01 ft deep in a channel 1 ft wide balances no depth below 100 ft.
        {kTrap, {"1000", "1", "", "0.01"}, "Sequent Depth", "The sequent depth is above 100 ft, the top", FieldId()},
        // Past the single-precision range.
        {kTrap, {"1e30", "10", "", "0.5"}, "", unknown, FieldId()},
        {kTrap, {"100", "10", "", "1e39"}, "", unknown, FieldId()},
    };
    for (const auto& c : cases) {
        const JumpOutcome jump = ComputeHydraulicJump(c.shape, kEnglish, c.texts);
        ASSERT_TRUE(jump.message && !jump.results) << c.textStart;
        EXPECT_EQ(jump.message->title, c.title);
        EXPECT_EQ(jump.message->text.rfind(c.textStart, 0), 0u) << jump.message->text;
        EXPECT_EQ(jump.message->focusField, c.field) << c.textStart;
    }
}

TEST(HydraulicJump, AConduitThatWouldFlowFullGetsNoSequentDepth) {
    // A 2 m pipe whose 0.3 m jet carries 10 m^3/s: the force balance lies above the crown.
    for (ChannelType shape : {ChannelType::Circular, ChannelType::ElongatedCircular}) {
        const JumpOutcome jump = ComputeHydraulicJump(shape, UnitSystem::SI, {"10", "2", "0", "0.3"});
        ASSERT_TRUE(jump.message && jump.results);
        EXPECT_EQ(jump.message->text, kJumpConduitFullText);
        EXPECT_EQ(jump.results->sequentDepth + jump.results->energyLoss + jump.results->jumpLength, "");
        EXPECT_EQ(jump.results->jumpType, "strong");
    }
}

}  // namespace
}  // namespace rillo
