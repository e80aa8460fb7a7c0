#pragma once

#include <optional>
#include <string>
#include <vector>

namespace rillo::cli {

// One numeric field as the command line fills it: the option that holds its
// text, the name of the window's control, and whether the field takes a
// minus sign (a slope does).
struct OptionField {
    const char* option;   // "--head"
    const char* control;  // "txtWeirH"
    std::string text;
    bool minusAllowed = false;
};

// A text a field refuses: its option and the message after it,
// "Input Error: Only numbers can be used in this field. (\"nan\")".
struct RefusedField {
    std::string option;
    std::string message;
};

// The first text, in the fields' order, that its field would refuse as the
// window's numeric fields do: a text that is no number, or a minus sign where
// the field takes none. Nothing when every field takes its text.
std::optional<RefusedField> FirstRefusedField(const std::vector<OptionField>& fields);

}  // namespace rillo::cli
