#pragma once

#include <string>

#include "engine/channel_type.h"
#include "engine/units.h"

namespace rillo {

// The unit-bearing captions of the calculator windows, shared with the command
// line: LengthCaption("Upstream head", English) is "Upstream head, ft:".
std::string LengthCaption(const std::string& quantity, UnitSystem units);
std::string FlowrateCaption(UnitSystem units);  // "Flowrate, ft^3/s:"
std::string VelocityCaption(UnitSystem units);  // "Velocity, ft/s:"
std::string DepthCaption(UnitSystem units);     // "Depth, ft:"
// "Width, ft:" for a trapezoid, "Diameter, ft:" for the curved shapes.
std::string WidthOrDiameterCaption(ChannelType shape, UnitSystem units);
// "Side slope:" for a trapezoid, "Side height, ft:" for an elongated circle;
// empty for the shapes that hide the side field.
std::string SideCaption(ChannelType shape, UnitSystem units);

inline constexpr const char* kManningNCaption = "Manning's N:";
inline constexpr const char* kBottomSlopeCaption = "Bottom slope:";

}  // namespace rillo
