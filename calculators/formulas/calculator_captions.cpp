#include "calculators/formulas/calculator_captions.h"

namespace rillo {

namespace {

std::string WithUnit(const char* quantity, UnitSystem units, const char* english, const char* si) {
    return std::string(quantity) + ", " + (units == UnitSystem::English ? english : si) + ":";
}

}  // namespace

std::string FlowrateCaption(UnitSystem units) {
    return WithUnit("Flowrate", units, "ft^3/s", "m^3/s");
}

std::string DepthCaption(UnitSystem units) {
    return WithUnit("Depth", units, "ft", "m");
}

std::string WidthOrDiameterCaption(ChannelType shape, UnitSystem units) {
    return WithUnit(shape == ChannelType::Trapezoidal ? "Width" : "Diameter", units, "ft", "m");
}

std::string SideCaption(ChannelType shape, UnitSystem units) {
    if (shape == ChannelType::Trapezoidal) return "Side slope:";
    if (shape == ChannelType::ElongatedCircular) return WithUnit("Side height", units, "ft", "m");
    return "";
}

}  // namespace rillo
