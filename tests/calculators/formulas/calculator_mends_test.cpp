// Cases that the calculators once got wrong, worked independently of the code:
// the conduits' depths and slopes with the exact geometry of each shape (and the
// program's decimal exponents 1.333 and 3.333), the field texts by the rules
// of the numeric fields.
#include <gtest/gtest.h>

#include "calculators/formulas/critical_depth_calculator.h"
#include "calculators/formulas/gate_flow.h"
#include "calculators/formulas/manning_calculator.h"
#include "calculators/formulas/orifice_flow.h"
#include "calculators/formulas/weir_flow.h"
#include "engine/numeric_field_text.h"

namespace rillo {
namespace {

using MU = ManningUnknown;
using CT = ChannelType;

constexpr UnitSystem kEnglish = UnitSystem::English;

// What a window's Compute does with a text its field's key rules would have
// refused, and the command line refuses: the field's message, the focus on it,
// before any other check; the results stay.
TEST(CalculatorFieldTexts, RefusedAtComputeWithTheFieldsMessage) {
    const WeirShape rect = WeirShape::Rectangular;
    const struct {
        std::optional<CalculatorMessage> message;
        const char* text;
        FieldId focus;
    } cases[] = {
        // A pasted "-10" in the weir length once gave -18.009 ft^3/s.
        {ComputeWeirFlow({rect, false, false, kEnglish, "-10", "1", "0.61", ""}).message, kGreaterThanZeroText,
         WeirField::Length},
        {ComputeWeirFlow({rect, false, false, kEnglish, "10", "2ft", "0.61", ""}).message, kOnlyNumbersText,
         WeirField::Head},
        {ComputeWeirFlow({WeirShape::Triangular, true, false, kEnglish, "200", "", "1e39", "-1"}).message,
         kNumberTooLargeText, WeirField::Coefficient},
        {ComputeOrificeFlow({OrificeShape::Square, kEnglish, "1", "0.61", "-2"}).message, kGreaterThanZeroText,
         OrificeField::Head},
        {ComputeGateFlow({UnitSystem::SI, "2", "-3", "0.5", "0.61"}).message, kGreaterThanZeroText, GateField::Width},
        {ComputeCriticalDepthAndSlope(CT::ElongatedCircular, kEnglish, {"5", "2", "0.013", "-1"}, false).message,
         kGreaterThanZeroText, CriticalField::Sides},
        // The slope takes a minus, not a number past the single range.
        {ComputeManning(MU::Depth, CT::Trapezoidal, kEnglish, {"5", "4", "0.013", "3", "-1e39"}).message,
         kNumberTooLargeText, ManningField::Slope},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(c.message) << c.text;
        EXPECT_EQ(c.message->title, "Input Error") << c.text;
        EXPECT_EQ(c.message->text, c.text);
        EXPECT_EQ(c.message->focusField, c.focus);
        EXPECT_FALSE(c.message->clearsResults) << c.text;
    }
    // The fields a computation does not read are not checked: the downstream
    // head off the Submerged tab, the side of a circle.
    EXPECT_TRUE(ComputeWeirFlow({rect, false, false, kEnglish, "10", "1", "0.61", "-1"}).ok());
    EXPECT_TRUE(ComputeManning(MU::Depth, CT::Circular, kEnglish, {"5", "2", "0.013", "-1", "0.001"}).results);
}

TEST(CalculatorFieldTexts, OneRuleForEveryField) {
    const struct {
        const char* text;
        bool minusAllowed;
        const char* refusal;
    } cases[] = {
        {"-1E39", true, kNumberTooLargeText},  {"1e400", false, kNumberTooLargeText},
        {" 999999999999999999999999999999999999999E ", false, kNumberTooLargeText},
        {"1e39E", false, kOnlyNumbersText},    {"1e39x", false, kOnlyNumbersText},
        {"-5", false, kGreaterThanZeroText},   {"-5", true, nullptr},
        {"3.4e38", false, nullptr},            {"100E", false, nullptr},
    };
    for (const auto& c : cases) {
        const char* refusal = NumericTextRefusal(c.text, c.minusAllowed);
        EXPECT_EQ(refusal ? std::string(refusal) : "", c.refusal ? std::string(c.refusal) : "") << c.text;
    }
}

// A 12-inch pipe, 0.3048 m, carrying 0.5 m^3/s with n = 0.013: yc = 0.30461 m,
// A = 0.072964 m^2, P = 0.94231 m, Sc = 0.2405 (textbook). The depth's text,
// 0.305, lies above the crown and once gave the unknown error.
TEST(CriticalCalculator, SlopeFromTheDepthFoundAndTheCrown) {
    struct Case {
        CT shape;
        CriticalInputTexts texts;
        const char* depth;  // nullptr: the crown message
        const char* slope;
    };
    const Case cases[] = {
        {CT::Circular, {"0.5", "0.3048", "0.013", ""}, "0.305", "0.24047"},
        {CT::Circular, {"5", "0.3048", "0.013", ""}, nullptr, nullptr},
        {CT::ElongatedCircular, {"1e4", "2", "0.013", "1"}, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        const CriticalOutcome outcome = ComputeCriticalDepthAndSlope(c.shape, UnitSystem::SI, c.texts, false);
        if (c.depth) {
            ASSERT_FALSE(outcome.message) << outcome.message->text;
            EXPECT_EQ(outcome.criticalDepth, c.depth);
            EXPECT_EQ(outcome.criticalSlope, c.slope);
        } else {
            ASSERT_TRUE(outcome.message) << c.texts.flowrate;
            EXPECT_EQ(outcome.message->title, "Critical Depth");
            EXPECT_NE(outcome.message->text.find("lies at the crown of the conduit"), std::string::npos);
            EXPECT_TRUE(outcome.message->clearsResults);
            EXPECT_FALSE(outcome.message->unknownError);
        }
    }
}

// An elongated conduit of width 4 ft and side height 2 ft (n = 0.013,
// S = 0.001) carries at most 91.252 ft^3/s, at y = 5.696 ft; full, 85.869.
// Between the two a flow has two normal depths; the lower is reported.
TEST(ManningCalculator, AConduitNearItsPeakHasItsLowerDepth) {
    struct Case {
        const char* flowrate;
        const char* depth;  // nullptr: the conduit cannot carry it
    };
    const Case cases[] = {{"91.2", "5.647"}, {"91.0", "5.585"}, {"80", "4.754"}, {"91.3", nullptr}};
    for (const Case& c : cases) {
        const ManningOutcome outcome = ComputeManning(MU::Depth, CT::ElongatedCircular, kEnglish,
                                                      {c.flowrate, "4", "0.013", "2", "0.001"});
        if (c.depth) {
            ASSERT_TRUE(outcome.results) << c.flowrate << ": " << outcome.message->text;
            EXPECT_EQ(outcome.results->unknown, c.depth) << c.flowrate;
        } else {
            ASSERT_TRUE(outcome.message);
            EXPECT_EQ(outcome.message->text, "The channel cannot carry this flowrate at any depth up to its height.");
            EXPECT_TRUE(outcome.message->clearsResults);
        }
    }
}

// A slope or roughness found keeps three significant digits.
TEST(ManningCalculator, SmallSlopesAndRoughnessKeepTheirDigits) {
    struct Case {
        MU unknown;
        ManningInputTexts texts;
        const char* shown;
    };
    // Rectangle 6 m wide, 1.6 m deep: A = 9.6 m^2, R = 9.6 / 9.2 m. S = (Q n / (A R^(2/3)))^2,
    // n = S^(1/2) R^(2/3) A / Q.
    const Case cases[] = {
        {MU::Slope, {"0.8", "6", "0.015", "0", "1.6"}, "0.00000148"},  // 1.4763e-6
        {MU::Slope, {"30", "6", "0.015", "0", "1.6"}, "0.00208"},       // 0.0020761
        {MU::Roughness, {"10", "6", "1.6", "0", "0.000001"}, "0.000988"},  // 0.00098763
        {MU::Roughness, {"10", "6", "1.6", "0", "0.0001"}, "0.00988"},     // 0.0098763
        {MU::Roughness, {"1", "6", "1.6", "0", "0.01"}, "0.98763"},
    };
    for (const Case& c : cases) {
        const ManningOutcome outcome = ComputeManning(c.unknown, CT::Trapezoidal, UnitSystem::SI, c.texts);
        ASSERT_TRUE(outcome.results) << c.shown;
        EXPECT_EQ(outcome.results->unknown, c.shown);
    }
}

}  // namespace
}  // namespace rillo
