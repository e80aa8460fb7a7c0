#include "documents/plot/plot_data.h"

#include <algorithm>

#include "engine/numeric_text.h"
#include "engine/stationing.h"
#include "engine/table_headings.h"

namespace rillo {

namespace {

// The rows down to the first one whose station is empty.
std::size_t DataRowCount(const ProfileTable& rows) {
    const auto end = std::find_if(rows.begin(), rows.end(),
                                  [](const ProfileRow& row) { return row.cells[kStationColumn].empty(); });
    return static_cast<std::size_t>(end - rows.begin());
}

bool ColumnHoldsANumber(const ProfileTable& rows, std::size_t rowCount, int column) {
    for (std::size_t r = 0; r < rowCount; ++r) {
        if (HasLeadingNumber(rows[r].cells[static_cast<std::size_t>(column)])) return true;
    }
    return false;
}

}  // namespace

TableHeadingRows StandardHeadingRows(UnitSystem units) {
    TableHeadingRows headings;
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < kProfileColumnCount; ++column) {
            headings[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] =
                std::string(TableHeading(column, row, units));
        }
    }
    return headings;
}

namespace {

// The two heading rows as one legend: a second row that goes on with the
// quantity's name ("Specific" / "Energy, ft") follows after a space, a bare
// unit ("Depth" / "ft") after a comma.
std::string JoinHeadingRows(const std::string& first, const std::string& second) {
    if (second.empty()) return first;
    const bool wordGoesOn = second.front() >= 'A' && second.front() <= 'Z';
    return first + (wordGoesOn ? " " : ", ") + second;
}

}  // namespace

PlotChart BuildPlotData(const PlotSource& source, PlotSetup& setup, bool plotCustomised) {
    PlotChart chart;
    const std::size_t points = DataRowCount(source.rows);
    chart.x.reserve(points);
    for (std::size_t r = 0; r < points; ++r)
        chart.x.push_back(StationValue(source.rows[r].cells[kStationColumn]));

    for (int box = 0; box < kPlotQuantityCount; ++box) {
        if (!setup.plotThis[static_cast<std::size_t>(box)]) continue;
        const int column = box + 1;
        if (!ColumnHoldsANumber(source.rows, points, column)) continue;
        const auto c = static_cast<std::size_t>(column);
        PlotSeries series;
        series.column = column;
        series.legend = JoinHeadingRows(source.headings[0][c], source.headings[1][c]);
        series.values.reserve(points);
        for (std::size_t r = 0; r < points; ++r)
            series.values.push_back(ReadLeadingNumber(source.rows[r].cells[c]));
        chart.series.push_back(std::move(series));
    }

    if (plotCustomised) {
        ApplyPlotSetup(chart, setup);
    } else {
        chart.title = source.channelName;
        chart.bottomTitle = DefaultBottomTitle(source.units);
        setup.graphTitleChecked = true;
        setup.bottomTitleChecked = true;
        setup.leftTitleChecked = false;
    }
    return chart;
}

void ApplyPlotSetup(PlotChart& chart, const PlotSetup& setup) {
    chart.type = setup.areaStyle ? PlotChartType::Area : PlotChartType::Line;
    chart.patternedLines = setup.dotted;
    chart.title = setup.graphTitleChecked ? setup.graphTitle : std::string();
    chart.bottomTitle = setup.bottomTitleChecked ? setup.bottomTitle : std::string();
    chart.leftTitle = setup.leftTitleChecked ? setup.leftTitle : std::string();
}

}  // namespace rillo
