#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include "engine/float_guard.h"
#include "engine/section_formulas.h"
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
        // the exact residuals' searches end.
        for (int i = 0; i < 2000; ++i) {
            const Case c = DrawCase(draw, shape);
            ASSERT_EQ(Outcome([&] { return c.section->NormalDepth(c.q, c.k); }),
                      Outcome([&] { return NormalDepthFromPowers(c); }))
                << shape.displayName << " q " << c.q << " K " << c.k;
            ASSERT_EQ(Outcome([&] { return c.section->CriticalDepth(c.q, kG); }),
                      Outcome([&] { return CriticalDepthFromResiduals(c, kG); }))
                << shape.displayName << " q " << c.q;
        }
    }
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
