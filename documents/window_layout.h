#pragma once

#include <QString>

class QWidget;

namespace rillo {

class PlatformServices;

// Reads one stored placement, in twips, from the "Dlgs" section. A missing
// key gives the default; so does a value that is not a number, so that one
// damaged entry cannot keep the program from starting.
int ReadPlacementTwips(PlatformServices& services, const QString& key, int defaultTwips);
void WritePlacementTwips(PlatformServices& services, const QString& key, int twips);

// Reads one stored width or height, in twips, as ReadPlacementTwips does. A
// size too small to use (below a quarter of its default: 0, or a value cut
// down by hand) gives the default, so that no window is shrunk out of reach
// and stored that way again.
int ReadSizeTwips(PlatformServices& services, const QString& key, int defaultTwips);

// Places a document view's window from its stored placement, picked by the
// view's name ("frmMainInputs", "frmMainResults", "frmMainGrid"; any other
// name changes nothing). `inputsViewWidthTwips` is the default left of the
// table view, which sits to the right of the inputs view.
void ApplyWindowLayout(QWidget& window, const QString& viewName, PlatformServices& services,
                       int inputsViewWidthTwips);

// Stores a document view window's placement under the keys of its name: top
// and left for every view, width and height for the table view too. A view
// that is minimised or maximised stores the placement of its normal state.
void StoreWindowLayout(const QWidget& window, const QString& viewName, PlatformServices& services);

}  // namespace rillo
