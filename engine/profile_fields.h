#pragma once

#include <array>
#include <span>
#include <string>

#include "engine/form_field.h"
#include "engine/input_checks.h"

namespace rillo {

// One of the profile's eight inputs: its row of the form's table, the batch
// column that holds it, the text of ProfileInputTexts it fills and what the
// command line's help says of it. `required`: the command line must give it.
struct ProfileField : FormField<InputField> {
    const char* column;                      // "flow"
    std::string ProfileInputTexts::* text;   // &ProfileInputTexts::flowrate
    const char* help;
};

// The inputs, in the inputs view's order (that of InputField).
std::span<const ProfileField> FormFieldsOf(InputField);

// The order of the command line's options and of the batch columns, which
// name the side field before the control depth.
inline constexpr std::array<InputField, 8> kProfileOptionOrder = {
    InputField::StartStation, InputField::EndStation,        InputField::Flowrate,
    InputField::WidthOrDiameter, InputField::ManningN,       InputField::BottomSlope,
    InputField::SideSlopeOrHeight, InputField::ControlDepth};

}  // namespace rillo
