#pragma once

#include <functional>
#include <string>

#include "calculators/formulas/calculator_message.h"
#include "engine/channel_section.h"
#include "engine/units.h"

namespace rillo {

// Where a calculator's bisection for a depth ended.
struct DepthSearch {
    float depth = 0.0f;
    // The residual was positive at some midpoint (the upper bound came down).
    bool upperBoundMoved = false;
    // The residual was negative at some midpoint (the lower bound came up).
    bool lowerBoundMoved = false;
    // A midpoint made the residual exactly zero.
    bool exactRoot = false;

    // The search crept up to the top of its bracket without the residual ever
    // turning positive: the root, if any, lies above the bracket.
    bool EndedAtTop() const { return !upperBoundMoved && !exactRoot; }
    // The residual was positive all the way down: no depth above 0 is the root
    // (a flowrate of 0 has none).
    bool EndedAtBottom() const { return !lowerBoundMoved && !exactRoot; }
};

// Bisection for the depth at which `residual` vanishes (negative below the
// root, positive above it) on [0, top], first midpoint top / 2, with at most
// `halvings` halvings; an exact zero ends it. Bounds and midpoint are single
// precision. The residual reports faults through the caller's FloatGuard.
DepthSearch BisectDepth(float top, int halvings, const std::function<float(float)>& residual);
// The same on [bottom, top], first midpoint (bottom + top) / 2.
DepthSearch BisectDepth(float bottom, float top, int halvings, const std::function<float(float)>& residual);

// The depth at which a closed conduit carries the most under Manning's
// equation, where A^3.333 / P^1.333 peaks below the crown, by golden-section
// search over [0, crown]. Only for a section with a crown.
float DepthOfMaximumCapacity(const ChannelSection& conduit);

// The message shown instead of a depth that lies above the search's bracket:
// for an open channel the top of the search in the length unit, for a closed
// conduit its height. `depthName` is "critical depth" or "normal depth".
CalculatorMessage DepthAboveSearchMessage(const std::string& title, const std::string& depthName,
                                          const ChannelSection& section, UnitSystem units);

}  // namespace rillo
