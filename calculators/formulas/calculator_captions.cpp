#include "calculators/formulas/calculator_captions.h"

namespace rillo {

std::string LengthCaption(const std::string& quantity, UnitSystem units) {
    return quantity + (units == UnitSystem::English ? ", ft:" : ", m:");
}

std::string FlowrateCaption(UnitSystem units) {
    return units == UnitSystem::English ? "Flowrate, ft^3/s:" : "Flowrate, m^3/s:";
}

std::string VelocityCaption(UnitSystem units) {
    return units == UnitSystem::English ? "Velocity, ft/s:" : "Velocity, m/s:";
}

}  // namespace rillo
