#include "cli/field_text_check.h"

#include "engine/numeric_field_text.h"

namespace rillo::cli {

namespace {

// The refused text as a message shows it: cut short, with no control
// characters, however long or odd the text given.
std::string Shown(const std::string& text) {
    constexpr std::size_t kShown = 40;
    std::string shown = text.substr(0, kShown);
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    }
    return "\"" + shown + (text.size() > kShown ? "...\"" : "\"");
}

}  // namespace

std::optional<RefusedField> FirstRefusedField(const std::vector<OptionField>& fields) {
    for (const OptionField& field : fields) {
        if (const char* refusal = NumericTextRefusal(field.text, field.minusAllowed)) {
            return RefusedField{field.option, field.field,
                                std::string(kInputErrorTitle) + ": " + refusal + " (" + Shown(field.text) + ")"};
        }
    }
    return std::nullopt;
}

}  // namespace rillo::cli
