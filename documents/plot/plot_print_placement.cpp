#include "documents/plot/plot_print_placement.h"

#include <algorithm>

namespace rillo {

PageRect PlotPicturePlacement(double chartWidth, double chartHeight, double pageWidth, double pageHeight,
                              bool landscape) {
    PageRect rect;
    const double factor = landscape ? 1.5 : 1.25;
    rect.width = chartWidth * factor;
    rect.height = chartHeight * factor;
    if (rect.width > pageWidth || rect.height > pageHeight) {
        const double shrink = std::max(0.0, std::min(pageWidth / rect.width, pageHeight / rect.height));
        rect.width *= shrink;
        rect.height *= shrink;
    }
    rect.left = (pageWidth - rect.width) / 2;
    rect.top = (pageHeight - rect.height) / (landscape ? 2 : 4);
    return rect;
}

}  // namespace rillo
