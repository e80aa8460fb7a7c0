#pragma once

#include <bit>
#include <cstdint>

#include "engine/float_guard.h"

namespace rillo {

// How a depth bisection treats a midpoint whose residual is neither negative
// nor positive, which decides when it stops before its last halving.
enum class BisectionStop {
    // An exact zero ends the search; a positive residual lowers the upper
    // bound, anything else (negative, or not a number) raises the lower one.
    OnExactZero,
    // A negative residual raises the lower bound, a positive one lowers the
    // upper; anything else (zero, or not a number) ends the search.
    OnZeroOrUnordered,
    // Every halving runs: a positive residual lowers the upper bound,
    // anything else raises the lower one.
    Never,
};

// Where a bisection for a depth ended.
struct DepthSearch {
    float depth = 0.0f;
    // The residual was positive at some midpoint (the upper bound came down).
    bool upperBoundMoved = false;
    // The residual moved the lower bound up at some midpoint.
    bool lowerBoundMoved = false;
    // The search stopped early on its stopping rule.
    bool exactRoot = false;

    // The search crept up to the top of its bracket without the residual ever
    // turning positive: the root, if any, lies above the bracket.
    bool EndedAtTop() const { return !upperBoundMoved && !exactRoot; }
    // The residual was positive all the way down: no depth above the bottom
    // is the root (a flowrate of 0 has none).
    bool EndedAtBottom() const { return !lowerBoundMoved && !exactRoot; }
};

// Bisection for the depth at which `residual` vanishes (negative below the
// root, positive above it) on [bottom, top], first midpoint (bottom + top) / 2,
// with at most `halvings` halvings. Bounds and midpoint are single precision.
// The residual reports faults through the caller's FloatGuard. Once the
// bracket has closed to neighbouring floats the midpoint repeats, and its
// residual is not worked out again.
template <typename Residual>
DepthSearch BisectDepth(float bottom, float top, int halvings, BisectionStop stop, Residual&& residual) {
    DepthSearch search;
    float lower = bottom;
    float upper = top;
    float y = ToSingle((double(top) + bottom) * 0.5);
    bool known = false;
    float lastDepth = 0.0f;
    float r = 0.0f;
    for (int i = 0; i < halvings; ++i) {
        // By bit pattern, so that -0 and 0 stay apart.
        if (!known || std::bit_cast<std::uint32_t>(y) != std::bit_cast<std::uint32_t>(lastDepth)) {
            r = residual(y);
            lastDepth = y;
            known = true;
        }
        const bool stops = stop == BisectionStop::OnExactZero         ? r == 0.0f
                           : stop == BisectionStop::OnZeroOrUnordered ? !(r < 0.0f || r > 0.0f)
                                                                      : false;
        if (stops) {
            search.exactRoot = true;
            break;
        }
        if (r > 0.0f) {
            upper = y;
            search.upperBoundMoved = true;
        } else {
            lower = y;
            search.lowerBoundMoved = true;
        }
        y = ToSingle((double(upper) + lower) * 0.5);
    }
    search.depth = y;
    return search;
}

}  // namespace rillo
