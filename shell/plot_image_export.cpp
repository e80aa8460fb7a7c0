#include "documents/format/profile_completeness.h"
#include "documents/plot_chart.h"
#include "documents/plot_printing.h"
#include "platform/twips.h"
#include "shell/headless_export.h"
#include "shell/plot_command.h"
#include "shell/qt_picture_printer.h"

namespace rillo {

std::optional<std::string> ExportPlotImage(const ProfileDocument& document, const QString& imagePath,
                                           const QPageLayout& page) {
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
    if (imagePath.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        // The page the plot window prints, drawn as finely as it draws it.
        PdfPicturePrinter printer(imagePath, page);
        const QSizeF chartTwips(PixelsToTwips(kPlotChartSize.width()), PixelsToTwips(kPlotChartSize.height()));
        return PrintPlotPicture(printer, RenderPlotImage(chart, kPlotChartSize, 4.0), chartTwips, 1);
    }
    return WritePlotImageFile(chart, kPlotChartSize, imagePath);
}

}  // namespace rillo
