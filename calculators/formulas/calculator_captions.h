#pragma once

#include <string>

#include "engine/channel_type.h"
#include "engine/units.h"

namespace rillo {

// Captions the critical-depth and Manning's calculators share, by unit system.
std::string FlowrateCaption(UnitSystem units);  // "Flowrate, ft^3/s:"
std::string DepthCaption(UnitSystem units);     // "Depth, ft:"
// "Width, ft:" for a trapezoid, "Diameter, ft:" for the curved shapes.
std::string WidthOrDiameterCaption(ChannelType shape, UnitSystem units);
// "Side slope:" for a trapezoid, "Side height, ft:" for an elongated circle;
// empty for the shapes that hide the side field.
std::string SideCaption(ChannelType shape, UnitSystem units);

inline constexpr const char* kManningNCaption = "Manning's N:";
inline constexpr const char* kBottomSlopeCaption = "Bottom slope:";

}  // namespace rillo
