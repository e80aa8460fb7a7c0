#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/form_field.h"

namespace rillo::cli {

// One numeric field as the command line fills it: the option that holds its
// text, the field's id, and whether the field takes a minus sign (a slope does).
struct OptionField {
    const char* option;  // "--head"
    FieldId field;
    std::string text;
    bool minusAllowed = false;
};

// A field of a form's table, filled with `text`; `option` when another
// option than the field's own fills it.
template <class Id>
OptionField TableField(Id id, std::string text, const char* option = nullptr) {
    const auto& field = FieldOf(id);
    return {option ? option : field.option, id, std::move(text), field.MinusAllowed()};
}

// A text a field refuses: its option and the message after it,
// "Input Error: Only numbers can be used in this field. (\"nan\")".
struct RefusedField {
    std::string option;
    FieldId field;
    std::string message;
};

// The first text, in the fields' order, that its field would refuse as the
// window's numeric fields do: a text that is no number, or a minus sign where
// the field takes none. Nothing when every field takes its text.
std::optional<RefusedField> FirstRefusedField(const std::vector<OptionField>& fields);

}  // namespace rillo::cli
