#include "shell/main_menus.h"

#include <QActionGroup>
#include <QIcon>
#include <QMenuBar>
#include <QToolButton>
#include <algorithm>
#include <vector>

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

enum class Menu { File, Channels, Units, Tools, Profile, Window, Help };

// The menus, in the order of the menu bar; Water Surface Profile opens from
// the Tools menu, where its line of the command table puts it.
struct MenuRow {
    Menu menu;
    QMenu* MainMenus::*field;
    const char* name;
    const char* caption;
    const char* hint;  // the status line as the menu opens
};

constexpr MenuRow kMenus[] = {
    {Menu::File, &MainMenus::mnuFile, "mnuFile", "&File", "Open, Save, or Print a flow profile."},
    {Menu::Channels, &MainMenus::mnuChannels, "mnuChannels", "&Channel Type",
     "Select a channel type or customize your channel name."},
    {Menu::Units, &MainMenus::mnuUnits, "mnuUnits", "&Units", "Select a system of units."},
    {Menu::Tools, &MainMenus::mnuTools, "mnuTools", "&Tools", "Compute a wide range of open channel variables."},
    {Menu::Profile, &MainMenus::mnuProfile, "mnuProfile", "Water Surface &Profile",
     "Compute water surface profile or plot existing profile."},
    {Menu::Window, &MainMenus::mnuWindow, "mnuWindow", "&Window", "Show, tile or cascade the document views."},
    {Menu::Help, &MainMenus::mnuHelp, "mnuHelp", "&Help", "For Help select Contents or Press F1."},
};

// The groups of the toolbar, in its order, with a separator between two.
enum class Group { None, Files, Profile, Calculators, Help };

using Handler = void (*)(MDIMain&);

// One line of a menu. A command's line holds its item, caption, shortcut,
// page of the user guide and handler, and for a command on the toolbar its
// place there, its group, its button's key, picture and hint (the tooltip).
// A line without an item is a list the program builds (the recent files,
// the channel types, the views) or the Water Surface Profile menu.
struct Command {
    Menu menu;
    QAction* MainMenus::*item;
    const char* name;
    const char* caption = "";
    const char* shortcut = "";
    const char* helpPage = "";
    Handler run = nullptr;
    bool exclusive = false;  // one of the menu's checkable choices
    int place = 0;           // 1 the first button; 0 not on the toolbar
    Group group = Group::None;
    const char* key = "";
    const char* picture = "";
    const char* hint = "";
};

