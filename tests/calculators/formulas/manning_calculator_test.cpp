#include "calculators/formulas/manning_calculator.h"

#include <gtest/gtest.h>

namespace rillo {
namespace {

using MU = ManningUnknown;
using CT = ChannelType;
constexpr UnitSystem kEnglish = UnitSystem::English;

struct ResultCase {
    MU unknown;
    CT shape;
    UnitSystem units;
    ManningInputTexts texts;  // txtQ, txtB, txtn, txtM, txtS
    ManningResultTexts expected;
};

TEST(ManningCalculator, EachTabAndShape) {
    const ResultCase cases[] = {
        // Textbook trapezoid: b = 4 ft, z = 3, n = 0.055, S = 0.02.
        {MU::Depth,
         CT::Trapezoidal,
         kEnglish,
         {"44.001", "4", "0.055", "3", "0.02"},
         {"1.454", "3.618", "12.161", "13.197", "0.921"}},
        // Rectangle 6 m wide, 1.6 m deep (in the flowrate field); the velocity is from the computed flow.
        {MU::Flowrate,
         CT::Trapezoidal,
         UnitSystem::SI,
         {"1.6", "6", "0.015", "", "0.0025"},
         {"32.921", "3.429", "9.600", "9.200", "1.043"}},
        // The same trapezoid at the depth shown, 1.454 ft, in the slope field: five decimals.
        {MU::Slope,
         CT::Trapezoidal,
         kEnglish,
         {"44.001", "4", "0.055", "3", "1.454"},
         {"0.02001", "3.619", "12.158", "13.196", "0.921"}},
        // ... and in the roughness field: five decimals too.
        {MU::Roughness,
         CT::Trapezoidal,
         kEnglish,
         {"44.001", "4", "1.454", "3", "0.02"},
         {"0.05498", "3.619", "12.158", "13.196", "0.921"}},
        // A slope below half a thousandth no longer reads 0.000; it keeps three significant digits.
        {MU::Slope,
         CT::Trapezoidal,
         UnitSystem::SI,
         {"10", "6", "0.015", "0", "1.6"},
         {"0.000231", "1.042", "9.600", "9.200", "1.043"}},
        // The exponents 3.333 and 1.333 show: 10/3 and 4/3 would give 3.249.
        {MU::Depth,
         CT::Trapezoidal,
         kEnglish,
         {"100", "10", "0.03", "2", "0.0005"},
         {"3.250", "1.865", "53.617", "24.533", "2.186"}},
        {MU::Depth,
         CT::Circular,
         kEnglish,
         {"5", "2", "0.013", "9", "0.001"},
         {"1.232", "2.463", "2.030", "3.609", "0.562"}},
        // A full pipe carries about 7.15 ft^3/s at this slope.
        {MU::Flowrate,
         CT::Circular,
         kEnglish,
         {"2", "2", "0.013", "", "0.001"},
         {"7.154", "2.277", "3.142", "6.283", "0.500"}},
        {MU::Depth,
         CT::UShaped,
         kEnglish,
         {"10", "2", "0.013", "", "0.001"},
         {"1.982", "2.829", "3.535", "5.106", "0.692"}},
        // Both depths in the straight part: the U-shape's values.
        {MU::Depth,
         CT::ElongatedCircular,
         kEnglish,
         {"10", "2", "0.013", "1", "0.001"},
         {"1.982", "2.829", "3.535", "5.106", "0.692"}},
    };
    for (const ResultCase& c : cases) {
        const ManningOutcome outcome = ComputeManning(c.unknown, c.shape, c.units, c.texts);
        ASSERT_FALSE(outcome.message) << c.expected.unknown << ": " << outcome.message->text;
        const ManningResultTexts& r = *outcome.results;
        EXPECT_EQ((std::vector{r.unknown, r.velocity, r.area, r.wettedPerimeter, r.hydraulicRadius}),
                  (std::vector{c.expected.unknown, c.expected.velocity, c.expected.area,
                               c.expected.wettedPerimeter, c.expected.hydraulicRadius}));
    }
}

struct MessageCase {
    MU unknown;
    CT shape;
    UnitSystem units;
    ManningInputTexts texts;
    const char* title;
    const char* text;
};

TEST(ManningCalculator, MessagesInTheirOrder) {
    const char* const zero = "Please use an entry other than zero.";
    const char* const height = "The depth cannot be greater than the height of the channel.";
    const char* const cannotCarry = "The channel cannot carry this flowrate at any depth up to its height.";
    const MessageCase cases[] = {
        // Empty fields first, even beside a zero; the side field is not required.
        {MU::Depth,
         CT::Trapezoidal,
         kEnglish,
         {"", "0", "0.013", "2", "0.001"},
         "Incomplete Input",
         kManningIncompleteInputText},
        {MU::Depth,
         CT::Trapezoidal,
         kEnglish,
         {"5", "", "0.013", "2", "0.001"},
         "Incomplete Input",
         kManningIncompleteInputText},
        {MU::Slope,
         CT::Trapezoidal,
         kEnglish,
         {"5", "2", "", "2", "1"},
         "Incomplete Input",
         kManningIncompleteInputText},
        {MU::Roughness,
         CT::Trapezoidal,
         kEnglish,
         {"5", "2", "1", "2", ""},
         "Incomplete Input",
         kManningIncompleteInputText},
        // Texts that read as zero, before the height check.
        {MU::Flowrate, CT::Circular, kEnglish, {".", "2", "0.013", "", "0.001"}, "Invalid Input Value", zero},
        {MU::Depth, CT::Trapezoidal, kEnglish, {"5", "2", "0.013", "", "-"}, "Invalid Input Value", zero},
        {MU::Depth,
         CT::Trapezoidal,
         kEnglish,
         {"5", "0", "0.013", "2", "0.001"},
         "Invalid Input Value",
         zero},
        {MU::Slope, CT::Circular, kEnglish, {"5", "2", "0", "", "3"}, "Invalid Input Value", zero},
        // A given depth above the crown of a closed conduit.
        {MU::Flowrate, CT::Circular, kEnglish, {"2.001", "2", "0.013", "", "0.001"}, "Input Error", height},
        {MU::Slope, CT::Circular, kEnglish, {"5", "2", "0.013", "", "2.5"}, "Input Error", height},
        {MU::Roughness,
         CT::ElongatedCircular,
         kEnglish,
         {"5", "2", "3.01", "1", "0.001"},
         "Input Error",
         height},
        // No depth carries the flow: a message, not the top of the search.
        {MU::Depth, CT::Circular, kEnglish, {"10", "2", "0.013", "", "0.001"}, "Normal Depth", cannotCarry},
        {MU::Depth,
         CT::ElongatedCircular,
         kEnglish,
         {"40", "2", "0.013", "1", "0.001"},
         "Normal Depth",
         cannotCarry},
        {MU::Depth,
         CT::Trapezoidal,
         kEnglish,
         {"1e9", "4", "0.055", "3", "0.02"},
         "Normal Depth",
         "The normal depth is above 100 ft, the top of this calculator's search."},
        {MU::Depth,
         CT::UShaped,
         UnitSystem::SI,
         {"1e7", "2", "0.013", "", "0.001"},
         "Normal Depth",
         "The normal depth is above 100 m, the top of this calculator's search."},
    };
    for (const MessageCase& c : cases) {
        const ManningOutcome outcome = ComputeManning(c.unknown, c.shape, c.units, c.texts);
        ASSERT_TRUE(outcome.message) << c.title << " " << c.texts.flowField;
        EXPECT_FALSE(outcome.results);
        EXPECT_EQ(outcome.message->title, c.title) << c.texts.flowField;
        EXPECT_EQ(outcome.message->text, c.text) << c.texts.flowField;
        EXPECT_FALSE(outcome.message->unknownError);
        EXPECT_FALSE(outcome.message->yesNoCancel);
    }
}

TEST(ManningCalculator, ADepthAtTheCrownIsAcceptedAndOpenChannelsHaveNoHeight) {
    EXPECT_TRUE(
        ComputeManning(MU::Flowrate, CT::Circular, kEnglish, {"2", "2", "0.013", "", "0.001"}).results);
    EXPECT_TRUE(
        ComputeManning(MU::Flowrate, CT::ElongatedCircular, kEnglish, {"3", "2", "0.013", "1", "0.001"})
            .results);
    EXPECT_TRUE(
        ComputeManning(MU::Flowrate, CT::UShaped, kEnglish, {"50", "2", "0.013", "", "0.001"}).results);
    EXPECT_TRUE(
        ComputeManning(MU::Flowrate, CT::Trapezoidal, kEnglish, {"500", "2", "0.013", "1", "0.001"}).results);
}

TEST(ManningCalculator, RunTimeErrorsBecomeTheUnknownError) {
    const MessageCase cases[] = {
        // The square root of a negative slope.
        {MU::Flowrate, CT::Trapezoidal, kEnglish, {"1.5", "4", "0.055", "3", "-0.02"}, "", ""},
        {MU::Roughness, CT::Trapezoidal, kEnglish, {"44", "4", "1.5", "3", "-0.02"}, "", ""},
        // An adverse slope has no normal depth; the search ends in an overflow near the invert.
        {MU::Depth, CT::Trapezoidal, kEnglish, {"44", "4", "0.055", "3", "-0.02"}, "", ""},
    };
    for (const MessageCase& c : cases) {
        const ManningOutcome outcome = ComputeManning(c.unknown, c.shape, c.units, c.texts);
        ASSERT_TRUE(outcome.message) << c.texts.flowField << " " << c.texts.slopeField;
        EXPECT_TRUE(outcome.message->unknownError) << outcome.message->text;
        EXPECT_TRUE(outcome.message->clearsResults);
        EXPECT_FALSE(outcome.results);
    }
}

}  // namespace
}  // namespace rillo
