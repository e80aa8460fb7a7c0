#include "calculators/frm_jump.h"

#include <gtest/gtest.h>

#include <QApplication>

#include "tests/support/fake_platform_services.h"
#include "tests/support/key_input.h"

namespace rillo {
namespace {

using testing::FakePlatformServices;
using testing::ShowActive;

CalculatorOpening Opening(ChannelType type, UnitSystem units) {
    CalculatorOpening opening;
    opening.units = units;
    opening.channelType = type;
    opening.inputs = {"", "", "100", "10", "0.013", "0.001", "1.5", "0"};
    return opening;
}

class JumpWindow : public ::testing::Test {
   protected:
    FakePlatformServices services;

    static QStringList Results(const FrmJump& w) {
        QStringList texts;
        for (const QLabel* label : {w.lblY2Output, w.lblFr1Output, w.lblFr2Output, w.lblV1Output,
                                    w.lblV2Output, w.lblELOutput, w.lblLOutput, w.lblTypeOutput})
            texts << label->text();
        return texts;
    }
};

TEST_F(JumpWindow, OpensOnTheProfilesChannelAndComputesTheJump) {
    FrmJump w(services, Opening(ChannelType::Trapezoidal, UnitSystem::SI));
    ShowActive(w);
    EXPECT_EQ(w.windowTitle(), "Hydraulic Jump");
    EXPECT_TRUE(w.isModal());
    EXPECT_TRUE(w.optChanType[0]->isChecked());
    EXPECT_EQ((QStringList{w.txtQ->text(), w.txtB->text(), w.txtSides->text(), w.txtY1->text()}),
              (QStringList{"100", "10", "0", ""}));
    EXPECT_EQ((QStringList{w.lblQ->text(), w.lblY1->text(), w.lblY2->text(), w.lblL->text()}),
              (QStringList{"Flowrate, m^3/s:", "Upstream depth, m:", "Sequent depth, m:",
                           "Jump length (estimate), m:"}));
    EXPECT_EQ(Results(w), QStringList(8, ""));
    w.txtQ->setFocus();
    testing::PressKey(w.txtQ, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w.txtY1) << "Enter moves on to the upstream depth";

    // 10 m^3/s per metre 0.5 m deep: Fr1 = 20 / (9.81 x 0.5)^(1/2) = 9.030 and
    // y2 = 0.5 / 2 ((1 + 8 Fr1^2)^(1/2) - 1) = 6.140; the loss is (y2 - y1)^3 / (4 y1 y2).
    w.txtY1->setText("0.5");
    w.cmdCompute->click();
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(Results(w),
              (QStringList{"6.140", "9.030", "0.210", "20.000", "1.629", "14.612", "37.456", "strong"}));
}

TEST_F(JumpWindow, ARefusalKeepsTheResultsAndAFullConduitClearsTheDownstreamSide) {
    FrmJump w(services, Opening(ChannelType::Trapezoidal, UnitSystem::English));
    ShowActive(w);
    const QSize size = w.size();
    w.txtY1->setText("0.5");
    w.cmdCompute->click();
    const QStringList rectangle = Results(w);
    EXPECT_EQ(rectangle.first(), "3.283");

    w.txtY1->setText("3");
    w.cmdCompute->click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].title, "Input Error");
    EXPECT_EQ(services.focused, w.txtY1);
    EXPECT_EQ(Results(w), rectangle);

    // A 2 ft pipe whose 0.3 ft jet carries 10 ft^3/s flows full below the jump.
    w.optChanType[1]->click();
    EXPECT_FALSE(w.txtSides->isVisibleTo(&w));
    EXPECT_EQ(w.lblB->text(), "Diameter, ft:");
    w.txtB->setText("2");
    w.txtQ->setText("10");
    w.txtY1->setText("0.3");
    w.cmdCompute->click();
    ASSERT_EQ(services.messages.size(), 2u);
    EXPECT_EQ(services.messages[1].title, "Hydraulic Jump");
    const QStringList full = Results(w);
    EXPECT_EQ((QStringList{full[0], full[2], full[4], full[5], full[6]}), QStringList(5, ""));
    EXPECT_EQ(full[7], "strong");
    QApplication::processEvents();
    EXPECT_EQ(w.size(), size) << "relabelling resized the window";
}

}  // namespace
}  // namespace rillo
