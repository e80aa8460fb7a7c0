#include <gtest/gtest.h>

#include <QHeaderView>
#include <QMdiSubWindow>
#include <QMouseEvent>

#include "tests/support/main_window_harness.h"
#include "tests/support/sample_profiles.h"

namespace rillo {
namespace {

using testing::MainWindowTest;

struct OffScreenCase {
    const char* name;
    QList<QRect> screens;  // available areas, the primary first
    QRect stored;          // MDIL, MDIT, MDIW, MDIH in pixels
    QRect expected;
};

class OffScreenPlacementTest : public MainWindowTest, public ::testing::WithParamInterface<OffScreenCase> {};

TEST_P(OffScreenPlacementTest, MainWindowComesBackOnAScreen) {
    const OffScreenCase& c = GetParam();
    services.screens = c.screens;
    services.settings["Dlgs/MDIL"] = QString::number(c.stored.x() * 15);
    services.settings["Dlgs/MDIT"] = QString::number(c.stored.y() * 15);
    services.settings["Dlgs/MDIW"] = QString::number(c.stored.width() * 15);
    services.settings["Dlgs/MDIH"] = QString::number(c.stored.height() * 15);
    MDIMain& main = StartProgram();
    EXPECT_EQ(QRect(main.pos(), main.size()), c.expected);
    EndProgram();
    EXPECT_EQ(services.settings["Dlgs/MDIL"], QString::number(c.expected.x() * 15))
        << "stored where it is now";
}

const QRect kPrimary(0, 0, 1280, 1000);
const QRect kRightScreen(1280, 0, 1024, 768);

INSTANTIATE_TEST_SUITE_P(
    Placements, OffScreenPlacementTest,
    ::testing::Values(
        OffScreenCase{"FarLeft", {kPrimary}, QRect(-1333, 1, 904, 581), QRect(0, 1, 904, 581)},
        OffScreenCase{"BelowEveryScreen",
                      {kPrimary, kRightScreen},
                      QRect(100, 5000, 904, 581),
                      QRect(100, 419, 904, 581)},
        OffScreenCase{
            "OnAScreenUnpluggedSince", {kPrimary}, QRect(1500, 40, 904, 581), QRect(376, 40, 904, 581)},
        OffScreenCase{
            "LargerThanTheScreen", {kPrimary}, QRect(-6000, -3000, 2667, 1400), QRect(0, 0, 1280, 1000)},
        OffScreenCase{"PrimaryRightOfTheOther",
                      {kRightScreen, kPrimary},
                      QRect(-3000, 100, 904, 581),
                      QRect(1280, 100, 904, 581)},
        // Placements that show a grip of the window stay as they are.
        OffScreenCase{"OnTheSecondScreen",
                      {kPrimary, kRightScreen},
                      QRect(1500, 40, 904, 581),
                      QRect(1500, 40, 904, 581)},
        OffScreenCase{"PartlyOff", {kPrimary}, QRect(-800, -20, 904, 581), QRect(-800, -20, 904, 581)}),
    [](const auto& info) { return std::string(info.param.name); });

// A stored size too small to use (0, negative, below a quarter of its
// default) gives the default, and the default is what is stored at the end,
// so the window is not lost for the next run either.
struct StoredSizeCase {
    const char* name;
    const char* width;
    const char* height;
    QSize mainSize;  // MDIW, MDIH in pixels
    QSize gridSize;  // GridW, GridH
};

class StoredSizeTest : public MainWindowTest, public ::testing::WithParamInterface<StoredSizeCase> {};

TEST_P(StoredSizeTest, ASizeThatCannotBeUsedTakesItsDefault) {
    const StoredSizeCase& c = GetParam();
    services.screens = {QRect(0, 0, 1600, 1000)};
    for (const char* key : {"Dlgs/MDIW", "Dlgs/GridW"}) services.settings[key] = c.width;
    for (const char* key : {"Dlgs/MDIH", "Dlgs/GridH"}) services.settings[key] = c.height;
    MDIMain& main = StartProgram();
    EXPECT_EQ(main.size(), c.mainSize);
    EXPECT_EQ(main.GridWindow().size(), c.gridSize);
    EndProgram();
    EXPECT_EQ(services.settings["Dlgs/GridW"], QString::number(c.gridSize.width() * 15));
    EXPECT_EQ(services.settings["Dlgs/GridH"], QString::number(c.gridSize.height() * 15));
    EXPECT_EQ(services.settings["Dlgs/MDIW"], QString::number(c.mainSize.width() * 15));
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, StoredSizeTest,
    ::testing::Values(StoredSizeCase{"Zero", "0", "0", QSize(904, 581), QSize(617, 402)},
                      StoredSizeCase{"Negative", "-4500", "-1", QSize(904, 581), QSize(617, 402)},
                      StoredSizeCase{"BelowAQuarter", "2250", "1500", QSize(904, 581), QSize(617, 402)},
                      // A quarter of the grid's default is still usable; the main
                      // window's quarter is larger, so it takes its default.
                      StoredSizeCase{"AQuarterOfTheGrid", "2325", "1515", QSize(904, 581), QSize(155, 101)},
                      StoredSizeCase{"Usable", "7500", "4500", QSize(500, 300), QSize(500, 300)}),
    [](const auto& info) { return std::string(info.param.name); });

class ViewPlacementTest : public MainWindowTest {};

TEST_F(ViewPlacementTest, ViewsOutsideTheMainWindowComeBackInside) {
    services.settings["Dlgs/InputsL"] = "-300000";
    services.settings["Dlgs/OutputsT"] = "900000";
    services.settings["Dlgs/GridL"] = "600000";
    services.settings["Dlgs/GridW"] = "99000";  // wider than the main window
    MDIMain& main = StartProgram();
    const QRect area = main.mdiArea->viewport()->rect();
    ASSERT_GT(area.height(), 300);
    EXPECT_EQ(main.InputsWindow().pos(), QPoint(0, 0));
    EXPECT_EQ(main.ResultsWindow().geometry(), QRect(0, area.height() - 196, 280, 196));
    EXPECT_EQ(main.GridWindow().geometry(), QRect(0, 0, area.width(), 402));
}

struct StateCase {
    const char* name;
    void (QWidget::*enter)();
};

class ViewStateAtExitTest : public MainWindowTest, public ::testing::WithParamInterface<StateCase> {};

TEST_P(ViewStateAtExitTest, StoresTheNormalPlacementAndComesBackWhole) {
    MDIMain& first = StartProgram();
    first.GridWindow().setGeometry(330, 21, 500, 333);
    first.InputsWindow().move(30, 15);
    (first.GridWindow().*GetParam().enter)();
    (first.InputsWindow().*GetParam().enter)();
    EndProgram();
    EXPECT_EQ(services.settings["Dlgs/GridL"], "4950");
    EXPECT_EQ(services.settings["Dlgs/GridT"], "315");
    EXPECT_EQ(services.settings["Dlgs/GridW"], "7500");
    EXPECT_EQ(services.settings["Dlgs/GridH"], "4995");
    EXPECT_EQ(services.settings["Dlgs/InputsL"], "450");

    MDIMain& second = StartProgram();
    EXPECT_EQ(second.GridWindow().geometry(), QRect(330, 21, 500, 333));
    EXPECT_FALSE(second.GridWindow().isMinimized());
}

INSTANTIATE_TEST_SUITE_P(States, ViewStateAtExitTest,
                         ::testing::Values(StateCase{"Minimised", &QWidget::showMinimized},
                                           StateCase{"Maximised", &QWidget::showMaximized}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ViewPlacementTest, CommandsRestoreAMinimisedViewBeforeTheFocusGoesIn) {
    MDIMain& main = StartProgram();
    const QRect normal = main.InputsWindow().geometry();
    ProfileInputTexts texts = testing::WorkedExampleTexts();
    texts.flowrate.clear();
    EnterInputs(texts);
    main.InputsWindow().showMinimized();
    ComputeFromMenu();  // "Insufficient Input Data": the focus goes to the flowrate
    EXPECT_EQ(services.focused, Inputs().txtQ);
    EXPECT_FALSE(main.InputsWindow().isMinimized());
    EXPECT_EQ(main.InputsWindow().geometry(), normal);

    main.GridWindow().showMinimized();
    main.Menus().mnuNewProfile->trigger();
    EXPECT_FALSE(main.GridWindow().isMinimized());
}

TEST_F(ViewPlacementTest, InputsViewKeepsItsSizeThroughAMinimise) {
    MDIMain& main = StartProgram();
    const QSize designed = main.InputsWindow().size();
    EXPECT_LE(main.InputsWindow().minimumSizeHint().height(), designed.height());
    main.InputsWindow().showMinimized();
    main.InputsWindow().showNormal();
    EXPECT_EQ(main.InputsWindow().size(), designed);
}

}  // namespace
}  // namespace rillo
