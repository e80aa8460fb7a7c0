#pragma once

namespace rillo {

// A rectangle on the printed page, in twips from the printable area's corner.
struct PageRect {
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;
};

// Where a printed plot goes. Portrait: the chart's size times 1.25, centred
// across and a quarter of the free height from the top. Landscape: times 1.5,
// centred both ways. A picture that would not fit the page is shrunk, keeping
// its proportions, until it does, and then placed by the same rule, so no
// part of the plot is cut off by the page edge.
PageRect PlotPicturePlacement(double chartWidth, double chartHeight, double pageWidth, double pageHeight,
                              bool landscape);

}  // namespace rillo
