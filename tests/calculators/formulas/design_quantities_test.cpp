// Manning's and the critical-depth calculators' design quantities and every
// rating row against a computation of their own, in double precision with
// the exact exponents 2/3 and 1/2: Manning with k = 1.486 or 1, g = 32.2 or
// 9.81, gamma = 62.4 or 9810. Each value must agree within 0.2 % or 0.002.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "calculators/formulas/critical_depth_calculator.h"
#include "calculators/formulas/manning_calculator.h"
#include "calculators/formulas/rating_table.h"
#include "engine/numeric_text.h"

namespace rillo {
namespace {

constexpr double kPi = 3.141592653589793;

// The flow section by hand: area, wetted perimeter, top width.
struct Geometry {
    double a, p, t;
};

Geometry CircleSegment(double r, double y) {
    const double theta = 2.0 * std::acos(std::clamp((r - y) / r, -1.0, 1.0));
    return {r * r * (theta - std::sin(theta)) / 2.0, r * theta,
            2.0 * std::sqrt(std::max(0.0, y * (2.0 * r - y)))};
}

struct Channel {
    ChannelType shape;
    UnitSystem units;
    double b, side, n, s;  // width or diameter, side slope or height, Manning's n, bottom slope
    double flows[2];       // two flowrates to rate by
    double depths[2];      // two depths to rate by

