#include "sections/ELNGATED.h"

#include <cmath>

#include "engine/float_guard.h"

namespace rillo {

namespace {

constexpr double kHalfCircleFactor = 1.5707965;  // area of the half circle / r^2
constexpr double kPi = 3.141593;
constexpr double kTwoPi = 6.283186;
// 3 pi: the half circle's centroid lies 4 r / (3 pi) below the springline.
constexpr double kThreePi = 9.424779;
// Each side piece of the water in the upper half circle is taken to have its
// centroid 3/5 of the water height there below the surface.
constexpr double kSidePieceCentroid = 3.0 / 5.0;

}  // namespace

void ElongatedSection::ThrowNegativeSideHeight() { throw ComputationError("Negative side height"); }

float ElongatedSection::FlowArea(float y) const {
    RequireSideHeight();
    if (y < r_) return circle_.FlowArea(y);
    if (y <= StraightTop()) return ToSingle(kHalfCircleFactor * r_ * r_ + 2.0 * r_ * (double(y) - r_));
    return ToSingle(double(circle_.FlowArea(y - h_)) + 2.0 * r_ * h_);
}

std::optional<GeometryEstimate> ElongatedSection::EstimateGeometry(float y) const {
    RequireSideHeight();
    if (y < r_) return circle_.EstimateGeometry(y);
    if (y <= StraightTop()) return std::nullopt;
    // The upper half circle: the circle's area and perimeter at y - h plus
    // the straight part's, each rounded to single precision once more.
    std::optional<GeometryEstimate> e = circle_.EstimateGeometry(y - h_);
    if (!e) return std::nullopt;
    const double area = e->area + 2.0 * r_ * h_;
    const double perimeter = e->perimeter + 2.0 * h_;
    e->areaError = e->areaError * e->area / area + kSingleRoundingError;
    e->perimeterError = e->perimeterError * e->perimeter / perimeter + kSingleRoundingError;
    e->area = area;
    e->perimeter = perimeter;
    return e;
}

double ElongatedSection::TopWidth(float y) const {
    RequireSideHeight();
    if (y < r_) return circle_.TopWidth(y);
    if (y <= StraightTop()) return ToSingle(2.0 * r_);
    return circle_.TopWidth(y - h_);
}

float ElongatedSection::WettedPerimeter(float y) const {
    RequireSideHeight();
    if (y < r_) return circle_.WettedPerimeter(y);
    if (y <= StraightTop()) return ToSingle(kPi * r_ + 2.0 * (double(y) - r_));
    return ToSingle(2.0 * r_ * CentralHalfAngle(y - h_, r_) + 2.0 * h_);
}

double ElongatedSection::HydraulicRadius(float y) const {
    RequireSideHeight();
    if (y <= r_) return circle_.HydraulicRadius(y);
    if (y < CrownHeight()) return double(FlowArea(y)) / WettedPerimeter(y);
    return (kPi * r_ * r_ + 2.0 * r_ * h_) / (kTwoPi * r_ + 2.0 * h_);
}

double ElongatedSection::Momentum(float y, float q, float g) const {
    RequireSideHeight();
    if (y > 0.0f && y <= StraightTop()) return uShape_.Momentum(y, q, g);

    const double r = r_;
    const double h = h_;
    const double d = 2.0 * r;
    const double t = double(y) - r - h;  // water height above the straight part
    const double top = TopWidth(y);
    const double straight = d * h * (double(y) - r - h / 2.0);
    const double lowerHalf = kHalfCircleFactor * r * r * (double(y) - r + 4.0 * r / kThreePi);
    // The water in the upper half circle: a central rectangle `top` wide and
    // two equal side pieces; the dry segment above it has depth `airDepth`.
    const float airDepth = 2.0f * r_ + h_ - y;
    const double upperArea = kHalfCircleFactor * r * r - circle_.FlowArea(airDepth);
    const double sidePiece = (upperArea - t * top) / 2.0;
    const double upperHalf = top * t * t / 2.0 + 2.0 * sidePiece * kSidePieceCentroid * t;

    const double a = FlowArea(y);
    return straight + lowerHalf + upperHalf + double(q) * q / (double(g) * a);
}

template class SectionFormulas<ElongatedSection>;

}  // namespace rillo
