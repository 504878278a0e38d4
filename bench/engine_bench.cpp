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
    const ContinueQuestion keepGoing = [] { return true; };
    for (auto _ : state) {
        const AnalysisOutcome outcome = analyseBeam(model, keepGoing);
        if (!outcome) {
            state.SkipWithError(outcome.refusal.c_str());
            return;
        }
        benchmark::DoNotOptimize(outcome.analysis->results.peakDeflection);
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
    const AnalysisOutcome solved = analyseBeam(model, [] { return true; });
    if (!solved) {
        state.SkipWithError(solved.refusal.c_str());
        return;
    }
    for (auto _ : state) {
        const PeakValues peaks = exactPeaks(exactSolution(model, solved.analysis->reactions));
        benchmark::DoNotOptimize(peaks);
    }
}
BENCHMARK(ExactPiecesAndExtrema)->Unit(benchmark::kMicrosecond);

}  // namespace
