#include "platform/numeric_field_rules.h"

#include <QLineEdit>
#include <QWidget>
#include <algorithm>
#include <string>

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
    return IsNumberOrNumberBeingTyped(text.toStdString());
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
