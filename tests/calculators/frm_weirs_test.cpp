#include "calculators/frm_weirs.h"

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

class WeirsWindow : public ::testing::Test {
   protected:
    // What the window shows of its shape- and tab-bound controls.
    struct Look {
        QString lengthCaption;
        bool broadCrestedShown;
        bool downstreamHeadShown;
        bool operator==(const Look&) const = default;
    };
    static Look LookOf(const FrmWeirs& w) {
        EXPECT_EQ(w.lblDSWeirH->isVisibleTo(&w), w.txtDSWeirH->isVisibleTo(&w));
        return {w.lblWeirL->text(), w.chkBroadcrested->isVisibleTo(&w), w.txtDSWeirH->isVisibleTo(&w)};
    }

    FakePlatformServices services;
};

TEST_F(WeirsWindow, OpensOnTheRectangularFreeFlowingWeirInItsUnits) {
    FrmWeirs w(services, UnitSystem::English);
    EXPECT_EQ(w.windowTitle(), "Weirs");
    EXPECT_TRUE(w.isModal());
    EXPECT_EQ(services.waitCursorShown, 1);
    EXPECT_EQ(services.waitDepth, 0);
    const QRect screen = w.screen()->geometry();
    EXPECT_EQ(w.pos(), screen.topLeft() + CenteredPosition(screen.size(), w.size()));
    EXPECT_EQ(w.tabWeirs->currentIndex(), 0);
    EXPECT_EQ(w.tabWeirs->tabText(0), "Free-flowing");
    EXPECT_EQ(w.tabWeirs->tabText(1), "Submerged");
    EXPECT_TRUE(w.optWeirShape[0]->isChecked());
    EXPECT_EQ(w.optWeirShape[2]->text(), "Cipolleti (trapezoidal)");
    EXPECT_EQ(LookOf(w), (Look{"Weir length, ft:", true, false}));
    EXPECT_FALSE(w.chkBroadcrested->isChecked());
    EXPECT_EQ(w.lblH->text(), "Upstream head, ft:");
    EXPECT_EQ(w.lblC->text(), "Weir coefficient:");
    EXPECT_EQ(w.lblQ->text(), "Flowrate, ft^3/s:");
    EXPECT_EQ(w.txtWeirC->text(), "0.61");
    for (QLineEdit* f : {w.txtWeirL, w.txtWeirH, w.txtDSWeirH}) EXPECT_EQ(f->text(), "");
    EXPECT_EQ(w.lblWeirQ->text(), "");

    FrmWeirs si(services, UnitSystem::SI);
    EXPECT_EQ(si.lblWeirL->text(), "Weir length, m:");
    EXPECT_EQ(si.lblH->text(), "Upstream head, m:");
    EXPECT_EQ(si.lblQ->text(), "Flowrate, m^3/s:");
    si.tabWeirs->setCurrentIndex(1);
    EXPECT_EQ(si.lblDSWeirH->text(), "Downstream head, m:");
}

TEST_F(WeirsWindow, ShapeAndTabDecideWhatIsShown) {
    FrmWeirs w(services, UnitSystem::English);
    w.txtWeirL->setText("12");
    w.lblWeirQ->setText("4.000");
    auto shape = [&](int i) { return [&w, i] { w.optWeirShape[i]->click(); }; };
    auto tab = [&](int i) { return [&w, i] { w.tabWeirs->setCurrentIndex(i); }; };
    struct Step {
        std::function<void()> act;
        Look look;
    };
    const std::vector<Step> steps = {
        {shape(1), {"V-notch angle:", false, false}},   {tab(1), {"V-notch angle:", false, true}},
        {shape(0), {"Weir length, ft:", false, true}},  {tab(0), {"Weir length, ft:", true, false}},
        {shape(2), {"Weir length, ft:", false, false}}, {tab(1), {"Weir length, ft:", false, true}},
        {tab(0), {"Weir length, ft:", false, false}},   {shape(0), {"Weir length, ft:", true, false}},
        {tab(1), {"Weir length, ft:", false, true}},
    };
    for (size_t i = 0; i < steps.size(); ++i) {
        steps[i].act();
        EXPECT_EQ(LookOf(w), steps[i].look) << "step " << i;
    }
    // Nothing typed or computed is cleared by these changes.
    EXPECT_EQ(w.txtWeirL->text(), "12");
    EXPECT_EQ(w.lblWeirQ->text(), "4.000");
}

