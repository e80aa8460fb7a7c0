#pragma once

#include <QString>
#include <Qt>

class QWidget;

namespace rillo::testing {

// Sends a key press and release to the widget, as the keyboard would: through
// the event filters of the widget and its window.
void PressKey(QWidget* widget, int key, const QString& text = {},
              Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Types each character of `text` as its own key press.
void TypeText(QWidget* widget, const QString& text);

// Shows the window and makes it the active one, so that setting the focus
// delivers focus events as on a desktop.
void ShowActive(QWidget& window);

}  // namespace rillo::testing
