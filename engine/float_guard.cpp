#include "engine/float_guard.h"

#include <cfenv>
#include <cmath>
#include <limits>

#if defined(__SSE2__)
#include <xmmintrin.h>
#endif

namespace rillo {

namespace {

// The raised fault flags. Float and double arithmetic runs on SSE on x86-64,
// so its status register alone is read there.
int RaisedFaults() {
#if defined(__SSE2__)
    const unsigned csr = _mm_getcsr();
    return ((csr & 0x01u) ? FE_INVALID : 0) | ((csr & 0x04u) ? FE_DIVBYZERO : 0) |
           ((csr & 0x08u) ? FE_OVERFLOW : 0);
#else
    return std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
#endif
}

void ThrowIfFloatFault() {
    const int raised = RaisedFaults();
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

void ThrowOverflow() { throw ComputationError("Overflow"); }

}  // namespace rillo
