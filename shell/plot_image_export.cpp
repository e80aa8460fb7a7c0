#include "documents/format/profile_completeness.h"
#include "documents/plot_chart.h"
#include "shell/headless_export.h"
#include "shell/plot_command.h"

namespace rillo {

std::optional<std::string> ExportPlotImage(const ProfileDocument& document, const QString& imagePath) {
    // Plot refuses such a profile too; an empty chart never replaces a picture.
    if (!ProfileIsComplete(document)) {
        return "Plotting Error: " + PlottingErrorText().replace('\r', ' ').simplified().toStdString();
    }
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
