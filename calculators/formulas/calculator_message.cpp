#include "calculators/formulas/calculator_message.h"

namespace rillo {

const char* const kUnknownCalculatorErrorText =
    "An unknown error has occurred.  Please contact tech support.";

CalculatorMessage UnknownCalculatorError() {
    CalculatorMessage message;
    message.text = kUnknownCalculatorErrorText;
    message.icon = MessageKind::Warning;
    message.unknownError = true;
    return message;
}

}  // namespace rillo
