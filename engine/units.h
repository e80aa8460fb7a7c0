#pragma once

namespace rillo {

enum class UnitSystem { English, SI };

// The constants of the profile computations and of Manning's equation.
struct UnitConstants {
    float g;  // gravitational acceleration, ft/s^2 or m/s^2
    float k;  // Manning factor: 1.486 in English units, 1 in SI units
};

constexpr UnitConstants ProfileConstants(UnitSystem units) {
    return units == UnitSystem::English ? UnitConstants{32.2f, 1.486f} : UnitConstants{9.806f, 1.0f};
}

}  // namespace rillo
