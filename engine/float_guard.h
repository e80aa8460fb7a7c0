#pragma once

#include <cfenv>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

#if defined(__SSE2__)
#include <xmmintrin.h>
#endif

namespace rillo {

// A run-time error of a computation: division by zero, a value past the
// single-precision range, a square root or fractional power of a negative
// number, or a number that cannot be read. Commands turn it into their message.
class ComputationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Watches the floating-point exception flags over a computation. The
// constructor clears them; Check() throws ComputationError when a division by
// zero, an overflow or an invalid operation has happened since. The flags are
// cleared again when the guard goes, so a fault never leaks into later work.
// Every computation that calls section operations runs under a guard and
// checks it after each step; flags raised outside a guard (the window system
// raises them too) never count.
class FloatGuard {
public:
    FloatGuard();
    ~FloatGuard();
    FloatGuard(const FloatGuard&) = delete;
    FloatGuard& operator=(const FloatGuard&) = delete;
    // Inline: the profile loop checks after every step, and the flags are
    // nearly always clear.
    void Check() const {
        if (RaisedFaults() != 0) [[unlikely]] ThrowFault();
    }

private:
    // The raised fault flags. Float and double arithmetic runs on SSE on
    // x86-64, so its status register alone is read there.
    static int RaisedFaults() {
#if defined(__SSE2__)
        const unsigned csr = _mm_getcsr();
        return ((csr & 0x01u) ? FE_INVALID : 0) | ((csr & 0x04u) ? FE_DIVBYZERO : 0) |
               ((csr & 0x08u) ? FE_OVERFLOW : 0);
#else
        return std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
#endif
    }
    // Throws the ComputationError of the raised flags.
    [[noreturn]] static void ThrowFault();
};

// Throws the ComputationError of a value past the range ("Overflow").
[[noreturn]] void ThrowOverflow();

// Rounds a double to single precision; a value past the float range is an
// overflow, as is any non-finite value. Inline: the sections call it at
// every step.
inline float ToSingle(double v) {
    // A quiet comparison: a NaN raises no flag of its own here.
    if (!std::islessequal(std::fabs(v), double(std::numeric_limits<float>::max()))) ThrowOverflow();
    return static_cast<float>(v);
}

}  // namespace rillo
