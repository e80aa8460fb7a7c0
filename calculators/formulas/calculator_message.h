#pragma once

#include <initializer_list>
#include <optional>
#include <string>

#include "engine/form_field.h"
#include "engine/input_checks.h"
#include "engine/numeric_field_text.h"

namespace rillo {

// A message a calculator's Compute shows instead of results: the window shows
// it and puts the focus in `focusField`; the command line prints its title and
// text on one line. A message of a check leaves the results shown as they
// were; one of a computation that failed after its checks blanks them, so that
// no result stands beside inputs it does not belong to.
struct CalculatorMessage {
    std::string title;  // empty: the application title
    std::string text;   // lines broken by carriage returns
    MessageKind icon = MessageKind::Information;
    bool yesNoCancel = false;   // a question answered Yes, No or Cancel; otherwise OK alone
    FieldId focusField;         // the field that takes the focus; empty: none
    bool unknownError = false;  // a run-time error of the computation, not a refused input
    bool clearsResults = false;  // the computation failed after its checks
};

// The message of a run-time error inside a calculator's computation, with the
// application's title and the warning icon.
CalculatorMessage UnknownCalculatorError();

extern const char* const kUnknownCalculatorErrorText;

// A field a computation reads, by its typed id, and its text.
template <class Id>
struct CalculatorFieldText {
    Id id;
    const std::string& text;
};

// The "Input Error" message of a refused field text, with the focus on that field.
CalculatorMessage RefusedFieldMessage(const char* refusal, FieldId field);

// The "Input Error" message of the first field whose text its key rules would
// have refused (a pasted minus, letters, a number too large), with the focus
// on that field; none when every text may stand.
template <class Id>
std::optional<CalculatorMessage> RefusedFieldText(std::initializer_list<CalculatorFieldText<Id>> fields) {
    for (const CalculatorFieldText<Id>& field : fields) {
        if (const char* refusal = NumericTextRefusal(field.text, FieldOf(field.id).MinusAllowed()))
            return RefusedFieldMessage(refusal, field.id);
    }
    return std::nullopt;
}

}  // namespace rillo
