#include "calculators/calculator_dialog.h"

#include "platform/center_on_screen.h"
#include "platform/enter_navigation_filter.h"

namespace rillo {

CalculatorDialog::CalculatorDialog(PlatformServices& services, QWidget* parent)
    : QDialog(parent), services_(services) {
    setModal(true);
}

void CalculatorDialog::FinishLoading() {
    adjustSize();
    CenterOnScreen(*this);
    AttachEnterNavigation(*this, services_);
}

void CalculatorDialog::ClearResults() {
    for (ResultLabel* result : results_) result->SetResult(QString());
}

MessageAnswer CalculatorDialog::ShowCalculatorMessage(const CalculatorMessage& message) {
    if (message.clearsResults) ClearResults();
    const MessageAnswer answer = services_.ShowMessage(
        QString::fromStdString(message.text), QString::fromStdString(message.title),
        message.icon == MessageKind::Warning ? MessageIcon::Warning : MessageIcon::Information,
        message.yesNoCancel ? MessageButtons::YesNoCancel : MessageButtons::Ok);
    const bool goesOn = message.yesNoCancel && answer == MessageAnswer::Yes;
    if (!goesOn) {
        if (QWidget* field = FieldWidget(message.focusField)) services_.SetFocus(field);
    }
    return answer;
}

QWidget* CalculatorDialog::FieldWidget(FieldId field) const {
    for (const auto& [id, widget] : fields_) {
        if (!field.empty() && id == field) return widget;
    }
    return nullptr;
}

}  // namespace rillo
