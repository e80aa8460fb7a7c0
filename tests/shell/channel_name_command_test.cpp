#include "shell/channel_name_command.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <functional>

#include "shell/frm_channel_name.h"
#include "tests/support/key_input.h"
#include "tests/support/main_window_harness.h"
#include "tests/support/sample_profiles.h"

namespace rillo {
namespace {

using testing::MainWindowTest;
using testing::PressKey;
using testing::TypeText;

class ChannelNameCommandTest : public MainWindowTest {
   protected:
    void SetUp() override { StartProgram(); }

    // Opens the dialog from its menu item and lets `act` work the dialog
    // while it is shown modally; `act` must close it.
    void RunDialog(const std::function<void(FrmChannelName&)>& act) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<FrmChannelName*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr) << "the dialog is not shown modally";
            ran = true;
            act(*dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the dialog was left open";
                dialog->reject();
            }
        });
        Main().Menus().mnuChannelName->trigger();
        EXPECT_TRUE(ran);
    }

    void ChooseTypeFromMenu(int index) { Main().Menus().mnuChannelType[index]->trigger(); }

    std::vector<bool> CheckedTypeItems() {
        std::vector<bool> checked;
        for (QAction* item : Main().Menus().mnuChannelType) checked.push_back(item->isChecked());
        return checked;
    }
};

TEST_F(ChannelNameCommandTest, ShowsItsHintAndClearsThePlotFlagEvenOnCancel) {
    ChooseTypeFromMenu(1);
    Main().State().plotCustomised = true;
    RunDialog([](FrmChannelName& dialog) {
        dialog.optChannelType[3]->click();
        dialog.txtNewlbl->setText("Never applied");
        dialog.cmdCancel->click();
    });
    EXPECT_EQ(Main().StatusHint(), "Choose a channel type and enter the channel name.");
    EXPECT_FALSE(Main().State().plotCustomised);
    // Cancel changes nothing.
    EXPECT_EQ(Main().windowTitle(), "Rillo 2.1: Circular Channel");
    EXPECT_EQ(Main().State().channelName, "Circular Channel");
    EXPECT_EQ(CheckedTypeItems(), (std::vector<bool>{false, true, false, false}));
    EXPECT_FALSE(Inputs().txtSlope->isVisibleTo(&Inputs()));
}

TEST_F(ChannelNameCommandTest, OpensOnTheCheckedTypeAndOkKeepsTypeAndName) {
    ChooseTypeFromMenu(1);
    Inputs().txtD->setText("3");
    RunDialog([](FrmChannelName& dialog) {
        EXPECT_TRUE(dialog.optChannelType[1]->isChecked());
        EXPECT_EQ(dialog.txtNewlbl->text(), "Circular Channel");
        dialog.cmdOK->click();
    });
    EXPECT_EQ(Main().windowTitle(), "Rillo 2.1: Circular Channel");
    EXPECT_EQ(Main().State().channelType, ChannelType::Circular);
    EXPECT_EQ(CheckedTypeItems(), (std::vector<bool>{false, true, false, false}));
    EXPECT_FALSE(Inputs().lblSides->isVisibleTo(&Inputs()));
    EXPECT_EQ(Inputs().lblDiamWidth->text(), "Diameter, ft:");
    EXPECT_EQ(Inputs().txtD->text(), "3");
}

struct DialogTypeCase {
    int option;
    UnitSystem units;
    ChannelType type;
    bool sideShown;
    const char* sideCaption;  // when shown
    const char* widthCaption;
};

class DialogTypeTest : public ChannelNameCommandTest, public ::testing::WithParamInterface<DialogTypeCase> {};