    Geometry At(double y) const {
        const double r = b / 2.0;
        switch (shape) {
            case ChannelType::Trapezoidal:
                return {(b + side * y) * y, b + 2.0 * y * std::sqrt(1.0 + side * side), b + 2.0 * side * y};
            case ChannelType::Circular: return CircleSegment(r, y);
            case ChannelType::UShaped:
                if (y < r) return CircleSegment(r, y);
                return {kPi * r * r / 2.0 + 2.0 * r * (y - r), kPi * r + 2.0 * (y - r), 2.0 * r};
            case ChannelType::ElongatedCircular: {
                if (y < r) return CircleSegment(r, y);
                if (y < r + side)
                    return {kPi * r * r / 2.0 + 2.0 * r * (y - r), kPi * r + 2.0 * (y - r), 2.0 * r};
                const Geometry top = CircleSegment(r, y - side);
                return {top.a + 2.0 * r * side, top.p + 2.0 * side, top.t};
            }
        }
        return {};
    }
    bool English() const { return units == UnitSystem::English; }
    double K() const { return English() ? 1.486 : 1.0; }
    double G() const { return English() ? 32.2 : 9.81; }
    double Gamma() const { return English() ? 62.4 : 9810.0; }
    double Flow(double y) const {
        const Geometry g = At(y);
        return K() / n * g.a * std::pow(g.a / g.p, 2.0 / 3.0) * std::sqrt(s);
    }
    double Height() const {
        return shape == ChannelType::Circular ? b : shape == ChannelType::ElongatedCircular ? b + side : 1e9;
    }
    // The lowest depth where f changes sign from negative, by scanning then bisecting.
    double Root(const std::function<double(double)>& f) const {
        const double top = std::min(Height(), 100.0);
        double lo = 1e-9, hi = top;
        for (int i = 1; i <= 4000; ++i) {
            const double y = top * i / 4000.0;
            if (f(y) >= 0.0) {
                hi = y;
                lo = top * (i - 1) / 4000.0;
                break;
            }
        }
        for (int i = 0; i < 200; ++i) ((f((lo + hi) / 2.0) < 0.0) ? lo : hi) = (lo + hi) / 2.0;
        return (lo + hi) / 2.0;
    }
    double NormalDepth(double q) const {
        return Root([&](double y) { return Flow(y) - q; });
    }
    double CriticalDepth(double q) const {
        return Root([&](double y) {
            const Geometry g = At(y);
            return g.a * g.a * g.a / g.t - q * q / G();
        });
    }
    // The twelve columns of a rating row at depth y and flowrate q.
    std::array<double, kRatingColumnCount> Row(double y, double q) const {
        const Geometry g = At(y);
        const double v = q / g.a, r = g.a / g.p, d = g.a / g.t;
        return {y,
                q,
                g.a,
                v,
                g.t,
                g.p,
                r,
                v / std::sqrt(G() * d),
                y + v * v / (2.0 * G()),
                CriticalDepth(q),
                Gamma() * r * s,
                Gamma() * y * s};
    }
};

std::string Words(const Channel& c) {
    const char* names[] = {"trapezoid", "circle", "U-shape", "elongated circle"};
    return std::string(names[static_cast<int>(c.shape)]) + (c.English() ? " English" : " SI");
}

void ExpectNear(const std::string& text, double expected, const std::string& what) {
    ASSERT_NE(text, "----") << what;
    const double shown = std::stod(text);
    EXPECT_LE(std::fabs(shown - expected), std::max(0.002, 0.002 * std::fabs(expected)))
        << what << ": shown " << text << ", expected " << expected;
}

const Channel kChannels[] = {
    {ChannelType::Trapezoidal, UnitSystem::English, 10, 2, 0.013, 0.001, {100, 400}, {0.5, 3}},
    {ChannelType::Trapezoidal, UnitSystem::SI, 3, 1.5, 0.015, 0.002, {2, 20}, {0.2, 1.4}},
    {ChannelType::Circular, UnitSystem::English, 4, 0, 0.013, 0.004, {10, 60}, {0.7, 3.2}},
    {ChannelType::Circular, UnitSystem::SI, 1.2, 0, 0.013, 0.01, {0.1, 1.5}, {0.15, 1.0}},
    {ChannelType::UShaped, UnitSystem::English, 6, 0, 0.014, 0.002, {20, 300}, {1.0, 5.5}},
    {ChannelType::UShaped, UnitSystem::SI, 2, 0, 0.016, 0.003, {0.5, 8}, {0.3, 2.2}},
    {ChannelType::ElongatedCircular, UnitSystem::English, 3, 2, 0.013, 0.005, {10, 70}, {0.8, 4.1}},
    {ChannelType::ElongatedCircular, UnitSystem::SI, 1, 0.8, 0.013, 0.008, {0.2, 2.5}, {0.3, 1.6}},
};

RatingInputTexts TextsFor(const Channel& c, double from, double to, double step) {
    return {ShortestNumber(float(c.b)), ShortestNumber(float(c.side)), ShortestNumber(float(c.n)),
            ShortestNumber(float(c.s)), ShortestNumber(float(from)),   ShortestNumber(float(to)),
            ShortestNumber(float(step))};
}

// The row of depth y and flowrate q, which the table shows rounded.
void ExpectRow(const Channel& c, const RatingRow& row, double y, double q, const std::string& what) {
    const auto expected = c.Row(y, q);
    for (std::size_t i = 0; i < kRatingColumnCount; ++i)
        ExpectNear(row[i], expected[i], what + " " + RatingColumns()[i].key);
}

TEST(DesignQuantities, RatingRowsAgreeWithAnIndependentComputation) {
    for (const Channel& c : kChannels) {
        SCOPED_TRACE(Words(c));
        for (int i = 0; i < 2; ++i) {
            const RatingOutcome byFlow = ComputeRatingTable(c.shape, c.units, RatingBy::Flowrate,
                                                            TextsFor(c, c.flows[i], c.flows[i], 1));
            ASSERT_FALSE(byFlow.message) << byFlow.message->text;
            ASSERT_EQ(byFlow.rows.size(), 1u);
            ExpectRow(c, byFlow.rows[0], c.NormalDepth(c.flows[i]), c.flows[i], "by flowrate");

            const RatingOutcome byDepth = ComputeRatingTable(c.shape, c.units, RatingBy::Depth,
                                                             TextsFor(c, c.depths[i], c.depths[i], 1));
            ASSERT_FALSE(byDepth.message) << byDepth.message->text;
            ExpectRow(c, byDepth.rows[0], c.depths[i], c.Flow(c.depths[i]), "by depth");
        }
    }
}

TEST(DesignQuantities, ManningWindowShowsWhatTheRatingRowShows) {
    for (const Channel& c : kChannels) {
        SCOPED_TRACE(Words(c));
        const RatingInputTexts t = TextsFor(c, c.flows[0], c.flows[0], 1);
        const ManningOutcome m = ComputeManning(ManningUnknown::Depth, c.shape, c.units,
                                                {t.from, t.width, t.roughness, t.side, t.slope});
        ASSERT_TRUE(m.results);
        const RatingRow row = ComputeRatingTable(c.shape, c.units, RatingBy::Flowrate, t).rows.at(0);
        const ManningResultTexts& r = *m.results;
        const DesignQuantityTexts& d = *m.design;
        EXPECT_EQ(row, (RatingRow{r.unknown, row[1], r.area, r.velocity, d.topWidth, r.wettedPerimeter,
                                  r.hydraulicRadius, d.froude, d.specificEnergy, d.criticalDepth, d.meanShear,
                                  d.maxShear}));
        ExpectNear(d.hydraulicDepth, c.At(std::stod(r.unknown)).a / c.At(std::stod(r.unknown)).t,
                   "hydraulic depth");
        const double froude = std::stod(d.froude);
        EXPECT_EQ(d.flowType, froude <= 1.0 ? "subcritical" : "supercritical");
        const double yc = std::stod(d.criticalDepth), yn = std::stod(r.unknown);
        EXPECT_EQ(d.slopeClass, yn > yc ? "mild" : yn < yc ? "steep" : "critical");
        const bool conduit = c.Height() < 1e8;
        EXPECT_EQ(d.fullFlow.empty(), !conduit);
        if (conduit) {
            ExpectNear(d.fullFlow, c.Flow(c.Height()), "full flow");
            double most = 0.0, deepest = 0.0;
            for (int i = 1; i <= 20000; ++i) {
                const double y = c.Height() * i / 20000.0;
                if (c.Flow(y) > most) most = c.Flow(y), deepest = y;
            }
            ExpectNear(d.maxFlow, most, "maximum capacity");
            ExpectNear(d.maxFlowDepth, deepest, "depth of maximum capacity");
        }
    }
}

TEST(DesignQuantities, CriticalCalculatorAddsTheFlowAtCriticalDepth) {
    for (const Channel& c : kChannels) {
        SCOPED_TRACE(Words(c));
        const double q = c.flows[0];
        const CriticalOutcome o =
            ComputeCriticalDepthAndSlope(c.shape, c.units,
                                         {ShortestNumber(float(q)), ShortestNumber(float(c.b)),
                                          ShortestNumber(float(c.n)), ShortestNumber(float(c.side))},
                                         false);
        ASSERT_TRUE(o.criticalFlow);
        const double yc = c.CriticalDepth(q);
        const Geometry g = c.At(yc);
        ExpectNear(*o.criticalDepth, yc, "critical depth");
        ExpectNear(o.criticalFlow->area, g.a, "critical area");
        ExpectNear(o.criticalFlow->velocity, q / g.a, "critical velocity");
        ExpectNear(o.criticalFlow->topWidth, g.t, "top width");
        ExpectNear(o.criticalFlow->minimumEnergy, yc + q * q / (g.a * g.a * 2.0 * c.G()), "minimum energy");
    }
}

}  // namespace
}  // namespace rillo