TEST_F(WeirsWindow, ComputeOnBothTabsThroughTheWidgets) {
    FrmWeirs w(services, UnitSystem::English);
    ShowActive(w);
    TypeText(w.txtWeirL, "10");
    TypeText(w.txtWeirH, "2");
    w.chkBroadcrested->click();
    w.cmdComputeWeirFlow->click();
    EXPECT_EQ(w.lblWeirQ->text(), "53.292");

    // Submerged: the broad-crested box is hidden and ignored.
    w.tabWeirs->setCurrentIndex(1);
    w.cmdComputeWeirFlow->click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].title, "Incomplete Input");
    EXPECT_EQ(services.focused, w.txtDSWeirH);
    EXPECT_EQ(w.lblWeirQ->text(), "53.292");
    TypeText(w.txtDSWeirH, "1");
    w.cmdComputeWeirFlow->click();
    EXPECT_EQ(w.lblWeirQ->text(), "78.034");

    // A V-notch of 180 degrees is refused before anything else; the result stays.
    w.optWeirShape[1]->click();
    w.txtWeirL->setText("180");
    w.txtWeirH->clear();
    w.cmdComputeWeirFlow->click();
    ASSERT_EQ(services.messages.size(), 2u);
    EXPECT_EQ(services.messages[1].title, "Weir Angle Too Large");
    EXPECT_EQ(services.messages[1].text,
              QString::fromUtf8("The V-notch angle must be less than 180°, otherwise the weir width would be "
                                "infinite."));
    EXPECT_EQ(services.messages[1].icon, MessageIcon::Information);
    EXPECT_EQ(w.lblWeirQ->text(), "78.034");

    // Just under 180 the tangent of the half-angle turns negative: the same message.
    w.txtWeirL->setText("179.99999");
    w.txtWeirH->setText("1");
    w.cmdComputeWeirFlow->click();
    ASSERT_EQ(services.messages.size(), 3u);
    EXPECT_EQ(services.messages[2].title, "Weir Angle Too Large");
    EXPECT_EQ(w.lblWeirQ->text(), "78.034");

    // A pasted minus is refused at Compute with its field's message and focus.
    w.txtWeirL->setText("-10");
    w.cmdComputeWeirFlow->click();
    ASSERT_EQ(services.messages.size(), 4u);
    EXPECT_EQ(services.messages[3].text, "Please use a number greater than zero.");
    EXPECT_EQ(services.focused, w.txtWeirL);
    EXPECT_EQ(w.txtWeirL->text(), "-10");
    EXPECT_EQ(w.lblWeirQ->text(), "78.034");

    // A downstream head above the upstream head is an input message; the result stays.
    w.txtWeirL->setText("90");
    w.txtDSWeirH->setText("2");
    w.cmdComputeWeirFlow->click();
    ASSERT_EQ(services.messages.size(), 5u);
    EXPECT_EQ(services.messages[4].title, "Input Error");
    EXPECT_EQ(services.messages[4].text, "The downstream head must be less than the upstream head.");
    EXPECT_EQ(services.focused, w.txtDSWeirH);
    EXPECT_EQ(w.lblWeirQ->text(), "78.034");

    // A run-time error (0 / 0) blanks the result.
    w.txtWeirH->setText("0");
    w.txtDSWeirH->setText("0");
    w.cmdComputeWeirFlow->click();
    ASSERT_EQ(services.messages.size(), 6u);
    EXPECT_EQ(services.messages[5].title, "Rillo 2.1");
    EXPECT_EQ(services.messages[5].text, "An unknown error has occurred.  Please contact tech support.");
    EXPECT_EQ(services.messages[5].icon, MessageIcon::Warning);
    EXPECT_EQ(w.lblWeirQ->text(), "");
}

TEST_F(WeirsWindow, ACoefficientAboveOneIsAskedAbout) {
    FrmWeirs w(services, UnitSystem::English);
    ShowActive(w);
    TypeText(w.txtWeirL, "10");
    TypeText(w.txtWeirH, "2");
    w.txtWeirC->setText("3.33");
    services.answers = {MessageAnswer::No, MessageAnswer::Yes};
    w.cmdComputeWeirFlow->click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].title, "Weir Coefficient");
    EXPECT_EQ(services.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(services.focused, w.txtWeirC);
    EXPECT_EQ(w.lblWeirQ->text(), "");
    w.cmdComputeWeirFlow->click();
    EXPECT_EQ(services.messages.size(), 2u);
    EXPECT_EQ(w.lblWeirQ->text(), "503.896") << "used once the user says Yes";
}

TEST_F(WeirsWindow, FieldsFollowTheNumericRulesAndEnterMovesOn) {
    FrmWeirs w(services, UnitSystem::English);
    ShowActive(w);
    w.tabWeirs->setCurrentIndex(1);
    for (QLineEdit* field : {w.txtWeirL, w.txtWeirH, w.txtWeirC, w.txtDSWeirH}) {
        services.messages.clear();
        field->setText("5");
        field->setFocus();
        TypeText(field, "-");
        EXPECT_EQ(field->text(), "") << field->objectName().toStdString();
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.messages[0].text, "Please use a number greater than zero.");
    }
    w.txtWeirL->setFocus();
    TypeText(w.txtWeirL, "1 2");
    EXPECT_EQ(w.txtWeirL->text(), "12");  // the blank is dropped
    PressKey(w.txtWeirL, Qt::Key_Return);
    EXPECT_EQ(services.focused, w.txtWeirH);
    PressKey(w.txtWeirH, Qt::Key_Return);
    EXPECT_EQ(services.focused, w.txtWeirC);
    // The broad-crested box is hidden on this tab: Enter goes to the downstream head.
    PressKey(w.txtWeirC, Qt::Key_Return);
    EXPECT_EQ(services.focused, w.txtDSWeirH);
    PressKey(w.txtDSWeirH, Qt::Key_Return);
    EXPECT_EQ(services.focused, w.cmdComputeWeirFlow);

    w.cmdClose->click();
    EXPECT_FALSE(w.isVisible());
}

}  // namespace
}  // namespace rillo
