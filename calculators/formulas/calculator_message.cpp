#include "calculators/formulas/calculator_message.h"

#include "engine/numeric_field_text.h"

namespace rillo {

const char* const kUnknownCalculatorErrorText =
    "An unknown error has occurred.  Please contact tech support.";

CalculatorMessage UnknownCalculatorError() {
    CalculatorMessage message;
    message.text = kUnknownCalculatorErrorText;
    message.icon = MessageKind::Warning;
    message.unknownError = true;
    message.clearsResults = true;
    return message;
}

std::optional<CalculatorMessage> RefusedFieldText(std::initializer_list<CalculatorFieldText> fields) {
    for (const CalculatorFieldText& field : fields) {
        if (const char* refusal = NumericTextRefusal(field.text, field.minusAllowed)) {
            CalculatorMessage message;
            message.title = kInputErrorTitle;
            message.text = refusal;
            message.focusField = field.control;
            return message;
        }
    }
    return std::nullopt;
}

}  // namespace rillo
