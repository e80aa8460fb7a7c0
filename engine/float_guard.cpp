#include "engine/float_guard.h"

#include <cfenv>

namespace rillo {

constexpr int kFaults = FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID;

namespace {

// Clearing costs several times what testing does, and the flags are nearly
// always clear already.
void ClearFaults() {
    if (std::fetestexcept(kFaults) != 0) std::feclearexcept(kFaults);
}

}  // namespace

FloatGuard::FloatGuard() { ClearFaults(); }

FloatGuard::~FloatGuard() { ClearFaults(); }

void FloatGuard::ThrowFault() {
    const int raised = RaisedFaults();
    if (raised & FE_DIVBYZERO) throw ComputationError("Division by zero");
    if (raised & FE_OVERFLOW) throw ComputationError("Overflow");
    throw ComputationError("Invalid procedure call or argument");
}

void ThrowOverflow() { throw ComputationError("Overflow"); }

}  // namespace rillo
