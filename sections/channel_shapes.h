#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "engine/channel_section.h"
#include "engine/channel_type.h"
#include "sections/CIRCULAR.h"
#include "sections/ELNGATED.h"
#include "sections/TRAPZOID.h"
#include "sections/USHAPED.h"

namespace rillo {

// What the side field holds for a shape; the others leave it unread.
enum class SideInput { None, SideSlope, SideHeight };

// Everything that differs by channel shape apart from its geometry: the names
// it goes by, the word the command line, the batch and the Python module take,
// its heading in a profile file, the inputs it reads and the section it is.
struct ChannelShape {
    ChannelType type;
    std::string_view displayName;        // the channel name a choice of type sets
    std::string_view menuCaption;        // the Channel Type menu's item
    std::string_view dialogCaption;      // the Channel Type and Name dialog's option
    std::string_view calculatorCaption;  // the calculators' option
    std::string_view word;               // "--shape u-shaped", shape="u-shaped"
    std::string_view fileHeading;        // line 1 of a profile file
    std::string_view sizeName;           // what the width-or-diameter field holds
    SideInput side;
    // A trapezoid of no width is a triangle; a curved shape needs its diameter.
    bool zeroWidthAllowed;
    // The section of the width (trapezoid) or diameter and the side field's value.
    std::unique_ptr<ChannelSection> (*section)(float widthOrDiameter, float side);

    constexpr bool UsesSideInput() const { return side != SideInput::None; }
};

// The shapes in menu order, which is also the order of the enum, the option
// buttons and the words in the command line's help. The curved shapes take
// their radius from the diameter here and nowhere else.
inline constexpr auto kChannelShapes = std::to_array<ChannelShape>({
    {ChannelType::Trapezoidal, "Trapezoidal Channel", "&Trapezoidal", "Trapezoidal", "Trapezoidal",
     "trapezoidal", "TRAPEZOIDAL CHANNEL", "Width", SideInput::SideSlope, true,
     +[](float width, float sideSlope) -> std::unique_ptr<ChannelSection> {
         return std::make_unique<TrapezoidalSection>(width, sideSlope);
     }},
    {ChannelType::Circular, "Circular Channel", "&Circular", "Circular", "Circular", "circular",
     "CIRCULAR CHANNEL", "Diameter", SideInput::None, false,
     +[](float diameter, float) -> std::unique_ptr<ChannelSection> {
         return std::make_unique<CircularSection>(diameter * 0.5f);
     }},
    {ChannelType::UShaped, "U-shaped Channel", "&Ushaped", "U-shaped", "Ushaped", "u-shaped",
     "U-SHAPED CHANNEL", "Diameter", SideInput::None, false,
     +[](float diameter, float) -> std::unique_ptr<ChannelSection> {
         return std::make_unique<UShapedSection>(diameter * 0.5f);
     }},
    {ChannelType::ElongatedCircular, "Elongated Circular Channel", "&Elongated Circular",
     "Elongated Circular", "Elongated circular", "elongated", "ELONGATED CIRCULAR", "Diameter",
     SideInput::SideHeight, false,
     +[](float diameter, float sideHeight) -> std::unique_ptr<ChannelSection> {
         return std::make_unique<ElongatedSection>(diameter * 0.5f, sideHeight);
     }},
});

// One entry per shape, in the order of kChannelShapes.
template <class T>
using PerShape = std::array<T, kChannelShapes.size()>;

// The position of the shape in kChannelShapes; a value outside the enum
// (a corrupted one) has none.
constexpr std::size_t ShapeIndex(ChannelType type) {
    return static_cast<std::size_t>(type);
}
constexpr bool IsKnownShape(ChannelType type) {
    return ShapeIndex(type) < kChannelShapes.size();
}
constexpr const ChannelShape& ShapeOf(ChannelType type) {
    return kChannelShapes[ShapeIndex(type)];
}
// Whether the shape reads the side field (side slope or side height).
constexpr bool UsesSideInput(ChannelType type) {
    return ShapeOf(type).UsesSideInput();
}

static_assert(
    [] {
        for (std::size_t i = 0; i < kChannelShapes.size(); ++i) {
            if (ShapeIndex(kChannelShapes[i].type) != i) return false;
        }
        return true;
    }(),
    "the table follows the order of ChannelType");

// The shape whose command-line word is `word` (lower case), or null.
const ChannelShape* ShapeWithWord(std::string_view word);
// The shape whose file heading is exactly `heading` (case counts), or null.
const ChannelShape* ShapeWithHeading(std::string_view heading);
// The words in order: "trapezoidal, circular, u-shaped or elongated".
std::string ShapeWordList();

}  // namespace rillo