constexpr Command kCommands[] = {
    {Menu::File, &MainMenus::mnuNewProfile, "mnuNewProfile", "&New", "Ctrl+N", "files",
     [](MDIMain& w) { NewProfile(w); }, false, 1, Group::Files, "New", ":/icons/new.svg", "New"},
    {Menu::File, &MainMenus::mnuOpen, "mnuOpen", "&Open", "Ctrl+O", "files", [](MDIMain& w) { OpenProfile(w); },
     false, 2, Group::Files, "Open", ":/icons/open.svg", "Open"},
    {Menu::File, &MainMenus::mnuSave, "mnuSave", "&Save", "Ctrl+S", "files", [](MDIMain& w) { SaveProfile(w); },
     false, 3, Group::Files, "Save", ":/icons/save.svg", "Save"},
    {Menu::File, &MainMenus::mnuPrint, "mnuPrint", "&Print", "Ctrl+P", "printing",
     [](MDIMain& w) { PrintProfile(w); }, false, 4, Group::Files, "Print", ":/icons/print.svg", "Print"},
    {Menu::File, &MainMenus::mnuPrintPreview, "mnuPrintPreview", "Print Pre&view", "", "printing",
     [](MDIMain& w) { PrintPreview(w); }},
    {Menu::File, &MainMenus::mnuExportPdf, "mnuExportPdf", "&Export PDF...", "", "printing",
     [](MDIMain& w) { ExportPdf(w); }},
    {Menu::File, &MainMenus::mnuExportTable, "mnuExportTable", "Export &Table...", "", "table-view",
     [](MDIMain& w) { ExportTable(w); }},
    {Menu::File, &MainMenus::mnuPageSetup, "mnuPageSetup", "Page Set&up", "", "printing",
     [](MDIMain& w) { PageSetup(w); }},
    {Menu::File, nullptr, "mnuLastFileUsed"},
    {Menu::File, &MainMenus::mnuExit, "mnuExit", "E&xit", "", "main-window", [](MDIMain& w) { w.close(); }},

    {Menu::Channels, nullptr, "mnuChannelType"},
    {Menu::Channels, &MainMenus::mnuChannelName, "mnuChannelName", "Channel Type and &Name", "",
     "channel-type-and-name", [](MDIMain& w) { ShowChannelNameDialog(w); }},

    {Menu::Units, &MainMenus::mnuEnglish, "mnuEnglish", "&English", "", "units",
     [](MDIMain& w) { SetUnitSystem(w, UnitSystem::English); }, true},
    {Menu::Units, &MainMenus::mnuSI, "mnuSI", "&SI (Metric)", "", "units",
     [](MDIMain& w) { SetUnitSystem(w, UnitSystem::SI); }, true},

    {Menu::Tools, &MainMenus::mnuCritical, "mnuCritical", "Critical &Depth and Slope", "",
     "critical-depth-calculator", [](MDIMain& w) { ShowCriticalCalculator(w); }, false, 8, Group::Calculators,
     "Critical", ":/icons/critical.svg", "Critical depth and slope"},
    {Menu::Tools, &MainMenus::mnuMannings1, "mnuMannings1", "Depth, &Flowrate, Slope, and Roughness", "",
     "mannings-calculator", [](MDIMain& w) { ShowManningsCalculator(w); }, false, 9, Group::Calculators,
     "Mannings", ":/icons/mannings.svg", "Depth, flowrate, and channel characteristics"},
    {Menu::Tools, &MainMenus::mnuJump, "mnuJump", "Hydraulic &Jump", "", "hydraulic-jump-calculator",
     [](MDIMain& w) { ShowJumpCalculator(w); }, false, 10, Group::Calculators, "Jump", ":/icons/jump.svg",
     "Hydraulic jump"},
    {Menu::Tools, &MainMenus::mnuRating, "mnuRating", "&Rating Table", "", "rating-table",
     [](MDIMain& w) { ShowRatingTable(w); }, false, 11, Group::Calculators, "Rating", ":/icons/rating.svg",
     "Rating table and curve"},
    {Menu::Tools, &MainMenus::mnuOrifices, "mnuOrifices", "&Orifices", "", "orifice-calculator",
     [](MDIMain& w) { ShowOrificeCalculator(w); }, false, 12, Group::Calculators, "Orifices",
     ":/icons/orifices.svg", "Orifices"},
    {Menu::Tools, &MainMenus::mnuGates, "mnuGates", "Underflow &Gates", "", "gate-calculator",
     [](MDIMain& w) { ShowGateCalculator(w); }, false, 13, Group::Calculators, "Gates", ":/icons/gates.svg",
     "Underflow gates"},
    {Menu::Tools, nullptr, "mnuProfile"},
    {Menu::Profile, &MainMenus::mnuCompute, "mnuCompute", "&Compute", "", "inputs-view",
     [](MDIMain& w) { Compute(w); }, false, 5, Group::Profile, "Compute", ":/icons/compute.svg",
     "Compute water surface profile"},
    {Menu::Profile, &MainMenus::mnuPlot, "mnuPlot", "&Plot", "", "plot-window", [](MDIMain& w) { PlotProfile(w); },
     false, 6, Group::Profile, "Plot", ":/icons/plot.svg", "Plot water surface profile"},
    {Menu::Profile, &MainMenus::mnuLongSection, "mnuLongSection", "&Long Section", "", "long-section",
     [](MDIMain& w) { ShowLongSection(w); }, false, 7, Group::Profile, "LongSection", ":/icons/long_section.svg",
     "Long section of water surface profile"},
    {Menu::Profile, &MainMenus::mnuMixedProfile, "mnuMixedProfile", "&Mixed Flow Profile", "", "mixed-flow-profile",
     [](MDIMain& w) { ShowMixedProfile(w); }},
    {Menu::Tools, &MainMenus::mnuWeirs, "mnuWeirs", "&Weirs", "", "weir-calculator",
     [](MDIMain& w) { ShowWeirCalculator(w); }, false, 14, Group::Calculators, "Weirs", ":/icons/weirs.svg",
     "Weirs"},

    {Menu::Window, &MainMenus::mnuTile, "mnuTile", "&Tile", "", "main-window", [](MDIMain& w) { w.TileViews(); }},
    {Menu::Window, &MainMenus::mnuCascade, "mnuCascade", "&Cascade", "", "main-window",
     [](MDIMain& w) { w.CascadeViews(); }},
    {Menu::Window, nullptr, "mnuWindowList"},

    {Menu::Help, &MainMenus::mnuHelpContents, "mnuHelpContents", "&Contents                   F1", "", "using-help",
     [](MDIMain& w) { w.Services().ShowHelpContents(); }, false, 15, Group::Help, "Help", ":/icons/help.svg",
     "Help"},
    {Menu::Help, &MainMenus::mnuHelpSearch, "mnuHelpSearch", "&Search for Help On", "", "using-help",
     [](MDIMain& w) { w.Services().ShowHelpSearch(); }},
    {Menu::Help, &MainMenus::mnuHelpTechSupport, "mnuHelpTechSupport", "Obtaining &Technical Support", "",
     "support", [](MDIMain& w) { ObtainTechnicalSupport(w); }},
    {Menu::Help, &MainMenus::mnuAbout, "mnuAbout", "&About Rillo", "", "support", [](MDIMain& w) { w.ShowAbout(); }},
};

