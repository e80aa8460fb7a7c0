#pragma once

#include <string>

#include "engine/input_checks.h"

namespace rillo {

// A message a calculator's Compute shows instead of results: the window shows
// it and puts the focus in `focusField`; the command line prints its title and
// text on one line. The results already shown stay as they were.
struct CalculatorMessage {
    std::string title;  // empty: the application title
    std::string text;   // lines broken by carriage returns
    MessageKind icon = MessageKind::Information;
    bool yesNoCancel = false;   // a question answered Yes, No or Cancel; otherwise OK alone
    std::string focusField;     // the control that takes the focus ("txtQ"); empty: none
    bool unknownError = false;  // a run-time error of the computation, not a refused input
};

// The message of a run-time error inside a calculator's computation, with the
// application's title and the warning icon.
CalculatorMessage UnknownCalculatorError();

extern const char* const kUnknownCalculatorErrorText;

}  // namespace rillo
