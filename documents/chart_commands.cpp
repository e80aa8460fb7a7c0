#include "documents/chart_commands.h"

#include <algorithm>
#include <exception>
#include <stdexcept>

#include "documents/plot_chart.h"
#include "documents/plot_printing.h"
#include "platform/error_messages.h"
#include "platform/picture_printer.h"
#include "platform/platform_services.h"
#include "platform/twips.h"

namespace rillo {

namespace {

void ShowPrintError(PlatformServices& services, const std::string& failure) {
    ShowSystemError(services, QStringLiteral("Print Error"),
                    QStringLiteral("The following error occurred while printing:"),
                    QString::fromStdString(failure));
}

// The chart drawn finer for paper, and its size on paper.
QImage PrintedPicture(const PlotChart& chart, const QWidget& view) {
    return RenderPlotImage(chart, view.size(), PrintScale(view.size()));
}

QSizeF ChartTwips(const QWidget& view) {
    return QSizeF(PixelsToTwips(view.width()), PixelsToTwips(view.height()));
}

}  // namespace

void CopyChart(PlatformServices& services, const PlotChart& chart, const QWidget& view) {
    try {
        WaitCursor wait(services);
        const QImage image = RenderPlotImage(chart, view.size(), view.devicePixelRatioF());
        if (image.isNull()) throw std::runtime_error("the chart could not be drawn");
        services.SetClipboardImage(image);
    } catch (const std::exception&) {
        ShowUnexpectedFailureShort(services);
        return;
    }
    services.ShowMessage(
        QStringLiteral(
            "The graph has been copied to the clipboard.\rYou may now paste it into your document."),
        QStringLiteral("Copy"), MessageIcon::Information);
}

void PrintChart(PlatformServices& services, const PlotChart& chart, const QWidget& view) {
    const std::optional<int> answer = services.AskPrintCopies();
    if (!answer) return;
    const int copies = *answer <= 0 ? 1 : *answer;
    std::optional<std::string> failure;
    {
        WaitCursor wait(services);
        failure =
            PrintPlotPicture(services.PrinterForPictures(), PrintedPicture(chart, view), ChartTwips(view),
                             copies, [&services] { services.ProcessPendingEvents(); });
    }
    if (failure) ShowPrintError(services, *failure);
}

void PreviewChart(PlatformServices& services, const PlotChart& chart, const QWidget& view) {
    const QImage picture = PrintedPicture(chart, view);
    const QSizeF size = ChartTwips(view);
    // The preview shows what it drew; there is nothing to report from it.
    services.ShowPicturePreview(
        [&picture, size](PicturePrinter& printer) { PrintPlotPicture(printer, picture, size, 1); });
}

void ExportChart(PlatformServices& services, const PlotChart& chart, const QWidget& view) {
    const std::optional<QString> path =
        services.AskSavePath({QString(), PictureExportFilter(), QStringLiteral("png")});
    if (!path) return;
    std::optional<std::string> error;
    {
        WaitCursor wait(services);
        if (path->endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
            // A page as Print puts it on paper, in the page set-up of the report.
            error = PrintPlotPicture(*services.BeginPdfPicturePrint(*path), PrintedPicture(chart, view),
                                     ChartTwips(view), 1);
        } else {
            error = WritePlotImageFile(chart, view.size(), *path);
        }
    }
    if (error) {
        ShowSystemError(services, QStringLiteral("Export Error"),
                        QStringLiteral("The following error occurred:"), QString::fromStdString(*error));
    }
}

}  // namespace rillo