const char* const kHelpPageProperty = "helpPage";

QAction* AddItem(QMenu& menu, const char* name, const QString& caption) {
    QAction* action = menu.addAction(caption);
    action->setObjectName(name);
    return action;
}

QAction* AddSeparator(QMenu& menu, const char* name) {
    QAction* separator = menu.addSeparator();
    separator->setObjectName(name);
    return separator;
}

// Items "&1" to "&n" of a list, each with its number (from 1) as "index".
QAction* AddNumberedItem(QMenu& menu, const char* name, int index) {
    QAction* item = AddItem(menu, name, QString("&%1").arg(index));
    item->setProperty("index", index);
    return item;
}

void AddRecentFileItems(MDIMain& w, MainMenus& m) {
    m.mnuSeparator1 = AddSeparator(*m.mnuFile, "mnuSeparator1");
    for (int i = 0; i < 4; ++i) {
        QAction* recent = AddNumberedItem(*m.mnuFile, "mnuLastFileUsed", i + 1);
        recent->setVisible(false);
        QObject::connect(recent, &QAction::triggered, &w, [&w, i] { OpenRecentFile(w, i); });
        m.mnuLastFileUsed[static_cast<size_t>(i)] = recent;
    }
    m.mnuSeparator2 = AddSeparator(*m.mnuFile, "mnuSeparator2");
}

void AddChannelTypeItems(MDIMain& w, MainMenus& m) {
    auto* channelGroup = new QActionGroup(m.mnuChannels);
    for (int i = 0; i < static_cast<int>(kChannelShapes.size()); ++i) {
        const ChannelShape& shape = kChannelShapes[static_cast<size_t>(i)];
        QAction* item = AddItem(*m.mnuChannels, "mnuChannelType", QString::fromUtf8(shape.menuCaption));
        item->setProperty("index", i + 1);
        item->setCheckable(true);
        channelGroup->addAction(item);
        const ChannelType type = shape.type;
        QObject::connect(item, &QAction::triggered, &w, [&w, type] { SelectChannelType(w, type); });
        m.mnuChannelType[static_cast<size_t>(i)] = item;
    }
}

// Captioned from the views themselves as the menu opens (MDIMain).
void AddViewItems(MDIMain& w, MainMenus& m) {
    AddSeparator(*m.mnuWindow, "mnuSeparator3");
    for (int i = 0; i < 3; ++i) {
        QAction* item = AddNumberedItem(*m.mnuWindow, "mnuWindowList", i + 1);
        item->setCheckable(true);  // the view in front is checked
        QObject::connect(item, &QAction::triggered, &w, [&w, i] { w.ActivateView(i); });
        m.mnuWindowList[static_cast<size_t>(i)] = item;
    }
}

