#include "platform/numeric_field_rules.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include "engine/numeric_text.h"
#include "platform/enter_navigation_filter.h"
#include "platform/numeric_field_filter.h"
#include "tests/support/fake_platform_services.h"
#include "tests/support/key_input.h"

namespace rillo {
namespace {

using testing::FakePlatformServices;
using testing::PressKey;
using testing::ShowActive;
using testing::TypeText;

const QString kOnlyNumbers = "Only numbers can be used in this field.";
const QString kGreaterThanZero = "Please use a number greater than zero.";

// ---- What counts as a number -------------------------------------------------

struct TextCase {
    const char* text;
    bool accepted;
    double readsAs;  // by the leading-number rule, for accepted texts
};

class NumericTextAcceptance : public ::testing::TestWithParam<TextCase> {};

TEST_P(NumericTextAcceptance, AcceptsNumbersAndTheirBeginningsOnly) {
    const TextCase& c = GetParam();
    EXPECT_EQ(IsAcceptableNumericText(QString::fromUtf8(c.text)), c.accepted) << c.text;
    // Compute reads an accepted text by the leading-number rule: it must mean what it shows.
    if (c.accepted) {
        EXPECT_DOUBLE_EQ(ReadLeadingNumber(c.text), c.readsAs) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumericTextAcceptance,
    ::testing::Values(
        // Beginnings of a number being typed.
        TextCase{"", true, 0}, TextCase{"-", true, 0}, TextCase{".", true, 0}, TextCase{"-.", true, 0},
        TextCase{"+", true, 0}, TextCase{"1E", true, 1}, TextCase{"2.5e-", true, 2.5},
        TextCase{"-.5E+", true, -0.5},
        // Whole numbers.
        TextCase{"12", true, 12}, TextCase{"12.5", true, 12.5}, TextCase{".5", true, 0.5},
        TextCase{"5.", true, 5}, TextCase{"-0.002", true, -0.002}, TextCase{"+3", true, 3},
        TextCase{"1E3", true, 1000}, TextCase{"2.5e-4", true, 2.5e-4}, TextCase{" 12 ", true, 12},
        TextCase{"3.4E38", true, 3.4e38}, TextCase{"1E-50", true, 1e-50},
        // Not numbers.
        TextCase{"1.2.", false, 0}, TextCase{"1.2.3", false, 0}, TextCase{"abc", false, 0},
        TextCase{"12a", false, 0}, TextCase{"1-", false, 0}, TextCase{"--", false, 0},
        TextCase{"E3", false, 0}, TextCase{"e", false, 0}, TextCase{".E", false, 0},
        TextCase{"1E3E", false, 0}, TextCase{"1E3-", false, 0}, TextCase{"1 2", false, 0},
        TextCase{"1,5", false, 0}, TextCase{"$5", false, 0}, TextCase{"0x10", false, 0},
        // Past what a single-precision field can hold.
        TextCase{"1E39", false, 0}, TextCase{"-1E400", false, 0}, TextCase{"1E400E", false, 0}));

// ---- The rules on real fields ------------------------------------------------

// A data-entry window with one field of each kind, in this tab order, and a button.
class FieldWindow : public ::testing::Test {
   protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        for (QWidget* w : std::initializer_list<QWidget*>{station, flowrate, slope, roughness, button})
            layout->addWidget(w);
        AttachNumericField(*station, services, NumericFieldKind::FreeText);
        AttachNumericField(*flowrate, services, NumericFieldKind::PositiveNumber);
        AttachNumericField(*slope, services, NumericFieldKind::SignedNumber);
        AttachNumericField(*roughness, services, NumericFieldKind::PositiveNumber);
    }

    void ExpectOneMessage(const QString& text) {
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.messages[0].text, text);
        EXPECT_EQ(services.messages[0].title, "Input Error");
        EXPECT_EQ(services.messages[0].icon, MessageIcon::Information);
        EXPECT_EQ(services.messages[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(services.beeps, 1);
    }

    FakePlatformServices services;
    QWidget window;
    QLineEdit* station = new QLineEdit;
    QLineEdit* flowrate = new QLineEdit;
    QLineEdit* slope = new QLineEdit;
    QLineEdit* roughness = new QLineEdit;
    QPushButton* button = new QPushButton("&Compute");
};

TEST_F(FieldWindow, TypedMinusEmptiesAPositiveFieldWithItsMessage) {
    TypeText(flowrate, "12");
    TypeText(flowrate, "-");
    EXPECT_EQ(flowrate->text(), "");  // the whole content goes, not just the sign
    ExpectOneMessage(kGreaterThanZero);
}

TEST_F(FieldWindow, RefusedFieldKeepsTheFocusAfterTheMessage) {
    ShowActive(window);
    flowrate->setFocus();
    TypeText(flowrate, "-");
    EXPECT_EQ(services.focused, flowrate);
    roughness->setFocus();
    TypeText(roughness, "x");
    EXPECT_EQ(services.focused, roughness);
    // A text set by a command while another field has the focus leaves the focus there.
    slope->setText("?");
    EXPECT_EQ(services.focused, roughness);
    EXPECT_EQ(services.messages.size(), 3u);
}

TEST_F(FieldWindow, SignedFieldTakesANegativeNumber) {
    TypeText(slope, "-0.002");
    EXPECT_EQ(slope->text(), "-0.002");
    TypeText(slope, "E-3");
    EXPECT_EQ(slope->text(), "-0.002E-3");
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(services.beeps, 0);
}

TEST_F(FieldWindow, ExponentCanBeTypedInAPositiveField) {
    TypeText(flowrate, "1.5E3");
    EXPECT_EQ(flowrate->text(), "1.5E3");
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(FieldWindow, ANumberPastTheSingleRangeIsTooLargeNotANonNumber) {
    TypeText(slope, "-1e39");  // "-1e3" is still a number; the last digit takes it out of range
    EXPECT_EQ(slope->text(), "");
    ExpectOneMessage("This number is too large.");
}

TEST_F(FieldWindow, SecondPeriodEmptiesTheField) {
    TypeText(roughness, "1.2.");
    EXPECT_EQ(roughness->text(), "");
    ExpectOneMessage(kOnlyNumbers);
    TypeText(roughness, "3");  // typing goes on in the emptied field
    EXPECT_EQ(roughness->text(), "3");
    EXPECT_EQ(services.messages.size(), 1u);
}

TEST_F(FieldWindow, PastedTextIsCheckedLikeTypedText) {
    roughness->insert("abc");
    EXPECT_EQ(roughness->text(), "");
    ExpectOneMessage(kOnlyNumbers);

    // Only typed keys meet the minus rule.
    roughness->insert("-5");
    EXPECT_EQ(roughness->text(), "-5");
    EXPECT_EQ(services.messages.size(), 1u);
}

TEST_F(FieldWindow, TextSetByACommandIsCheckedToo) {
    slope->setText("0.0a");
    EXPECT_EQ(slope->text(), "");
    ExpectOneMessage(kOnlyNumbers);
}

TEST_F(FieldWindow, StationFieldTakesFreeText) {
    TypeText(station, "-x+1");
    EXPECT_EQ(station->text(), "-x+1");
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(FieldWindow, FocusSelectsTheWholeText) {
    ShowActive(window);
    for (QLineEdit* field : {station, flowrate, slope}) {
        field->setText(field == station ? "2+00.000" : "12.5");
        button->setFocus();
        field->setFocus();
        ASSERT_TRUE(field->hasFocus());
        EXPECT_EQ(field->selectedText(), field->text());
    }
    TypeText(slope, "7");  // typing replaces the selected text
    EXPECT_EQ(slope->text(), "7");
}

TEST_F(FieldWindow, ClickIntoAFieldSelectsTheWholeText) {
    ShowActive(window);
    flowrate->setText("12.5");
    button->setFocus();
    // A click gives the focus first (Qt does so only for real mouse input), then presses.
    flowrate->setFocus(Qt::MouseFocusReason);
    QPointF inside(flowrate->width() / 2.0, flowrate->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, inside, flowrate->mapToGlobal(inside), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(flowrate, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, flowrate->mapToGlobal(inside), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(flowrate, &release);
    ASSERT_TRUE(flowrate->hasFocus());
    EXPECT_EQ(flowrate->selectedText(), "12.5");
}

// ---- Enter and blanks at window level ----------------------------------------

TEST_F(FieldWindow, EnterMovesThroughTheFieldsInTabOrderAndWraps) {
    AttachEnterNavigation(window, services);
    ShowActive(window);
    station->setFocus();
    std::vector<QWidget*> visited;
    for (int i = 0; i < 5; ++i) {
        PressKey(QApplication::focusWidget(), Qt::Key_Return);
        visited.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(visited, (std::vector<QWidget*>{flowrate, slope, roughness, button, station}));
}

TEST_F(FieldWindow, EnterSkipsHiddenAndDisabledFieldsAndIsDiscarded) {
    AttachEnterNavigation(window, services);
    ShowActive(window);
    slope->hide();
    roughness->setEnabled(false);
    flowrate->setText("4");
    flowrate->setFocus();
    PressKey(flowrate, Qt::Key_Enter, "\r", Qt::KeypadModifier);
    EXPECT_EQ(QApplication::focusWidget(), button);
    EXPECT_EQ(flowrate->text(), "4");
}

TEST_F(FieldWindow, EnterGoesWhereTheWindowSays) {
    AttachEnterNavigation(window, services, [this](QWidget* from) -> QWidget* {
        return from == roughness ? station : nullptr;
    });
    ShowActive(window);
    roughness->setFocus();
    PressKey(roughness, Qt::Key_Return, "\r");
    EXPECT_EQ(QApplication::focusWidget(), station);
    PressKey(station, Qt::Key_Return, "\r");
    EXPECT_EQ(QApplication::focusWidget(), flowrate);
}

TEST_F(FieldWindow, BlanksNeverReachATextField) {
    AttachEnterNavigation(window, services);
    TypeText(station, "0+00 .000");
    TypeText(flowrate, " 1 2");
    EXPECT_EQ(station->text(), "0+00.000");
    EXPECT_EQ(flowrate->text(), "12");
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(FieldWindow, FieldsAddedLaterFollowTheWindowRules) {
    AttachEnterNavigation(window, services);
    ShowActive(window);
    auto* late = new QLineEdit;
    window.layout()->addWidget(late);
    late->show();
    TypeText(late, "a b");
    EXPECT_EQ(late->text(), "ab");
}

}  // namespace
}  // namespace rillo
