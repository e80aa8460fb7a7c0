#pragma once

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>
#include <optional>
#include <string>

#include "documents/plot/long_section.h"

class QPainter;

namespace rillo {

// The size the long-section window gives its drawing at first, in pixels;
// the headless export draws at this size too.
inline constexpr QSize kLongSectionSize{760, 460};

// Draws the long section into `area` of the painter: the title, the lines
// with the water under the surface tinted, the control section, the flow
// arrow, the mark of an early end, the axes in stations and elevations, the
// exaggeration and the legend. Fonts are sized in the painter's units, so a
// drawing scaled up stays alike.
void DrawLongSection(QPainter& painter, const QRectF& area, const LongSection& section);

// The long section drawn at `size` (in pixels) into an image `scale` times
// larger, white behind it.
QImage RenderLongSectionImage(const LongSection& section, QSize size, double scale);

// Writes the drawing at `size`: a PNG file at twice that size, or an SVG file,
// by the path's extension (a PDF is a printed page, see PrintPlotPicture).
// The file is complete or not written at all; returns the error text.
std::optional<std::string> WriteLongSectionImageFile(const LongSection& section, QSize size, const QString& path);

}  // namespace rillo
