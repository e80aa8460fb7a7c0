#include "engine/float_guard.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace rillo {

namespace {

void ThrowIfFloatFault() {
    if (std::fetestexcept(FE_DIVBYZERO)) throw ComputationError("Division by zero");
    if (std::fetestexcept(FE_OVERFLOW)) throw ComputationError("Overflow");
    if (std::fetestexcept(FE_INVALID)) throw ComputationError("Invalid procedure call or argument");
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
