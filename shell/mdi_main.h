#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>

#include "documents/frm_main_grid.h"
#include "documents/frm_main_inputs.h"
#include "documents/frm_main_results.h"
#include "shell/app_state.h"
#include "shell/main_menus.h"

namespace rillo {

class DocumentSubWindow;
struct PlacementSettings;
class PlatformServices;

// The main window: the three document views as child windows, the menu bar,
// the toolbar and the status line. It owns the program-wide state and runs
// start-up and ending.
class MDIMain : public QMainWindow {
    Q_OBJECT
public:
    explicit MDIMain(PlatformServices& services, QWidget* parent = nullptr);
    ~MDIMain() override;

    // Start-up: reads the stored unit system and placements, shows the window
    // with its three views and prepares an empty trapezoidal profile. Throws
    // when start-up cannot finish; the caller reports it and ends.
    void Start();

    PlatformServices& Services() { return services_; }
    AppState& State() { return state_; }
    const AppState& State() const { return state_; }
    const MainMenus& Menus() const { return menus_; }

    // The document views, created and placed the first time they are touched.
    FrmMainInputs& Inputs();
    FrmMainResults& Results();
    FrmMainGrid& Grid();
    QMdiSubWindow& InputsWindow();
    QMdiSubWindow& ResultsWindow();
    QMdiSubWindow& GridWindow();

    // With the wait cursor on, shows the inputs, results and table views
    // (restoring any that is minimised) and brings the inputs view to the front.
    void ShowDocumentViews();
    // Shows each view that is hidden and restores each that is minimised,
    // without changing which is in front.
    void ShowHiddenViews();

    // The Window menu: shows, restores and activates the view of that number
    // (0 inputs, 1 results, 2 table); tiles or cascades the views on show.
    void ActivateView(int index);
    void TileViews();
    void CascadeViews();

    // Sets the status line, unless it already shows exactly this text.
    void ShowStatusHint(const QString& text);
    QString StatusHint() const { return statusText_->text(); }

    // Checks the menu item of `type` (and only it) and makes it the current type.
    void CheckChannelTypeItem(ChannelType type);
    // Caption: the base caption, ": " and the channel name.
    void ShowCaptionWithChannelName();

    // The About box, modal.
    void ShowAbout();

    QMdiArea* mdiArea;
    QStatusBar* stbStatusBar;

signals:
    void statusHintChanged(const QString& text);
    // The window has closed and stored its placements; the program ends.
    void ended();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DocumentSubWindow* AddView(QWidget* view);
    void PlaceView(QMdiSubWindow& window, const PlacementSettings& settings, const QRect& defaultTwips);
    void StorePlacements();
    std::array<QMdiSubWindow*, 3> Views();
    void ListViewsInWindowMenu();

    PlatformServices& services_;
    AppState state_;
    MainMenus menus_;
    QLabel* statusText_;
    FrmMainInputs* inputs_ = nullptr;
    FrmMainResults* results_ = nullptr;
    FrmMainGrid* grid_ = nullptr;
    DocumentSubWindow* inputsWindow_ = nullptr;
    DocumentSubWindow* resultsWindow_ = nullptr;
    DocumentSubWindow* gridWindow_ = nullptr;
};

}  // namespace rillo
