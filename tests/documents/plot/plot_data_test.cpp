#include "documents/plot/plot_data.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "documents/format/profile_file_reader.h"
#include "documents/plot/plot_print_placement.h"
#include "engine/float_guard.h"
#include "tests/support/sample_profiles.h"

namespace rillo {
namespace {

PlotSource SourceOf(const ProfileDocument& document) {
    return {StandardHeadingRows(document.unitSystem), document.table, document.channelName,
            document.unitSystem};
}

PlotSource WorkedExample(UnitSystem units = UnitSystem::English) {
    return SourceOf(
        testing::ComputeSampleDocument(testing::WorkedExampleTexts(), ChannelType::Trapezoidal, units));
}

std::vector<std::string> Legends(const PlotChart& chart) {
    std::vector<std::string> legends;
    for (const PlotSeries& s : chart.series) legends.push_back(s.legend);
    return legends;
}

TEST(BuildPlotDataTest, WorkedExampleGivesTheFirstCheckedQuantitiesAgainstTheStations) {
    const PlotSource source = WorkedExample();
    PlotSetup setup;
    const PlotChart chart = BuildPlotData(source, setup, false);

    EXPECT_EQ(Legends(chart),
              (std::vector<std::string>{"Depth, ft", "Specific Energy, ft", "Area, ft^2", "Velocity, ft/s",
                                        "Top Width, ft", "Froude Number"}));
    // Subcritical: the table runs from the control at the downstream end back up the reach.
    ASSERT_EQ(chart.x.size(), 16u);
    EXPECT_DOUBLE_EQ(chart.x.front(), 1000.0);
    EXPECT_DOUBLE_EQ(chart.x[1], 999.417);
    EXPECT_DOUBLE_EQ(chart.x[14], 528.129);
    EXPECT_DOUBLE_EQ(chart.x.back(), 0.0);
    for (const PlotSeries& series : chart.series) {
        ASSERT_EQ(series.values.size(), chart.x.size()) << series.legend;
        for (std::size_t p = 0; p < chart.x.size(); ++p) {
            EXPECT_DOUBLE_EQ(series.values[p], std::stod(source.rows[p].cells[series.column]))
                << series.legend;
        }
    }
    EXPECT_DOUBLE_EQ(chart.series[0].values.front(), 1.329);
    EXPECT_DOUBLE_EQ(chart.series[0].values.back(), 1.702);
    EXPECT_EQ(chart.series[5].column, kFroudeColumn);

    EXPECT_EQ(chart.title, "Trapezoidal Channel");
    EXPECT_EQ(chart.bottomTitle, "Channel Length, ft");
    EXPECT_EQ(chart.leftTitle, "");
    EXPECT_EQ(chart.type, PlotChartType::Line);
    EXPECT_FALSE(chart.patternedLines);
    // A plot that was never customised checks the chart and x-axis titles only.
    EXPECT_TRUE(setup.graphTitleChecked);
    EXPECT_TRUE(setup.bottomTitleChecked);
    EXPECT_FALSE(setup.leftTitleChecked);
}

TEST(BuildPlotDataTest, OnlyTheCheckedBoxesArePlottedWithTheirUnits) {
    struct Case {
        std::array<bool, kPlotQuantityCount> plotThis;
        UnitSystem units;
        std::vector<std::string> legends;
        std::string bottomTitle;
    };
    const Case cases[] = {
        {{false, false, false, false, false, false, false}, UnitSystem::English, {}, "Channel Length, ft"},
        {{false, false, false, false, false, true, false},
         UnitSystem::English,
         {"Momentum, ft^3"},
         "Channel Length, ft"},
        {{true, false, false, false, false, false, true},
         UnitSystem::English,
         {"Depth, ft", "Froude Number"},
         "Channel Length, ft"},
        {{false, true, false, false, true, true, false},
         UnitSystem::SI,
         {"Specific, m", "Top Width, m", "Momentum, m^3"},
         "Channel Length, m"},
    };
    for (const Case& c : cases) {
        PlotSetup setup;
        setup.plotThis = c.plotThis;
        const PlotChart chart = BuildPlotData(WorkedExample(c.units), setup, false);
        EXPECT_EQ(Legends(chart), c.legends);
        EXPECT_EQ(chart.bottomTitle, c.bottomTitle);
        EXPECT_EQ(chart.x.size(), 16u) << "the points do not depend on the series";
    }
}

TEST(BuildPlotDataTest, AQuantityWithNoNumberInAnyRowIsLeftOut) {
    // A profile file keeps only the first seven columns, so after Open the
    // Froude column is empty: drawing it would show a false line at zero.
    const ProfileReadResult read = ReadProfileFile(
        std::filesystem::path(RILLO_TEST_DATA "/../../fuzz/seeds/trapezoid_worked_example.flo")
            .lexically_normal());
    ASSERT_TRUE(read.ok()) << read.reason;
    PlotSetup setup;
    const PlotChart chart = BuildPlotData(SourceOf(read.document), setup, false);
    EXPECT_EQ(Legends(chart), (std::vector<std::string>{"Depth, ft", "Specific Energy, ft", "Area, ft^2",
                                                        "Velocity, ft/s", "Top Width, ft"}));

    // A column with a number in some rows is kept; its empty cells read as 0,
    // and a cell of text alone counts as no number.
    PlotSource source = SourceOf(read.document);
    for (ProfileRow& row : source.rows) row.cells[kFroudeColumn] = "n/a";
    source.rows[3].cells[kFroudeColumn] = "0.000";
    source.rows[4].cells[kFroudeColumn] = "0.9 approx";
    setup.plotThis = {false, false, false, false, false, false, true};
    const PlotChart froude = BuildPlotData(source, setup, false);
    ASSERT_EQ(froude.series.size(), 1u);
    EXPECT_DOUBLE_EQ(froude.series[0].values[0], 0.0);
    EXPECT_DOUBLE_EQ(froude.series[0].values[4], 0.9);
}

TEST(BuildPlotDataTest, TheTableEndsAtTheFirstEmptyStation) {
    PlotSource source = WorkedExample();
    source.rows[5].cells[kStationColumn].clear();
    PlotSetup setup;
    EXPECT_EQ(BuildPlotData(source, setup, false).x.size(), 5u);
    source.rows[0].cells[kStationColumn].clear();
    const PlotChart empty = BuildPlotData(source, setup, false);
    EXPECT_TRUE(empty.x.empty());
    for (const PlotSeries& s : empty.series) EXPECT_TRUE(s.values.empty());
}

TEST(BuildPlotDataTest, AStationOrValueThatCannotBeReadIsAnError) {
    for (auto [column, text] : {std::pair{kStationColumn, "10+0x"}, std::pair{kStationColumn, "1000"},
                                std::pair{kDepthColumn, "1E999"}}) {
        PlotSource source = WorkedExample();
        source.rows[2].cells[column] = text;
        PlotSetup setup;
        EXPECT_THROW(BuildPlotData(source, setup, false), ComputationError) << text;
    }
}

TEST(BuildPlotDataTest, ACustomisedSetUpKeepsItsOwnTitlesAndStyle) {
    PlotSetup setup;
    setup.areaStyle = true;
    setup.dotted = true;
    setup.graphTitleChecked = false;
    setup.bottomTitleChecked = true;
    setup.leftTitleChecked = true;
    setup.graphTitle = "Mill race";
    setup.bottomTitle = "Station";
    setup.leftTitle = "Value";
    const PlotChart chart = BuildPlotData(WorkedExample(), setup, true);
    EXPECT_EQ(chart.title, "");
    EXPECT_EQ(chart.bottomTitle, "Station");
    EXPECT_EQ(chart.leftTitle, "Value");
    EXPECT_EQ(chart.type, PlotChartType::Area);
    EXPECT_TRUE(chart.patternedLines);
    EXPECT_FALSE(setup.graphTitleChecked) << "a customised set-up's boxes are the user's";
    EXPECT_TRUE(setup.leftTitleChecked);
}

TEST(PlotPicturePlacementTest, PortraitAndLandscapePlacements) {
    struct Case {
        double pageWidth, pageHeight;
        bool landscape;
        PageRect expected;
    };
    // A chart of 600 by 420 pixels is 9000 by 6300 twips.
    const Case cases[] = {
        // Portrait: 1.25 times, centred across, a quarter of the free height down.
        {11520, 15120, false, {135, 1811.25, 11250, 7875}},
        // Landscape: 1.5 times, centred both ways.
        {15120, 11520, true, {810, 1035, 13500, 9450}},
        // Too wide for the page: shrunk to the page width, then placed by the rule.
        {8000, 10000, false, {0, 1100, 8000, 5600}},
        {15120, 7560, true, {2160, 0, 10800, 7560}},
    };
    for (const Case& c : cases) {
        const PageRect r = PlotPicturePlacement(9000, 6300, c.pageWidth, c.pageHeight, c.landscape);
        EXPECT_DOUBLE_EQ(r.left, c.expected.left);
        EXPECT_DOUBLE_EQ(r.top, c.expected.top);
        EXPECT_DOUBLE_EQ(r.width, c.expected.width);
        EXPECT_DOUBLE_EQ(r.height, c.expected.height);
    }
}

}  // namespace
}  // namespace rillo
