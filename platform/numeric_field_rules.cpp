#include "platform/numeric_field_rules.h"

#include <QLineEdit>
#include <QWidget>
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "engine/float_guard.h"
#include "engine/numeric_text.h"
#include "platform/platform_services.h"

namespace rillo {

namespace {

const QString kInputErrorTitle = QStringLiteral("Input Error");
const QString kOnlyNumbersText = QStringLiteral("Only numbers can be used in this field.");
const QString kGreaterThanZeroText = QStringLiteral("Please use a number greater than zero.");

// Every field in the program is shorter than this; the selection still
// covers a longer pasted text whole.
constexpr int kSelectAllLength = 100;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// A whole number whose value a single-precision field can hold. Texts past
// that range would only fail later, when Compute reads them.
bool IsNumberInSingleRange(std::string_view s) {
    try {
        std::optional<double> value = ParseWholeNumber(s);
        return value && std::isfinite(*value) && std::fabs(*value) <= FLT_MAX;
    } catch (const ComputationError&) {
        return false;  // an exponent past the double range
    }
}

bool IsSignAndPeriodBeginning(std::string_view s) {
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) s.remove_prefix(1);
    return s.empty() || s == ".";
}

// "1.5E", "-2e-", ".5E+": a mantissa with the start of its exponent.
bool IsExponentBeginning(std::string_view s) {
    if (!s.empty() && (s.back() == '-' || s.back() == '+')) s.remove_suffix(1);
    if (s.empty() || (s.back() != 'E' && s.back() != 'e')) return false;
    s.remove_suffix(1);
    bool plainMantissa = s.find_first_of("Ee \t\n\r") == std::string_view::npos;
    return plainMantissa && IsNumberInSingleRange(s);
}

// Beeps, empties the field and tells the user why. The field that had the
// focus still has it when the message box is gone, to be typed into again.
void RefuseText(QLineEdit& field, PlatformServices& services, const QString& message) {
    const bool hadFocus = field.hasFocus();
    services.Beep();
    field.setText(QString());  // itself a change, which the empty text passes
    services.ShowMessage(message, kInputErrorTitle, MessageIcon::Information);
    if (hadFocus) services.SetFocus(&field);
}

}  // namespace

bool IsAcceptableNumericText(const QString& text) {
    const std::string utf8 = text.toStdString();
    std::string_view s = TrimBlanks(utf8);
    return IsSignAndPeriodBeginning(s) || IsExponentBeginning(s) || IsNumberInSingleRange(s);
}

bool ValidateNumericText(QLineEdit& field, PlatformServices& services) {
    if (IsAcceptableNumericText(field.text())) return true;
    RefuseText(field, services, kOnlyNumbersText);
    return false;
}

bool RejectMinusKey(const QString& typedText, QLineEdit& field, PlatformServices& services) {
    if (typedText != QStringLiteral("-")) return false;
    RefuseText(field, services, kGreaterThanZeroText);
    return true;
}

void SelectAllOnFocus(QLineEdit& field, PlatformServices& services) {
    services.SelectText(&field, 0, std::max(kSelectAllLength, static_cast<int>(field.text().size())));
}

bool EnterMovesToNextField(int key, QWidget& window, QWidget* from, PlatformServices& services,
                           const EnterTargetOverride& enterTarget) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        QWidget* target = enterTarget ? enterTarget(from) : nullptr;
        if (!target) target = NextFieldInTabOrder(window, from);
        if (target) services.SetFocus(target);
        return true;
    }
    if (key == Qt::Key_Space) {
        // Buttons and check boxes keep their space bar; text fields never take a blank.
        return qobject_cast<QLineEdit*>(from) != nullptr;
    }
    return false;
}

QWidget* NextFieldInTabOrder(QWidget& window, QWidget* from) {
    QWidget* start = from && window.isAncestorOf(from) ? from : &window;
    for (QWidget* w = start->nextInFocusChain(); w && w != start; w = w->nextInFocusChain()) {
        bool takesTab = (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
        if (takesTab && window.isAncestorOf(w) && w->isVisibleTo(&window) && w->isEnabled()) return w;
    }
    return nullptr;
}

}  // namespace rillo
