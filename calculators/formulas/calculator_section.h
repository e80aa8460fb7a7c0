#pragma once

#include <memory>

#include "engine/channel_section.h"
#include "engine/channel_type.h"

namespace rillo {

// The section a calculator works on, from its width field B and side field M:
// a trapezoid of bottom width B and side slope M; a circle or U-shape of
// radius B / 2; an elongated circle of radius B / 2 and side height M.
std::unique_ptr<ChannelSection> CalculatorSection(ChannelType shape, float widthOrDiameter, float side);

// The same from the size the critical-depth routine takes: the bottom width of
// a trapezoid, the radius of the curved shapes.
std::unique_ptr<ChannelSection> SectionOfSize(ChannelType shape, float widthOrRadius, float side);

}  // namespace rillo
