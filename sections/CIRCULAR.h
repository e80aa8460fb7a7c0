#pragma once

#include "engine/section_formulas.h"

namespace rillo {

// The angle at the centre of a circle of radius r between the downward
// vertical and the radius to either edge of a water surface at depth y:
// arccos(1 - y/r), written with the arctangent and the decimal 1.5708.
// At the invert (y = 0) it is 1.5708, not 0, and at the crown (y = 2r) 3.1416.
// Below the invert or above the crown it takes the square root of a negative
// number, which the caller's FloatGuard reports as a ComputationError.
float CentralHalfAngle(float y, float r);

// A closed circular conduit of radius r flowing partly full. Depth searches
// run on [0, D], D = 2r; the profile's depths are limited to the crown D.
class CircularSection final : public SectionFormulas<CircularSection> {
   public:
    explicit CircularSection(float radius) : r_(radius) {}

    // 0 at or below the invert, the full area 3.141593 r^2 at or above the crown.
    float FlowArea(float y) const override;
    // 2 r sin(theta), kept in single precision.
    double TopWidth(float y) const override;
    // 2 r theta
    float WettedPerimeter(float y) const override;
    // (D/4) (1 - sin(theta) cos(theta) / theta) in closed form, double precision.
    double HydraulicRadius(float y) const override;
    double Momentum(float y, float q, float g) const override;

    float SearchCeiling() const override { return Diameter(); }
    // Ends on an exact zero, and on a residual that is not a number (a depth
    // the conduit's geometry does not describe), rather than creep to a bound.
    BisectionStop NormalDepthStop() const override { return BisectionStop::OnZeroOrUnordered; }
    std::optional<float> CrownDepth() const override { return Diameter(); }

    // The area, top width and perimeter by the single-precision arccosine,
    // for the depth searches' signs: between the invert and the crown, away
    // from both, for radii up to 1e15; nothing elsewhere.
    std::optional<GeometryEstimate> EstimateGeometry(float y) const;

    float Radius() const { return r_; }
    float Diameter() const { return 2.0f * r_; }

   private:
    // The central half-angle at a depth with its sine and cosine.
    struct Angle {
        float theta = 0.0f;
        double sin = 0.0;
        double cos = 0.0;
    };
    // The angle at depth y, kept for the last depth asked: a profile row and
    // each integrand ask for the same depth several times over, and the
    // arctangent, sine and cosine cost the most of every operation. The
    // cache makes a section object unfit for use from several threads at
    // once; each computation makes its own.
    const Angle& AngleAt(float y) const;

    float r_;
    mutable bool angleKnown_ = false;
    mutable float angleDepth_ = 0.0f;
    mutable Angle angle_;
};

// The first moment about the water surface of a circular segment of depth y
// (central half-angle theta, area a) in a circle of radius r:
// r ((D^2 / 6) sin^3(theta) - a cos(theta)).
double CircularSegmentMoment(float r, float theta, float a);
// The same, given sin(theta) and cos(theta).
double CircularSegmentMoment(float r, double sinTheta, double cosTheta, float a);

// Instantiated beside the geometry, in the shape's own file.
extern template class SectionFormulas<CircularSection>;

}  // namespace rillo
