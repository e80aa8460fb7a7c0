#include "calculators/formulas/calculator_captions.h"

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
    return LengthCaption(shape == ChannelType::Trapezoidal ? "Width" : "Diameter", units);
}

std::string SideCaption(ChannelType shape, UnitSystem units) {
    if (shape == ChannelType::Trapezoidal) return "Side slope:";
    if (shape == ChannelType::ElongatedCircular) return LengthCaption("Side height", units);
    return "";
}

}  // namespace rillo
