#pragma once

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

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
    void Check() const;
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
