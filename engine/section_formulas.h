#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "engine/channel_section.h"
#include "engine/float_guard.h"

namespace rillo {

// The hydraulic operations of ChannelSection, written once over a shape's own
// geometry. Shape is the final class deriving from this one: its geometry is
// called directly, and inlined where the shape instantiates this template
// beside its geometry, so that each operation costs one virtual call instead
// of one per geometric quantity (a depth search makes some thirty).
template <class Shape>
class SectionFormulas : public ChannelSection {
public:
    float SpecificEnergy(float y, float q, float g) const final;
    double FroudeNumber(float y, float q, float g) const final;
    float CriticalFlowResidual(float y, float q, float g) const final;
    float NormalFlowResidual(float y, float q, float uniformFlowFactor) const final;
    float ProfileIntegrand(float y, const ProfileFlow& flow) const final;
    float CriticalDepth(float q, float g) const final;
    float NormalDepth(float q, float uniformFlowFactor) const final;

private:
    const Shape& Self() const { return static_cast<const Shape&>(*this); }
    // Q^2 / (g A^3) times the top width, in double precision.
    double CriticalRatio(float y, float q, float g) const;
    // The sign of NormalFlowResidual, as +1 or -1, where the logarithm of its
    // term settles it; the residual itself where it does not.
    float NormalResidualSign(float y, float q, float uniformFlowFactor, std::optional<double> lnFlowTerm) const;
    // NormalFlowResidual from the exponential of that logarithm where the
    // rounding to single precision is certain; from the powers elsewhere.
    float NormalResidualFromLogarithm(float y, float q, float uniformFlowFactor,
                                      std::optional<double> lnFlowTerm) const;
};

// 1 - K Q^2 P^1.333 / A^3.333 from the area and the perimeter; a fractional
// power of a negative number is invalid.
inline float NormalResidualOf(double a, double p, float q, float uniformFlowFactor) {
    const double shape = std::pow(p, kPerimeterExponent) / std::pow(a, kAreaExponent);
    return ToSingle(1.0 - double(uniformFlowFactor) * q * q * shape);
}

template <class Shape>
double SectionFormulas<Shape>::CriticalRatio(float y, float q, float g) const {
    double a = Self().FlowArea(y);
    double t = Self().TopWidth(y);
    return double(q) * q * t / (double(g) * a * a * a);
}

template <class Shape>
float SectionFormulas<Shape>::SpecificEnergy(float y, float q, float g) const {
    double a = Self().FlowArea(y);
    return ToSingle(double(y) + double(q) * q / (2.0 * g * a * a));
}

template <class Shape>
double SectionFormulas<Shape>::FroudeNumber(float y, float q, float g) const {
    return CriticalRatio(y, q, g);
}

template <class Shape>
float SectionFormulas<Shape>::CriticalFlowResidual(float y, float q, float g) const {
    return ToSingle(1.0 - CriticalRatio(y, q, g));
}

template <class Shape>
float SectionFormulas<Shape>::NormalFlowResidual(float y, float q, float uniformFlowFactor) const {
    const double a = Self().FlowArea(y);
    return NormalResidualOf(a, Self().WettedPerimeter(y), q, uniformFlowFactor);
}

template <class Shape>
float SectionFormulas<Shape>::ProfileIntegrand(float y, const ProfileFlow& flow) const {
    float critical = CriticalFlowResidual(y, flow.q, flow.g);
    float normal = NormalResidualFromLogarithm(y, flow.q, flow.uniformFlowFactor, flow.lnFlowTerm);
    return ToSingle(double(critical) / (double(flow.s0) * normal));
}

template <class Shape>
float SectionFormulas<Shape>::CriticalDepth(float q, float g) const {
    // Stops on an exact zero, as the calculators' searches do.
    return BisectDepth(0.0f, Self().SearchCeiling(), 50, BisectionStop::OnExactZero,
                       [&](float y) { return CriticalFlowResidual(y, q, g); })
        .depth;
}

// ln(K Q^2 P^1.333 / A^3.333) with a bound on its error, where the area and
// the perimeter are positive single-precision numbers and ln(K Q^2) is known:
// there the powers raise no fault. Two logarithms cost well under the two
// powers.
struct NormalTermLogarithm {
    double value;
    // Bounds the rounding errors of the logarithms and of the sums, 1e-16 of
    // the magnitudes added (at most about 1e-12 over the single range), and
    // the difference between the powers' term and the exponential of the
    // value, a few units in the last place of each.
    double error;
};

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

// The float that every double within `off` of `value` rounds to, or nothing
// where two floats share them (-0 and 0 count as two). Rounding is
// monotonic, so the two ends of the interval decide it.
inline std::optional<float> CertainRounding(double value, double off) {
    const auto bits = [](double v) { return std::bit_cast<std::uint32_t>(static_cast<float>(v)); };
    const std::uint32_t rounded = bits(value);
    if (bits(value - off) == rounded && bits(value + off) == rounded) return std::bit_cast<float>(rounded);
    return std::nullopt;
}

// Below this logarithm of the term (ln of the largest float is 88.72) the
// residual stays within the single range, and its exponential is finite.
inline constexpr double kNormalTermLogCeiling = 88.0;

template <class Shape>
float SectionFormulas<Shape>::NormalResidualSign(float y, float q, float uniformFlowFactor,
                                                 std::optional<double> lnFlowTerm) const {
    const double a = Self().FlowArea(y);
    const double p = Self().WettedPerimeter(y);
    // The term is below 1 (a positive residual) or above it.
    if (const auto ln = NormalTermLogarithmOf(a, p, lnFlowTerm)) {
        if (ln->value < -ln->error) return 1.0f;
        if (ln->value > ln->error && ln->value < kNormalTermLogCeiling) return -1.0f;
    }
    return NormalResidualOf(a, p, q, uniformFlowFactor);
}

template <class Shape>
float SectionFormulas<Shape>::NormalResidualFromLogarithm(float y, float q, float uniformFlowFactor,
                                                          std::optional<double> lnFlowTerm) const {
    const double a = Self().FlowArea(y);
    const double p = Self().WettedPerimeter(y);
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

template <class Shape>
float SectionFormulas<Shape>::NormalDepth(float q, float uniformFlowFactor) const {
    // The search needs only the residual's sign.
    const std::optional<double> lnFlowTerm = LnFlowTerm(q, uniformFlowFactor);
    return BisectDepth(0.0f, Self().SearchCeiling(), 50, Self().NormalDepthStop(),
                       [&](float y) { return NormalResidualSign(y, q, uniformFlowFactor, lnFlowTerm); })
        .depth;
}

}  // namespace rillo
