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

float ChannelSection::CriticalDepth(float q, float g) const {
    // Stops on an exact zero, as the calculators' searches do.
    return BisectDepth(0.0f, SearchCeiling(), 50, BisectionStop::OnExactZero,
                       [&](float y) { return CriticalFlowResidual(y, q, g); })
        .depth;
}

float ChannelSection::NormalDepth(float q, float uniformFlowFactor) const {
    return BisectDepth(0.0f, SearchCeiling(), 50, NormalDepthStop(),
                       [&](float y) { return NormalFlowResidual(y, q, uniformFlowFactor); })
        .depth;
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
