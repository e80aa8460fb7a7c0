#include "platform/numeric_field_rules.h"

#include <QLineEdit>
#include <QWidget>
#include <algorithm>

#include "engine/numeric_field_text.h"
#include "platform/platform_services.h"

namespace rillo {

namespace {

const QString kInputErrorTitleText = QString::fromUtf8(kInputErrorTitle);

// Every field in the program is shorter than this; the selection still
// covers a longer pasted text whole.
constexpr int kSelectAllLength = 100;

// Beeps, empties the field and tells the user why. The field that had the
// focus still has it when the message box is gone, to be typed into again.
void RefuseText(QLineEdit& field, PlatformServices& services, const QString& message) {
    const bool hadFocus = field.hasFocus();
    services.Beep();
    field.setText(QString());  // itself a change, which the empty text passes
    services.ShowMessage(message, kInputErrorTitleText, MessageIcon::Information);
    if (hadFocus) services.SetFocus(&field);
}

}  // namespace

bool IsAcceptableNumericText(const QString& text) {
    return IsAcceptableNumericText(text.toStdString());
}

bool ValidateNumericText(QLineEdit& field, PlatformServices& services) {
    // The minus is the key rule's to refuse, as it is typed.
    const char* refusal = NumericTextRefusal(field.text().toStdString(), true);
    if (!refusal) return true;
    RefuseText(field, services, QString::fromUtf8(refusal));
    return false;
}

bool RejectMinusKey(const QString& typedText, QLineEdit& field, PlatformServices& services) {
    if (typedText != QStringLiteral("-")) return false;
    RefuseText(field, services, QString::fromUtf8(kGreaterThanZeroText));
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
