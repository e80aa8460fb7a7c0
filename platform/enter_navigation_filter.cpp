#include "platform/enter_navigation_filter.h"

#include <QChildEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace rillo {

void AttachEnterNavigation(QWidget& window, PlatformServices& services, EnterTargetOverride enterTarget) {
    new EnterNavigationFilter(window, services, std::move(enterTarget));  // owned by the window
}

EnterNavigationFilter::EnterNavigationFilter(QWidget& window, PlatformServices& services,
                                             EnterTargetOverride enterTarget)
    : QObject(&window), window_(window), services_(services), enterTarget_(std::move(enterTarget)) {
    Watch(window);
}

void EnterNavigationFilter::Watch(QWidget& widget) {
    widget.installEventFilter(this);
    for (QWidget* child : widget.findChildren<QWidget*>()) child->installEventFilter(this);
}

bool EnterNavigationFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ChildPolished) {
        // A control added after the window was set up is polished before it is shown.
        if (auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child())) Watch(*child);
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    // A message box or dialog opened over the window is a child of it, but a
    // window of its own: there Enter presses the default button.
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && widget != &window_ && !window_.isAncestorOf(widget)) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    return EnterMovesToNextField(key->key(), window_, widget, services_, enterTarget_);
}

}  // namespace rillo
