#pragma once

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "engine/channel_section.h"
#include "engine/float_guard.h"

// The operations a profile runs most inline their whole geometry, the
// shape's zones included, rather than leave it to the inliner's size limits.
#if defined(__GNUC__)
#define RILLO_FLATTEN [[gnu::flatten]]
#else
#define RILLO_FLATTEN
#endif

namespace rillo {

// Q^2 / (g A^3) times the top width, in double precision.
inline double CriticalRatioOf(double a, double t, float q, float g) {
    return double(q) * q * t / (double(g) * a * a * a);
}

// 1 - K Q^2 P^1.333 / A^3.333 from the area and the perimeter; a fractional
// power of a negative number is invalid.
inline float NormalResidualOf(double a, double p, float q, float uniformFlowFactor) {
    const double shape = std::pow(p, kPerimeterExponent) / std::pow(a, kAreaExponent);
    return ToSingle(1.0 - double(uniformFlowFactor) * q * q * shape);
}

// ln(K Q^2 P^1.333 / A^3.333) with a bound on its error. Two logarithms cost
// well under the two powers.
struct NormalTermLogarithm {
    double value;
    // Bounds the rounding errors of the logarithms and of the sums, 1e-16 of
    // the magnitudes added (at most about 1e-12 over the single range), and
    // the difference between the powers' term and the exponential of the
    // value, a few units in the last place of each.
    double error;
};

// The logarithm where the area and the perimeter are positive
// single-precision numbers and ln(K Q^2) is known (there the powers raise no
// fault); nothing elsewhere.
inline std::optional<NormalTermLogarithm> NormalTermLogarithmOf(double a, double p,
                                                                std::optional<double> lnFlowTerm) {
    constexpr double kLargest = std::numeric_limits<float>::max();
    // Quiet comparisons: a NaN raises no flag of its own here.
    if (!lnFlowTerm || !std::isgreater(a, 0.0) || !std::isgreater(p, 0.0) || !std::islessequal(a, kLargest) ||
        !std::islessequal(p, kLargest)) {
        return std::nullopt;
    }
    const double perimeterTerm = kPerimeterExponent * std::log(p);
    const double areaTerm = kAreaExponent * std::log(a);
    const double magnitude = std::fabs(*lnFlowTerm) + std::fabs(perimeterTerm) + std::fabs(areaTerm);
    return NormalTermLogarithm{*lnFlowTerm + perimeterTerm - areaTerm, 2e-15 * magnitude + 1e-14};
}

// Below this logarithm of the term (ln of the largest float is 88.72) the
// residual stays within the single range, and its exponential is finite.
inline constexpr double kNormalTermLogCeiling = 88.0;

// The float that every double within `off` of `value` rounds to, or nothing
// where two floats share them (-0 and 0 count as two). Rounding is
// monotonic, so the two ends of the interval decide it.
inline std::optional<float> CertainRounding(double value, double off) {
    const auto bits = [](double v) { return std::bit_cast<std::uint32_t>(static_cast<float>(v)); };
    const std::uint32_t rounded = bits(value);
    if (bits(value - off) == rounded && bits(value + off) == rounded) return std::bit_cast<float>(rounded);
    return std::nullopt;
}

// NormalResidualOf by the exponential of the logarithm of its term where the
// rounding to single precision is certain, by the powers elsewhere.
inline float NormalResidualFromLogarithm(double a, double p, float q, float uniformFlowFactor,
                                         std::optional<double> lnFlowTerm) {
    if (const auto ln = NormalTermLogarithmOf(a, p, lnFlowTerm); ln && ln->value < kNormalTermLogCeiling) {
        const double term = std::exp(ln->value);
        const double residual = 1.0 - term;
        // The powers' residual lies this near, the subtractions' roundings
        // included.
        const double off = term * ln->error + std::fabs(residual) * 1e-15;
        if (const std::optional<float> rounded = CertainRounding(residual, off)) return *rounded;
    }
    return NormalResidualOf(a, p, q, uniformFlowFactor);
}

// The sign of the normal residual, +1 or -1, where the logarithm of its term
// leaves no doubt that the term is below 1 (a positive residual) or above it.
inline std::optional<float> SignOfNormalTerm(const NormalTermLogarithm& ln) {
    if (ln.value < -ln.error) return 1.0f;
    if (ln.value > ln.error && ln.value < kNormalTermLogCeiling) return -1.0f;
    return std::nullopt;
}

// The sign of NormalResidualOf where the logarithm of its term settles it;
// the residual itself where it does not.
inline float NormalResidualSign(double a, double p, float q, float uniformFlowFactor,
                                std::optional<double> lnFlowTerm) {
    if (const auto ln = NormalTermLogarithmOf(a, p, lnFlowTerm)) {
        if (const auto sign = SignOfNormalTerm(*ln)) return *sign;
    }
    return NormalResidualOf(a, p, q, uniformFlowFactor);
}

// A shape's geometry at a depth, worked out the quick way, with bounds on
// how far each value may lie from the exact operation's (relative errors,
// each below 1e-2). The depth searches decide a sign from it where the
// bounds leave no doubt; the exact operations at that depth would raise no
// fault and throw nothing.
struct GeometryEstimate {
    double area, topWidth, perimeter;
    double areaError, topWidthError, perimeterError;
};

// The relative error of rounding an exact value to single precision once
// (2^-24, about 6e-8), with a margin: the exact operations round their
// results so.
inline constexpr double kSingleRoundingError = 1.2e-7;

// The sign of CriticalFlowResidual where the estimate settles it.
inline std::optional<float> CriticalResidualSign(const GeometryEstimate& e, float q, float g) {
    if (!std::isgreater(g, 0.0f) || !std::isfinite(q)) return std::nullopt;
    const double ratio = CriticalRatioOf(e.area, e.topWidth, q, g);
    const double error = e.topWidthError + 3.1 * e.areaError + 1e-12;
    if (ratio * (1.0 + error) < 1.0) return 1.0f;
    // Beyond 1e38 the residual could leave the single range.
    if (ratio * (1.0 - error) > 1.0 && ratio * (1.0 + error) < 1e38) return -1.0f;
    return std::nullopt;
}

// The sign of the normal residual where the estimate settles it.
inline std::optional<float> NormalResidualSign(const GeometryEstimate& e, std::optional<double> lnFlowTerm) {
    auto ln = NormalTermLogarithmOf(e.area, e.perimeter, lnFlowTerm);
    if (!ln) return std::nullopt;
    // ln(1 + d) lies within 1.01 d of 0 for |d| < 1e-2.
    ln->error += 1.01 * (kPerimeterExponent * e.perimeterError + kAreaExponent * e.areaError);
    return SignOfNormalTerm(*ln);
}

// The hydraulic operations of ChannelSection, written once over a shape's own
// geometry. Shape is the final class deriving from this one: its geometry is
// called directly, and inlined where the shape instantiates this template
// beside its geometry, so that each operation costs one virtual call instead
// of one per geometric quantity (a depth search makes some thirty). The
// area is worked out before the other quantities, as every operation needs
// it.
template <class Shape>
class SectionFormulas : public ChannelSection {
public:
    float SpecificEnergy(float y, float q, float g) const final {
        const double a = Self().FlowArea(y);
        return ToSingle(double(y) + double(q) * q / (2.0 * g * a * a));
    }
    double FroudeNumber(float y, float q, float g) const final { return CriticalRatio(y, q, g); }
    float CriticalFlowResidual(float y, float q, float g) const final {
        return ToSingle(1.0 - CriticalRatio(y, q, g));
    }
    float NormalFlowResidual(float y, float q, float uniformFlowFactor) const final {
        const double a = Self().FlowArea(y);
        return NormalResidualOf(a, Self().WettedPerimeter(y), q, uniformFlowFactor);
    }
    RILLO_FLATTEN float ProfileIntegrand(float y, const ProfileFlow& flow) const final {
        // One area for both residuals: working it out again gives the same.
        const double a = Self().FlowArea(y);
        const float critical = ToSingle(1.0 - CriticalRatioOf(a, Self().TopWidth(y), flow.q, flow.g));
        const float normal = NormalResidualFromLogarithm(a, Self().WettedPerimeter(y), flow.q,
                                                         flow.uniformFlowFactor, flow.lnFlowTerm);
        return ToSingle(double(critical) / (double(flow.s0) * normal));
    }
    RILLO_FLATTEN ProfileRowValues RowValues(float y, float q, float g) const final {
        ProfileRowValues row{};
        row.y = y;
        row.specificEnergy = SpecificEnergy(y, q, g);
        row.area = Self().FlowArea(y);
        row.velocity = ToSingle(double(q) / row.area);
        row.momentum = ToSingle(Self().Momentum(y, q, g));
        // Q^2 T / (g A^3) is the square of the Froude number that the column
        // shows. At a conduit's crown the top width closes to zero, or to a
        // rounding error below it (the sine of 3.141593): that is a Froude
        // number of 0, not the root of a negative number.
        row.topWidth = Self().TopWidth(y);
        row.froude = ToSingle(std::sqrt(std::max(0.0, CriticalRatioOf(row.area, row.topWidth, q, g))));
        row.velocityHead = ToSingle(VelocityHead(row.velocity, g));
        row.hydraulicRadius = ToSingle(Self().HydraulicRadius(y));
        row.perimeter = Self().WettedPerimeter(y);
        return row;
    }

