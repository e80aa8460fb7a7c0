#pragma once

#include <QAction>
#include <QList>
#include <QMenu>
#include <QToolBar>
#include <array>

#include "sections/channel_shapes.h"

class QMainWindow;

namespace rillo {

class MDIMain;

// The main window's menu items and toolbar, named as the items are named
// throughout the program. Indexed item arrays count from 0 here. A command
// on the toolbar is one action, shown both as its menu item and as its button.
struct MainMenus {
    QMenu* mnuFile = nullptr;
    QAction* mnuNewProfile = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuPrintPreview = nullptr;
    QAction* mnuExportPdf = nullptr;
    QAction* mnuExportTable = nullptr;
    QAction* mnuPageSetup = nullptr;
    QAction* mnuSeparator1 = nullptr;
    std::array<QAction*, 4> mnuLastFileUsed{};  // "&1" to "&4", hidden until filled
    QAction* mnuSeparator2 = nullptr;
    QAction* mnuExit = nullptr;

    QMenu* mnuChannels = nullptr;
    PerShape<QAction*> mnuChannelType{};  // in the order of kChannelShapes
    QAction* mnuChannelName = nullptr;

    QMenu* mnuUnits = nullptr;
    QAction* mnuEnglish = nullptr;
    QAction* mnuSI = nullptr;

    QMenu* mnuTools = nullptr;
    QAction* mnuCritical = nullptr;
    QAction* mnuMannings1 = nullptr;
    QAction* mnuJump = nullptr;
    QAction* mnuRating = nullptr;
    QAction* mnuOrifices = nullptr;
    QAction* mnuGates = nullptr;
    QMenu* mnuProfile = nullptr;
    QAction* mnuCompute = nullptr;
    QAction* mnuPlot = nullptr;
    QAction* mnuLongSection = nullptr;
    QAction* mnuMixedProfile = nullptr;
    QAction* mnuWeirs = nullptr;

    QMenu* mnuWindow = nullptr;
    QAction* mnuTile = nullptr;
    QAction* mnuCascade = nullptr;
    // "&1 Required Inputs", "&2 Computed Results", "&3 Water Surface Profile
    // Data": the views in the order of their captions' numbers.
    std::array<QAction*, 3> mnuWindowList{};

    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpContents = nullptr;
    QAction* mnuHelpSearch = nullptr;
    QAction* mnuHelpTechSupport = nullptr;
    QAction* mnuAbout = nullptr;

    QToolBar* Toolbar = nullptr;
    // The commands on the toolbar, in its order; each button's widget is named
    // by the button's key ("New", "Open", ...).
    QList<QAction*> toolbarButtons;
};

// Builds the menu bar and the toolbar of the main window, and connects each
// command to its handler and each menu to its status hint.
MainMenus BuildMainMenus(MDIMain& window);

// Clicks the toolbar button with this key; any other key does nothing.
void RunToolbarButton(const MainMenus& menus, const QString& key);

// The page of the user guide about a command, kept with its action; empty
// for an item that is not a command of its own (the recent files, the views).
QString HelpPageOfCommand(const QAction& action);

}  // namespace rillo
