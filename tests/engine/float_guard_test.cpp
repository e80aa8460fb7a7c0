#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>

#include "engine/float_guard.h"

namespace rillo {
namespace {

// Raises a fault flag the way foreign code (the window system) may, without a guard.
void RaiseInvalidFlag() { std::feraiseexcept(FE_INVALID); }

TEST(FloatGuardFlags, AGuardForgetsFlagsRaisedBeforeIt) {
    RaiseInvalidFlag();
    FloatGuard guard;
    EXPECT_NO_THROW(guard.Check());
    EXPECT_NO_THROW(ToSingle(2.0));
}

TEST(FloatGuardFlags, UnderAGuardAFaultHiddenBehindAFiniteValueFailsTheCheck) {
    FloatGuard guard;
    volatile double zero = 0.0;
    volatile double masked = std::atan(1.0 / zero);  // division by zero hidden behind a finite result
    EXPECT_TRUE(std::isfinite(masked));
    EXPECT_THROW(guard.Check(), ComputationError);
}

TEST(FloatGuardFlags, ValuesPastTheSingleRangeOrNotFiniteAlwaysFail) {
    EXPECT_THROW(ToSingle(1e39), ComputationError);
    EXPECT_THROW(ToSingle(-1e39), ComputationError);
    EXPECT_THROW(ToSingle(std::numeric_limits<double>::quiet_NaN()), ComputationError);
    EXPECT_THROW(ToSingle(std::numeric_limits<double>::infinity()), ComputationError);
    EXPECT_FLOAT_EQ(ToSingle(3.4e38), 3.4e38f);
}

TEST(FloatGuardFlags, AGuardLeavesNoFlagBehind) {
    {
        FloatGuard guard;
        RaiseInvalidFlag();
    }
    EXPECT_EQ(std::fetestexcept(FE_INVALID), 0);
}

}  // namespace
}  // namespace rillo
