#pragma once

#include "engine/section_formulas.h"
#include "sections/CIRCULAR.h"
#include "sections/USHAPED.h"

namespace rillo {

// A closed conduit made of a circle of radius r cut along its horizontal
// diameter, the halves moved apart by the side height h and joined by
// vertical walls. Three zones by depth: the lower half circle (y < r), the
// straight part 2r wide (r <= y <= r + h) and the upper half circle up to the
// crown at 2r + h. With h = 0 it is the circular section. Depth searches run
// on [0, D + h]; the profile's depths are limited to the crown D + h.
// A negative side height is invalid geometry.
class ElongatedSection final : public SectionFormulas<ElongatedSection> {
   public:
    ElongatedSection(float radius, float sideHeight)
        : r_(radius), h_(sideHeight), circle_(radius), uShape_(radius) {}

    // Defined for every depth: 0 at or below the invert, 3.141593 r^2 + 2 r h
    // at or above the crown.
    float FlowArea(float y) const override;
    double TopWidth(float y) const override;
    float WettedPerimeter(float y) const override;
    // Circular up to the springline, A/P in between, the full value at and
    // above the crown.
    double HydraulicRadius(float y) const override;
    // The U-shaped value up to the top of the straight part, a three-piece sum
    // in the upper half circle.
    double Momentum(float y, float q, float g) const override;

    float SearchCeiling() const override { return CrownHeight(); }
    // As the circle it is made of.
    BisectionStop NormalDepthStop() const override { return BisectionStop::OnZeroOrUnordered; }
    std::optional<float> CrownDepth() const override { return CrownHeight(); }

    // The circle's estimate in the two half circles (for the depth searches'
    // signs); nothing in the straight part, whose exact geometry costs less.
    std::optional<GeometryEstimate> EstimateGeometry(float y) const;

    float CrownHeight() const { return 2.0f * r_ + h_; }

   private:
    // A negative side height describes no conduit (the halves would overlap):
    // the geometry fails with a ComputationError rather than give numbers.
    // Inline: every operation asks first.
    void RequireSideHeight() const {
        if (h_ < 0.0f) [[unlikely]] ThrowNegativeSideHeight();
    }
    [[noreturn]] static void ThrowNegativeSideHeight();
    // The top of the straight part.
    float StraightTop() const { return r_ + h_; }

    float r_;
    float h_;
    CircularSection circle_;
    UShapedSection uShape_;
};

// Instantiated beside the geometry, in the shape's own file.
extern template class SectionFormulas<ElongatedSection>;

}  // namespace rillo
