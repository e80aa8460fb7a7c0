#include "shell/mdi_main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QMdiSubWindow>
#include <QShortcut>

#include "documents/document_sub_window.h"
#include "shell/profile_file_commands.h"
#include "platform/twips.h"
#include "documents/window_layout.h"
#include "platform/help_key.h"
#include "shell/frm_about.h"
#include "shell/input_field_rules.h"
#include "platform/platform_services.h"
#include "shell/unit_commands.h"

// The pictures live in the library, which a static build must register.
static void RegisterResources() { Q_INIT_RESOURCE(resources); }

namespace rillo {

namespace {

// Design sizes of the inputs and results views, in pixels; the table view's
// size is stored with its placement.
constexpr QSize kInputsViewSize(280, 228);
constexpr QSize kResultsViewSize(280, 196);

// The placements, in twips. The table view's default left is the inputs
// view's width, known once that stands.
const PlacementSettings kMainWindowPlacement{{kPlacementSection, "MDIL", 10},
                                             {kPlacementSection, "MDIT", 10},
                                             Setting<int>{kPlacementSection, "MDIW", 13560},
                                             Setting<int>{kPlacementSection, "MDIH", 8715}};
const PlacementSettings kInputsPlacement{{kPlacementSection, "InputsL", 0}, {kPlacementSection, "InputsT", 0},
                                          std::nullopt, std::nullopt};
const PlacementSettings kResultsPlacement{{kPlacementSection, "OutputsL", 0},
                                          {kPlacementSection, "OutputsT", 3420},
                                          std::nullopt, std::nullopt};
const PlacementSettings kGridPlacement{{kPlacementSection, "GridL", 0},
                                       {kPlacementSection, "GridT", 0},
                                       Setting<int>{kPlacementSection, "GridW", 9255},
                                       Setting<int>{kPlacementSection, "GridH", 6030}};

// Shows a view that is hidden and restores one that is minimised, so that
// the fields a command then puts the focus into can be seen.
void ShowRestored(QMdiSubWindow& window) {
    if (!window.isVisible()) window.show();
    if (window.isMinimized()) window.showNormal();
}

}  // namespace

MDIMain::MDIMain(PlatformServices& services, QWidget* parent) : QMainWindow(parent), services_(services) {
    RegisterResources();
    setObjectName("MDIMain");
    setWindowTitle(kApplicationTitle);
    setWindowIcon(QIcon(":/icons/rillo.svg"));

    mdiArea = new QMdiArea(this);
    mdiArea->setObjectName("mdiArea");
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->viewport()->setMouseTracking(true);
    mdiArea->viewport()->installEventFilter(this);
    setCentralWidget(mdiArea);

    stbStatusBar = new QStatusBar(this);
    stbStatusBar->setObjectName("stbStatusBar");
    statusText_ = new QLabel(stbStatusBar);
    statusText_->setObjectName("stbStatusText");
    stbStatusBar->addWidget(statusText_, 1);
    setStatusBar(stbStatusBar);

    menus_ = BuildMainMenus(*this);
    connect(menus_.mnuWindow, &QMenu::aboutToShow, this, &MDIMain::ListViewsInWindowMenu);
    // Ctrl+Tab walks the views round in their fixed order, as the Window menu
    // lists them. The area's own Ctrl+Tab goes back to the view used before,
    // so pressed again and again it swaps two views and never reaches the third.
    const auto walk = [this](QKeySequence key, void (QMdiArea::*step)()) {
        auto* shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, mdiArea, step);
    };
    walk(QKeySequence(Qt::CTRL | Qt::Key_Tab), &QMdiArea::activateNextSubWindow);
    walk(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), &QMdiArea::activatePreviousSubWindow);
    walk(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), &QMdiArea::activatePreviousSubWindow);
    // F1 in any window of the program, this one and every dialog.
    qApp->installEventFilter(new HelpKeyFilter(services_, this));
}

MDIMain::~MDIMain() = default;

void MDIMain::Start() {
    WaitCursor wait(services_);
    setEnabled(false);
    services_.ProcessPendingEvents();
    const UnitSystem units = ReadStoredUnitSystem(services_);

    setWindowTitle(kApplicationTitle);
    state_.baseCaption = windowTitle();
    RestorePlacement(*this, kMainWindowPlacement, services_, services_.AvailableScreenAreas());
    show();
    ShowDocumentViews();
    services_.ProcessPendingEvents();

    CheckChannelTypeItem(ChannelType::Trapezoidal);
    SetUnitSystem(*this, units);
    state_.channelName = QString::fromUtf8(ShapeOf(ChannelType::Trapezoidal).displayName);
    Grid().WriteGridHeadings();
    LoadRecentFiles(services_, RecentFileMenuOf(*this));

    services_.ProcessPendingEvents();
    setEnabled(true);
}

DocumentSubWindow* MDIMain::AddView(QWidget* view) {
    auto* window = new DocumentSubWindow(view);
    window->setWindowIcon(windowIcon());
    mdiArea->addSubWindow(window);
    return window;
}

void MDIMain::PlaceView(QMdiSubWindow& window, const PlacementSettings& settings, const QRect& defaultTwips) {
    RestorePlacement(window, StoredPlacement(services_, settings, defaultTwips), {mdiArea->viewport()->rect()});
}

