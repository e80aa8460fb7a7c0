#pragma once

#include <gtest/gtest.h>

#include <string>

#include "engine/float_guard.h"

namespace rillo::testing {

// The value, after making sure that it is finite: a fault shows in it too.
inline double Finite(double v) {
    if (!std::isfinite(v)) ThrowOverflow();
    return v;
}

// Runs one section operation under a fresh FloatGuard and reports whether it
// ended in a run-time error (a raised floating-point flag or a non-finite
// value). The guard clears the flags when it goes, so that the failure does
// not leak into the checks that follow.
template <class Operation>
bool OperationFails(Operation operation) {
    FloatGuard guard;
    try {
        Finite(double(operation()));
        guard.Check();
    } catch (const ComputationError&) {
        return true;
    }
    return false;
}

// The value of one section operation, which must not fail.
template <class Operation>
double ValueOf(Operation operation) {
    FloatGuard guard;
    double value = 0.0;
    EXPECT_NO_THROW({
        value = Finite(double(operation()));
        guard.Check();
    });
    return value;
}

// The messages the profile computations end with, spelled out here so that a
// changed text fails the tests.
inline const std::string kExpectedConduitMessage =
    "A water-surface profile cannot be computed \rfrom the geometry provided.\r\r"
    "The depth in the channel may be greater\rthan the height of the channel, or was\r"
    "computed to be greater at some point during\rthe profile iterations.\r\r"
    "Try adjusting the values you entered.";
inline const std::string kExpectedOpenChannelMessage =
    "A water-surface profile cannot be computed from the geometry provided.  "
    "Recheck the values you entered.";

}  // namespace rillo::testing
