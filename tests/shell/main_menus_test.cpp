#include <gtest/gtest.h>

#include <QMenuBar>
#include <QSet>

#include "tests/support/main_window_harness.h"

namespace rillo {
namespace {

using testing::MainWindowTest;

// One line per item: name, caption, shortcut, and "hidden" or "-" for separators.
QStringList Describe(const QMenu& menu) {
    QStringList lines;
    for (const QAction* item : menu.actions()) {
        if (item->isSeparator()) {
            lines << item->objectName() + " -";
            continue;
        }
        QString line = item->objectName() + " " + item->text();
        if (!item->shortcut().isEmpty()) line += " [" + item->shortcut().toString() + "]";
        if (!item->isVisible()) line += " hidden";
        lines << line;
    }
    return lines;
}

class MainMenusTest : public MainWindowTest {
protected:
    void SetUp() override { StartProgram(); }
};

TEST_F(MainMenusTest, TheMenuTreeHasEveryItemInOrder) {
    const MainMenus& m = Main().Menus();
    QStringList tops;
    for (const QAction* top : Main().menuBar()->actions()) tops << top->text();
    EXPECT_EQ(tops, QStringList({"&File", "&Channel Type", "&Units", "&Tools", "&Window", "&Help"}));
    QSet<QChar> accessKeys;
    for (const QString& top : tops) accessKeys << top.at(top.indexOf('&') + 1).toUpper();
    EXPECT_EQ(accessKeys.size(), tops.size()) << "each menu has an access key of its own";

    EXPECT_EQ(Describe(*m.mnuFile),
              QStringList({"mnuNewProfile &New [Ctrl+N]", "mnuOpen &Open [Ctrl+O]", "mnuSave &Save [Ctrl+S]",
                           "mnuPrint &Print [Ctrl+P]", "mnuPrintPreview Print Pre&view",
                           "mnuExportPdf &Export PDF...", "mnuExportTable Export &Table...",
                           "mnuPageSetup Page Set&up", "mnuSeparator1 -",
                           "mnuLastFileUsed &1 hidden", "mnuLastFileUsed &2 hidden", "mnuLastFileUsed &3 hidden",
                           "mnuLastFileUsed &4 hidden", "mnuSeparator2 -", "mnuExit E&xit"}));
    EXPECT_EQ(Describe(*m.mnuChannels),
              QStringList({"mnuChannelType &Trapezoidal", "mnuChannelType &Circular", "mnuChannelType &Ushaped",
                           "mnuChannelType &Elongated Circular", "mnuChannelName Channel Type and &Name"}));
    EXPECT_EQ(Describe(*m.mnuUnits), QStringList({"mnuEnglish &English", "mnuSI &SI (Metric)"}));
    EXPECT_EQ(Describe(*m.mnuTools),
              QStringList({"mnuCritical Critical &Depth and Slope",
                           "mnuMannings1 Depth, &Flowrate, Slope, and Roughness", "mnuJump Hydraulic &Jump",
                           "mnuOrifices &Orifices",
                           "mnuGates Underflow &Gates", "mnuProfile Water Surface &Profile", "mnuWeirs &Weirs"}));
    EXPECT_EQ(Describe(*m.mnuProfile), QStringList({"mnuCompute &Compute", "mnuPlot &Plot", "mnuLongSection &Long Section"}));
    m.mnuWindow->popup({0, 0});  // the view list is captioned as the menu opens
    m.mnuWindow->hide();
    EXPECT_EQ(Describe(*m.mnuWindow),
              QStringList({"mnuTile &Tile", "mnuCascade &Cascade", "mnuSeparator3 -",
                           "mnuWindowList &1 Required Inputs", "mnuWindowList &2 Computed Results",
                           "mnuWindowList &3 Water Surface Profile Data"}));
    EXPECT_EQ(Describe(*m.mnuHelp),
              QStringList({"mnuHelpContents &Contents                   F1", "mnuHelpSearch &Search for Help On",
                           "mnuHelpTechSupport Obtaining &Technical Support", "mnuAbout &About Rillo"}));
}

TEST_F(MainMenusTest, TheToolbarHasItsFourteenButtonsWithTheirTooltips) {
    QStringList buttons;
    for (const QAction* button : Main().Menus().toolbarButtons) {
        buttons << button->objectName() + ": " + button->toolTip();
        EXPECT_FALSE(button->icon().isNull()) << button->objectName().toStdString();
    }
    EXPECT_EQ(buttons, QStringList({"New: New", "Open: Open", "Save: Save", "Print: Print",
                                    "Compute: Compute water surface profile", "Plot: Plot water surface profile",
                                    "LongSection: Long section of water surface profile",
                                    "Critical: Critical depth and slope",
                                    "Mannings: Depth, flowrate, and channel characteristics",
                                    "Jump: Hydraulic jump", "Orifices: Orifices",
                                    "Gates: Underflow gates", "Weirs: Weirs", "Help: Help"}));
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
