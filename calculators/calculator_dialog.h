#pragma once

#include <QDialog>

#include "calculators/formulas/calculator_message.h"
#include "platform/platform_services.h"

namespace rillo {

// What every calculator window shares: modal, centred on the screen when it
// loads, Enter moving to the next control, and a computation's message shown
// with the focus put back in the field it names. A calculator is unloaded
// when it closes, so each opening starts afresh.
class CalculatorDialog : public QDialog {
    Q_OBJECT
   public:
    PlatformServices& Services() { return services_; }

    // Shows the message and puts the focus in the control named by its
    // `focusField`; returns the answer. A Yes/No/Cancel question moves the
    // focus only when it is not answered Yes, since Yes lets the command go on.
    MessageAnswer ShowCalculatorMessage(const CalculatorMessage& message);

   protected:
    CalculatorDialog(PlatformServices& services, QWidget* parent);
    // The end of loading, once the subclass has built its controls: fits the
    // window to them, centres it and attaches the Enter navigation.
    void FinishLoading();

    PlatformServices& services_;
};

}  // namespace rillo