TEST_P(DialogTypeTest, TypedNameAndClickedTypeApplyWithTheDialogsOwnSideCaption) {
    const DialogTypeCase& c = GetParam();
    if (c.units == UnitSystem::SI) Main().Menus().mnuSI->trigger();
    ChooseTypeFromMenu(c.option == 1 ? 0 : 1);  // start from another type
    RunDialog([&](FrmChannelName& dialog) {
        QApplication::setActiveWindow(&dialog);
        dialog.optChannelType[c.option]->click();
        dialog.txtNewlbl->setFocus();
        TypeText(dialog.txtNewlbl, "Main drain");
        PressKey(dialog.txtNewlbl, Qt::Key_Return, "\r");
    });
    EXPECT_EQ(Main().windowTitle(), "Rillo 2.1: Main drain");
    EXPECT_EQ(Main().State().channelName, "Main drain");
    EXPECT_EQ(Main().State().channelType, c.type);
    std::vector<bool> expectedChecked(4, false);
    expectedChecked[static_cast<size_t>(c.option)] = true;
    EXPECT_EQ(CheckedTypeItems(), expectedChecked);
    EXPECT_EQ(Inputs().lblDiamWidth->text(), c.widthCaption);
    EXPECT_EQ(Inputs().lblSides->isVisibleTo(&Inputs()), c.sideShown);
    EXPECT_EQ(Inputs().txtSlope->isVisibleTo(&Inputs()), c.sideShown);
    if (c.sideShown) EXPECT_EQ(Inputs().lblSides->text(), c.sideCaption);
}

INSTANTIATE_TEST_SUITE_P(
    Types, DialogTypeTest,
    ::testing::Values(
        DialogTypeCase{0, UnitSystem::English, ChannelType::Trapezoidal, true, "Side Slope:", "Width, ft:"},
        DialogTypeCase{1, UnitSystem::English, ChannelType::Circular, false, "", "Diameter, ft:"},
        DialogTypeCase{2, UnitSystem::SI, ChannelType::UShaped, false, "", "Diameter, m:"},
        DialogTypeCase{3, UnitSystem::English, ChannelType::ElongatedCircular, true, "Side Height, ft",
                       "Diameter, ft:"},
        DialogTypeCase{3, UnitSystem::SI, ChannelType::ElongatedCircular, true, "Side Height, m",
                       "Diameter, m:"}));

TEST_F(ChannelNameCommandTest, AMenuChoiceLaterReplacesTheDialogsName) {
    RunDialog([](FrmChannelName& dialog) {
        dialog.txtNewlbl->setText("Spillway chute");
        dialog.cmdOK->click();
    });
    ASSERT_EQ(Main().windowTitle(), "Rillo 2.1: Spillway chute");
    ChooseTypeFromMenu(2);
    EXPECT_EQ(Main().State().channelName, "U-shaped Channel");
    EXPECT_EQ(Main().windowTitle(), "Rillo 2.1: U-shaped Channel");
}

// Each shape chosen in the dialog, its inputs typed into the view, computes
// its profile through the Compute menu item.
class ShapeFromDialogTest : public ChannelNameCommandTest, public ::testing::WithParamInterface<int> {};

TEST_P(ShapeFromDialogTest, ProfileComputesFromTheWindow) {
    const int option = GetParam();
    const ChannelType shape = kChannelShapes[static_cast<size_t>(option)].type;
    RunDialog([option](FrmChannelName& dialog) {
        dialog.optChannelType[option]->click();
        dialog.cmdOK->click();
    });
    ASSERT_EQ(Main().State().channelType, shape);

    const ProfileInputTexts texts = testing::SampleTexts(shape);
    FrmMainInputs& in = Inputs();
    const std::pair<QLineEdit*, std::string> fields[] = {
        {in.txtXS1, texts.startStation},       {in.txtXS2, texts.endStation}, {in.txtQ, texts.flowrate},
        {in.txtD, texts.widthOrDiameter},      {in.txtRN, texts.manningN},    {in.txtSO, texts.bottomSlope},
        {in.txtSlope, texts.sideSlopeOrHeight}};
    for (const auto& [field, text] : fields) {
        field->clear();
        TypeText(field, QString::fromStdString(text));
    }
    ComputeFromMenu();

    for (const auto& message : services.messages) ADD_FAILURE() << message.text.toStdString();
    EXPECT_FALSE(Inputs().txtYCont->text().isEmpty());  // the critical depth used as control
    EXPECT_FALSE(Grid().CellText(FrmMainGrid::kFirstDataRow + 1, 1).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(AllShapes, ShapeFromDialogTest, ::testing::Values(0, 1, 2, 3));

}  // namespace
}  // namespace rillo
