#pragma once

#include <QPageLayout>

class QPrinter;

namespace rillo {

class PlatformServices;

// The page set-up that printing, the print preview and PDF files share,
// kept between runs in the settings store, section "Print": the paper's
// width and height in millimetres (as the paper stands upright), the
// orientation ("Portrait" or "Landscape") and the four margins in millimetres.
// A missing or unusable value takes its default: the paper of
// DefaultReportPageLayout, portrait, margins of 15 mm.
QPageLayout StoredPageLayout(PlatformServices& services);
void StorePageLayout(PlatformServices& services, const QPageLayout& layout);

// The layout with margins that leave a printable area, 10 mm each way at
// least; margins that leave less are those of the default set-up.
QPageLayout UsablePageLayout(const QPageLayout& layout);

// Sets the printer to the layout's paper, orientation and margins, never
// narrower than the margins the printer can print within.
void ApplyPageLayout(QPrinter& printer, const QPageLayout& layout);

}  // namespace rillo
