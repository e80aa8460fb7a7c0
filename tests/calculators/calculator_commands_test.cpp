#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <functional>

#include "calculators/frm_gates.h"
#include "calculators/frm_orifices.h"
#include "calculators/frm_weirs.h"
#include "shell/main_menus.h"
#include "tests/support/main_window_harness.h"

namespace rillo {
namespace {

using testing::MainWindowTest;

class CalculatorCommandsTest : public MainWindowTest {
   protected:
    void SetUp() override { StartProgram(); }

    // Runs `open` and, while the calculator is shown modally, lets `examine`
    // look at it and work it, then closes it with its Close button.
    template <typename Window>
    void WhileShown(const std::function<void()>& open, const std::function<void(Window&)>& examine) {
        bool shown = false;
        QTimer::singleShot(0, [&] {
            auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
            ASSERT_NE(window, nullptr) << "the calculator is not shown modally";
            shown = true;
            examine(*window);
            window->cmdClose->click();
        });
        open();
        EXPECT_TRUE(shown);
    }
};

TEST_F(CalculatorCommandsTest, MenuItemsAndToolbarButtonsOpenTheirCalculatorsAfresh) {
    const MainMenus& m = Main().Menus();
    WhileShown<FrmWeirs>([&] { m.mnuWeirs->trigger(); },
                         [this](FrmWeirs& w) {
                             EXPECT_EQ(w.parentWidget(), &Main());
                             w.txtWeirC->setText("0.7");
                         });
    // Loaded afresh: the coefficient is back at its prefill.
    WhileShown<FrmWeirs>([&] { RunToolbarButton(m, "Weirs"); },
                         [](FrmWeirs& w) { EXPECT_EQ(w.txtWeirC->text(), "0.61"); });
    WhileShown<FrmOrifices>([&] { m.mnuOrifices->trigger(); }, [](FrmOrifices&) {});
    WhileShown<FrmOrifices>([&] { RunToolbarButton(m, "Orifices"); }, [](FrmOrifices&) {});
    WhileShown<FrmGates>([&] { m.mnuGates->trigger(); }, [](FrmGates&) {});
    WhileShown<FrmGates>([&] { RunToolbarButton(m, "Gates"); }, [](FrmGates&) {});
    EXPECT_TRUE(Main().findChildren<CalculatorDialog*>().isEmpty()) << "a closed calculator was not unloaded";
}

TEST_F(CalculatorCommandsTest, CalculatorsOpenInTheCurrentUnits) {
    Main().Menus().mnuSI->trigger();
    WhileShown<FrmGates>([&] { Main().Menus().mnuGates->trigger(); },
                         [](FrmGates& w) { EXPECT_EQ(w.lblV->text(), "Velocity, m/s:"); });
    WhileShown<FrmWeirs>([&] { Main().Menus().mnuWeirs->trigger(); },
                         [](FrmWeirs& w) { EXPECT_EQ(w.lblQ->text(), "Flowrate, m^3/s:"); });
}

}  // namespace
}  // namespace rillo
