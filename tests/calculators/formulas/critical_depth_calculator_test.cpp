#include "calculators/formulas/critical_depth_calculator.h"

#include <gtest/gtest.h>

#include "engine/input_checks.h"
#include "sections/TRAPZOID.h"

namespace rillo {
namespace {

struct CriticalCase {
    ChannelType shape;
    UnitSystem units;
    CriticalInputTexts texts;
    const char* depth;
    const char* slope;
};

CriticalOutcome Compute(const CriticalCase& c) {
    return ComputeCriticalDepthAndSlope(c.shape, c.units, c.texts, false);
}

TEST(CriticalCalculator, DepthAndSlopeOfEachShape) {
    const ChannelType trap = ChannelType::Trapezoidal;
    const UnitSystem english = UnitSystem::English;
    const CriticalCase cases[] = {
        // Textbook trapezoid; the slope comes from the depth found, 1.16270 (1.163 as shown gave 0.04980).
        {trap, english, {"44.001", "4", "0.055", "3"}, "1.163", "0.04985"},
        {trap, english, {"100", "10", "0.013", "2"}, "1.329", nullptr},
        {ChannelType::Circular, english, {"5", "2", "0.013", "7"}, "0.788", "0.00456"},
        {ChannelType::Circular, english, {"10", "2", "0.013", ""}, "1.131", nullptr},
        {ChannelType::UShaped, english, {"10", "2", "0.013", "abc"}, "1.134", "0.00516"},
        {ChannelType::ElongatedCircular, english, {"10", "2", "0.013", "1"}, "1.134", "0.00516"},
        // SI: g = 9.81, not the profile's 9.806 (which gives 2.169); no 1.486.
        {trap, UnitSystem::SI, {"100", "10", "0.013", ""}, "2.168", nullptr},
        // Rectangle 6 m wide: yc = (Q^2 / (g b^2))^(1/3); Sc = (Q n)^2 / (A^2 R^(4/3)), A = 6.252, R =
        // 0.7734.
        {trap, UnitSystem::SI, {"20", "6", "0.015", "0"}, "1.042", "0.00324"},
    };
    for (const CriticalCase& c : cases) {
        const CriticalOutcome outcome = Compute(c);
        ASSERT_FALSE(outcome.message) << c.depth << ": " << outcome.message->text;
        EXPECT_EQ(outcome.criticalDepth, c.depth);
        if (c.slope) {
            EXPECT_EQ(outcome.criticalSlope, c.slope) << c.depth;
        }
        EXPECT_EQ(outcome.criticalSlope->size(), 7u) << "five decimals: " << *outcome.criticalSlope;
    }
}

TEST(CriticalCalculator, MessagesInTheirOrder) {
    const ChannelType trap = ChannelType::Trapezoidal;
    struct Case {
        CriticalInputTexts texts;
        const char* title;
        const char* text;
    };
    const Case cases[] = {
        // Empty fields come before the roughness warning; the side field is not required.
        {{"", "4", "0.2", "3"}, "Incomplete Input", kCriticalIncompleteInputText},
        {{"44", "", "0.013", ""}, "Incomplete Input", kCriticalIncompleteInputText},
        {{"44", "4", "", ""}, "Incomplete Input", kCriticalIncompleteInputText},
        {{"44", "4", "0.15", ""}, kManningWarningTitle, kManningWarningText},
        {{"3e6", "4", "0.013", "3"},
         "Critical Depth",
         "The critical depth is above 100 ft, the top of this calculator's search."},
    };
    for (const Case& c : cases) {
        const CriticalOutcome outcome =
            ComputeCriticalDepthAndSlope(trap, UnitSystem::English, c.texts, false);
        ASSERT_TRUE(outcome.message) << c.text;
        EXPECT_EQ(outcome.message->title, c.title);
        EXPECT_EQ(outcome.message->text, c.text);
        EXPECT_FALSE(outcome.criticalDepth) << c.text;
        EXPECT_FALSE(outcome.criticalSlope) << c.text;
    }
}

TEST(CriticalCalculator, RoughnessWarningAsksAndYesComputesWithTheValue) {
    const CriticalInputTexts texts{"44.001", "4", "0.15", "3"};
    const CriticalOutcome asked =
        ComputeCriticalDepthAndSlope(ChannelType::Trapezoidal, UnitSystem::English, texts, false);
    ASSERT_TRUE(asked.message);
    EXPECT_TRUE(asked.message->yesNoCancel);
    EXPECT_EQ(asked.message->icon, MessageKind::Warning);
    EXPECT_EQ(asked.message->focusField, FieldId(CriticalField::ManningN));

    const CriticalOutcome yes =
        ComputeCriticalDepthAndSlope(ChannelType::Trapezoidal, UnitSystem::English, texts, true);
    EXPECT_FALSE(yes.message);
    EXPECT_EQ(yes.criticalDepth, "1.163");
    EXPECT_EQ(yes.criticalSlope, "0.37078");  // (0.15 / 0.055)^2 times 0.049850

    const CriticalOutcome below = ComputeCriticalDepthAndSlope(ChannelType::Trapezoidal, UnitSystem::English,
                                                               {"44.001", "4", "0.1499", "3"}, false);
    EXPECT_FALSE(below.message);
}

TEST(CriticalCalculator, ADepthAboveTheSearchIsAMessageNotTheBound) {
    const CriticalOutcome si =
        ComputeCriticalDepthAndSlope(ChannelType::UShaped, UnitSystem::SI, {"1e6", "2", "0.013", ""}, false);
    ASSERT_TRUE(si.message);
    EXPECT_EQ(si.message->title, "Critical Depth");
    EXPECT_EQ(si.message->text, "The critical depth is above 100 m, the top of this calculator's search.");
    EXPECT_FALSE(si.message->unknownError);
    EXPECT_FALSE(si.criticalDepth);

    // Just inside the bracket it is found.
    const DepthSearch found = SolveCriticalDepth(TrapezoidalSection(10.0f, 0.0f), 56000.0f, 32.2f);
    EXPECT_FALSE(found.EndedAtTop());
    EXPECT_NEAR(found.depth, 99.12, 0.01);  // (Q^2 / (g b^2))^(1/3)
    EXPECT_TRUE(
        SolveCriticalDepth(TrapezoidalSection(10.0f, 0.0f), 57000.0f, 32.2f).EndedAtTop());  // 100.30
}

TEST(CriticalCalculator, RunTimeErrorsBecomeTheUnknownError) {
    struct Case {
        ChannelType shape;
        CriticalInputTexts texts;
    };
    const Case cases[] = {
        // A zero flowrate drives the depth to 0; the slope then divides 0 by 0,
        // and the depth found is not shown without its slope.
        {ChannelType::Trapezoidal, {"0", "4", "0.013", "3"}},
        // A pipe of no diameter divides by a zero area in the search.
        {ChannelType::Circular, {"5", "0", "0.013", ""}},
    };
    for (const Case& c : cases) {
        const CriticalOutcome outcome =
            ComputeCriticalDepthAndSlope(c.shape, UnitSystem::English, c.texts, false);
        ASSERT_TRUE(outcome.message) << c.texts.flowrate;
        EXPECT_TRUE(outcome.message->unknownError) << outcome.message->text;
        EXPECT_EQ(outcome.message->text, kUnknownCalculatorErrorText);
        EXPECT_EQ(outcome.message->title, "");
        EXPECT_TRUE(outcome.message->clearsResults);
        EXPECT_FALSE(outcome.criticalDepth) << c.texts.flowrate;
        EXPECT_FALSE(outcome.criticalSlope);
    }
}

TEST(CriticalCalculator, HiddenSideFieldIsIgnored) {
    for (const char* side : {"", "5", "-3", "x"}) {
        const CriticalOutcome outcome = ComputeCriticalDepthAndSlope(
            ChannelType::Circular, UnitSystem::English, {"5", "2", "0.013", side}, false);
        EXPECT_EQ(outcome.criticalDepth, "0.788") << side;
    }
}

}  // namespace
}  // namespace rillo
