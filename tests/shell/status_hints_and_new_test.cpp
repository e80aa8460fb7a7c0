#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QHeaderView>
#include <QMouseEvent>

#include "shell/channel_type_commands.h"
#include "shell/new_profile_command.h"
#include "shell/unit_commands.h"
#include "tests/support/main_window_harness.h"
#include "tests/support/sample_profiles.h"

namespace rillo {
namespace {

using testing::MainWindowTest;

void MoveMouseOver(QWidget* widget) {
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

class StatusHintTest : public MainWindowTest {
protected:
    void SetUp() override { StartProgram(); }
};

TEST_F(StatusHintTest, OpeningAMenuTwiceSetsTheLineOnceAndTheBackgroundClearsIt) {
    int changes = 0;
    QObject::connect(&Main(), &MDIMain::statusHintChanged, [&changes] { ++changes; });
    emit Main().Menus().mnuFile->aboutToShow();
    emit Main().Menus().mnuFile->aboutToShow();
    EXPECT_EQ(Main().StatusHint(), "Open, Save, or Print a flow profile.");
    EXPECT_EQ(changes, 1);
    MoveMouseOver(Main().mdiArea->viewport());
    EXPECT_EQ(Main().StatusHint(), "");
    EXPECT_EQ(changes, 2);
}

TEST_F(StatusHintTest, EveryMenuShowsItsHint) {
    const MainMenus& m = Main().Menus();
    const std::pair<QMenu*, const char*> cases[] = {
        {m.mnuChannels, "Select a channel type or customize your channel name."},
        {m.mnuUnits, "Select a system of units."},
        {m.mnuTools, "Compute a wide range of open channel variables."},
        {m.mnuProfile, "Compute water surface profile or plot existing profile."},
        {m.mnuHelp, "For Help select Contents or Press F1."},
    };
    for (const auto& [menu, hint] : cases) {
        emit menu->aboutToShow();
        EXPECT_EQ(Main().StatusHint(), hint);
    }
}

TEST_F(StatusHintTest, ViewsShowTheirHintsInTheCurrentUnits) {
    MoveMouseOver(Inputs().picInputs);
    EXPECT_EQ(Main().StatusHint(), "Enter the channel characteristics, in feet and cfs.");
    MoveMouseOver(Grid().grdFlowData->viewport());
    EXPECT_EQ(Main().StatusHint(), "Water surface profile data.");
    SetUnitSystem(Main(), UnitSystem::SI);
    MoveMouseOver(Inputs().picInputs);
    EXPECT_EQ(Main().StatusHint(), "Enter the channel characteristics, in meters and cubic meters per second.");
    MoveMouseOver(Results().picResults);
    EXPECT_EQ(Main().StatusHint(), "");
}

TEST_F(StatusHintTest, TheGridsHeadingRowsShowTheGridsHint) {
    MoveMouseOver(Results().picResults);
    MoveMouseOver(Grid().grdFlowData->horizontalHeader()->viewport());
    EXPECT_EQ(Main().StatusHint(), "Water surface profile data.");
}

TEST_F(StatusHintTest, MenuItemsPassingUnderThePointerKeepTheHint) {
    Main().ShowStatusHint("Select a system of units.");
    Main().Menus().mnuSI->hover();
    EXPECT_EQ(Main().StatusHint(), "Select a system of units.");
}

TEST_F(StatusHintTest, ToolbarButtonsRunTheirMenuCommands) {
    EnterInputs(testing::WorkedExampleTexts());
    RunToolbarButton(Main().Menus(), "Compute");
    EXPECT_EQ(Grid().CellText(2, 0), "10+00.000");
    RunToolbarButton(Main().Menus(), "Nothing");  // an unknown key does nothing
    Main().Menus().toolbarButtons[0]->trigger();  // "New"
    EXPECT_EQ(Grid().CellText(2, 0), "");
    EXPECT_TRUE(services.messages.empty());
}

class NewProfileTest : public MainWindowTest {
protected:
    void SetUp() override { StartProgram(); }
};

TEST_F(NewProfileTest, EmptiesEveryCellAndLabelAndStartsAtStationZero) {
    SelectChannelType(Main(), ChannelType::ElongatedCircular);
    SetUnitSystem(Main(), UnitSystem::SI);
    Main().State().currentFilePath = "/tmp/culvert.flo";
    EnterInputs(testing::SampleTexts(ChannelType::ElongatedCircular));
    ComputeFromMenu();
    ASSERT_FALSE(Grid().CellText(2, 0).isEmpty());
    Main().GridWindow().close();

    Main().Menus().mnuNewProfile->trigger();

    EXPECT_EQ(Main().windowTitle(), "Rillo 2.1");
    EXPECT_EQ(Inputs().txtXS1->text(), "0+00.000");
    EXPECT_EQ(services.focused, Inputs().txtXS1);
    for (QLineEdit* field : Inputs().Fields()) {
        if (field != Inputs().txtXS1) EXPECT_EQ(field->text(), "") << field->objectName().toStdString();
    }
    for (QLabel* value : {Results().lblNormalDepth, Results().lblNormalArea, Results().lblCriticalDepth,
                          Results().lblCriticalArea, Results().lblFlowType, Results().lblProfileType}) {
        EXPECT_EQ(value->text(), "") << value->objectName().toStdString();
    }
    for (int row = FrmMainGrid::kFirstDataRow; row < FrmMainGrid::kRowCount; ++row) {
        for (int col = 0; col < FrmMainGrid::kColumnCount; ++col) {
            ASSERT_EQ(Grid().CellText(row, col), "") << row << "," << col;
        }
    }
    EXPECT_EQ(Grid().CellText(1, 0), "m") << "the headings are written afresh";
    EXPECT_TRUE(Main().GridWindow().isVisible());
    EXPECT_EQ(Main().mdiArea->subWindowList(QMdiArea::StackingOrder).constLast(), &Main().InputsWindow());
    // New keeps the channel, the units and the file path.
    EXPECT_EQ(Main().State().channelType, ChannelType::ElongatedCircular);
    EXPECT_EQ(Main().State().channelName, "Elongated Circular Channel");
    EXPECT_EQ(Main().State().unitSystem, UnitSystem::SI);
    EXPECT_EQ(Main().State().currentFilePath, "/tmp/culvert.flo");
    EXPECT_EQ(services.waitDepth, 0);
}

}  // namespace
}  // namespace rillo
