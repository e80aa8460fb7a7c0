#include "calculators/formulas/mixed_profile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/stationing.h"

namespace rillo {
namespace {

ProfileInputs Reach(ChannelType shape, float width, float side, float q, float n, float s0, const char* end) {
    ProfileInputs in;
    in.startStation = "0+00.000";
    in.endStation = end;
    in.flowrate = q;
    in.widthOrDiameter = width;
    in.sideSlopeOrHeight = side;
    in.manningN = n;
    in.bottomSlope = s0;
    in.channelType = shape;
    return in;
}

// A rectangular channel 10 ft wide, 100 ft^3/s, n = 0.013, on a mild slope of
// 0.001 (critical depth 1.459 ft, normal depth 2.117 ft), 1000 ft long.
ProfileInputs MildRectangle() {
    return Reach(ChannelType::Trapezoidal, 10.0f, 0.0f, 100.0f, 0.013f, 0.001f, "10+00.000");
}

// A reference apart from the program, in double precision: the direct-step
// method over depth steps of 1e-4 ft (specific energy and the mean friction
// slope of each step, Manning with the exponents 4/3 and 10/3), the
// supercritical profile from the gate downstream until critical depth, the
// subcritical one from the tailwater upstream, and the jump where the
// rectangle's closed-form sequent depth y1 ((1 + 8 Fr^2)^(1/2) - 1) / 2 of the
// one meets the other, by a fine scan of stations.
struct Rectangle {
    double b, q, n, s0, g = 32.2, k = 1.486;
    double Energy(double y) const { return y + q * q / (2 * g * b * b * y * y); }
    double Friction(double y) const {
        const double a = b * y, r = a / (b + 2 * y);
        const double v = q / a;
        return std::pow(n * v / k, 2) / std::pow(r, 4.0 / 3.0);
    }
    double Sequent(double y) const {
        const double fr2 = q * q / (g * b * b * y * y * y);
        return y * (std::sqrt(1 + 8 * fr2) - 1) / 2;
    }
    double Critical() const { return std::cbrt(q * q / (g * b * b)); }
    double Normal() const {
        double lower = 0.0, upper = 100.0;
        for (int i = 0; i < 200; ++i) {
            const double mid = 0.5 * (lower + upper);
            (Friction(mid) > s0 ? lower : upper) = mid;
        }
        return lower;
    }
};

// (station, depth) pairs from `y0` at `x0`, stepping the depth by `dy`
// until `stop` says so or the reach is left.
std::vector<std::pair<double, double>> DirectStep(const Rectangle& c, double x0, double y0, double dy,
                                                  double xMin, double xMax, double yLimit) {
    std::vector<std::pair<double, double>> points = {{x0, y0}};
    double x = x0, y = y0;
    while (x >= xMin && x <= xMax) {
        const double y2 = y + dy;
        if ((dy > 0 && y2 >= yLimit) || (dy < 0 && y2 <= yLimit)) break;
        const double sf = 0.5 * (c.Friction(y) + c.Friction(y2));
        x += (c.Energy(y2) - c.Energy(y)) / (c.s0 - sf);
        y = y2;
        points.push_back({x, y});
    }
    return points;
}

double DepthAt(const std::vector<std::pair<double, double>>& line, double x) {
    // Beyond the line it holds its last depth, as the reach would.
    double best = line.front().second, distance = 1e300;
    for (std::size_t i = 1; i < line.size(); ++i) {
        const auto [xa, ya] = line[i - 1];
        const auto [xb, yb] = line[i];
        if ((x - xa) * (x - xb) <= 0 && xa != xb) return ya + (yb - ya) * (x - xa) / (xb - xa);
    }
    for (const auto& [xp, yp] : line) {
        if (std::fabs(xp - x) < distance) distance = std::fabs(xp - x), best = yp;
    }
    return best;
}

double ReferenceJumpStation(const Rectangle& c, double length, double y1, double y2) {
    const double yc = c.Critical(), yn = c.Normal();
    const auto super = DirectStep(c, 0.0, y1, 1e-4, 0.0, length, yc);
    const auto sub = DirectStep(c, length, y2, y2 > yn ? -1e-4 : 1e-4, 0.0, length, yn);
    for (double x = 0.0; x <= length; x += 0.05) {
        if (c.Sequent(DepthAt(super, x)) <= DepthAt(sub, x)) return x;
    }
    return -1.0;
}

TEST(MixedProfile, MildRectangleJumpLandsWhereADirectStepReferencePutsIt) {
    const Rectangle channel{10.0, 100.0, 0.013, 0.001};
    struct Case {
        const char* upstream;
        const char* downstream;
    };
    for (const Case c : {Case{"0.5", "2.4"}, Case{"0.5", "2.2"}, Case{"0.7", "2.0"}, Case{"0.9", "1.9"}, Case{"0.6", "1.6"}}) {
        const MixedProfileResult r = ComputeMixedProfile(MildRectangle(), {c.upstream, c.downstream});
        ASSERT_TRUE(r.ok()) << c.upstream;
        ASSERT_TRUE(r.jumpInReach()) << c.upstream << " " << r.jumpNote;
        const double reference = ReferenceJumpStation(channel, 1000.0, std::stod(c.upstream),
                                                      std::stod(c.downstream));
        EXPECT_NEAR(StationValue(r.jumpStation), reference, 0.02 * 1000.0) << c.upstream << " " << c.downstream;
    }
}

TEST(MixedProfile, TheJumpsTwoRowsStandAtOneStationAndBalanceTheSpecificForce) {
    // Each shape on a mild slope, a gate depth well below critical and a
    // tailwater above it; the table runs in station order.
    struct Case {
        ProfileInputs in;
        MixedDepthTexts depths;
    };
    const Case cases[] = {
        {MildRectangle(), {"0.5", "2.2"}},
        {Reach(ChannelType::Trapezoidal, 10.0f, 2.0f, 100.0f, 0.013f, 0.001f, "10+00.000"), {"0.5", "1.8"}},
        {Reach(ChannelType::Circular, 6.0f, 0.0f, 50.0f, 0.013f, 0.001f, "10+00.000"), {"0.8", "3.2"}},
        {Reach(ChannelType::UShaped, 6.0f, 0.0f, 50.0f, 0.013f, 0.001f, "10+00.000"), {"0.8", "3.0"}},
        {Reach(ChannelType::ElongatedCircular, 6.0f, 2.0f, 50.0f, 0.013f, 0.001f, "10+00.000"), {"0.8", "3.0"}},
    };
    for (const Case& c : cases) {
        const int shape = static_cast<int>(c.in.channelType);
        const MixedProfileResult r = ComputeMixedProfile(c.in, c.depths);
        ASSERT_TRUE(r.ok()) << shape;
        ASSERT_TRUE(r.jumpInReach()) << shape << " " << r.jumpNote;
        EXPECT_EQ(r.jumpNote, "");
        const ProfileRow& before = r.table[*r.jumpRow];
        const ProfileRow& after = r.table[*r.jumpRow + 1];
        EXPECT_EQ(before.cells[kStationColumn], r.jumpStation);
        EXPECT_EQ(after.cells[kStationColumn], r.jumpStation);
        EXPECT_EQ(before.cells[kDepthColumn], r.jumpUpstreamDepth);
        EXPECT_EQ(after.cells[kDepthColumn], r.jumpDownstreamDepth);
        const double m1 = std::stod(before.cells[kMomentumColumn]), m2 = std::stod(after.cells[kMomentumColumn]);
        EXPECT_NEAR(m1, m2, 0.001 * m1 + 0.002) << shape;
        EXPECT_GT(std::stod(before.cells[kFroudeColumn]), 1.0);
        EXPECT_LT(std::stod(after.cells[kFroudeColumn]), 1.0);
        const double e1 = std::stod(before.cells[kSpecificEnergyColumn]);
        const double e2 = std::stod(after.cells[kSpecificEnergyColumn]);
        EXPECT_NEAR(std::stod(r.energyLoss), e1 - e2, 0.0015) << shape;
        EXPECT_NEAR(std::stod(r.jumpLength), 6.1 * std::stod(r.jumpDownstreamDepth), 0.004);
        EXPECT_EQ(r.table.front().cells[kStationColumn], "0+00.000");
        EXPECT_EQ(r.table.back().cells[kStationColumn], "10+00.000");
        for (std::size_t i = 1; i < r.table.size(); ++i) {
            EXPECT_LE(StationValue(r.table[i - 1].cells[0]), StationValue(r.table[i].cells[0])) << shape << " " << i;
            // Supercritical before the jump, subcritical after it.
            EXPECT_EQ(std::stod(r.table[i].cells[kFroudeColumn]) > 1.0, i <= *r.jumpRow) << shape << " " << i;
        }
        EXPECT_EQ(r.criticalDepth.empty(), false);
    }
}

TEST(MixedProfile, AJumpBeyondAnEndIsSaidAndTheOtherProfileFillsTheReach) {
    struct Case {
        const char* end;
        MixedDepthTexts depths;
        const char* note;
        const char* firstDepth;  // the profile that fills the reach starts here
        const char* lastDepth;
    };
    const Case cases[] = {
        // A short reach: the supercritical flow leaves it before it could jump.
        {"0+50.000", {"0.5", "1.6"}, "swept out past the downstream end", "0.500", nullptr},
        // The tailwater over the gate's sequent depth (1.848 ft for 1.1 ft).
        {"10+00.000", {"1.1", "2.4"}, "drowned: the tailwater reaches the upstream end", nullptr, "2.400"},
        // An M1 from 5 ft still stands above 3.283 ft, the sequent depth of 0.5 ft, at the gate.
        {"10+00.000", {"0.5", "5.0"}, "drowned: the tailwater reaches the upstream end", nullptr, "5.000"},
    };
    for (const Case& c : cases) {
        ProfileInputs in = MildRectangle();
        in.endStation = c.end;
        const MixedProfileResult r = ComputeMixedProfile(in, c.depths);
        ASSERT_TRUE(r.ok()) << c.note;
        EXPECT_FALSE(r.jumpInReach());
        EXPECT_EQ(r.jumpNote, c.note);
        for (const std::string* text : {&r.jumpStation, &r.jumpUpstreamDepth, &r.jumpDownstreamDepth,
                                        &r.energyLoss, &r.jumpLength}) {
            EXPECT_EQ(*text, "");
        }
        ASSERT_FALSE(r.table.empty());
        EXPECT_EQ(r.table.front().cells[kStationColumn], "0+00.000");
        if (c.firstDepth) {
            EXPECT_EQ(r.table.front().cells[kDepthColumn], c.firstDepth);
        }
        if (c.lastDepth) {
            EXPECT_EQ(r.table.back().cells[kDepthColumn], c.lastDepth);
        }
        EXPECT_EQ(r.table.back().cells[kStationColumn], c.end);
    }
}

TEST(MixedProfile, EndDepthsOnTheWrongSideOfCriticalAreRefusedByName) {
    struct Case {
        ProfileInputs in;
        MixedDepthTexts depths;
        MixedDepthField field;
        const char* title;
        const char* text;
    };
    const ProfileInputs pipe = Reach(ChannelType::Circular, 6.0f, 0.0f, 50.0f, 0.013f, 0.001f, "10+00.000");
    ProfileInputs metric = MildRectangle();
    metric.unitSystem = UnitSystem::SI;
    const Case cases[] = {
        {MildRectangle(), {"", "2.0"}, MixedDepthField::Upstream, "Insufficient Input Data", nullptr},
        {MildRectangle(), {"0.5", ""}, MixedDepthField::Downstream, "Insufficient Input Data", nullptr},
        {MildRectangle(), {"0", "2.0"}, MixedDepthField::Upstream, "Upstream Depth Error",
         "The upstream depth must be greater than zero."},
        {MildRectangle(), {"1.5", "2.0"}, MixedDepthField::Upstream, "Upstream Depth Error",
         "The upstream depth must be below the critical depth, 1.459 ft: the flow entering the reach is "
         "supercritical."},
        {MildRectangle(), {"0.5", "1.4"}, MixedDepthField::Downstream, "Downstream Depth Error",
         "The downstream depth must be above the critical depth, 1.459 ft: the tailwater holds the end of the "
         "reach subcritical."},
        // 100 m^3/s in a 10 m channel: critical depth (100 / 9.806)^(1/3) = 2.1685 m.
        {metric, {"2.5", "3.0"}, MixedDepthField::Upstream, "Upstream Depth Error",
         "The upstream depth must be below the critical depth, 2.169 m: the flow entering the reach is "
         "supercritical."},
        {pipe, {"0.8", "6.5"}, MixedDepthField::Downstream, "Downstream Depth Error",
         "The downstream depth cannot be greater than the height of the channel."},
    };
    for (const Case& c : cases) {
        const MixedProfileResult r = ComputeMixedProfile(c.in, c.depths);
        ASSERT_TRUE(r.refusal) << c.title;
        EXPECT_EQ(r.refusal->field, c.field) << c.title;
        EXPECT_EQ(r.refusal->title, c.title);
        if (c.text) {
            EXPECT_EQ(r.refusal->text, c.text);
        }
        EXPECT_TRUE(r.table.empty());
    }
}

TEST(MixedProfile, AGeometryWithoutASectionIsTheProfilesOwnMessage) {
    const MixedProfileResult r =
        ComputeMixedProfile(Reach(ChannelType::Trapezoidal, 0.0f, 0.0f, 100.0f, 0.013f, 0.001f, "10+00.000"),
                            {"0.5", "2.0"});
    ASSERT_TRUE(r.failure);
    EXPECT_EQ(r.failure->title, "Invalid Channel Geometry");
    EXPECT_TRUE(r.table.empty());
}

}  // namespace
}  // namespace rillo
