#pragma once

#include <QImage>
#include <QSizeF>
#include <functional>
#include <optional>
#include <string>

namespace rillo {

class PicturePrinter;

// Prints the plot `copies` times (once at least), each copy on its own page,
// the picture placed by the page's orientation (PlotPicturePlacement) for a
// chart of `chartTwips`, and ends the document. `letEventsRun` runs after
// each copy. The printer's description of its failure when it failed; the
// document is ended all the same.
std::optional<std::string> PrintPlotPicture(PicturePrinter& printer, const QImage& picture, QSizeF chartTwips,
                                            int copies, const std::function<void()>& letEventsRun = {});

}  // namespace rillo
