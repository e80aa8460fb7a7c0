#include "engine/float_guard.h"

#include <cfenv>

namespace rillo {

constexpr int kFaults = FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID;

FloatGuard::FloatGuard() { std::feclearexcept(kFaults); }

FloatGuard::~FloatGuard() { std::feclearexcept(kFaults); }

void FloatGuard::ThrowFault() {
    const int raised = RaisedFaults();
    if (raised & FE_DIVBYZERO) throw ComputationError("Division by zero");
    if (raised & FE_OVERFLOW) throw ComputationError("Overflow");
    throw ComputationError("Invalid procedure call or argument");
}

void ThrowOverflow() { throw ComputationError("Overflow"); }

}  // namespace rillo
