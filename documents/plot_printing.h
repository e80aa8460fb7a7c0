#pragma once

#include <QImage>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <functional>
#include <optional>
#include <string>

namespace rillo {

class PicturePrinter;

// How much finer than on the screen a picture of a window of `size` is drawn
// for paper, so that text and lines stay sharp; a very large window is drawn
// less finely, so that the picture stays a reasonable size in memory.
double PrintScale(QSize size);

// The picture formats a plot or drawing exports to, as the save dialog lists them.
QString PictureExportFilter();

// Prints the plot `copies` times (once at least), each copy on its own page,
// the picture placed by the page's orientation (PlotPicturePlacement) for a
// chart of `chartTwips`, and ends the document. `letEventsRun` runs after
// each copy. The printer's description of its failure when it failed; the
// document is ended all the same.
std::optional<std::string> PrintPlotPicture(PicturePrinter& printer, const QImage& picture, QSizeF chartTwips,
                                            int copies, const std::function<void()>& letEventsRun = {});

}  // namespace rillo
