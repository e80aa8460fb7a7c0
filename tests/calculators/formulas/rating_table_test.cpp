#include "calculators/formulas/rating_table.h"

#include <gtest/gtest.h>

#include "calculators/formulas/manning_calculator.h"

namespace rillo {
namespace {

using CT = ChannelType;

// The guide's worked example: a trapezoid 10 ft wide, 2:1 sides, n 0.013, slope 0.001.
const RatingInputTexts kWorkedExample{"10", "2", "0.013", "0.001", "100", "100", "1"};

TEST(RatingTable, WorkedExampleByFlowrate) {
    const RatingOutcome o =
        ComputeRatingTable(CT::Trapezoidal, UnitSystem::English, RatingBy::Flowrate, kWorkedExample);
    ASSERT_FALSE(o.message);
    ASSERT_EQ(o.rows.size(), 1u);
    // The normal depth, area and velocity the profile and Manning's window show.
    EXPECT_EQ(o.rows[0][0], "1.721");
    EXPECT_EQ(o.rows[0][1], "100.000");
    EXPECT_EQ(o.rows[0][2], "23.138");
    EXPECT_EQ(o.rows[0][3], "4.322");
}

TEST(RatingTable, RowsRunFromFromToTo) {
    struct Case {
        std::string from, to, step;
        std::size_t rows;
        std::string first, last;
    } cases[] = {
        {"0.1", "5", "0.1", 50, "0.100", "5.000"},  // a last step short by rounding still reaches To
        {"1", "2", "0.3", 4, "1.000", "1.900"},     // To is not a whole number of steps away
        {"2", "2", "5", 1, "2.000", "2.000"},
    };
    for (const Case& c : cases) {
        RatingInputTexts t = kWorkedExample;
        t.from = c.from, t.to = c.to, t.step = c.step;
        const RatingOutcome o = ComputeRatingTable(CT::Trapezoidal, UnitSystem::English, RatingBy::Depth, t);
        ASSERT_EQ(o.rows.size(), c.rows) << c.from << ":" << c.to << ":" << c.step;
        EXPECT_EQ(o.rows.front()[0], c.first);
        EXPECT_EQ(o.rows.back()[0], c.last);
    }
}

TEST(RatingTable, RefusedInputs) {
    struct Case {
        CT shape;
        RatingBy by;
        RatingInputTexts texts;
        std::string title, text;
        RatingField focus;
    } cases[] = {
        {CT::Trapezoidal,
         RatingBy::Depth,
         {"10", "2", "", "0.001", "1", "2", "1"},
         "Incomplete Input",
         kRatingIncompleteInputText,
         RatingField::Roughness},
        {CT::Trapezoidal,
         RatingBy::Depth,
         {"10", "2", "0.013", "0.001", "1", "2", "."},
         "Invalid Input Value",
         "Please use an entry other than zero.",
         RatingField::Step},
        {CT::Trapezoidal,
         RatingBy::Depth,
         {"10", "2", "0.013", "0.001", "0", "2", "1"},
         "Invalid Input Value",
         "Please use an entry other than zero.",
         RatingField::From},
        {CT::Trapezoidal,
         RatingBy::Depth,
         {"10", "2", "0.013", "-0.001", "1", "2", "1"},
         "Input Error",
         "",
         RatingField::Slope},
        {CT::Trapezoidal,
         RatingBy::Depth,
         {"10", "2", "0.013", "0.001", "3", "2", "1"},
         "Rating Table",
         "The last value (To) must not be below the first (From).",
         RatingField::To},
        {CT::Trapezoidal,
         RatingBy::Depth,
         {"10", "2", "0.013", "0.001", "0.001", "10.001", "0.001"},
         "Rating Table",
         "These values would make more than 10,000 rows. Use a larger step or a shorter range.",
         RatingField::Step},
        {CT::Trapezoidal,
         RatingBy::Depth,
         {"10", "2", "0.013", "0.001", "1", "1e30", "1e-30"},
         "Rating Table",
         "These values would make more than 10,000 rows. Use a larger step or a shorter range.",
         RatingField::Step},
        {CT::Circular,
         RatingBy::Depth,
         {"2", "", "0.013", "0.001", "1", "3", "1"},
         "Input Error",
         "At the depth 3.000: The depth cannot be greater than the height of the channel.",
         RatingField::Width},
        // Full-pipe 7.15, at most 7.69 ft^3/s.
        {CT::Circular,
         RatingBy::Flowrate,
         {"2", "", "0.013", "0.001", "2", "20", "2"},
         "Normal Depth",
         "At the flowrate 8.000: The channel cannot carry this flowrate at any depth up to its height.",
         RatingField::Width},
    };
    for (const Case& c : cases) {
        const RatingOutcome o = ComputeRatingTable(c.shape, UnitSystem::English, c.by, c.texts);
        ASSERT_TRUE(o.message) << c.texts.from << ":" << c.texts.to << ":" << c.texts.step;
        EXPECT_TRUE(o.rows.empty());
        EXPECT_EQ(o.message->title, c.title);
        if (!c.text.empty()) {
            EXPECT_EQ(o.message->text, c.text);
        }
        if (c.focus != RatingField::Width) {
            EXPECT_EQ(o.message->focusField, FieldId(c.focus));
        }
    }
}

TEST(RatingTable, TenThousandRowsAreComputed) {
    RatingInputTexts t = kWorkedExample;
    t.from = "0.001", t.to = "10", t.step = "0.001";
    const RatingOutcome o = ComputeRatingTable(CT::Trapezoidal, UnitSystem::English, RatingBy::Depth, t);
    ASSERT_FALSE(o.message);
    EXPECT_EQ(o.rows.size(), 10000u);
}

TEST(RatingTable, HeadingsCarryUnits) {
    const std::vector<std::string> english = RatingHeadings(UnitSystem::English);
    const std::vector<std::string> si = RatingHeadings(UnitSystem::SI);
    const std::vector<std::string> expectedEnglish = {
        "Depth, ft",           "Flowrate, ft^3/s",     "Area, ft^2",           "Velocity, ft/s",
        "Top Width, ft",       "Wetted Perimeter, ft", "Hydraulic Radius, ft", "Froude Number",
        "Specific Energy, ft", "Critical Depth, ft",   "Mean Shear, lb/ft^2",  "Max Shear, lb/ft^2"};
    EXPECT_EQ(english, expectedEnglish);
    EXPECT_EQ(si[1], "Flowrate, m^3/s");
    EXPECT_EQ(si[11], "Max Shear, N/m^2");
}

// Results that cannot be formed, and a conduit's second depth.
TEST(DesignQuantities, ConduitTexts) {
    struct Case {
        ManningUnknown unknown;
        ManningInputTexts texts;
        std::string froude, flowType, higherDepth;
    } cases[] = {
        // Flowing at the crown: no top width, no Froude number.
        {ManningUnknown::Flowrate, {"4", "4", "0.013", "", "0.004"}, "----", "----", "----"},
        // Between full-pipe (90.85) and greatest (97.73 at 3.753 ft) capacity: a second depth,
        // 3.952 ft (worked in double: y 3.473 ft, F 0.698).
        {ManningUnknown::Depth, {"95", "4", "0.013", "", "0.004"}, "0.698", "subcritical", "3.952"},
        // Below full-pipe capacity there is one depth: y 2.118 ft, F 1.003.
        {ManningUnknown::Depth, {"50", "4", "0.013", "", "0.004"}, "1.003", "supercritical", "----"},
    };
    for (const Case& c : cases) {
        const ManningOutcome o = ComputeManning(c.unknown, CT::Circular, UnitSystem::English, c.texts);
        ASSERT_TRUE(o.results) << c.texts.flowField;
        EXPECT_EQ(o.design->froude, c.froude) << c.texts.flowField;
        EXPECT_EQ(o.design->flowType, c.flowType) << c.texts.flowField;
        EXPECT_EQ(o.design->higherDepth, c.higherDepth) << c.texts.flowField;
    }
}

}  // namespace
}  // namespace rillo
