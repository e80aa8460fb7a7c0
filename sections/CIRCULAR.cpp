#include "sections/CIRCULAR.h"

#include <bit>
#include <cmath>
#include <cstdint>

#include "engine/float_guard.h"

namespace rillo {

namespace {

// Not pi/2: the angle is written with this decimal, and the results carry it.
constexpr double kQuarterTurn = 1.5708;
constexpr double kPi = 3.141593;

}  // namespace

namespace {

struct HalfAngle {
    float theta;
    // Whether working it out divided by zero: at a depth so near the invert
    // or the crown that 1 - x^2 rounds to zero. That is the one fault it can
    // raise and still give an angle; any other (a square root of a negative
    // number) ends in a ComputationError.
    bool dividedByZero;
};

HalfAngle WorkOutHalfAngle(float y, float r) {
    if (y == 2.0f * r) return {3.1416f, false};
    if (y == 0.0f) return {1.5708f, false};
    // x in double so that a depth a hair off the invert or the crown keeps
    // 1 - x^2 positive instead of rounding it to zero.
    const double x = 1.0 - double(y) / r;
    const double root = std::sqrt(1.0 - x * x);
    return {ToSingle(std::atan(-x / root) + kQuarterTurn), root == 0.0};
}

}  // namespace

float CentralHalfAngle(float y, float r) { return WorkOutHalfAngle(y, r).theta; }

double CircularSegmentMoment(float r, float theta, float a) {
    return CircularSegmentMoment(r, std::sin(double(theta)), std::cos(double(theta)), a);
}

double CircularSegmentMoment(float r, double sinTheta, double cosTheta, float a) {
    const double d = 2.0 * r;
    const double s = sinTheta;
    return double(r) * ((d * d / 6.0) * s * s * s - double(a) * cosTheta);
}

const CircularSection::Angle& CircularSection::AngleAt(float y) const {
    // By bit pattern, so that -0 and 0 stay apart.
    if (!angleKnown_ || std::bit_cast<std::uint32_t>(y) != std::bit_cast<std::uint32_t>(angleDepth_)) {
        angleKnown_ = false;
        const HalfAngle half = WorkOutHalfAngle(y, r_);
        angle_ = {half.theta, std::sin(double(half.theta)), std::cos(double(half.theta))};
        angleDepth_ = y;
        // An angle is kept only when working it out raised no fault, so that
        // asking again raises the same flags as working it out again would:
        // none. Testing the flags themselves would cost more than the rest.
        angleKnown_ = !half.dividedByZero;
    }
    return angle_;
}

std::optional<GeometryEstimate> CircularSection::EstimateGeometry(float y) const {
    if (!(r_ > 0.0f && r_ <= 1e15f && y > 0.0f && y < Diameter())) return std::nullopt;
    const double x = 1.0 - double(y) / r_;
    const double s = std::sqrt(1.0 - x * x);
    // Near the invert and the crown the bounds below grow past use.
    if (!(s >= 0.01)) return std::nullopt;
    // The exact angle is arccos(x) + (1.5708 - pi/2), rounded to single
    // precision (within 1.2e-7). Here: the arccosine of x rounded to single
    // precision (x moves by 6e-8, the angle by 6e-8 / s), worked out within
    // two units in the last place (4.8e-7).
    constexpr double kShift = kQuarterTurn - 1.5707963267948966;
    const double theta = double(std::acos(static_cast<float>(x))) + kShift;
    const double thetaError = 1e-6 + 1e-7 / s;
    // sin and cos of the shifted angle, to first order in the shift (the
    // second-order terms are below 1e-11); each is within thetaError of the
    // exact angle's.
    const double sine = s + x * kShift;
    const double cosine = x - s * kShift;
    const double d = Diameter();
    // Each exact value is rounded to single precision once more; the area's
    // bracket moves by at most twice the angle's error.
    GeometryEstimate e{0.25 * d * d * (theta - sine * cosine), 2.0 * r_ * sine, 2.0 * r_ * theta, 0.0, 0.0, 0.0};
    // Near the invert the estimated area can fall to zero or below.
    if (!(e.area > 0.0 && sine > 0.0)) return std::nullopt;
    e.areaError = 1.2 * 0.5 * d * d * thetaError / e.area + kSingleRoundingError;
    e.topWidthError = 1.2 * thetaError / sine + kSingleRoundingError;
    e.perimeterError = 1.2 * thetaError / theta + kSingleRoundingError;
    if (!(e.areaError < 1e-2 && e.topWidthError < 1e-2 && e.perimeterError < 1e-2)) return std::nullopt;
    return e;
}

float CircularSection::FlowArea(float y) const {
    if (y >= Diameter()) return ToSingle(kPi * r_ * r_);
    if (y <= 0.0f) return 0.0f;
    const double d = Diameter();
    const Angle& angle = AngleAt(y);
    return ToSingle(0.25 * d * d * (angle.theta - angle.sin * angle.cos));
}

double CircularSection::TopWidth(float y) const {
    return ToSingle(2.0 * r_ * AngleAt(y).sin);
}

float CircularSection::WettedPerimeter(float y) const {
    return ToSingle(2.0 * r_ * AngleAt(y).theta);
}

double CircularSection::HydraulicRadius(float y) const {
    const Angle& angle = AngleAt(y);
    return (2.0 * r_ / 4.0) * (1.0 - angle.sin * angle.cos / angle.theta);
}

double CircularSection::Momentum(float y, float q, float g) const {
    const Angle angle = AngleAt(y);
    const float a = FlowArea(y);
    return CircularSegmentMoment(r_, angle.sin, angle.cos, a) + double(q) * q / (double(g) * a);
}

template class SectionFormulas<CircularSection>;

}  // namespace rillo
