#pragma once

#include <array>
#include <string>
#include <vector>

#include "documents/plot/plot_setup.h"
#include "engine/profile_records.h"
#include "engine/units.h"

namespace rillo {

// The two heading rows of the profile table, one text per column.
using TableHeadingRows = std::array<std::array<std::string, kProfileColumnCount>, 2>;

// The heading rows that the table view shows in this unit system.
TableHeadingRows StandardHeadingRows(UnitSystem units);

// What the plot reads from the document: the table view's texts (headings and
// data rows), the channel name and the unit system.
struct PlotSource {
    TableHeadingRows headings;
    ProfileTable rows;  // a row with an empty station ends the table
    std::string channelName;
    UnitSystem units = UnitSystem::English;
};

enum class PlotChartType { Line, Area };

// One plotted quantity: its legend and one value per point.
struct PlotSeries {
    int column = 0;  // the table column it comes from
    std::string legend;
    std::vector<double> values;
    bool rightAxis = false;  // drawn against the axis at the right
};

// Everything the chart shows. A new chart is a solid line chart.
struct PlotChart {
    std::vector<double> x;  // the station of each point, as a number
    std::vector<PlotSeries> series;
    std::string title;
    std::string bottomTitle;
    std::string leftTitle;
    std::string rightTitle;  // the axis at the right, shown when a series uses it
    PlotChartType type = PlotChartType::Line;
    bool patternedLines = false;
};

// Fills a chart from the table: one point per data row, x from its station,
// one series per checked quantity in box order, valued by the leading-number
// rule, with the legend "row-0 heading, row-1 heading". A checked quantity
// whose column holds no number in any row (the columns a profile file does
// not keep) is left out rather than drawn as a line at zero.
// Titles: a customised set-up applies its own (ApplyPlotSetup); otherwise the
// chart is titled with the channel name and "Channel Length, ft/m", and the
// set-up's chart and x-axis title boxes are checked, the y-axis box not.
// A station that does not read as a number, or a value past the range of
// numbers, throws ComputationError.
PlotChart BuildPlotData(const PlotSource& source, PlotSetup& setup, bool plotCustomised);

// Copies the set-up's chart type, line pattern and titles into the chart; an
// unchecked title is empty.
void ApplyPlotSetup(PlotChart& chart, const PlotSetup& setup);

}  // namespace rillo
