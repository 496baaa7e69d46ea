// The reflux study on the benzene–toluene example: one calculation of the
// sweep on its reused private copy, a 10,000-point sweep as batch mode runs
// it (shared out between threads), and the three limits of the study.
#include "engine/problem_file.h"
#include "engine/reflux_study.h"

#include <benchmark/benchmark.h>

namespace {

ProblemData example()
{
    ProblemData data;
    if (!LoadProblemFile(QStringLiteral(TARELIN_EXAMPLES_DIR "/benzene-toluene.json"), data).ok)
        std::abort();
    return data;
}

// From just above the exact count's minimum reflux ratio (1.586) to five
// times it, where a designer looks.
const std::vector<float> DesignRange = EvenlySpacedReflux(1.6, 8.0, 10'000);

} // namespace

static void SweepPoint(benchmark::State &state)
{
    RefluxCalculator calculator(example());
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calculator.point(DesignRange[i]));
        i = (i + 1) % DesignRange.size();
    }
}
BENCHMARK(SweepPoint)->Unit(benchmark::kMicrosecond);

static void Sweep10000(benchmark::State &state)
{
    const ProblemData problem = example();
    for (auto _ : state)
        benchmark::DoNotOptimize(SweepReflux(problem, DesignRange));
}
BENCHMARK(Sweep10000)->Unit(benchmark::kMillisecond)->UseRealTime();

static void RefluxLimits(benchmark::State &state)
{
    const ProblemData problem = example();
    for (auto _ : state)
        benchmark::DoNotOptimize(StudyRefluxLimits(problem));
}
BENCHMARK(RefluxLimits)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