QMenu* NewMenu(MDIMain& w, MainMenus& m, const MenuRow& row, QMenu* parent) {
    QMenu* menu = parent ? parent->addMenu(row.caption) : w.menuBar()->addMenu(row.caption);
    menu->setObjectName(row.name);
    menu->menuAction()->setObjectName(row.name);
    QObject::connect(menu, &QMenu::aboutToShow, &w, [&w, hint = row.hint] { w.ShowStatusHint(hint); });
    m.*row.field = menu;
    return menu;
}

QMenu* MenuOf(const MainMenus& m, Menu menu) {
    for (const MenuRow& row : kMenus) {
        if (row.menu == menu) return m.*row.field;
    }
    return nullptr;
}

QAction* AddCommand(MDIMain& w, MainMenus& m, const Command& c) {
    QMenu* menu = MenuOf(m, c.menu);
    QAction* action = AddItem(*menu, c.name, c.caption);
    if (*c.shortcut) action->setShortcut(QKeySequence(c.shortcut));
    action->setProperty(kHelpPageProperty, QString::fromLatin1(c.helpPage));
    if (c.exclusive) {
        auto* group = menu->findChild<QActionGroup*>(QString(), Qt::FindDirectChildrenOnly);
        if (!group) group = new QActionGroup(menu);
        action->setCheckable(true);
        group->addAction(action);
    }
    if (c.place > 0) {
        action->setIcon(QIcon(c.picture));
        action->setIconVisibleInMenu(false);  // the menus show no pictures
        action->setToolTip(c.hint);
    }
    QObject::connect(action, &QAction::triggered, &w, [&w, run = c.run] { run(w); });
    m.*c.item = action;
    return action;
}

void BuildToolbar(MDIMain& w, MainMenus& m) {
    m.Toolbar = w.addToolBar("Toolbar");
    m.Toolbar->setObjectName("Toolbar");
    m.Toolbar->setMovable(false);
    m.Toolbar->setIconSize(QSize(24, 24));
    std::vector<const Command*> buttons;
    for (const Command& c : kCommands) {
        if (c.place > 0) buttons.push_back(&c);
    }
    std::sort(buttons.begin(), buttons.end(), [](const Command* a, const Command* b) { return a->place < b->place; });
    Group group = Group::None;
    for (const Command* c : buttons) {
        if (group != Group::None && c->group != group) m.Toolbar->addSeparator();
        group = c->group;
        QAction* action = m.*c->item;
        m.Toolbar->addAction(action);
        m.Toolbar->widgetForAction(action)->setObjectName(c->key);
        m.toolbarButtons << action;
    }
}

}  // namespace

MainMenus BuildMainMenus(MDIMain& w) {
    MainMenus m;
    for (const MenuRow& row : kMenus) {
        if (row.menu != Menu::Profile) NewMenu(w, m, row, nullptr);
    }
    for (const Command& c : kCommands) {
        if (c.item) {
            AddCommand(w, m, c);
        } else if (c.name == std::string_view("mnuLastFileUsed")) {
            AddRecentFileItems(w, m);
        } else if (c.name == std::string_view("mnuChannelType")) {
            AddChannelTypeItems(w, m);
        } else if (c.name == std::string_view("mnuWindowList")) {
            AddViewItems(w, m);
        } else {
            for (const MenuRow& row : kMenus) {
                if (row.name == std::string_view(c.name)) NewMenu(w, m, row, MenuOf(m, c.menu));
            }
        }
    }
    BuildToolbar(w, m);
    return m;
}

void RunToolbarButton(const MainMenus& menus, const QString& key) {
    if (!menus.Toolbar) return;
    if (auto* button = menus.Toolbar->findChild<QToolButton*>(key)) button->click();
}

QString HelpPageOfCommand(const QAction& action) { return action.property(kHelpPageProperty).toString(); }

}  // namespace rillo
