#include <benchmark/benchmark.h>

#include "engine/float_guard.h"
#include "sections/CIRCULAR.h"
#include "sections/ELNGATED.h"
#include "sections/profile_dispatch.h"

namespace rillo {
namespace {

// A 2 ft conduit on a mild 1000 ft reach, English units: 16 rows each.
ProfileInputs TwoFootConduit(ChannelType shape, float q, float sideHeight) {
    ProfileInputs in;
    in.startStation = "0+00.000";
    in.endStation = "10+00.000";
    in.flowrate = q;
    in.widthOrDiameter = 2.0f;
    in.manningN = 0.013f;
    in.bottomSlope = 0.001f;
    in.sideSlopeOrHeight = sideHeight;
    in.channelType = shape;
    return in;
}

void BM_CircularProfile(benchmark::State& state) {
    const ProfileInputs in = TwoFootConduit(ChannelType::Circular, 5.0f, 0.0f);
    for (auto _ : state) {
        ProfileResult r = ComputeProfileFor(in);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_CircularProfile);

void BM_ElongatedProfile(benchmark::State& state) {
    const ProfileInputs in = TwoFootConduit(ChannelType::ElongatedCircular, 10.0f, 1.0f);
    for (auto _ : state) {
        ProfileResult r = ComputeProfileFor(in);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_ElongatedProfile);

// The upper zone carries the three-piece moment, the costliest operation.
void BM_ElongatedUpperZoneMomentum(benchmark::State& state) {
    const ElongatedSection section(1.0f, 1.0f);
    FloatGuard guard;
    float y = 2.5f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(y);
        benchmark::DoNotOptimize(section.Momentum(y, 10.0f, 32.2f));
    }
}
BENCHMARK(BM_ElongatedUpperZoneMomentum);

}  // namespace
}  // namespace rillo
