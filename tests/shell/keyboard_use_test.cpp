// Every window works without a mouse: Tab walks the fields in the order the
// window lists them, Escape closes a dialog and its access keys fire.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <functional>
#include <memory>

#include "calculators/frm_critical.h"
#include "calculators/frm_gates.h"
#include "calculators/frm_mannings.h"
#include "calculators/frm_orifices.h"
#include "calculators/frm_weirs.h"
#include "documents/frm_main_inputs.h"
#include "shell/frm_channel_name.h"
#include "tests/support/key_input.h"
#include "tests/support/main_window_harness.h"

namespace rillo {
namespace {

using testing::FakePlatformServices;
using testing::ShowActive;

std::string FocusName() {
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName().toStdString() : "(none)";
}

// The focus stops reached by pressing Tab from the first one, one full round.
std::vector<std::string> TabRound(QWidget& window, QWidget* first, int presses) {
    ShowActive(window);
    first->setFocus(Qt::TabFocusReason);
    std::vector<std::string> stops{FocusName()};
    for (int i = 0; i < presses; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        stops.push_back(FocusName());
    }
    return stops;
}

CalculatorOpening TrapezoidOpening() {
    CalculatorOpening opening;
    opening.channelType = ChannelType::Trapezoidal;
    return opening;
}

struct DialogCase {
    const char* name;
    std::function<std::unique_ptr<QDialog>(FakePlatformServices&)> make;
    const char* firstStop;           // the checked option button of a group is its stop
    std::vector<std::string> stops;  // one round, ending back on the first stop
};

std::vector<DialogCase> Dialogs() {
    return {
        {"Critical",
         [](auto& s) { return std::make_unique<FrmCritical>(s, TrapezoidOpening()); },
         "optChanType1",
         {"optChanType1", "txtQ", "txtB", "txtn", "txtSides", "cmdCompute", "cmdClose", "optChanType1"}},
        {"Mannings",
         [](auto& s) { return std::make_unique<FrmMannings>(s, TrapezoidOpening()); },
         "tabMannings1",
         {"tabMannings1", "optChanType1", "txtQ", "txtB", "txtn", "txtM", "txtS", "cmdCompute", "cmdClose",
          "tabMannings1"}},
        {"Weirs",
         [](auto& s) { return std::make_unique<FrmWeirs>(s, UnitSystem::English); },
         "tabWeirs",
         {"tabWeirs", "optWeirShape1", "txtWeirL", "txtWeirH", "txtWeirC", "chkBroadcrested",
          "cmdComputeWeirFlow", "cmdClose", "tabWeirs"}},
        {"Orifices",
         [](auto& s) { return std::make_unique<FrmOrifices>(s, UnitSystem::SI); },
         "optOrifice1",
         {"optOrifice1", "txtH", "txtB", "txtC", "cmdCompute", "cmdClose", "optOrifice1"}},
        {"Gates",
         [](auto& s) { return std::make_unique<FrmGates>(s, UnitSystem::English); },
         "txtY1",
         {"txtY1", "txtB", "txtGO", "txtC", "cmdCompute", "cmdClose", "txtY1"}},
        {"ChannelName",
         [](auto& s) { return std::make_unique<FrmChannelName>(s, ChannelType::Circular, "Mill race"); },
         "optChannelType2",
         {"optChannelType2", "txtNewlbl", "cmdOK", "cmdCancel", "optChannelType2"}},
    };
}

class DialogKeyboard : public ::testing::TestWithParam<DialogCase> {
   protected:
    FakePlatformServices services;
};

TEST_P(DialogKeyboard, TabWalksTheFieldsInTheirListedOrder) {
    const DialogCase& c = GetParam();
    std::unique_ptr<QDialog> dialog = c.make(services);
    auto* first = dialog->findChild<QWidget*>(c.firstStop);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(TabRound(*dialog, first, static_cast<int>(c.stops.size()) - 1), c.stops);
}

TEST_P(DialogKeyboard, EscapeClosesWithoutApplying) {
    std::unique_ptr<QDialog> dialog = GetParam().make(services);
    ShowActive(*dialog);
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : dialog.get(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(services.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Windows, DialogKeyboard, ::testing::ValuesIn(Dialogs()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DialogAccessKeys, AltCClosesACalculator) {
    FakePlatformServices services;
    FrmGates gates(services, UnitSystem::English);
    ShowActive(gates);
    gates.txtY1->setFocus();
    QTest::keyClick(gates.windowHandle(), Qt::Key_C, Qt::AltModifier);
    // An access key clicks its button as a short animation.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !gates.isVisible(); }, 2000));
    EXPECT_EQ(gates.result(), QDialog::Rejected);
}

class InputsViewKeyboard : public testing::MainWindowTest {};

TEST_F(InputsViewKeyboard, TabWalksTheInputsTopToBottom) {
    StartProgram();
    const std::vector<std::string> trapezoid{"txtXS1", "txtXS2",   "txtQ",     "txtD",  "txtRN",
                                             "txtSO",  "txtYCont", "txtSlope", "txtXS1"};
    EXPECT_EQ(TabRound(Main(), Inputs().txtXS1, 8), trapezoid);
}

// Ctrl+Tab walks the three views, the results view (labels only) too, and
// the Window menu brings back any view, hidden or minimised.
class ViewsKeyboard : public testing::MainWindowTest {};

TEST_F(ViewsKeyboard, CtrlTabAndTheWindowMenuReachEveryView) {
    MDIMain& main = StartProgram();
    ShowActive(main);
    QMdiSubWindow* views[] = {&main.InputsWindow(), &main.ResultsWindow(), &main.GridWindow()};
    auto active = [&main, &views] {
        for (int i = 0; i < 3; ++i) {
            if (main.mdiArea->activeSubWindow() == views[i]) return i;
        }
        return -1;
    };
    // From the inputs view, where start-up leaves the focus, round the three
    // and back; each press from inside the view in front (a field, the table).
    std::vector<int> walked{active()};
    for (int press = 0; press < 3; ++press) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget()->window()->windowHandle()
                                                     : main.windowHandle(),
                        Qt::Key_Tab, Qt::ControlModifier);
        walked.push_back(active());
    }
    QTest::keyClick(main.windowHandle(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    walked.push_back(active());
    EXPECT_EQ(walked, std::vector<int>({0, 1, 2, 0, 2})) << "Ctrl+Tab on, Ctrl+Shift+Tab back";

    views[1]->hide();
    views[2]->showMinimized();
    for (int i : {1, 2, 0}) {
        main.Menus().mnuWindow->popup({0, 0});  // captions and the check follow the views
        main.Menus().mnuWindow->hide();
        main.Menus().mnuWindowList[size_t(i)]->trigger();
        EXPECT_EQ(active(), i);
        EXPECT_TRUE(views[i]->isVisible() && !views[i]->isMinimized()) << i;
        main.Menus().mnuWindow->popup({0, 0});
        main.Menus().mnuWindow->hide();
        EXPECT_TRUE(main.Menus().mnuWindowList[size_t(i)]->isChecked()) << i;
    }

    main.Menus().mnuTile->trigger();
    const QRect area = main.mdiArea->viewport()->rect();
    for (QMdiSubWindow* view : views) {
        EXPECT_TRUE(area.contains(view->geometry())) << view->objectName().toStdString();
        for (QMdiSubWindow* other : views) {
            if (other != view) EXPECT_FALSE(view->geometry().intersects(other->geometry()));
        }
    }
    main.Menus().mnuCascade->trigger();
    EXPECT_LT(views[0]->y(), views[1]->y());
    EXPECT_LT(views[1]->y(), views[2]->y());
}

}  // namespace
}  // namespace rillo
