#pragma once

#include <QDialog>
#include <initializer_list>
#include <vector>

#include "calculators/formulas/calculator_message.h"
#include "calculators/result_label.h"
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
    // A computation that failed blanks the results first.
    MessageAnswer ShowCalculatorMessage(const CalculatorMessage& message);

    // Blanks every result, so that none stands beside inputs it does not belong to.
    void ClearResults();

   protected:
    CalculatorDialog(PlatformServices& services, QWidget* parent);
    // The end of loading, once the subclass has built its controls: fits the
    // window to them, centres it and attaches the Enter navigation.
    void FinishLoading();
    // The labels that ClearResults blanks.
    void RegisterResults(std::initializer_list<ResultLabel*> results) { results_.assign(results); }

    PlatformServices& services_;

   private:
    std::vector<ResultLabel*> results_;
};

}  // namespace rillo
