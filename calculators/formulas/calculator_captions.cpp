#include "calculators/formulas/calculator_captions.h"

#include "sections/channel_shapes.h"

namespace rillo {

namespace {

std::string WithUnit(const std::string& quantity, UnitSystem units, const char* english, const char* si) {
    return quantity + ", " + (units == UnitSystem::English ? english : si) + ":";
}

}  // namespace

std::string LengthCaption(const std::string& quantity, UnitSystem units) {
    return WithUnit(quantity, units, "ft", "m");
}

std::string FlowrateCaption(UnitSystem units) {
    return WithUnit("Flowrate", units, "ft^3/s", "m^3/s");
}

std::string VelocityCaption(UnitSystem units) {
    return WithUnit("Velocity", units, "ft/s", "m/s");
}

std::string DepthCaption(UnitSystem units) {
    return LengthCaption("Depth", units);
}

std::string WidthOrDiameterCaption(ChannelType shape, UnitSystem units) {
    return LengthCaption(std::string(ShapeOf(shape).sizeName), units);
}

std::string SideCaption(ChannelType shape, UnitSystem units) {
    switch (ShapeOf(shape).side) {
        case SideInput::SideSlope: return "Side slope:";
        case SideInput::SideHeight: return LengthCaption("Side height", units);
        case SideInput::None: break;
    }
    return "";
}

}  // namespace rillo
