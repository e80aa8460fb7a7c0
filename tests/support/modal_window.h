#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <functional>

namespace rillo::testing {

// Runs `act` on the modal window of type T that `open` shows; a window that
// does not appear or is left open fails the test and is closed. The timer
// dies with the call, so a window that never opens leaves no late callback.
template <typename T>
void WhileModal(const std::function<void()>& open, const std::function<void(T&)>& act) {
    bool ran = false;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!window) {
            ADD_FAILURE() << "the window is not shown modally";
            if (QWidget* other = QApplication::activeModalWidget()) other->close();
            return;
        }
        ran = true;
        act(*window);
        if (window->isVisible()) {
            ADD_FAILURE() << "the window was left open";
            window->reject();
        }
    });
    timer.start(0);
    open();
    EXPECT_TRUE(ran);
}

}  // namespace rillo::testing
