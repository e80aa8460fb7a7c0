#include "engine/channel_section.h"

#include <cmath>

#include "engine/float_guard.h"

namespace rillo {

const char* const kOpenChannelFailureText =
    "A water-surface profile cannot be computed "
    "from the geometry provided.  "
    "Recheck the values you entered.";

const char* const kClosedConduitFailureText =
    "A water-surface profile cannot be computed \r"
    "from the geometry provided.\r"
    "\r"
    "The depth in the channel may be greater\r"
    "than the height of the channel, or was\r"
    "computed to be greater at some point during\r"
    "the profile iterations.\r"
    "\r"
    "Try adjusting the values you entered.";

std::string ChannelSection::ProfileFailureText() const {
    return CrownDepth() ? kClosedConduitFailureText : kOpenChannelFailureText;
}

double VelocityHead(double velocity, double g) { return velocity * velocity / (2.0 * g); }

std::optional<double> LnFlowTerm(float q, float uniformFlowFactor) {
    // Quiet comparisons: a NaN raises no flag of its own here.
    if (!std::isgreater(uniformFlowFactor, 0.0f) || !std::isfinite(uniformFlowFactor) || q == 0.0f ||
        !std::isfinite(q)) {
        return std::nullopt;
    }
    return std::log(double(uniformFlowFactor)) + 2.0 * std::log(std::fabs(double(q)));
}

float UniformFlowFactor(float n, float k, float s0) {
    double nk = double(n) / k;
    return ToSingle(nk * nk / s0);
}

}  // namespace rillo
