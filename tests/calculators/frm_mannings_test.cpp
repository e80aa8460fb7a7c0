#include "calculators/frm_mannings.h"

#include <gtest/gtest.h>

#include <QApplication>

#include "tests/support/fake_platform_services.h"
#include "tests/support/key_input.h"
#include "tests/support/sample_profiles.h"

namespace rillo {
namespace {

using testing::FakePlatformServices;
using testing::PressKey;
using testing::ShowActive;
using testing::TypeText;

class ManningsWindow : public ::testing::Test {
   protected:
    FakePlatformServices services;

    static QStringList Results(const FrmMannings& w) {
        return {w.lblYOutput->text(), w.lblVOutput->text(), w.lblAOutput->text(), w.lblPOutput->text(),
                w.lblRHOutput->text()};
    }
    // lblY, lblQ, lblB, lbln, lblM, lblS
    static QStringList FieldCaptions(const FrmMannings& w) {
        return {w.lblY->text(), w.lblQ->text(), w.lblB->text(),
                w.lbln->text(), w.lblM->text(), w.lblS->text()};
    }
};

TEST_F(ManningsWindow, OpensOnTheDepthTabWithTheProfilesTypeUnitsAndInputs) {
    FrmMannings w(services,
                  testing::TextbookCalculatorOpening(ChannelType::ElongatedCircular, UnitSystem::SI));
    EXPECT_EQ(w.windowTitle(), "Depth, Flowrate, Slope, and Roughness");
    EXPECT_EQ(w.tabMannings1->currentIndex(), 0);
    EXPECT_EQ(w.tabMannings1->count(), 4);
    EXPECT_TRUE(w.optChanType[3]->isChecked());
    EXPECT_EQ(FieldCaptions(w), (QStringList{"Depth, m:", "Flowrate, m^3/s:", "Diameter, m:", "Manning's N:",
                                             "Side height, m:", "Bottom slope:"}));
    EXPECT_EQ((QStringList{w.lblV->text(), w.lblA->text(), w.lblP->text(), w.lblRH->text()}),
              (QStringList{"Velocity, m/s:", "Area, m^2:", "Wetted perimeter, m:", "Hydraulic radius, m:"}));
    EXPECT_EQ((QStringList{w.txtQ->text(), w.txtB->text(), w.txtn->text(), w.txtM->text(), w.txtS->text()}),
              (QStringList{"44.001", "4", "0.055", "3", "0.02"}));
    EXPECT_TRUE(w.txtM->isVisibleTo(&w));
    EXPECT_EQ(Results(w), QStringList(5, ""));
    EXPECT_EQ(services.waitDepth, 0);
    EXPECT_EQ(services.waitCursorShown, 1);
}

TEST_F(ManningsWindow, TabsRelabelTheUnknownAndTheFieldThatHoldsTheDepth) {
    FrmMannings w(services,
                  testing::TextbookCalculatorOpening(ChannelType::Trapezoidal, UnitSystem::English));
    ShowActive(w);
    const QSize size = w.size();
    w.cmdCompute->click();
    const QStringList depthResults = {"1.454", "3.618", "12.161", "13.197", "0.921"};
    EXPECT_EQ(Results(w), depthResults);

    const QStringList expected[] = {
        {"Depth, ft:", "Flowrate, ft^3/s:", "Width, ft:", "Manning's N:", "Side slope:", "Bottom slope:"},
        {"Flowrate, ft^3/s:", "Depth, ft:", "Width, ft:", "Manning's N:", "Side slope:", "Bottom slope:"},
        {"Bottom slope:", "Flowrate, ft^3/s:", "Width, ft:", "Manning's N:", "Side slope:", "Depth, ft:"},
        {"Manning's N:", "Flowrate, ft^3/s:", "Width, ft:", "Depth, ft:", "Side slope:", "Bottom slope:"},
    };
    for (int tab : {1, 2, 3, 0}) {
        w.tabMannings1->setCurrentIndex(tab);
        EXPECT_EQ(FieldCaptions(w), expected[tab]) << tab;
        // The depth found would stand under the new unknown's label.
        EXPECT_EQ(Results(w), QStringList(5, "")) << tab;
        EXPECT_EQ(w.txtQ->text(), "44.001");
    }
    // The U-shape hides the side field; its tab labels follow the shape.
    w.tabMannings1->setCurrentIndex(1);
    w.optChanType[2]->click();
    EXPECT_FALSE(w.txtM->isVisibleTo(&w));
    EXPECT_EQ(w.lblB->text(), "Diameter, ft:");
    EXPECT_EQ(w.lblQ->text(), "Depth, ft:");
    // Relabelling and hiding never resize the window.
    QApplication::processEvents();
    EXPECT_EQ(w.size(), size);
}

TEST_F(ManningsWindow, FlowrateTabReadsTheDepthFromTheFlowrateField) {
    CalculatorOpening opening = testing::TextbookCalculatorOpening(ChannelType::Trapezoidal, UnitSystem::SI);
    opening.inputs.sideSlopeOrHeight = "";  // a rectangle
    FrmMannings w(services, opening);
    w.tabMannings1->setCurrentIndex(1);
    w.txtQ->setText("1.6");
    w.txtB->setText("6");
    w.txtn->setText("0.015");
    w.txtS->setText("0.0025");
    w.cmdCompute->click();
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(Results(w), (QStringList{"32.921", "3.429", "9.600", "9.200", "1.043"}));
}

TEST_F(ManningsWindow, AComputeStoppedByACheckKeepsTheResultsAFailedOneBlanksThem) {
    FrmMannings w(services, testing::TextbookCalculatorOpening(ChannelType::Circular, UnitSystem::English));
    w.txtQ->setText("5");
    w.txtB->setText("2");
    w.txtn->setText("0.013");
    w.txtS->setText("0.001");
    w.cmdCompute->click();
    const QStringList results = {"1.232", "2.463", "2.030", "3.609", "0.562"};
    ASSERT_EQ(Results(w), results);

    struct Step {
        std::function<void()> change;
        const char* title;
        MessageIcon icon;
        int tab;      // where the results were found before the change
        bool blanks;  // the computation failed after its checks
    };
    const Step steps[] = {
        {[&] { w.txtQ->setText("10"); }, "Normal Depth", MessageIcon::Information, 0, true},
        {[&] { w.txtQ->setText("2.5"); }, "Input Error", MessageIcon::Information, 1, false},
        {[&] { w.txtQ->setText("."); }, "Invalid Input Value", MessageIcon::Information, 0, false},
        {[&] { w.txtS->clear(); }, "Incomplete Input", MessageIcon::Information, 0, false},
        {[&] { w.txtQ->setText("-1"); }, "Input Error", MessageIcon::Information, 0, false},
        {[&] { w.txtS->setText("-0.001"); }, "Rillo 2.1", MessageIcon::Warning, 1, true},
    };
    for (const Step& s : steps) {
        // Each change starts from the results of 5 ft^3/s at its normal depth of 1.232 ft.
        w.tabMannings1->setCurrentIndex(s.tab);
        w.txtQ->setText(s.tab == 0 ? "5" : "1.232");
        w.txtS->setText("0.001");
        w.cmdCompute->click();
        const QStringList shown = Results(w);
        ASSERT_FALSE(shown[0].isEmpty()) << s.title;
        services.messages.clear();
        s.change();
        w.cmdCompute->click();
        ASSERT_EQ(services.messages.size(), 1u) << s.title;
        EXPECT_EQ(services.messages[0].title, s.title);
        EXPECT_EQ(services.messages[0].icon, s.icon);
        EXPECT_EQ(Results(w), s.blanks ? QStringList(5, "") : shown) << s.title;
    }
}

TEST_F(ManningsWindow, OnlyTheBottomSlopeTakesATypedMinus) {
    FrmMannings w(services,
                  testing::TextbookCalculatorOpening(ChannelType::ElongatedCircular, UnitSystem::English));
    ShowActive(w);
    for (QLineEdit* field : {w.txtQ, w.txtB, w.txtn, w.txtM}) {
        services.messages.clear();
        TypeText(field, "-");
        EXPECT_EQ(field->text(), "") << field->objectName().toStdString();
        EXPECT_EQ(services.messages.size(), 1u);
    }
    services.messages.clear();
    w.txtS->clear();
    TypeText(w.txtS, "-0.002");
    EXPECT_EQ(w.txtS->text(), "-0.002");
    EXPECT_TRUE(services.messages.empty());

    w.txtM->setFocus();
    PressKey(w.txtM, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w.txtS);
}

}  // namespace
}  // namespace rillo
