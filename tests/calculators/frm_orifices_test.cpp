#include "calculators/frm_orifices.h"

#include <gtest/gtest.h>

#include "tests/support/fake_platform_services.h"
#include "tests/support/key_input.h"

namespace rillo {
namespace {

using testing::FakePlatformServices;
using testing::PressKey;
using testing::ShowActive;
using testing::TypeText;

TEST(OrificesWindow, CaptionsFollowUnitsAndShape) {
    FakePlatformServices services;
    FrmOrifices w(services, UnitSystem::English);
    EXPECT_EQ(w.windowTitle(), "Orifices");
    EXPECT_EQ(w.Frame3->title(), "Select the orifice shape.");
    EXPECT_TRUE(w.optOrifice[0]->isChecked());
    EXPECT_EQ(w.lblH->text(), "Head, ft:");
    EXPECT_EQ(w.lblB->text(), "Diameter, ft:");
    EXPECT_EQ(w.lblC->text(), "Orifice coefficient:");
    EXPECT_EQ(w.lblQ->text(), "Flowrate, ft^3/s:");
    EXPECT_EQ(w.txtC->text(), "0.61");
    EXPECT_EQ(w.txtB->text() + w.txtH->text(), "");
    w.optOrifice[1]->click();
    EXPECT_EQ(w.lblB->text(), "Width, ft:");
    w.optOrifice[0]->click();
    EXPECT_EQ(w.lblB->text(), "Diameter, ft:");

    FrmOrifices si(services, UnitSystem::SI);
    EXPECT_EQ(si.lblH->text(), "Head, m:");
    EXPECT_EQ(si.lblQ->text(), "Flowrate, m^3/s:");
    si.optOrifice[1]->click();
    EXPECT_EQ(si.lblB->text(), "Width, m:");
}

TEST(OrificesWindow, ComputeAndItsMessagesThroughTheWidgets) {
    FakePlatformServices services;
    FrmOrifices w(services, UnitSystem::English);
    ShowActive(w);
    w.optOrifice[1]->click();
    TypeText(w.txtH, "1");
    PressKey(w.txtH, Qt::Key_Return);
    EXPECT_EQ(services.focused, w.txtB);
    TypeText(w.txtB, "1");
    w.txtC->setText("1");
    w.cmdCompute->click();
    EXPECT_EQ(w.lblQoutput->text(), "8.025");
    EXPECT_TRUE(services.messages.empty());

    // Each stop shows its message, focuses its field and keeps the result.
    struct Case {
        const char* size;
        const char* coefficient;
        const char* head;
        const char* title;
        QLineEdit* focus;
    };
    const std::vector<Case> cases = {
        {"", "", "", "Channel Width", w.txtB},
        {"1", "", "", "Channel Width", w.txtC},
        {"1", "0.6", ".", "Weir Head", w.txtH},
    };
    for (const Case& c : cases) {
        services.messages.clear();
        w.txtB->setText(c.size);
        w.txtC->setText(c.coefficient);
        w.txtH->setText(c.head);
        w.cmdCompute->click();
        ASSERT_EQ(services.messages.size(), 1u) << c.title;
        EXPECT_EQ(services.messages[0].title, c.title);
        EXPECT_EQ(services.messages[0].icon, MessageIcon::Warning);
        EXPECT_EQ(services.focused, c.focus);
        EXPECT_EQ(w.lblQoutput->text(), "8.025");
    }
    EXPECT_EQ(services.messages[0].text, "Please enter the weir head in the Required Inputs area.");
}

}  // namespace
}  // namespace rillo
