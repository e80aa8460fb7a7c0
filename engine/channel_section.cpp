#include "engine/channel_section.h"

#include <bit>
#include <cmath>
#include <cstdint>

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

namespace {

// Q^2 / (g A^3) times the top width, in double precision.
double CriticalRatio(const ChannelSection& s, float y, float q, float g) {
    double a = s.FlowArea(y);
    double t = s.TopWidth(y);
    return double(q) * q * t / (double(g) * a * a * a);
}

// P^1.333 / A^3.333; a fractional power of a negative number is invalid.
double ManningShapeTerm(const ChannelSection& s, float y) {
    double a = s.FlowArea(y);
    double p = s.WettedPerimeter(y);
    return std::pow(p, kPerimeterExponent) / std::pow(a, kAreaExponent);
}

}  // namespace

float ChannelSection::SpecificEnergy(float y, float q, float g) const {
    double a = FlowArea(y);
    return ToSingle(double(y) + double(q) * q / (2.0 * g * a * a));
}

double ChannelSection::FroudeNumber(float y, float q, float g) const {
    return CriticalRatio(*this, y, q, g);
}

float ChannelSection::CriticalFlowResidual(float y, float q, float g) const {
    return ToSingle(1.0 - CriticalRatio(*this, y, q, g));
}

float ChannelSection::NormalFlowResidual(float y, float q, float uniformFlowFactor) const {
    return ToSingle(1.0 - double(uniformFlowFactor) * q * q * ManningShapeTerm(*this, y));
}

float ChannelSection::ProfileIntegrand(float y, float q, float g, float uniformFlowFactor,
                                       float s0) const {
    float critical = CriticalFlowResidual(y, q, g);
    float normal = NormalFlowResidual(y, q, uniformFlowFactor);
    return ToSingle(double(critical) / (double(s0) * normal));
}

namespace {

// A residual by depth that remembers its last depth: once a bisection's
// bracket has closed to neighbouring floats, the midpoint repeats and its
// residual is not evaluated again.
template <typename Residual>
class LastDepthResidual {
public:
    explicit LastDepthResidual(Residual residual) : residual_(residual) {}

    float operator()(float y) {
        if (!known_ || std::bit_cast<std::uint32_t>(y) != std::bit_cast<std::uint32_t>(y_)) {
            r_ = residual_(y);
            y_ = y;
            known_ = true;
        }
        return r_;
    }

private:
    Residual residual_;
    bool known_ = false;
    float y_ = 0.0f;
    float r_ = 0.0f;
};

}  // namespace

float ChannelSection::CriticalDepth(float q, float g) const {
    float lower = 0.0f;
    float upper = SearchCeiling();
    float y = ToSingle(upper * 0.5);
    LastDepthResidual residual([&](float depth) { return CriticalFlowResidual(depth, q, g); });
    for (int i = 0; i < 50; ++i) {
        float r = residual(y);
        if (r == 0.0f) break;
        if (r >= 0.0f) {
            upper = y;
        } else {
            lower = y;
        }
        y = ToSingle((double(upper) + lower) * 0.5);
    }
    return y;
}

float ChannelSection::NormalDepth(float q, float uniformFlowFactor) const {
    float lower = 0.0f;
    float upper = SearchCeiling();
    float y = ToSingle(upper * 0.5);
    const bool stopOnZero = NormalRule() == NormalDepthRule::StopOnExactZero;
    LastDepthResidual residual([&](float depth) { return NormalFlowResidual(depth, q, uniformFlowFactor); });
    for (int i = 0; i < 50; ++i) {
        float r = residual(y);
        if (stopOnZero) {
            if (r < 0.0f) {
                lower = y;
            } else if (r > 0.0f) {
                upper = y;
            } else {
                break;
            }
        } else if (r > 0.0f) {
            upper = y;
        } else {
            lower = y;
        }
        y = ToSingle((double(upper) + lower) * 0.5);
    }
    return y;
}

std::string ChannelSection::ProfileFailureText() const {
    return CrownDepth() ? kClosedConduitFailureText : kOpenChannelFailureText;
}

double VelocityHead(double velocity, double g) { return velocity * velocity / (2.0 * g); }

float UniformFlowFactor(float n, float k, float s0) {
    double nk = double(n) / k;
    return ToSingle(nk * nk / s0);
}

}  // namespace rillo
