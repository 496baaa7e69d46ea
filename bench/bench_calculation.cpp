// The whole column calculation on the benzene–toluene problem: balance,
// duties, the constant-molar-flow and the exact stage counts. The problem
// state is restored before every run, outside the timing, because the
// calculation writes its results and the shared stage variables into it.
#include "../tests/engine/benzene_toluene_problem.h"

#include "engine/calculation.h"

#include <benchmark/benchmark.h>

static void CalculateColumnBenzeneToluene(benchmark::State &state)
{
    const ProblemData original = BenzeneToluene::problem(int(state.range(0)));
    ProblemData data = original;
    for (auto _ : state) {
        state.PauseTiming();
        data = original;
        state.ResumeTiming();
        benchmark::DoNotOptimize(CalculateColumn(data));
    }
    if (data.Outcome != CalculationOutcome::Complete)
        state.SkipWithError("the calculation did not complete");
}
BENCHMARK(CalculateColumnBenzeneToluene)
    ->ArgName("condition")
    ->Arg(BoilingLiquidFeed)
    ->Arg(VapourFeed)
    ->Arg(MixtureFeed)
    ->Arg(LiquidFeed)
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
