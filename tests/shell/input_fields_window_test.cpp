#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>

#include "tests/support/key_input.h"
#include "tests/support/main_window_harness.h"

namespace rillo {
namespace {

using testing::MainWindowTest;
using testing::PressKey;
using testing::TypeText;

// The inputs view of a started program, with its fields as the user meets them.
class InputFieldsTest : public MainWindowTest {
   protected:
    void SetUp() override {
        StartProgram();
        QApplication::setActiveWindow(&Main());
        QApplication::processEvents();
    }

    void ExpectOneInputError(const QString& text) {
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.messages[0].text, text);
        EXPECT_EQ(services.messages[0].title, "Input Error");
        EXPECT_EQ(services.messages[0].icon, MessageIcon::Information);
        EXPECT_EQ(services.beeps, 1);
    }

    void ChooseType(int menuIndex) { Main().Menus().mnuChannelType[menuIndex]->trigger(); }
};

TEST_F(InputFieldsTest, MinusTypedIntoAFieldWithoutSignEmptiesIt) {
    for (QLineEdit* field :
         {Inputs().txtQ, Inputs().txtD, Inputs().txtRN, Inputs().txtYCont, Inputs().txtSlope}) {
        services.messages.clear();
        services.beeps = 0;
        TypeText(field, "2.5");
        TypeText(field, "-");
        EXPECT_EQ(field->text(), "") << field->objectName().toStdString();
        ExpectOneInputError("Please use a number greater than zero.");
    }
}

TEST_F(InputFieldsTest, BottomSlopeTakesANegativeNumber) {
    TypeText(Inputs().txtSO, "-0.002");
    EXPECT_EQ(Inputs().txtSO->text(), "-0.002");
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(services.beeps, 0);
}

TEST_F(InputFieldsTest, NotANumberEmptiesTheField) {
    TypeText(Inputs().txtD, "1.2.3");
    EXPECT_EQ(Inputs().txtD->text(), "3");  // emptied at the second period; typing went on
    ExpectOneInputError("Only numbers can be used in this field.");

    services.messages.clear();
    services.beeps = 0;
    Inputs().txtRN->insert("abc");  // as a paste
    EXPECT_EQ(Inputs().txtRN->text(), "");
    ExpectOneInputError("Only numbers can be used in this field.");

    services.messages.clear();
    Inputs().txtRN->insert("-5");  // a pasted minus is a number like any other
    EXPECT_EQ(Inputs().txtRN->text(), "-5");
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(InputFieldsTest, StationFieldsTakeTextButNoBlanks) {
    Inputs().txtXS2->clear();
    TypeText(Inputs().txtXS2, "1 0+00 .000");
    EXPECT_EQ(Inputs().txtXS2->text(), "10+00.000");
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(InputFieldsTest, FocusSelectsTheWholeTextOfEveryField) {
    for (QLineEdit* field : Inputs().Fields()) {
        field->setText(field == Inputs().txtXS1 || field == Inputs().txtXS2 ? "2+00.000" : "12.5");
        Main().Menus().Toolbar->setFocus();
        field->setFocus();
        ASSERT_TRUE(field->hasFocus()) << field->objectName().toStdString();
        EXPECT_EQ(field->selectedText(), field->text()) << field->objectName().toStdString();
    }
}

// Enter from the first field, once per field shown, visits each field in turn
// and ends back in txtXS1.
struct EnterRoute {
    int menuIndex;
    std::vector<const char*> visited;
};

class EnterRouteTest : public InputFieldsTest, public ::testing::WithParamInterface<EnterRoute> {};

TEST_P(EnterRouteTest, EnterMovesThroughTheShownFieldsAndWrapsToTheStartStation) {
    ChooseType(GetParam().menuIndex);
    Inputs().txtXS1->setFocus();
    ASSERT_TRUE(Inputs().txtXS1->hasFocus());
    std::vector<std::string> visited;
    for (size_t i = 0; i < GetParam().visited.size(); ++i) {
        PressKey(QApplication::focusWidget(), Qt::Key_Return, "\r");
        visited.push_back(QApplication::focusWidget()->objectName().toStdString());
    }
    EXPECT_EQ(visited, std::vector<std::string>(GetParam().visited.begin(), GetParam().visited.end()));
}

const std::vector<const char*> kWithSide = {"txtXS2", "txtQ",     "txtD",     "txtRN",
                                            "txtSO",  "txtYCont", "txtSlope", "txtXS1"};
const std::vector<const char*> kWithoutSide = {"txtXS2", "txtQ",     "txtD",  "txtRN",
                                               "txtSO",  "txtYCont", "txtXS1"};

INSTANTIATE_TEST_SUITE_P(ChannelTypes, EnterRouteTest,
                         ::testing::Values(EnterRoute{0, kWithSide}, EnterRoute{1, kWithoutSide},
                                           EnterRoute{2, kWithoutSide}, EnterRoute{3, kWithSide}));

TEST_F(InputFieldsTest, EnterInTheControlDepthWrapsEvenIfTheSideFieldWereShown) {
    // The wrap follows the channel type, not merely what the tab order finds.
    ChooseType(1);
    Inputs().txtSlope->show();
    Inputs().lblSides->show();
    Inputs().txtYCont->setFocus();
    PressKey(Inputs().txtYCont, Qt::Key_Return, "\r");
    EXPECT_EQ(QApplication::focusWidget(), Inputs().txtXS1);
}

TEST_F(InputFieldsTest, EnterLeavesTheFieldTextAlone) {
    Inputs().txtQ->setText("100");
    Inputs().txtQ->setFocus();
    PressKey(Inputs().txtQ, Qt::Key_Return, "\r");
    EXPECT_EQ(Inputs().txtQ->text(), "100");
    EXPECT_EQ(QApplication::focusWidget(), Inputs().txtD);
    EXPECT_TRUE(services.messages.empty());
}

}  // namespace
}  // namespace rillo
