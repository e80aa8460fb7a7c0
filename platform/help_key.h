#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace rillo {

class PlatformServices;

// The page of the user guide about a window of the program, by the window's
// name ("frmCritical", "MDIMain", ...) or, for the platform's own dialogs, by
// their class ("QFileDialog"); empty for any other name.
QString HelpPageOfWindow(const QString& nameOrClass);

// The page F1 asks for when `widget` has the keyboard: that of the nearest
// window around it that has a page of its own. Inside the main window it is
// the page of the active document view, if any. The guide's first page when
// nothing around the widget has a page. In a menu, the page of the command
// under the pointer, kept as the item's "helpPage".
QString HelpPageForWidget(const QWidget* widget);

// F1 in any window of the program asks the platform services for the page of
// that window. Installed once on the application, so that windows built
// later (calculators, the plot) need nothing of their own; it also works
// while a modal window is open.
class HelpKeyFilter : public QObject {
    Q_OBJECT
   public:
    HelpKeyFilter(PlatformServices& services, QObject* parent);

   protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

   private:
    PlatformServices& services_;
};

}  // namespace rillo
