#pragma once

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
// Every computation that calls section operations runs under a guard; outside
// one the flags are left alone, since the window system may raise them too.
class FloatGuard {
public:
    FloatGuard();
    ~FloatGuard();
    FloatGuard(const FloatGuard&) = delete;
    FloatGuard& operator=(const FloatGuard&) = delete;
    void Check() const;
};

// Returns v unchanged after making sure that it is a finite number and, under
// a FloatGuard, that no floating-point fault has been raised since it began.
double Checked(double v);

// Rounds a double to single precision; a value past the float range is an
// overflow, as is any non-finite value.
float ToSingle(double v);

}  // namespace rillo
