#pragma once

#include <optional>
#include <string>

#include "engine/depth_search.h"

namespace rillo {

// ln(K Q^2), where it is a finite number: K positive and finite, Q finite and
// not zero. Nothing elsewhere.
std::optional<double> LnFlowTerm(float q, float uniformFlowFactor);

// The flow of a profile computation, as every step of its integration uses it.
struct ProfileFlow {
    float q = 0.0f;
    float g = 0.0f;
    // K = (n / k)^2 / S0.
    float uniformFlowFactor = 0.0f;
    float s0 = 0.0f;
    // LnFlowTerm(q, uniformFlowFactor), worked out once.
    std::optional<double> lnFlowTerm;

    ProfileFlow() = default;
    ProfileFlow(float q, float g, float uniformFlowFactor, float s0)
        : q(q), g(g), uniformFlowFactor(uniformFlowFactor), s0(s0), lnFlowTerm(LnFlowTerm(q, uniformFlowFactor)) {}
};

// The values of a profile row at depth y besides its station: its row set.
struct ProfileRowValues {
    float y, specificEnergy, area, velocity, momentum, froude, velocityHead, hydraulicRadius, perimeter;
    // Kept in double precision: its cell rounds it, and may find it past the
    // single range.
    double topWidth;
};

// The operations every channel shape offers. y is the flow depth from the
// invert; the shape's own dimensions are held by the object. Each shape
// supplies its geometry; the hydraulic quantities built on it are the common
// formulas below. Values that the shapes keep in single precision are float,
// those formed and returned in double precision are double.
//
// The operations do not check their arguments: a division by zero, an overflow
// or a square root of a negative number raises the floating-point flags that
// the caller's FloatGuard turns into a ComputationError.
class ChannelSection {
public:
    virtual ~ChannelSection() = default;

    virtual float FlowArea(float y) const = 0;
    virtual double TopWidth(float y) const = 0;
    virtual float WettedPerimeter(float y) const = 0;
    virtual double HydraulicRadius(float y) const = 0;
    // Specific force: Q^2/(g A) plus the first moment of the flow area about
    // the water surface.
    virtual double Momentum(float y, float q, float g) const = 0;

    // The hydraulic operations, the same formulas for every shape: written
    // once in SectionFormulas (engine/section_formulas.h), from which each
    // shape derives.
    // y + Q^2 / (2 g A^2)
    virtual float SpecificEnergy(float y, float q, float g) const = 0;
    // Q^2 T / (g A^3): the square of the Froude number; critical flow is 1.
    virtual double FroudeNumber(float y, float q, float g) const = 0;
    // 1 - Q^2 T / (g A^3)
    virtual float CriticalFlowResidual(float y, float q, float g) const = 0;
    // 1 - K Q^2 P^1.333 / A^3.333, that is 1 - Sf/S0 with K = (n/k)^2 / S0.
    virtual float NormalFlowResidual(float y, float q, float uniformFlowFactor) const = 0;
    // dx/dy of gradually varied flow: CriticalFlowResidual / (S0 NormalFlowResidual).
    virtual float ProfileIntegrand(float y, const ProfileFlow& flow) const = 0;

    // The row set of a profile row, in the order of its columns but for the
    // top width, worked out as the Froude number's.
    virtual ProfileRowValues RowValues(float y, float q, float g) const = 0;

    // Bisection on CriticalFlowResidual over [0, SearchCeiling()]: at most 50
    // halvings, stopping early on an exact zero.
    virtual float CriticalDepth(float q, float g) const = 0;
    // Bisection on NormalFlowResidual over [0, SearchCeiling()]: 50 halvings
    // at most, stopping by the shape's NormalDepthStop().
    virtual float NormalDepth(float q, float uniformFlowFactor) const = 0;

    // Top of the depth searches' bracket.
    virtual float SearchCeiling() const = 0;
    virtual BisectionStop NormalDepthStop() const = 0;
    // The depth of the crown of a closed conduit; none for an open channel.
    virtual std::optional<float> CrownDepth() const = 0;
    // Text of the "Invalid Channel Geometry" message of this shape's profile.
    virtual std::string ProfileFailureText() const;
};

// V^2 / (2 g); the same for every shape.
double VelocityHead(double velocity, double g);

// The uniform-flow factor K = (n / k)^2 / S0, formed once per computation.
float UniformFlowFactor(float n, float k, float s0);

// The decimal Manning exponents, not 4/3 and 10/3.
inline constexpr double kPerimeterExponent = 1.333;
inline constexpr double kAreaExponent = 3.333;

// The profile failure texts: the open channels' short one and the closed
// conduits' long one.
extern const char* const kOpenChannelFailureText;
extern const char* const kClosedConduitFailureText;
inline constexpr const char* kInvalidGeometryTitle = "Invalid Channel Geometry";

}  // namespace rillo
