#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "engine/float_guard.h"
#include "engine/section_formulas.h"
#include "sections/CIRCULAR.h"
#include "sections/ELNGATED.h"
#include "sections/channel_shapes.h"

namespace rillo {
namespace {

// The profile integrand and the normal-depth search take the logarithm of
// K Q^2 P^1.333 / A^3.333 instead of its two powers, and the depth searches
// of the circular shapes decide signs from a quick geometry, where the
// result is certain to be the same. These checks hold them to the exact
// operations, bit for bit and fault for fault, over random sections, depths
// and flows from well inside to far outside the usual range.

// A result as bits, or the text of the error it ended in.
std::string Outcome(const auto& operation) {
    FloatGuard guard;
    try {
        const float value = operation();
        guard.Check();
        return std::to_string(std::bit_cast<std::uint32_t>(value));
    } catch (const ComputationError& error) {
        return error.what();
    }
}

struct Draw {
    std::mt19937 random{20261209};
    // Log-uniform over [low, high].
    float Magnitude(float low, float high) {
        return float(std::exp(std::uniform_real_distribution<double>(std::log(low), std::log(high))(random)));
    }
    float Uniform(float low, float high) { return std::uniform_real_distribution<float>(low, high)(random); }
    bool OneIn(int n) { return std::uniform_int_distribution<int>(1, n)(random) == 1; }
};

struct Case {
    std::unique_ptr<ChannelSection> section;
    float y, q, k, s0;
};

Case DrawCase(Draw& draw, const ChannelShape& shape) {
    const float size = draw.Magnitude(0.01f, 1000.0f);
    const float side = draw.OneIn(8) ? 0.0f : draw.Magnitude(0.01f, 20.0f);
    Case c{shape.section(size, side), 0.0f, 0.0f, 0.0f, 0.0f};
    const float top = c.section->SearchCeiling();
    // Mostly inside the bracket, some near its ends and some beyond them.
    c.y = draw.OneIn(10) ? draw.Magnitude(1e-30f, 1e-3f) * top : draw.Uniform(-0.05f, 1.1f) * top;
    c.q = draw.OneIn(20) ? 0.0f : draw.Magnitude(1e-6f, 1e12f) * (draw.OneIn(10) ? -1.0f : 1.0f);
    c.k = draw.OneIn(20) ? 0.0f : draw.Magnitude(1e-20f, 1e8f);
    c.s0 = draw.OneIn(5) ? -draw.Magnitude(1e-6f, 0.1f) : draw.Magnitude(1e-6f, 0.1f);
    return c;
}

// The integrand written with the exact residuals.
float IntegrandFromPowers(const Case& c, float g) {
    const float critical = c.section->CriticalFlowResidual(c.y, c.q, g);
    const float normal = c.section->NormalFlowResidual(c.y, c.q, c.k);
    return ToSingle(double(critical) / (double(c.s0) * normal));
}

float NormalDepthFromPowers(const Case& c) {
    return BisectDepth(0.0f, c.section->SearchCeiling(), 50, c.section->NormalDepthStop(),
                       [&](float y) { return c.section->NormalFlowResidual(y, c.q, c.k); })
        .depth;
}

float CriticalDepthFromResiduals(const Case& c, float g) {
    return BisectDepth(0.0f, c.section->SearchCeiling(), 50, BisectionStop::OnExactZero,
                       [&](float y) { return c.section->CriticalFlowResidual(y, c.q, g); })
        .depth;
}

TEST(NormalTermLogarithm, GivesWhatThePowersGiveForEveryShape) {
    constexpr float kG = 32.2f;
    Draw draw;
    for (const ChannelShape& shape : kChannelShapes) {
        int values = 0;
        for (int i = 0; i < 40000; ++i) {
            const Case c = DrawCase(draw, shape);
            const std::string expected = Outcome([&] { return IntegrandFromPowers(c, kG); });
            ASSERT_EQ(Outcome([&] { return c.section->ProfileIntegrand(c.y, ProfileFlow(c.q, kG, c.k, c.s0)); }),
                      expected)
                << shape.displayName << " y " << c.y << " q " << c.q << " K " << c.k << " S0 " << c.s0;
            values += expected.find_first_not_of("0123456789") == std::string::npos;
        }
        // Most draws must reach a value, or the comparison proves little.
        EXPECT_GT(values, 20000) << shape.displayName;
        // The searches decide signs from shortcuts: they must end where
        // the exact residuals' searches end. Random draws, then flows from a
        // trickle (depths a hair above the invert) to a flood (at the crown)
        // in small and large sections.
        std::vector<Case> cases;
        for (int i = 0; i < 2000; ++i) cases.push_back(DrawCase(draw, shape));
        for (const float size : {0.05f, 1.0f, 3.0f, 17.9f, 500.0f}) {
            for (float q = 1e-8f; q < 1e9f; q *= 1.2f) {
                cases.push_back({shape.section(size, 1.0f), 0.0f, q, 1e-3f, 1e-3f});
            }
        }
        for (const Case& c : cases) {
            ASSERT_EQ(Outcome([&] { return c.section->NormalDepth(c.q, c.k); }),
                      Outcome([&] { return NormalDepthFromPowers(c); }))
                << shape.displayName << " q " << c.q << " K " << c.k;
            ASSERT_EQ(Outcome([&] { return c.section->CriticalDepth(c.q, kG); }),
                      Outcome([&] { return CriticalDepthFromResiduals(c, kG); }))
                << shape.displayName << " q " << c.q;
        }
    }
}

// The quick geometry of the circular shapes keeps its promise: each estimate
// lies within its stated bound of the exact operation, at depths from a hair
// above the invert to a hair below the crown.
TEST(NormalTermLogarithm, QuickGeometryLiesWithinItsBounds) {
    std::vector<float> fractions;
    for (float t = 1e-9f; t < 0.5f; t *= 1.01f) fractions.push_back(t), fractions.push_back(1.0f - t);
    for (int i = 1; i < 2000; ++i) fractions.push_back(float(i) / 2000.0f);
    int estimates = 0;
    for (const float radius : {0.025f, 0.5f, 1.5f, 8.9587393f, 250.0f}) {
        const CircularSection circle(radius);
        const ElongatedSection elongated(radius, 0.7f * radius);
        const auto check = [&](const auto& section, float y) {
            const std::optional<GeometryEstimate> e = section.EstimateGeometry(y);
            if (!e) return;
            ++estimates;
            FloatGuard guard;
            const double area = section.FlowArea(y), top = section.TopWidth(y), perimeter = section.WettedPerimeter(y);
            ASSERT_NO_THROW(guard.Check());
            for (const double error : {e->areaError, e->topWidthError, e->perimeterError}) {
                ASSERT_TRUE(error > 0.0 && error < 1e-2) << "r " << radius << " y " << y;
            }
            ASSERT_LE(std::fabs(e->area - area), e->areaError * e->area) << "r " << radius << " y " << y;
            ASSERT_LE(std::fabs(e->topWidth - top), e->topWidthError * e->topWidth) << "r " << radius << " y " << y;
            ASSERT_LE(std::fabs(e->perimeter - perimeter), e->perimeterError * e->perimeter)
                << "r " << radius << " y " << y;
        };
        for (const float t : fractions) {
            check(circle, t * circle.Diameter());
            check(elongated, t * elongated.CrownHeight());
        }
    }
    EXPECT_GT(estimates, 10000);
}

// The rounding the integrand relies on: random draws almost never land near
// a float's rounding boundary, so the boundaries are tried here one by one.
TEST(NormalTermLogarithm, TakesARoundingOnlyWhereItIsCertain) {
    const double oneUp = 1.0 + 0x1p-23;      // the float after 1
    const double halfway = 1.0 + 0x1p-24;    // ties to even: rounds to 1
    struct {
        double value, off;
        std::optional<float> expected;
    } const cases[] = {
        {1.0, 0.0, 1.0f},
        {1.0, 1e-12, 1.0f},
        {halfway, 0.0, 1.0f},
        {halfway, 1e-15, std::nullopt},
        {halfway + 1e-14, 1e-15, float(oneUp)},
        {halfway - 1e-14, 1e-15, 1.0f},
        {halfway + 1e-14, 1e-13, std::nullopt},
        {-halfway - 1e-14, 1e-15, -float(oneUp)},
        {-halfway, 1e-15, std::nullopt},
        {0.0, 1e-300, std::nullopt},
        {0.75, 1e-9, 0.75f},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CertainRounding(c.value, c.off), c.expected) << c.value << " within " << c.off;
    }
}

}  // namespace
}  // namespace rillo
