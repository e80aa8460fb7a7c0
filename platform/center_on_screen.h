#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

namespace rillo {

// The top-left corner that centres a window of `window` size on a screen of
// `screen` size; negative when the window is the larger. Positions are worked
// in twips and rounded to whole twips, as the stored placements are.
QPoint CenteredPosition(QSize screen, QSize window);

// Moves a dialog window to the middle of its screen, unless it is minimised or
// maximised. Every dialog calls it when it loads.
void CenterOnScreen(QWidget& window);

}  // namespace rillo
