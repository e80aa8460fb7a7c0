#include "engine/float_guard.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace rillo {

namespace {

void ThrowIfFloatFault() {
    // One read of the flags on the common path; the details only on a fault.
    const int raised = std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
    if (raised == 0) return;
    if (raised & FE_DIVBYZERO) throw ComputationError("Division by zero");
    if (raised & FE_OVERFLOW) throw ComputationError("Overflow");
    throw ComputationError("Invalid procedure call or argument");
}

}  // namespace

constexpr int kFaults = FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID;

FloatGuard::FloatGuard() { std::feclearexcept(kFaults); }

FloatGuard::~FloatGuard() { std::feclearexcept(kFaults); }

void FloatGuard::Check() const { ThrowIfFloatFault(); }

double Checked(double v) {
    // The flags are sticky, so testing them here covers every step before.
    ThrowIfFloatFault();
    if (!std::isfinite(v)) throw ComputationError("Overflow");
    return v;
}

float ToSingle(double v) {
    if (std::isfinite(v) && std::fabs(v) > std::numeric_limits<float>::max()) {
        throw ComputationError("Overflow");
    }
    return static_cast<float>(Checked(v));
}

}  // namespace rillo
