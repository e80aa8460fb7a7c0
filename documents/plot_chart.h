#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <optional>
#include <string>

#include "documents/plot/plot_data.h"

class QChart;

namespace rillo {

// The size the plot window gives its chart at first, in pixels; the headless
// export draws at this size too.
inline constexpr QSize kPlotChartSize{600, 420};

// A chart that shows the plot: series over value axes with the station
// across, titles, legend on the right (beside the plot area, never over the
// curves), solid or dotted pens, line or area type. The caller owns it.
QChart* NewPlotChart(const PlotChart& plot);

// The plot drawn at `size` (in pixels) into an image `scale` times larger,
// white behind the chart.
QImage RenderPlotImage(const PlotChart& plot, QSize size, double scale);

// Writes the plot as drawn at `size`: a PNG file at twice that size, or an
// SVG file, chosen by the path's extension (".png" or ".svg", any case; a
// PDF is a printed page, see PrintPlotPicture).
// The file is complete or not written at all; returns the error text.
std::optional<std::string> WritePlotImageFile(const PlotChart& plot, QSize size, const QString& path);

}  // namespace rillo
