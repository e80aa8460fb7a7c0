#pragma once

#include "engine/section_formulas.h"
#include "sections/CIRCULAR.h"

namespace rillo {

// An open channel whose bottom is a half circle of radius r and whose sides
// are vertical walls of unlimited height, 2r apart. Below the springline
// (y = r) it is the lower half of a circular section. Depth searches run on
// [0, 100] in the length unit whatever the width; depths are not limited.
class UShapedSection final : public SectionFormulas<UShapedSection> {
   public:
    explicit UShapedSection(float radius) : r_(radius), circle_(radius) {}

    // Zero at or below the invert; the half circle 1.5707965 r^2 plus the
    // rectangle above the springline.
    float FlowArea(float y) const override;
    // 2r at and above the springline.
    double TopWidth(float y) const override;
    float WettedPerimeter(float y) const override;
    // The circular value up to the springline, A/P above it.
    double HydraulicRadius(float y) const override;
    // Zero at or below the invert.
    double Momentum(float y, float q, float g) const override;

    float SearchCeiling() const override { return 100.0f; }
    // As the circle it starts from.
    BisectionStop NormalDepthStop() const override { return BisectionStop::OnZeroOrUnordered; }
    std::optional<float> CrownDepth() const override { return std::nullopt; }

   private:
    float r_;
    CircularSection circle_;
};

// Instantiated beside the geometry, in the shape's own file.
extern template class SectionFormulas<UShapedSection>;

}  // namespace rillo
