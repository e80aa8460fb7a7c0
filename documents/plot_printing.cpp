#include "documents/plot_printing.h"

#include <algorithm>

#include "documents/plot/plot_print_placement.h"
#include "platform/picture_printer.h"

namespace rillo {

double PrintScale(QSize size) {
    constexpr double kPrintScale = 4.0;
    constexpr double kLongestPrintedSide = 3200.0;
    return std::min(kPrintScale, kLongestPrintedSide / std::max({size.width(), size.height(), 1}));
}

QString PictureExportFilter() {
    return QStringLiteral("PNG Image (*.png)|*.png|SVG Image (*.svg)|*.svg|PDF Document (*.pdf)|*.pdf");
}

std::optional<std::string> PrintPlotPicture(PicturePrinter& printer, const QImage& picture, QSizeF chartTwips,
                                            int copies, const std::function<void()>& letEventsRun) {
    const QSizeF page = printer.PageSize();
    const PageRect place = PlotPicturePlacement(chartTwips.width(), chartTwips.height(), page.width(),
                                                page.height(), printer.Orientation() == PageOrientation::Landscape);
    const QRectF target(place.left, place.top, place.width, place.height);
    bool printed = true;
    for (int copy = 0; copy < std::max(copies, 1) && printed; ++copy) {
        printed = (copy == 0 || printer.NewPage()) && printer.DrawPicture(picture, target);
        if (printed && letEventsRun) letEventsRun();
    }
    const bool ended = printer.EndDocument();
    if (printed && ended) return std::nullopt;
    const std::string failure = printer.Failure();
    return failure.empty() ? "The printer could not print the picture." : failure;
}

}  // namespace rillo
