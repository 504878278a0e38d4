// The whole calculation run at the largest resolution on a beam at full capacity.

#include <benchmark/benchmark.h>

#include "engine/analysis.h"
#include "full_capacity_beam.h"

namespace {

using namespace spanrix;
using spanrix::bench::fullCapacityBeam;

void FullCapacityRun(benchmark::State& state)
{
    const BeamModel model = fullCapacityBeam();
    ReactionSolution reactions;
    ResultSet results;  // allocated once, as the program does
    const ContinueQuestion keepGoing = [] { return true; };
    for (auto _ : state) {
        auto failure = runCalculations(model, reactions, results, keepGoing);
        if (failure) state.SkipWithError(failure->c_str());
        benchmark::DoNotOptimize(results.peakDeflection);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(FullCapacityRun)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
