// The whole calculation run at the largest resolution on a beam at full capacity, and the
// exact solution of the same beam.

#include <benchmark/benchmark.h>

#include "engine/analysis.h"
#include "engine/exact.h"
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

// Building the exact pieces and finding every extreme: independent of the resolution, so
// the reactions are solved once outside the loop. Target: well under a millisecond.
void ExactPiecesAndExtrema(benchmark::State& state)
{
    BeamModel model = fullCapacityBeam();
    model.resolution = 10;  // the grid run only supplies the reactions
    ReactionSolution reactions;
    ResultSet results(0);
    if (auto failure = runCalculations(model, reactions, results, [] { return true; })) {
        state.SkipWithError(failure->c_str());
        return;
    }
    for (auto _ : state) {
        const PeakValues peaks = exactPeaks(exactSolution(model, reactions));
        benchmark::DoNotOptimize(peaks);
    }
}
BENCHMARK(ExactPiecesAndExtrema)->Unit(benchmark::kMicrosecond);

}  // namespace
