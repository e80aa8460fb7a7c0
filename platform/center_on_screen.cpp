#include "platform/center_on_screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

#include "platform/twips.h"

namespace rillo {

QPoint CenteredPosition(QSize screen, QSize window) {
    auto centre = [](int screenPixels, int windowPixels) {
        double twips = PixelsToTwips(screenPixels - windowPixels) / 2.0;
        return TwipsToPixels(std::nearbyint(twips));
    };
    return {centre(screen.width(), window.width()), centre(screen.height(), window.height())};
}

void CenterOnScreen(QWidget& window) {
    if (window.isMinimized() || window.isMaximized()) return;
    QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect area = screen->geometry();
    // The frame counts as part of the window, as it does for its placement.
    QSize size = window.frameGeometry().size();
    if (!window.isVisible()) size = window.size().expandedTo(window.sizeHint());
    window.move(area.topLeft() + CenteredPosition(area.size(), size));
}

}  // namespace rillo
