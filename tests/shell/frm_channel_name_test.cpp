#include "shell/frm_channel_name.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>

#include "platform/center_on_screen.h"
#include "tests/support/fake_platform_services.h"
#include "tests/support/key_input.h"

namespace rillo {
namespace {

using testing::FakePlatformServices;
using testing::PressKey;
using testing::ShowActive;
using testing::TypeText;

class ChannelNameDialog : public ::testing::Test {
   protected:
    FakePlatformServices services;
};

TEST_F(ChannelNameDialog, ControlsCarryTheirCaptions) {
    FrmChannelName dialog(services, ChannelType::Trapezoidal, "Trapezoidal Channel");
    EXPECT_EQ(dialog.windowTitle(), "Channel Type and Name");
    EXPECT_EQ(dialog.Frame1->title(), "Select a channel type");
    QStringList options;
    for (QRadioButton* option : dialog.optChannelType) options << option->text();
    EXPECT_EQ(options, (QStringList{"Trapezoidal", "Circular", "U-shaped", "Elongated Circular"}));
    EXPECT_EQ(dialog.Label1->text(), "Enter the channel name here.");
    EXPECT_EQ(dialog.cmdOK->text(), "&OK");
    EXPECT_EQ(dialog.cmdCancel->text(), "&Cancel");
}

TEST_F(ChannelNameDialog, OpensOnTheCheckedTypeWithTheCurrentNameCentredUnderTheWaitCursor) {
    FrmChannelName dialog(services, ChannelType::Circular, "Culvert under Route 9");
    EXPECT_TRUE(dialog.optChannelType[1]->isChecked());
    EXPECT_EQ(dialog.txtNewlbl->text(), "Culvert under Route 9");
    EXPECT_EQ(services.waitCursorShown, 1);
    EXPECT_EQ(services.waitDepth, 0);
    const QRect screen = dialog.screen()->geometry();
    EXPECT_EQ(dialog.pos(), screen.topLeft() + CenteredPosition(screen.size(), dialog.size()));
}

TEST_F(ChannelNameDialog, OkWithoutChangesKeepsTypeAndName) {
    FrmChannelName dialog(services, ChannelType::Circular, "Culvert under Route 9");
    dialog.cmdOK->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Choice().channelName, "Culvert under Route 9");
    EXPECT_EQ(dialog.Choice().channelType, ChannelType::Circular);
}

TEST_F(ChannelNameDialog, NoCheckedTypeOpensOnTrapezoidal) {
    FrmChannelName dialog(services, std::nullopt, "Old name");
    EXPECT_TRUE(dialog.optChannelType[0]->isChecked());
    EXPECT_EQ(dialog.txtNewlbl->text(), "Trapezoidal Channel");
}

TEST_F(ChannelNameDialog, OptionClickProposesItsDisplayNameSelected) {
    FrmChannelName dialog(services, ChannelType::Trapezoidal, "My ditch");
    ShowActive(dialog);
    const char* names[] = {"Trapezoidal Channel", "Circular Channel", "U-shaped Channel",
                           "Elongated Circular Channel"};
    for (int i : {3, 2, 0, 1}) {
        dialog.txtNewlbl->setText("typed");
        dialog.optChannelType[i]->click();
        EXPECT_EQ(dialog.txtNewlbl->text(), names[i]);
        EXPECT_EQ(dialog.txtNewlbl->selectedText(), names[i]);
    }
}

TEST_F(ChannelNameDialog, TypedNameAndEnterApplyTheClickedType) {
    FrmChannelName dialog(services, ChannelType::Trapezoidal, "Trapezoidal Channel");
    ShowActive(dialog);
    dialog.optChannelType[3]->click();
    dialog.txtNewlbl->setFocus();
    TypeText(dialog.txtNewlbl, "Main drain");  // replaces the selected display name
    PressKey(dialog.txtNewlbl, Qt::Key_Return, "\r");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Choice().channelName, "Main drain");
    EXPECT_EQ(dialog.Choice().channelType, ChannelType::ElongatedCircular);
}

TEST_F(ChannelNameDialog, EnterOnAnOptionRunsOk) {
    FrmChannelName dialog(services, ChannelType::UShaped, "Flume");
    ShowActive(dialog);
    dialog.optChannelType[2]->setFocus();
    PressKey(dialog.optChannelType[2], Qt::Key_Enter, "\r", Qt::KeypadModifier);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Choice().channelName, "Flume");
    EXPECT_EQ(dialog.Choice().channelType, ChannelType::UShaped);
}

TEST_F(ChannelNameDialog, AnEmptyNameIsANameToo) {
    FrmChannelName dialog(services, ChannelType::Trapezoidal, "Trapezoidal Channel");
    dialog.txtNewlbl->clear();
    dialog.cmdOK->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Choice().channelName, "");
}

TEST_F(ChannelNameDialog, CancelAndEscapeReject) {
    for (bool escape : {false, true}) {
        FrmChannelName dialog(services, ChannelType::Trapezoidal, "Trapezoidal Channel");
        ShowActive(dialog);
        dialog.optChannelType[1]->click();
        if (escape) {
            PressKey(dialog.txtNewlbl, Qt::Key_Escape);
        } else {
            dialog.cmdCancel->click();
        }
        EXPECT_EQ(dialog.result(), QDialog::Rejected) << "escape " << escape;
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST_F(ChannelNameDialog, FocusSelectsTheWholeName) {
    FrmChannelName dialog(services, ChannelType::Trapezoidal, "A name longer than most");
    ShowActive(dialog);
    dialog.cmdOK->setFocus();
    dialog.txtNewlbl->setFocus();
    EXPECT_EQ(dialog.txtNewlbl->selectedText(), "A name longer than most");
}

}  // namespace
}  // namespace rillo
