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

CalculatorMessage RefusedFieldMessage(const char* refusal, FieldId field) {
    CalculatorMessage message;
    message.title = kInputErrorTitle;
    message.text = refusal;
    message.focusField = field;
    return message;
}

}  // namespace rillo
