#include "sections/TRAPZOID.h"

#include <cmath>

#include "engine/float_guard.h"

namespace rillo {

TrapezoidalSection::TrapezoidalSection(float bottomWidth, float sideSlope)
    : b_(bottomWidth), z_(sideSlope), sideLength_(std::sqrt(1.0 + double(sideSlope) * sideSlope)) {}

float TrapezoidalSection::FlowArea(float y) const { return ToSingle((double(b_) + double(z_) * y) * y); }

double TrapezoidalSection::TopWidth(float y) const { return double(b_) + 2.0 * z_ * y; }

float TrapezoidalSection::WettedPerimeter(float y) const {
    return ToSingle(double(b_) + 2.0 * y * sideLength_);
}

double TrapezoidalSection::HydraulicRadius(float y) const {
    double area = double(z_) * y * y + double(b_) * y;
    return area / WettedPerimeter(y);
}

double TrapezoidalSection::Momentum(float y, float q, float g) const {
    double moment = double(b_) * y * y / 2.0 + double(z_) * y * y * y / 3.0;
    return ToSingle(double(q) * q / (double(g) * FlowArea(y)) + moment);
}

template class SectionFormulas<TrapezoidalSection>;

}  // namespace rillo
