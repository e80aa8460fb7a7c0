#pragma once

#include <QObject>

#include "platform/numeric_field_rules.h"

class QWidget;

namespace rillo {

class PlatformServices;

// Makes Enter move through the window's fields as Tab does (or to where
// `enterTarget` says) and keeps blanks out of its text fields, seeing each key
// before the focused control does. The one call a data-entry window needs.
void AttachEnterNavigation(QWidget& window, PlatformServices& services, EnterTargetOverride enterTarget = {});

// Watches the window and each control in it, including controls added later.
class EnterNavigationFilter : public QObject {
   public:
    EnterNavigationFilter(QWidget& window, PlatformServices& services, EnterTargetOverride enterTarget);

   protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

   private:
    void Watch(QWidget& widget);

    QWidget& window_;
    PlatformServices& services_;
    EnterTargetOverride enterTarget_;
};

}  // namespace rillo
