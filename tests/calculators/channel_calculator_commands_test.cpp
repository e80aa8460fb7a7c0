#include "shell/channel_calculator_commands.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <functional>

#include "calculators/frm_critical.h"
#include "calculators/frm_jump.h"
#include "calculators/frm_mannings.h"
#include "tests/support/main_window_harness.h"

namespace rillo {
namespace {

using testing::MainWindowTest;

class ChannelCalculatorCommandsTest : public MainWindowTest {
   protected:
    void SetUp() override { StartProgram(); }

    // Runs `open`, lets `act` work the window while it is shown modally, then
    // closes it; returns the window as a guarded pointer, null once unloaded.
    template <typename Window>
    QPointer<Window> RunModal(const std::function<void()>& open, const std::function<void(Window&)>& act) {
        QPointer<Window> seen;
        QTimer::singleShot(0, [&] {
            auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
            ASSERT_NE(window, nullptr) << "the calculator is not shown modally";
            seen = window;
            act(*window);
            window->cmdClose->click();
        });
        open();
        return seen;
    }
};

TEST_F(ChannelCalculatorCommandsTest, MenuAndToolbarOpenTheCriticalCalculatorOnTheProfile) {
    Main().Menus().mnuChannelType[3]->trigger();
    Main().Menus().mnuSI->trigger();
    EnterInputs({"0+00.000", "1+00.000", "10", "2", "0.013", "0.001", "", "1"});
    for (const bool fromToolbar : {false, true}) {
        const auto open = [&] { fromToolbar ? RunToolbarButton(Main().Menus(), "Critical") : Main().Menus().mnuCritical->trigger(); };
        bool acted = false;
        QPointer<FrmCritical> window = RunModal<FrmCritical>(
            open,
            [&](FrmCritical& w) {
                acted = true;
                EXPECT_TRUE(w.optChanType[3]->isChecked());
                EXPECT_EQ(w.lblSides->text(), "Side height, m:");
                EXPECT_EQ((QStringList{w.txtQ->text(), w.txtB->text(), w.txtn->text(), w.txtSides->text()}),
                          (QStringList{"10", "2", "0.013", "1"}));
                w.cmdCompute->click();
                EXPECT_EQ(w.lblYCoutput->text(), "1.581");  // in the straight part, A^3 = 2 Q^2 / 9.81
                w.txtQ->setText("99");                      // nothing flows back to the profile
            });
        EXPECT_TRUE(acted);
        EXPECT_TRUE(window.isNull()) << "the calculator was not unloaded";
        EXPECT_EQ(Inputs().txtQ->text(), "10");
    }
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(ChannelCalculatorCommandsTest, MenuAndToolbarOpenTheManningsCalculatorOnTheProfile) {
    Main().Menus().mnuChannelType[1]->trigger();
    EnterInputs({"0+00.000", "1+00.000", "5", "2", "0.013", "0.001", "", "7"});
    for (const bool fromToolbar : {false, true}) {
        const auto open = [&] { fromToolbar ? RunToolbarButton(Main().Menus(), "Mannings") : Main().Menus().mnuMannings1->trigger(); };
        bool acted = false;
        QPointer<FrmMannings> window = RunModal<FrmMannings>(open,
                                                             [&](FrmMannings& w) {
                                                                 acted = true;
                                                                 EXPECT_TRUE(w.optChanType[1]->isChecked());
                                                                 EXPECT_FALSE(w.txtM->isVisibleTo(&w));
                                                                 EXPECT_EQ(w.lblB->text(), "Diameter, ft:");
                                                                 EXPECT_EQ(w.txtS->text(), "0.001");
                                                                 w.cmdCompute->click();
                                                                 EXPECT_EQ(w.lblYOutput->text(), "1.232");
                                                             });
        EXPECT_TRUE(acted);
        EXPECT_TRUE(window.isNull()) << "the calculator was not unloaded";
    }
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(ChannelCalculatorCommandsTest, MenuAndToolbarOpenTheJumpCalculatorOnTheProfile) {
    Main().Menus().mnuChannelType[2]->trigger();
    EnterInputs({"0+00.000", "1+00.000", "20", "2", "0.013", "0.001", "1.2", ""});
    for (const bool fromToolbar : {false, true}) {
        const auto open = [&] { fromToolbar ? RunToolbarButton(Main().Menus(), "Jump") : Main().Menus().mnuJump->trigger(); };
        bool acted = false;
        QPointer<FrmJump> window = RunModal<FrmJump>(open,
                                                     [&](FrmJump& w) {
                                                         acted = true;
                                                         EXPECT_TRUE(w.optChanType[2]->isChecked());
                                                         EXPECT_EQ(w.lblB->text(), "Diameter, ft:");
                                                         EXPECT_EQ(w.txtY1->text(), "");
                                                         w.txtY1->setText("0.5");
                                                         w.cmdCompute->click();
                                                         EXPECT_EQ(w.lblTypeOutput->text(), "strong");
                                                     });
        EXPECT_TRUE(acted);
        EXPECT_TRUE(window.isNull()) << "the calculator was not unloaded";
        EXPECT_EQ(Main().StatusHint(), "Compute the sequent depth, energy loss and length of a hydraulic jump.");
    }
    EXPECT_TRUE(services.messages.empty());
}

}  // namespace
}  // namespace rillo
