#pragma once

#include <QList>
#include <QRect>
#include <optional>

#include "platform/setting.h"

class QWidget;

namespace rillo {

class PlatformServices;

// The section of the settings store that holds the windows' placements.
inline constexpr char kPlacementSection[] = "Dlgs";

// Where one window keeps its placement between runs, in twips: its left and
// top, and its width and height when the user sizes it (a view of a fixed
// size keeps none).
struct PlacementSettings {
    Setting<int> left;
    Setting<int> top;
    std::optional<Setting<int>> width;
    std::optional<Setting<int>> height;

    // The declared defaults, in twips; a window that keeps no size has `ownSize` (pixels).
    QRect DefaultTwips(QSize ownSize = {}) const;
};

// The stored placement in pixels; a missing or damaged value reads as its
// default in `defaultTwips`, and so does a width or height too small to use
// (below a quarter of its default: 0, or a value cut down by hand), so that
// no window is shrunk out of reach and stored that way again. A window that
// keeps no size has the size of `defaultTwips`.
QRect StoredPlacement(PlatformServices& services, const PlacementSettings& settings, const QRect& defaultTwips);

// Moves and sizes the window to the placement, kept reachable in `areas`
// (KeepReachable): the screens for a window of its own, the main window's
// inside for a document view.
void RestorePlacement(QWidget& window, const QRect& placement, const QList<QRect>& areas);
// The two at once, from the declared defaults.
void RestorePlacement(QWidget& window, const PlacementSettings& settings, PlatformServices& services,
                      const QList<QRect>& areas);

// Stores the window's placement in its normal state, also while it is
// minimised or maximised: the placement it is restored to.
void StorePlacement(const QWidget& window, const PlacementSettings& settings, PlatformServices& services);

}  // namespace rillo
