#include "tests/support/key_input.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace rillo::testing {

void PressKey(QWidget* widget, int key, const QString& text, Qt::KeyboardModifiers modifiers) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(widget, &release);
}

void TypeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        // Printable ASCII characters share their key code with their upper case.
        PressKey(widget, c.toUpper().unicode(), QString(c));
    }
}

void ShowActive(QWidget& window) {
    window.show();
    QApplication::setActiveWindow(&window);
    QApplication::processEvents();
}

}  // namespace rillo::testing
