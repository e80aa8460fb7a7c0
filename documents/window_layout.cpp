#include "documents/window_layout.h"

#include <QWidget>

#include "documents/document_sub_window.h"
#include "platform/screen_placement.h"
#include "platform/twips.h"

namespace rillo {

namespace {

int ReadSizeTwips(PlatformServices& services, const Setting<int>& setting, int defaultTwips) {
    const int twips = setting.ReadOr(services, defaultTwips);
    return twips < defaultTwips / 4 ? defaultTwips : twips;
}

QRect NormalPlacement(const QWidget& window) {
    if (const auto* view = qobject_cast<const DocumentSubWindow*>(&window)) return view->NormalGeometry();
    if (window.isWindow() && (window.isMaximized() || window.isMinimized())) return window.normalGeometry();
    return QRect(window.pos(), window.size());
}

}  // namespace

QRect PlacementSettings::DefaultTwips(QSize ownSize) const {
    return QRect(left.Default(), top.Default(), width ? width->Default() : PixelsToTwips(ownSize.width()),
                 height ? height->Default() : PixelsToTwips(ownSize.height()));
}

QRect StoredPlacement(PlatformServices& services, const PlacementSettings& s, const QRect& defaultTwips) {
    const int left = s.left.ReadOr(services, defaultTwips.x());
    const int top = s.top.ReadOr(services, defaultTwips.y());
    const int width = s.width ? ReadSizeTwips(services, *s.width, defaultTwips.width()) : defaultTwips.width();
    const int height =
        s.height ? ReadSizeTwips(services, *s.height, defaultTwips.height()) : defaultTwips.height();
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

void RestorePlacement(QWidget& window, const QRect& placement, const QList<QRect>& areas) {
    const QRect placed = KeepReachable(placement, areas);
    window.move(placed.topLeft());
    window.resize(placed.size());
}

void RestorePlacement(QWidget& window, const PlacementSettings& settings, PlatformServices& services,
                      const QList<QRect>& areas) {
    RestorePlacement(window, StoredPlacement(services, settings, settings.DefaultTwips(window.size())), areas);
}

void StorePlacement(const QWidget& window, const PlacementSettings& s, PlatformServices& services) {
    const QRect placement = NormalPlacement(window);
    s.left.Write(services, PixelsToTwips(placement.x()));
    s.top.Write(services, PixelsToTwips(placement.y()));
    if (s.height) s.height->Write(services, PixelsToTwips(placement.height()));
    if (s.width) s.width->Write(services, PixelsToTwips(placement.width()));
}

}  // namespace rillo
