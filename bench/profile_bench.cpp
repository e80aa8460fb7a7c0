#include <benchmark/benchmark.h>

#include "engine/float_guard.h"
#include "sections/TRAPZOID.h"
#include "sections/profile_dispatch.h"

namespace rillo {
namespace {

ProfileInputs TrapezoidWorkedExample() {
    ProfileInputs in;
    in.startStation = "0+00.000";
    in.endStation = "10+00.000";
    in.flowrate = 100.0f;
    in.widthOrDiameter = 10.0f;
    in.manningN = 0.013f;
    in.bottomSlope = 0.001f;
    in.sideSlopeOrHeight = 2.0f;
    return in;
}

void BM_TrapezoidProfile(benchmark::State& state) {
    const ProfileInputs in = TrapezoidWorkedExample();
    for (auto _ : state) {
        ProfileResult r = ComputeProfileFor(in);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_TrapezoidProfile);

void BM_TrapezoidCriticalDepth(benchmark::State& state) {
    TrapezoidalSection section(10.0f, 2.0f);
    FloatGuard guard;
    for (auto _ : state) benchmark::DoNotOptimize(section.CriticalDepth(100.0f, 32.2f));
}
BENCHMARK(BM_TrapezoidCriticalDepth);

void BM_TrapezoidNormalDepth(benchmark::State& state) {
    TrapezoidalSection section(10.0f, 2.0f);
    FloatGuard guard;
    const float k = UniformFlowFactor(0.013f, 1.486f, 0.001f);
    for (auto _ : state) benchmark::DoNotOptimize(section.NormalDepth(100.0f, k));
}
BENCHMARK(BM_TrapezoidNormalDepth);

}  // namespace
}  // namespace rillo
