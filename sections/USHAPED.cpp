#include "sections/USHAPED.h"

#include <cmath>

#include "engine/float_guard.h"

namespace rillo {

namespace {

constexpr double kHalfCircleFactor = 1.5707965;  // area of the half circle / r^2
constexpr double kPi = 3.141593;                 // half circle's arc / r
// Depth of the half circle's centroid below the springline, per unit radius
// (about 4 / (3 pi)).
constexpr double kHalfCircleCentroid = 0.4244;

}  // namespace

float UShapedSection::FlowArea(float y) const {
    if (y <= 0.0f) return 0.0f;
    if (y < r_) return circle_.FlowArea(y);
    return ToSingle(kHalfCircleFactor * r_ * r_ + 2.0 * r_ * (double(y) - r_));
}

double UShapedSection::TopWidth(float y) const {
    if (y <= 0.0f) return 0.0f;
    if (y < r_) return circle_.TopWidth(y);
    return ToSingle(2.0 * r_);
}

float UShapedSection::WettedPerimeter(float y) const {
    if (y <= 0.0f) return 0.0f;
    if (y < r_) return circle_.WettedPerimeter(y);
    return ToSingle(kPi * r_ + 2.0 * (double(y) - r_));
}

double UShapedSection::HydraulicRadius(float y) const {
    if (y <= r_) return circle_.HydraulicRadius(y);
    return double(FlowArea(y)) / WettedPerimeter(y);
}

double UShapedSection::Momentum(float y, float q, float g) const {
    if (y <= 0.0f) return 0.0;
    const float a = FlowArea(y);
    double moment;
    if (y <= r_) {
        moment = CircularSegmentMoment(r_, CentralHalfAngle(y, r_), a);
    } else {
        // The rectangle above the springline, then the half circle below it.
        const double above = double(y) - r_;
        moment =
            double(r_) * above * above + kHalfCircleFactor * r_ * r_ * (above + kHalfCircleCentroid * r_);
    }
    return moment + double(q) * q / (double(g) * a);
}

template class SectionFormulas<UShapedSection>;

}  // namespace rillo
