#pragma once

#include "engine/units.h"

namespace rillo {

// The gravitational acceleration each calculator window works with. The weir
// and orifice windows use the profile computations' 9.806 m/s^2; the underflow
// gate window (like the critical depth window) uses 9.81 m/s^2.
constexpr float WeirAndOrificeGravity(UnitSystem units) {
    return units == UnitSystem::English ? 32.2f : 9.806f;
}
constexpr float GateGravity(UnitSystem units) {
    return units == UnitSystem::English ? 32.2f : 9.81f;
}

}  // namespace rillo
