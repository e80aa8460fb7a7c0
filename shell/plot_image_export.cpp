#include "documents/plot_chart.h"
#include "shell/headless_export.h"
#include "shell/plot_command.h"

namespace rillo {

std::optional<std::string> ExportPlotImage(const ProfileDocument& document, const QString& imagePath) {
    PlotSetup setup;  // the set-up a new run starts with
    PlotChart chart;
    try {
        chart = BuildPlotData(PlotSourceOf(document), setup, false);
    } catch (const std::exception& e) {
        return std::string("the plot cannot be drawn: ") + e.what();
    }
    return WritePlotImageFile(chart, kPlotChartSize, imagePath);
}

}  // namespace rillo