FrmMainInputs& MDIMain::Inputs() {
    if (!inputs_) {
        inputs_ = new FrmMainInputs;
        AttachInputFieldRules(*inputs_, services_, [this] { return state_.channelType; });
        inputsWindow_ = AddView(inputs_);
        inputsWindow_->resize(kInputsViewSize);
        connect(inputs_, &FrmMainInputs::backgroundHovered, this, [this] {
            ShowStatusHint(state_.unitSystem == UnitSystem::English
                               ? "Enter the channel characteristics, in feet and cfs."
                               : "Enter the channel characteristics, in meters and cubic meters per second.");
        });
        PlaceView(*inputsWindow_, kInputsPlacement, kInputsPlacement.DefaultTwips(inputsWindow_->size()));
    }
    return *inputs_;
}

FrmMainResults& MDIMain::Results() {
    if (!results_) {
        results_ = new FrmMainResults;
        resultsWindow_ = AddView(results_);
        resultsWindow_->resize(kResultsViewSize);
        connect(results_, &FrmMainResults::backgroundHovered, this, [this] { ShowStatusHint(QString()); });
        PlaceView(*resultsWindow_, kResultsPlacement, kResultsPlacement.DefaultTwips(resultsWindow_->size()));
    }
    return *results_;
}

FrmMainGrid& MDIMain::Grid() {
    if (!grid_) {
        grid_ = new FrmMainGrid([this] { return state_.unitSystem; });
        grid_->UseClipboardOf(services_);
        gridWindow_ = AddView(grid_);
        connect(grid_, &FrmMainGrid::gridHovered, this, [this] { ShowStatusHint("Water surface profile data."); });
        QRect defaults = kGridPlacement.DefaultTwips();
        defaults.moveLeft(PixelsToTwips(InputsWindow().width()));
        PlaceView(*gridWindow_, kGridPlacement, defaults);
    }
    return *grid_;
}

QMdiSubWindow& MDIMain::InputsWindow() {
    Inputs();
    return *inputsWindow_;
}

QMdiSubWindow& MDIMain::ResultsWindow() {
    Results();
    return *resultsWindow_;
}

QMdiSubWindow& MDIMain::GridWindow() {
    Grid();
    return *gridWindow_;
}

void MDIMain::ShowDocumentViews() {
    WaitCursor wait(services_);
    for (QMdiSubWindow* window : {&InputsWindow(), &ResultsWindow(), &GridWindow(), &InputsWindow()}) {
        ShowRestored(*window);
        window->raise();
    }
    mdiArea->setActiveSubWindow(&InputsWindow());
}

void MDIMain::ShowHiddenViews() {
    for (QMdiSubWindow* window : {&InputsWindow(), &ResultsWindow(), &GridWindow()}) ShowRestored(*window);
}

std::array<QMdiSubWindow*, 3> MDIMain::Views() { return {&InputsWindow(), &ResultsWindow(), &GridWindow()}; }

void MDIMain::ListViewsInWindowMenu() {
    const std::array<QMdiSubWindow*, 3> views = Views();
    for (size_t i = 0; i < views.size(); ++i) {
        QAction* item = menus_.mnuWindowList[i];
        QString caption = views[i]->windowTitle();
        item->setText(QString("&%1 %2").arg(i + 1).arg(caption.replace('&', "&&")));
        item->setChecked(views[i] == mdiArea->activeSubWindow());
    }
}

void MDIMain::ActivateView(int index) {
    const std::array<QMdiSubWindow*, 3> views = Views();
    if (index < 0 || index >= static_cast<int>(views.size())) return;
    QMdiSubWindow& window = *views[static_cast<size_t>(index)];
    ShowRestored(window);
    window.raise();
    mdiArea->setActiveSubWindow(&window);
}

void MDIMain::TileViews() { mdiArea->tileSubWindows(); }

void MDIMain::CascadeViews() { mdiArea->cascadeSubWindows(); }

void MDIMain::ShowStatusHint(const QString& text) {
    if (statusText_->text() == text) return;
    statusText_->setText(text);
    emit statusHintChanged(text);
}

void MDIMain::CheckChannelTypeItem(ChannelType type) {
    state_.channelType = type;
    for (size_t i = 0; i < kChannelShapes.size(); ++i) {
        menus_.mnuChannelType[i]->setChecked(kChannelShapes[i].type == type);
    }
}

void MDIMain::ShowCaptionWithChannelName() { setWindowTitle(state_.baseCaption + ": " + state_.channelName); }

void MDIMain::ShowAbout() {
    FrmAbout about(this);
    about.exec();
    services_.ProcessPendingEvents();
}

bool MDIMain::event(QEvent* event) {
    // The status line shows the program's own hints; menu items carry none and
    // would otherwise wipe the hint as the pointer passes over them.
    if (event->type() == QEvent::StatusTip) return true;
    return QMainWindow::event(event);
}

bool MDIMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mdiArea->viewport() && event->type() == QEvent::MouseMove) ShowStatusHint(QString());
    return QMainWindow::eventFilter(watched, event);
}

void MDIMain::StorePlacements() {
    if (inputsWindow_) StorePlacement(*inputsWindow_, kInputsPlacement, services_);
    if (resultsWindow_) StorePlacement(*resultsWindow_, kResultsPlacement, services_);
    if (gridWindow_) StorePlacement(*gridWindow_, kGridPlacement, services_);
    // The main window's placement is that of its normal state, also when maximised.
    StorePlacement(*this, kMainWindowPlacement, services_);
}

void MDIMain::closeEvent(QCloseEvent* event) {
    // Ending is never refused, and a failure while storing is not reported.
    try {
        services_.CloseHelp();
        StorePlacements();
    } catch (...) {
    }
    for (DocumentSubWindow* window : {inputsWindow_, resultsWindow_, gridWindow_}) {
        if (window) window->AllowClosing();
    }
    event->accept();
    emit ended();
}

}  // namespace rillo
