#include "calculators/frm_critical.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>

#include "platform/center_on_screen.h"
#include "tests/support/fake_platform_services.h"
#include "tests/support/key_input.h"
#include "tests/support/sample_profiles.h"

namespace rillo {
namespace {

using testing::FakePlatformServices;
using testing::PressKey;
using testing::ShowActive;
using testing::TypeText;

class CriticalWindow : public ::testing::Test {
   protected:
    FakePlatformServices services;

    static QStringList Results(const FrmCritical& w) { return {w.lblYCoutput->text(), w.lblSC->text()}; }
};

TEST_F(CriticalWindow, OpensOnTheProfilesTypeUnitsAndInputsCentred) {
    FrmCritical w(services, testing::TextbookCalculatorOpening(ChannelType::Circular, UnitSystem::SI));
    EXPECT_EQ(w.windowTitle(), "Critical Depth and Slope");
    EXPECT_TRUE(w.isModal());
    EXPECT_TRUE(w.optChanType[1]->isChecked());
    EXPECT_EQ(
        (QStringList{w.lblQ->text(), w.lblB->text(), w.Label3->text(), w.lblYC->text(), w.Label4->text()}),
        (QStringList{
            "Flowrate, m^3/s:", "Diameter, m:", "Manning's N:", "Critical depth, m:", "Critical slope:"}));
    EXPECT_FALSE(w.txtSides->isVisibleTo(&w));
    EXPECT_FALSE(w.lblSides->isVisibleTo(&w));
    EXPECT_EQ((QStringList{w.txtQ->text(), w.txtB->text(), w.txtn->text(), w.txtSides->text()}),
              (QStringList{"44.001", "4", "0.055", "3"}));
    EXPECT_EQ(Results(w), (QStringList{"", ""}));
    EXPECT_EQ(services.waitCursorShown, 1);
    EXPECT_EQ(services.waitDepth, 0);
    const QRect screen = w.screen()->geometry();
    EXPECT_EQ(w.pos(), screen.topLeft() + CenteredPosition(screen.size(), w.size()));
}

TEST_F(CriticalWindow, ShapeChoiceRelabelsAndKeepsResultsAndTexts) {
    FrmCritical w(services,
                  testing::TextbookCalculatorOpening(ChannelType::Trapezoidal, UnitSystem::English));
    ShowActive(w);
    const QSize size = w.size();
    EXPECT_EQ(w.lblSides->text(), "Side slope:");
    w.cmdCompute->click();
    EXPECT_EQ(Results(w), (QStringList{"1.163", "0.04985"}));

    struct Step {
        int option;
        const char* width;
        bool sideShown;
        const char* side;
    };
    for (const Step& s :
         {Step{3, "Diameter, ft:", true, "Side height, ft:"}, Step{2, "Diameter, ft:", false, nullptr},
          Step{1, "Diameter, ft:", false, nullptr}, Step{0, "Width, ft:", true, "Side slope:"}}) {
        w.optChanType[static_cast<size_t>(s.option)]->click();
        EXPECT_EQ(w.lblB->text(), s.width) << s.option;
        EXPECT_EQ(w.txtSides->isVisibleTo(&w), s.sideShown) << s.option;
        if (s.side) {
            EXPECT_EQ(w.lblSides->text(), s.side);
        }
        EXPECT_EQ(Results(w), (QStringList{"1.163", "0.04985"}));
        EXPECT_EQ(w.txtSides->text(), "3");
        QApplication::processEvents();
        EXPECT_EQ(w.size(), size) << "relabelling resized the window";
    }
}

TEST_F(CriticalWindow, AStoppedComputeKeepsTheResultsAFailedOneBlanksThem) {
    FrmCritical w(services,
                  testing::TextbookCalculatorOpening(ChannelType::Trapezoidal, UnitSystem::English));
    w.cmdCompute->click();
    w.txtB->clear();
    w.cmdCompute->click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].title, "Incomplete Input");
    EXPECT_EQ(services.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(services.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(Results(w), (QStringList{"1.163", "0.04985"}));

    // A depth above the search is a computation that failed: nothing stays
    // beside the new inputs.
    w.txtB->setText("4");
    w.txtQ->setText("3e6");
    w.cmdCompute->click();
    ASSERT_EQ(services.messages.size(), 2u);
    EXPECT_EQ(services.messages[1].title, "Critical Depth");
    EXPECT_EQ(Results(w), (QStringList{"", ""}));
}

TEST_F(CriticalWindow, RoughnessWarningNoOrCancelFocusesTheRoughnessYesComputes) {
    FrmCritical w(services,
                  testing::TextbookCalculatorOpening(ChannelType::Trapezoidal, UnitSystem::English));
    ShowActive(w);
    w.txtn->setText("0.15");
    for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Cancel}) {
        services.focused = nullptr;
        services.answers = {answer};
        w.cmdCompute->click();
        EXPECT_EQ(services.messages.back().title, "Manning's coefficient error");
        EXPECT_EQ(services.messages.back().icon, MessageIcon::Warning);
        EXPECT_EQ(services.messages.back().buttons, MessageButtons::YesNoCancel);
        EXPECT_EQ(services.focused, w.txtn);
        EXPECT_EQ(Results(w), (QStringList{"", ""}));
    }
    services.focused = nullptr;
    services.answers = {MessageAnswer::Yes};
    w.cmdCompute->click();
    EXPECT_EQ(services.messages.size(), 3u);
    EXPECT_EQ(services.focused, nullptr);
    EXPECT_EQ(Results(w), (QStringList{"1.163", "0.37078"}));
}

TEST_F(CriticalWindow, ARunTimeErrorShowsTheUnknownErrorAndBlanksBothResults) {
    FrmCritical w(services,
                  testing::TextbookCalculatorOpening(ChannelType::Trapezoidal, UnitSystem::English));
    w.cmdCompute->click();
    w.txtQ->setText("0");
    w.cmdCompute->click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, "An unknown error has occurred.  Please contact tech support.");
    EXPECT_EQ(services.messages[0].title, "Rillo 2.1");
    EXPECT_EQ(services.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(Results(w), (QStringList{"", ""}));
}

TEST_F(CriticalWindow, FieldsRefuseAMinusAndEnterMovesOn) {
    FrmCritical w(services,
                  testing::TextbookCalculatorOpening(ChannelType::Trapezoidal, UnitSystem::English));
    ShowActive(w);
    for (QLineEdit* field : {w.txtQ, w.txtB, w.txtn, w.txtSides}) {
        services.messages.clear();
        TypeText(field, "-");
        EXPECT_EQ(field->text(), "") << field->objectName().toStdString();
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.messages[0].text, "Please use a number greater than zero.");
    }
    w.txtQ->setFocus();
    PressKey(w.txtQ, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w.txtB);
    PressKey(w.txtB, Qt::Key_Enter);
    EXPECT_EQ(QApplication::focusWidget(), w.txtn);
}

TEST_F(CriticalWindow, CloseEndsTheWindow) {
    FrmCritical w(services,
                  testing::TextbookCalculatorOpening(ChannelType::Trapezoidal, UnitSystem::English));
    ShowActive(w);
    w.cmdClose->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Rejected);
}

}  // namespace
}  // namespace rillo
