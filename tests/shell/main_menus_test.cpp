#include <gtest/gtest.h>

#include <QHelpEngineCore>
#include <QMenuBar>
#include <QToolButton>
#include <QSet>

#include "platform/help_key.h"
#include "shell/help_window.h"
#include "tests/support/main_window_harness.h"

namespace rillo {
namespace {

using testing::MainWindowTest;

class MainMenusTest : public MainWindowTest {
protected:
    void SetUp() override { StartProgram(); }
};

// Every item of the menu, submenus included, that is a command of its own.
QList<QAction*> Commands(const QMenu& menu) {
    QList<QAction*> commands;
    for (QAction* item : menu.actions()) {
        if (item->menu()) commands << Commands(*item->menu());
        else if (!item->isSeparator() && !item->property("index").isValid()) commands << item;
    }
    return commands;
}

QList<QAction*> AllCommands(MDIMain& main) {
    QList<QAction*> commands;
    for (const QAction* top : main.menuBar()->actions()) commands << Commands(*top->menu());
    return commands;
}

TEST_F(MainMenusTest, EachMenuAndItemHasAnAccessKeyOfItsOwn) {
    QList<QMenu*> menus;
    for (const QAction* top : Main().menuBar()->actions()) menus << top->menu();
    menus << Main().Menus().mnuProfile;
    menus.prepend(nullptr);  // the menu bar
    for (const QMenu* menu : menus) {
        const QList<QAction*> items = menu ? menu->actions() : Main().menuBar()->actions();
        QSet<QChar> keys;
        int captions = 0;
        for (const QAction* item : items) {
            if (item->isSeparator()) continue;
            const QString text = item->text();
            ASSERT_GE(text.indexOf('&'), 0) << text.toStdString();
            keys << text.at(text.indexOf('&') + 1).toUpper();
            ++captions;
        }
        EXPECT_EQ(keys.size(), captions) << (menu ? menu->objectName().toStdString() : "menu bar");
    }
}

TEST_F(MainMenusTest, EveryCommandHasAPageOfTheGuideAndShortcutsAreUnique) {
    QHelpEngineCore guide(RILLO_HELP_COLLECTION);
    ASSERT_TRUE(guide.setupData());
    QSet<QString> shortcuts;
    const QList<QAction*> commands = AllCommands(Main());
    EXPECT_EQ(commands.size(), 29);
    for (QAction* command : commands) {
        const QString page = HelpPageOfCommand(*command);
        EXPECT_FALSE(guide.fileData(HelpPageUrl(page)).isEmpty()) << command->objectName().toStdString();
        if (!command->shortcut().isEmpty()) {
            EXPECT_FALSE(shortcuts.contains(command->shortcut().toString())) << command->objectName().toStdString();
            shortcuts << command->shortcut().toString();
        }
        // F1 on the item, the menu open, asks for that page.
        QMenu* menu = qobject_cast<QMenu*>(command->associatedObjects().constFirst());
        ASSERT_NE(menu, nullptr);
        menu->popup({0, 0});
        menu->setActiveAction(command);
        EXPECT_EQ(HelpPageForWidget(menu), page);
        menu->hide();
    }
}

TEST_F(MainMenusTest, EachToolbarButtonIsItsMenuItemWithAPictureAndAHint) {
    const QList<QAction*> commands = AllCommands(Main());
    const QList<QAction*>& buttons = Main().Menus().toolbarButtons;
    EXPECT_EQ(buttons.size(), 15);
    for (QAction* button : buttons) {
        const std::string name = button->objectName().toStdString();
        EXPECT_TRUE(commands.contains(button)) << name;
        EXPECT_FALSE(button->icon().isNull()) << name;
        EXPECT_FALSE(button->toolTip().isEmpty()) << name;
        EXPECT_FALSE(button->isIconVisibleInMenu()) << name;
        auto* widget = qobject_cast<QToolButton*>(Main().Menus().Toolbar->widgetForAction(button));
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_TRUE(widget->isVisible()) << name;
        int triggered = 0;
        QObject::connect(button, &QAction::triggered, [&triggered] { ++triggered; });
        // The Help button opens the guide, which these tests leave out.
        if (button == Main().Menus().mnuHelpContents) continue;
        QObject::disconnect(button, &QAction::triggered, &Main(), nullptr);  // count only, run nothing
        RunToolbarButton(Main().Menus(), widget->objectName());
        EXPECT_EQ(triggered, 1) << name;
    }
}

TEST_F(MainMenusTest, ExactlyOneUnitAndOneChannelTypeAreChecked) {
    const MainMenus& m = Main().Menus();
    for (QAction* item : m.mnuChannelType) {
        item->trigger();
        item->trigger();  // choosing the checked item again keeps it checked
        int checked = 0;
        for (QAction* other : m.mnuChannelType) checked += other->isChecked();
        EXPECT_EQ(checked, 1);
        EXPECT_TRUE(item->isChecked());
    }
    m.mnuSI->trigger();
    m.mnuSI->trigger();
    EXPECT_TRUE(m.mnuSI->isChecked());
    EXPECT_FALSE(m.mnuEnglish->isChecked());
}

}  // namespace
}  // namespace rillo
