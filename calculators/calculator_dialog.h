#pragma once

#include <QDialog>
#include <QLineEdit>
#include <initializer_list>
#include <utility>
#include <vector>

#include "calculators/formulas/calculator_message.h"
#include "calculators/result_label.h"
#include "platform/numeric_field_filter.h"
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

    // Shows the message and puts the focus in the widget bound to its
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
    // Binds the fields of a form's table to the widget that holds them (the
    // V-notch angle and the weir length share one), with the key rules of
    // the first: the window's one mapping from a typed id to its widget.
    template <class Id>
    void BindField(QLineEdit* widget, std::initializer_list<Id> ids) {
        AttachNumericField(*widget, services_, NumericFieldKindOf(FieldOf(*ids.begin()).keys));
        for (Id id : ids) fields_.emplace_back(id, widget);
    }
    template <class Id>
    void BindField(QLineEdit* widget, Id id) {
        BindField(widget, {id});
    }
    // The widget bound to a field; null for none.
    QWidget* FieldWidget(FieldId field) const;
    // The labels that ClearResults blanks.
    void RegisterResults(std::initializer_list<ResultLabel*> results) { results_.assign(results); }
    void RegisterResults(std::vector<ResultLabel*> results) { results_ = std::move(results); }

    PlatformServices& services_;

   private:
    std::vector<ResultLabel*> results_;
    std::vector<std::pair<FieldId, QWidget*>> fields_;
};

}  // namespace rillo
