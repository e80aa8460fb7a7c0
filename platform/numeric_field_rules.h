#pragma once

#include <QString>
#include <functional>

class QLineEdit;
class QWidget;

namespace rillo {

class PlatformServices;

// The keystroke and content rules that every numeric field of the program
// follows. Fields get them through AttachNumericField (numeric_field_filter.h);
// these are the operations themselves, written once.

// Whether a numeric field may hold `text` (engine/numeric_field_text.h has
// the rule, which the command line shares).
bool IsAcceptableNumericText(const QString& text);

// Run after every change of the field's text. A text that is not a number is
// refused: beep, empty the field, and tell the user. Returns whether the text
// was kept.
bool ValidateNumericText(QLineEdit& field, PlatformServices& services);

// Run for each character typed into a field that takes no minus sign. A typed
// "-" is refused: beep, empty the whole field and tell the user. Returns
// whether the key must be discarded.
bool RejectMinusKey(const QString& typedText, QLineEdit& field, PlatformServices& services);

// Selects the whole text, so that typing replaces it.
void SelectAllOnFocus(QLineEdit& field, PlatformServices& services);

// Where Enter in `from` must go instead of the next field in tab order;
// nullptr keeps the tab order.
using EnterTargetOverride = std::function<QWidget*(QWidget* from)>;

// Run by the window for each key before the focused control sees it. Enter
// (either key) moves the focus on, as Tab would, or to the override's target;
// a blank typed into a text field is dropped. Returns whether the key must be
// discarded.
bool EnterMovesToNextField(int key, QWidget& window, QWidget* from, PlatformServices& services,
                           const EnterTargetOverride& enterTarget = {});

// The control after `from` in the window's tab order that can take the focus,
// wrapping around within the window; nullptr when there is none.
QWidget* NextFieldInTabOrder(QWidget& window, QWidget* from);

}  // namespace rillo
