#include "shell/main_menus.h"

#include <QActionGroup>
#include <QIcon>
#include <QMainWindow>
#include <QMenuBar>

#include "shell/channel_calculator_commands.h"
#include "shell/channel_name_command.h"
#include "shell/channel_type_commands.h"
#include "shell/compute_command.h"
#include "shell/help_commands.h"
#include "shell/hydraulic_structure_commands.h"
#include "shell/mdi_main.h"
#include "shell/long_section_command.h"
#include "shell/new_profile_command.h"
#include "shell/plot_command.h"
#include "shell/print_commands.h"
#include "shell/profile_file_commands.h"
#include "shell/unit_commands.h"

namespace rillo {

namespace {

QMenu* AddMenu(QMenuBar& bar, const char* name, const char* caption) {
    QMenu* menu = bar.addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

QAction* AddItem(QMenu& menu, const char* name, const char* caption, const QKeySequence& key = {}) {
    QAction* action = menu.addAction(caption);
    action->setObjectName(name);
    if (!key.isEmpty()) action->setShortcut(key);
    return action;
}

QAction* AddSeparator(QMenu& menu, const char* name) {
    QAction* separator = menu.addSeparator();
    separator->setObjectName(name);
    return separator;
}

struct ToolbarButton {
    const char* key;
    const char* tooltip;
    const char* icon;
};

constexpr ToolbarButton kToolbarButtons[14] = {
    {"New", "New", ":/icons/new.svg"},
    {"Open", "Open", ":/icons/open.svg"},
    {"Save", "Save", ":/icons/save.svg"},
    {"Print", "Print", ":/icons/print.svg"},
    {"Compute", "Compute water surface profile", ":/icons/compute.svg"},
    {"Plot", "Plot water surface profile", ":/icons/plot.svg"},
    {"LongSection", "Long section of water surface profile", ":/icons/long_section.svg"},
    {"Critical", "Critical depth and slope", ":/icons/critical.svg"},
    {"Mannings", "Depth, flowrate, and channel characteristics", ":/icons/mannings.svg"},
    {"Jump", "Hydraulic jump", ":/icons/jump.svg"},
    {"Orifices", "Orifices", ":/icons/orifices.svg"},
    {"Gates", "Underflow gates", ":/icons/gates.svg"},
    {"Weirs", "Weirs", ":/icons/weirs.svg"},
    {"Help", "Help", ":/icons/help.svg"},
};

// The menu item whose command a toolbar button runs.
QAction* ItemOfButton(const MainMenus& m, const QString& key) {
    if (key == "New") return m.mnuNewProfile;
    if (key == "Open") return m.mnuOpen;
    if (key == "Save") return m.mnuSave;
    if (key == "Print") return m.mnuPrint;
    if (key == "Compute") return m.mnuCompute;
    if (key == "Plot") return m.mnuPlot;
    if (key == "LongSection") return m.mnuLongSection;
    if (key == "Critical") return m.mnuCritical;
    if (key == "Mannings") return m.mnuMannings1;
    if (key == "Jump") return m.mnuJump;
    if (key == "Orifices") return m.mnuOrifices;
    if (key == "Gates") return m.mnuGates;
    if (key == "Weirs") return m.mnuWeirs;
    if (key == "Help") return m.mnuHelpContents;
    return nullptr;
}

}  // namespace

MainMenus BuildMainMenus(QMainWindow& window) {
    MainMenus m;
    QMenuBar& bar = *window.menuBar();

    m.mnuFile = AddMenu(bar, "mnuFile", "&File");
    m.mnuNewProfile = AddItem(*m.mnuFile, "mnuNewProfile", "&New", QKeySequence("Ctrl+N"));
    m.mnuOpen = AddItem(*m.mnuFile, "mnuOpen", "&Open", QKeySequence("Ctrl+O"));
    m.mnuSave = AddItem(*m.mnuFile, "mnuSave", "&Save", QKeySequence("Ctrl+S"));
    m.mnuPrint = AddItem(*m.mnuFile, "mnuPrint", "&Print", QKeySequence("Ctrl+P"));
    m.mnuPrintPreview = AddItem(*m.mnuFile, "mnuPrintPreview", "Print Pre&view");
    m.mnuExportPdf = AddItem(*m.mnuFile, "mnuExportPdf", "&Export PDF...");
    m.mnuExportTable = AddItem(*m.mnuFile, "mnuExportTable", "Export &Table...");
    m.mnuPageSetup = AddItem(*m.mnuFile, "mnuPageSetup", "Page Set&up");
    m.mnuSeparator1 = AddSeparator(*m.mnuFile, "mnuSeparator1");
    for (int i = 0; i < 4; ++i) {
        QAction* recent = AddItem(*m.mnuFile, "mnuLastFileUsed", "");
        recent->setText(QString("&%1").arg(i + 1));
        recent->setProperty("index", i + 1);
        recent->setVisible(false);
        m.mnuLastFileUsed[static_cast<size_t>(i)] = recent;
    }
    m.mnuSeparator2 = AddSeparator(*m.mnuFile, "mnuSeparator2");
    m.mnuExit = AddItem(*m.mnuFile, "mnuExit", "E&xit");

    m.mnuChannels = AddMenu(bar, "mnuChannels", "&Channel Type");
    auto* channelGroup = new QActionGroup(m.mnuChannels);
    const char* channelCaptions[4] = {"&Trapezoidal", "&Circular", "&Ushaped", "&Elongated Circular"};
    for (int i = 0; i < 4; ++i) {
        QAction* item = AddItem(*m.mnuChannels, "mnuChannelType", channelCaptions[i]);
        item->setProperty("index", i + 1);
        item->setCheckable(true);
        channelGroup->addAction(item);
        m.mnuChannelType[static_cast<size_t>(i)] = item;
    }
    m.mnuChannelName = AddItem(*m.mnuChannels, "mnuChannelName", "Channel Type and &Name");

    m.mnuUnits = AddMenu(bar, "mnuUnits", "&Units");
    auto* unitGroup = new QActionGroup(m.mnuUnits);
    m.mnuEnglish = AddItem(*m.mnuUnits, "mnuEnglish", "&English");
    m.mnuSI = AddItem(*m.mnuUnits, "mnuSI", "&SI (Metric)");
    for (QAction* item : {m.mnuEnglish, m.mnuSI}) {
        item->setCheckable(true);
        unitGroup->addAction(item);
    }

    m.mnuTools = AddMenu(bar, "mnuTools", "&Tools");
    m.mnuCritical = AddItem(*m.mnuTools, "mnuCritical", "Critical &Depth and Slope");
    m.mnuMannings1 = AddItem(*m.mnuTools, "mnuMannings1", "Depth, &Flowrate, Slope, and Roughness");
    m.mnuJump = AddItem(*m.mnuTools, "mnuJump", "Hydraulic &Jump");
    m.mnuOrifices = AddItem(*m.mnuTools, "mnuOrifices", "&Orifices");
    m.mnuGates = AddItem(*m.mnuTools, "mnuGates", "Underflow &Gates");
    m.mnuProfile = m.mnuTools->addMenu("Water Surface &Profile");
    m.mnuProfile->setObjectName("mnuProfile");
    m.mnuProfile->menuAction()->setObjectName("mnuProfile");
    m.mnuCompute = AddItem(*m.mnuProfile, "mnuCompute", "&Compute");
    m.mnuPlot = AddItem(*m.mnuProfile, "mnuPlot", "&Plot");
    m.mnuLongSection = AddItem(*m.mnuProfile, "mnuLongSection", "&Long Section");
    m.mnuWeirs = AddItem(*m.mnuTools, "mnuWeirs", "&Weirs");

    m.mnuWindow = AddMenu(bar, "mnuWindow", "&Window");
    m.mnuTile = AddItem(*m.mnuWindow, "mnuTile", "&Tile");
    m.mnuCascade = AddItem(*m.mnuWindow, "mnuCascade", "&Cascade");
    AddSeparator(*m.mnuWindow, "mnuSeparator3");
    // Captioned from the views themselves once they exist (ConnectMainMenus).
    for (int i = 0; i < 3; ++i) {
        QAction* item = AddItem(*m.mnuWindow, "mnuWindowList", "");
        item->setText(QString("&%1").arg(i + 1));
        item->setProperty("index", i + 1);
        item->setCheckable(true);  // the view in front is checked
        m.mnuWindowList[static_cast<size_t>(i)] = item;
    }

    m.mnuHelp = AddMenu(bar, "mnuHelp", "&Help");
    m.mnuHelpContents = AddItem(*m.mnuHelp, "mnuHelpContents", "&Contents                   F1");
    m.mnuHelpSearch = AddItem(*m.mnuHelp, "mnuHelpSearch", "&Search for Help On");
    m.mnuHelpTechSupport = AddItem(*m.mnuHelp, "mnuHelpTechSupport", "Obtaining &Technical Support");
    m.mnuAbout = AddItem(*m.mnuHelp, "mnuAbout", "&About Rillo");

    m.Toolbar = window.addToolBar("Toolbar");
    m.Toolbar->setObjectName("Toolbar");
    m.Toolbar->setMovable(false);
    m.Toolbar->setIconSize(QSize(24, 24));
    const int buttonCount = static_cast<int>(std::size(kToolbarButtons));
    for (int i = 0; i < buttonCount; ++i) {
        const ToolbarButton& entry = kToolbarButtons[i];
        // Separators between the file, the profile, the calculator and the help groups.
        if (i == 4 || i == 7 || i == buttonCount - 1) m.Toolbar->addSeparator();
        QAction* button = m.Toolbar->addAction(QIcon(entry.icon), entry.tooltip);
        button->setObjectName(entry.key);
        button->setToolTip(entry.tooltip);
        m.toolbarButtons[static_cast<size_t>(i)] = button;
    }
    return m;
}

void RunToolbarButton(const MainMenus& menus, const QString& key) {
    if (QAction* item = ItemOfButton(menus, key)) item->trigger();
}

void ConnectMainMenus(MDIMain& main, const MainMenus& m) {
    MDIMain* w = &main;
    // Each toolbar button runs exactly what its menu item runs.
    for (QAction* button : m.toolbarButtons) {
        QObject::connect(button, &QAction::triggered, w,
                         [menus = m, key = button->objectName()] { RunToolbarButton(menus, key); });
    }

    // Status hints of the menus as they open.
    auto hint = [w](QMenu* menu, const char* text) {
        QObject::connect(menu, &QMenu::aboutToShow, w, [w, text] { w->ShowStatusHint(text); });
    };
    hint(m.mnuFile, "Open, Save, or Print a flow profile.");
    hint(m.mnuChannels, "Select a channel type or customize your channel name.");
    hint(m.mnuUnits, "Select a system of units.");
    hint(m.mnuTools, "Compute a wide range of open channel variables.");
    hint(m.mnuProfile, "Compute water surface profile or plot existing profile.");
    hint(m.mnuWindow, "Show, tile or cascade the document views.");
    hint(m.mnuHelp, "For Help select Contents or Press F1.");

    // File
    QObject::connect(m.mnuNewProfile, &QAction::triggered, w, [w] { NewProfile(*w); });
    QObject::connect(m.mnuOpen, &QAction::triggered, w, [w] { OpenProfile(*w); });
    QObject::connect(m.mnuSave, &QAction::triggered, w, [w] { SaveProfile(*w); });
    QObject::connect(m.mnuPrint, &QAction::triggered, w, [w] { PrintProfile(*w); });
    QObject::connect(m.mnuPrintPreview, &QAction::triggered, w, [w] { PrintPreview(*w); });
    QObject::connect(m.mnuExportPdf, &QAction::triggered, w, [w] { ExportPdf(*w); });
    QObject::connect(m.mnuExportTable, &QAction::triggered, w, [w] { ExportTable(*w); });
    QObject::connect(m.mnuPageSetup, &QAction::triggered, w, [w] { PageSetup(*w); });
    for (int i = 0; i < static_cast<int>(m.mnuLastFileUsed.size()); ++i) {
        QObject::connect(m.mnuLastFileUsed[static_cast<size_t>(i)], &QAction::triggered, w,
                         [w, i] { OpenRecentFile(*w, i); });
    }
    QObject::connect(m.mnuExit, &QAction::triggered, w, [w] { w->close(); });

    // Channel Type
    for (size_t i = 0; i < m.mnuChannelType.size(); ++i) {
        QObject::connect(m.mnuChannelType[i], &QAction::triggered, w,
                         [w, i] { SelectChannelType(*w, kChannelTypes[i]); });
    }
    QObject::connect(m.mnuChannelName, &QAction::triggered, w, [w] { ShowChannelNameDialog(*w); });

    // Units
    QObject::connect(m.mnuEnglish, &QAction::triggered, w, [w] { SetUnitSystem(*w, UnitSystem::English); });
    QObject::connect(m.mnuSI, &QAction::triggered, w, [w] { SetUnitSystem(*w, UnitSystem::SI); });

    // Tools
    QObject::connect(m.mnuCompute, &QAction::triggered, w, [w] { Compute(*w); });
    QObject::connect(m.mnuWeirs, &QAction::triggered, w, [w] { ShowWeirCalculator(*w); });
    QObject::connect(m.mnuOrifices, &QAction::triggered, w, [w] { ShowOrificeCalculator(*w); });
    QObject::connect(m.mnuGates, &QAction::triggered, w, [w] { ShowGateCalculator(*w); });
    QObject::connect(m.mnuPlot, &QAction::triggered, w, [w] { PlotProfile(*w); });
    QObject::connect(m.mnuLongSection, &QAction::triggered, w, [w] { ShowLongSection(*w); });
    // The status line says what the long section is as the pointer rests on its item or button.
    for (QAction* longSection : {m.mnuLongSection, m.toolbarButtons[6]}) {
        QObject::connect(longSection, &QAction::hovered, w,
                         [w] { w->ShowStatusHint("Draw the long section of the computed profile."); });
    }
    QObject::connect(m.mnuCritical, &QAction::triggered, w, [w] { ShowCriticalCalculator(*w); });
    QObject::connect(m.mnuMannings1, &QAction::triggered, w, [w] { ShowManningsCalculator(*w); });
    QObject::connect(m.mnuJump, &QAction::triggered, w, [w] { ShowJumpCalculator(*w); });

    // Window
    QObject::connect(m.mnuTile, &QAction::triggered, w, [w] { w->TileViews(); });
    QObject::connect(m.mnuCascade, &QAction::triggered, w, [w] { w->CascadeViews(); });
    for (size_t i = 0; i < m.mnuWindowList.size(); ++i) {
        QObject::connect(m.mnuWindowList[i], &QAction::triggered, w,
                         [w, i] { w->ActivateView(static_cast<int>(i)); });
    }

    // Help
    QObject::connect(m.mnuHelpContents, &QAction::triggered, w, [w] { w->Services().ShowHelpContents(); });
    QObject::connect(m.mnuHelpSearch, &QAction::triggered, w, [w] { w->Services().ShowHelpSearch(); });
    QObject::connect(m.mnuHelpTechSupport, &QAction::triggered, w, [w] { ObtainTechnicalSupport(*w); });
    QObject::connect(m.mnuAbout, &QAction::triggered, w, [w] { w->ShowAbout(); });
}

}  // namespace rillo
