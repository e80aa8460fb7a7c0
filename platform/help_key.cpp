#include "platform/help_key.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QWidget>

#include "platform/platform_services.h"

namespace rillo {

namespace {

struct WindowPage {
    const char* window;
    const char* page;
};

constexpr WindowPage kWindowPages[] = {
    {"MDIMain", "main-window"},
    {"frmMainInputs", "inputs-view"},
    {"frmMainResults", "results-view"},
    {"frmMainGrid", "table-view"},
    {"frmChannelName", "channel-type-and-name"},
    {"frmAbout", "support"},
    {"frmCritical", "critical-depth-calculator"},
    {"frmMannings", "mannings-calculator"},
    {"frmJump", "hydraulic-jump-calculator"},
    {"frmRating", "rating-table"},
    {"frmRatingCurve", "rating-table"},
    {"frmWeirs", "weir-calculator"},
    {"frmOrifices", "orifice-calculator"},
    {"frmGates", "gate-calculator"},
    {"frmPlot", "plot-window"},
    {"frmPlotSetup", "plot-setup"},
    {"frmLongSection", "long-section"},
    {"frmLongSectionSetup", "long-section"},
    {"frmMixedProfile", "mixed-flow-profile"},
    {"frmHelp", "using-help"},
    // The platform's dialogs, opened by the file and print commands.
    {"QFileDialog", "files"},
    {"QPrintDialog", "printing"},
    {"QPageSetupDialog", "printing"},
    {"QPrintPreviewDialog", "printing"},
};

const char* const kFirstPage = "index";

QString PageOf(const QWidget& widget) {
    QString page = HelpPageOfWindow(widget.objectName());
    if (page.isEmpty()) page = HelpPageOfWindow(QString::fromLatin1(widget.metaObject()->className()));
    return page;
}

// A main window that holds document views answers with the active view.
QString ActiveViewPage(const QWidget& widget) {
    const auto* main = qobject_cast<const QMainWindow*>(&widget);
    const auto* area = main ? qobject_cast<const QMdiArea*>(main->centralWidget()) : nullptr;
    // The current view: the active one, or while the main window is not the
    // active window (a window system without a window manager), the last active.
    const QMdiSubWindow* active = area ? area->currentSubWindow() : nullptr;
    return active && active->isVisible() && active->widget() ? PageOf(*active->widget()) : QString();
}

}  // namespace

QString HelpPageOfWindow(const QString& nameOrClass) {
    for (const WindowPage& entry : kWindowPages) {
        if (nameOrClass == QLatin1String(entry.window)) return QString::fromLatin1(entry.page);
    }
    return {};
}

QString HelpPageForWidget(const QWidget* widget) {
    // A menu open on a command: the page of that command.
    if (const auto* menu = qobject_cast<const QMenu*>(widget); menu && menu->activeAction()) {
        const QString page = menu->activeAction()->property("helpPage").toString();
        if (!page.isEmpty()) return page;
    }
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QString page = PageOf(*w);
        if (page.isEmpty()) continue;
        const QString view = ActiveViewPage(*w);
        return view.isEmpty() ? page : view;
    }
    return QString::fromLatin1(kFirstPage);
}

HelpKeyFilter::HelpKeyFilter(PlatformServices& services, QObject* parent)
    : QObject(parent), services_(services) {}

bool HelpKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    key->accept();
    if (!key->isAutoRepeat()) services_.ShowHelpPage(HelpPageForWidget(widget));
    return true;
}

}  // namespace rillo
