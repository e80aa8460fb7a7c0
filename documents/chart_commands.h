#pragma once

#include <QWidget>

#include "documents/plot/plot_data.h"

namespace rillo {

class PlatformServices;

// What every chart window does with the chart it shows in `view` (at the
// view's size), each with its own messages: Copy puts the picture on the
// clipboard and says so; Print asks for copies and prints one page each;
// Preview shows that page; Export writes PNG, SVG or PDF (a printed page) by
// the extension chosen.
void CopyChart(PlatformServices& services, const PlotChart& chart, const QWidget& view);
void PrintChart(PlatformServices& services, const PlotChart& chart, const QWidget& view);
void PreviewChart(PlatformServices& services, const PlotChart& chart, const QWidget& view);
void ExportChart(PlatformServices& services, const PlotChart& chart, const QWidget& view);

}  // namespace rillo