    // The searches need only the residual's sign (and whether it is zero),
    // which a shape's estimate of its geometry, where it has one, often
    // settles for less than the exact geometry costs.
    RILLO_FLATTEN float CriticalDepth(float q, float g) const final {
        // Stops on an exact zero, as the calculators' searches do.
        return BisectDepth(0.0f, Self().SearchCeiling(), 50, BisectionStop::OnExactZero, [&](float y) {
                   if (const auto e = Estimate(y)) {
                       if (const auto sign = CriticalResidualSign(*e, q, g)) return *sign;
                   }
                   return CriticalFlowResidual(y, q, g);
               })
            .depth;
    }
    RILLO_FLATTEN float NormalDepth(float q, float uniformFlowFactor) const final {
        const std::optional<double> lnFlowTerm = LnFlowTerm(q, uniformFlowFactor);
        return BisectDepth(0.0f, Self().SearchCeiling(), 50, Self().NormalDepthStop(), [&](float y) {
                   if (const auto e = Estimate(y)) {
                       if (const auto sign = NormalResidualSign(*e, lnFlowTerm)) return *sign;
                   }
                   const double a = Self().FlowArea(y);
                   return NormalResidualSign(a, Self().WettedPerimeter(y), q, uniformFlowFactor, lnFlowTerm);
               })
            .depth;
    }

private:
    const Shape& Self() const { return static_cast<const Shape&>(*this); }
    // The shape's EstimateGeometry, for the shapes that have one.
    std::optional<GeometryEstimate> Estimate(float y) const {
        if constexpr (requires { Self().EstimateGeometry(y); }) {
            return Self().EstimateGeometry(y);
        } else {
            return std::nullopt;
        }
    }
    double CriticalRatio(float y, float q, float g) const {
        const double a = Self().FlowArea(y);
        return CriticalRatioOf(a, Self().TopWidth(y), q, g);
    }
};

}  // namespace rillo
