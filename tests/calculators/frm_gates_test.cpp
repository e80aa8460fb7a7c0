#include "calculators/frm_gates.h"

#include <gtest/gtest.h>

#include "tests/support/fake_platform_services.h"
#include "tests/support/key_input.h"

namespace rillo {
namespace {

using testing::FakePlatformServices;
using testing::ShowActive;
using testing::TypeText;

TEST(GatesWindow, CaptionsFollowTheUnits) {
    FakePlatformServices services;
    const std::vector<std::pair<UnitSystem, QStringList>> cases = {
        {UnitSystem::English,
         {"Upstream depth, ft:", "Gate width, ft:", "Gate opening, ft:", "Gate coefficient:",
          "Flowrate, ft^3/s:", "Velocity, ft/s:"}},
        {UnitSystem::SI,
         {"Upstream depth, m:", "Gate width, m:", "Gate opening, m:", "Gate coefficient:", "Flowrate, m^3/s:",
          "Velocity, m/s:"}},
    };
    for (const auto& [units, captions] : cases) {
        FrmGates w(services, units);
        EXPECT_EQ(w.windowTitle(), "Underflow Gates");
        EXPECT_EQ(QStringList({w.lblY1->text(), w.lblB->text(), w.lblGO->text(), w.lblC->text(),
                               w.lblQ->text(), w.lblV->text()}),
                  captions);
        EXPECT_EQ(w.txtC->text(), "0.61");
        EXPECT_EQ(w.txtY1->text() + w.txtB->text() + w.txtGO->text(), "");
    }
}

TEST(GatesWindow, StoppedComputesKeepBothResultsFailedOnesBlankThem) {
    FakePlatformServices services;
    FrmGates w(services, UnitSystem::English);
    ShowActive(w);
    TypeText(w.txtY1, "5");
    TypeText(w.txtB, "4");
    TypeText(w.txtGO, "1");
    w.cmdCompute->click();
    EXPECT_EQ(w.lblQoutput->text(), "43.784");
    EXPECT_EQ(w.lblVOutput->text(), "10.946");

    struct Case {
        const char* depth;
        const char* width;
        const char* opening;
        QString title;
        QLineEdit* focus;
    };
    const std::vector<Case> cases = {
        {"5", "", "1", "Incomplete Input", w.txtB}, {"5", "4", "5", "Input Error", w.txtGO},
        {"0", "4", "0", "Input Error", w.txtGO},    {"5", "-4", "1", "Input Error", w.txtB},
        {"5", "0", "1", "Rillo 2.1", nullptr},      {"5", "4", "0", "Rillo 2.1", nullptr},
    };
    for (const Case& c : cases) {
        w.txtY1->setText("5");
        w.txtB->setText("4");
        w.txtGO->setText("1");
        w.cmdCompute->click();
        services.messages.clear();
        services.focused = nullptr;
        w.txtY1->setText(c.depth);
        w.txtB->setText(c.width);
        w.txtGO->setText(c.opening);
        w.cmdCompute->click();
        ASSERT_EQ(services.messages.size(), 1u) << c.depth << " " << c.width << " " << c.opening;
        EXPECT_EQ(services.messages[0].title, c.title);
        EXPECT_EQ(services.focused, c.focus);
        const bool failed = c.focus == nullptr;
        EXPECT_EQ(w.lblQoutput->text(), failed ? "" : "43.784") << c.width << " " << c.opening;
        EXPECT_EQ(w.lblVOutput->text(), failed ? "" : "10.946");
    }
    EXPECT_EQ(services.messages[0].text, "An unknown error has occurred.  Please contact tech support.");
}

}  // namespace
}  // namespace rillo
