#pragma once

#include "engine/section_formulas.h"

namespace rillo {

// A trapezoidal channel: horizontal bottom of width b, both sides rising with
// side slope z (z horizontal per 1 vertical). b = 0 is a triangle, z = 0 a
// rectangle. Depth searches run on [0, 100] in the length unit.
class TrapezoidalSection final : public SectionFormulas<TrapezoidalSection> {
public:
    TrapezoidalSection(float bottomWidth, float sideSlope);

    float FlowArea(float y) const override;
    double TopWidth(float y) const override;
    float WettedPerimeter(float y) const override;
    double HydraulicRadius(float y) const override;
    double Momentum(float y, float q, float g) const override;

    float SearchCeiling() const override { return 100.0f; }
    // Every halving runs: the trapezoid's normal depths have always come from
    // the full 50 halvings, and an exact zero does not end them early.
    BisectionStop NormalDepthStop() const override { return BisectionStop::Never; }
    std::optional<float> CrownDepth() const override { return std::nullopt; }

private:
    float b_;
    float z_;
    // The length of a side per unit of depth, sqrt(1 + z^2), worked out once.
    double sideLength_;
};

// Instantiated beside the geometry, in the shape's own file.
extern template class SectionFormulas<TrapezoidalSection>;

}  // namespace rillo
