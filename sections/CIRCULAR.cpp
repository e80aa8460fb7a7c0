#include "sections/CIRCULAR.h"

#include <cmath>

#include "engine/float_guard.h"
#include "engine/profile_computation.h"
#include "sections/profile_run_inputs.h"

namespace rillo {

namespace {

// Not pi/2: the angle is written with this decimal, and the results carry it.
constexpr double kQuarterTurn = 1.5708;
constexpr double kPi = 3.141593;

}  // namespace

float CentralHalfAngle(float y, float r) {
    if (y == 2.0f * r) return 3.1416f;
    if (y == 0.0f) return 1.5708f;
    // x in double so that a depth a hair off the invert or the crown keeps
    // 1 - x^2 positive instead of rounding it to zero.
    const double x = 1.0 - double(y) / r;
    return ToSingle(std::atan(-x / std::sqrt(1.0 - x * x)) + kQuarterTurn);
}

double CircularSegmentMoment(float r, float theta, float a) {
    const double d = 2.0 * r;
    const double s = std::sin(double(theta));
    return double(r) * ((d * d / 6.0) * s * s * s - double(a) * std::cos(double(theta)));
}

float CircularSection::FlowArea(float y) const {
    if (y >= Diameter()) return ToSingle(kPi * r_ * r_);
    if (y <= 0.0f) return 0.0f;
    const double d = Diameter();
    const double theta = CentralHalfAngle(y, r_);
    return ToSingle(0.25 * d * d * (theta - std::sin(theta) * std::cos(theta)));
}

double CircularSection::TopWidth(float y) const {
    return ToSingle(2.0 * r_ * std::sin(double(CentralHalfAngle(y, r_))));
}

float CircularSection::WettedPerimeter(float y) const {
    return ToSingle(2.0 * r_ * CentralHalfAngle(y, r_));
}

double CircularSection::HydraulicRadius(float y) const {
    const double theta = CentralHalfAngle(y, r_);
    return (2.0 * r_ / 4.0) * (1.0 - std::sin(theta) * std::cos(theta) / theta);
}

double CircularSection::Momentum(float y, float q, float g) const {
    const float theta = CentralHalfAngle(y, r_);
    const float a = FlowArea(y);
    return CircularSegmentMoment(r_, theta, a) + double(q) * q / (double(g) * a);
}

namespace circular {

ProfileResult ComputeProfile(const ProfileInputs& inputs) {
    CircularSection section(inputs.widthOrDiameter * 0.5f);
    return rillo::ComputeProfile(section, ToRunInputs(inputs));
}

}  // namespace circular

}  // namespace rillo
