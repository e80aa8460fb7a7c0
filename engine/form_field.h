#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <type_traits>

namespace rillo {

// Which keys a field takes.
enum class FieldKeys {
    PositiveNumber,  // a number, no minus sign
    SignedNumber,    // a number that may be negative (a slope)
    Station,         // stationing notation, "10+00.000": any text
};

// One field of a form, declared once: its typed id, the command-line option
// that fills it, the keys it takes and whether the command line must give it.
template <class Id>
struct FormField {
    Id id;
    const char* option;  // "--head"
    FieldKeys keys = FieldKeys::PositiveNumber;
    bool required = false;

    bool MinusAllowed() const { return keys != FieldKeys::PositiveNumber; }
};

// A form declares `std::span<const FormField<Id>> FormFieldsOf(Id)`, its
// table in the order of the enum; this finds a field's row by its id.
template <class Id>
decltype(auto) FieldOf(Id id) {
    return FormFieldsOf(id)[static_cast<std::size_t>(id)];
}

namespace detail {
template <class Id>
inline constexpr char kFormTag = 0;  // one address per form
}

// A field of any form, named by its typed id, as a message carries it to the
// window or the command line that shows it. Empty: no field.
class FieldId {
   public:
    FieldId() = default;
    template <class Id, class = std::enable_if_t<std::is_enum_v<Id>>>
    FieldId(Id id) : form_(&detail::kFormTag<Id>), index_(static_cast<int>(id)) {}

    // The id, when the field is one of form `Id`'s.
    template <class Id>
    std::optional<Id> As() const {
        if (form_ != &detail::kFormTag<Id>) return std::nullopt;
        return static_cast<Id>(index_);
    }
    bool empty() const { return form_ == nullptr; }
    bool operator==(const FieldId&) const = default;

   private:
    const char* form_ = nullptr;
    int index_ = 0;
};

}  // namespace rillo
