// Combining load cases against the grid run they replace: one grid run of the beam is the
// reference; combining every strength combination with its live-load patterns must cost
// far less than one grid run per combination.

#include <benchmark/benchmark.h>

#include "design/case_solutions.h"
#include "design/envelope.h"
#include "engine/analysis.h"
#include "full_capacity_beam.h"

namespace {

using namespace spanrix;

// The full-capacity beam at the default resolution, its loads spread over the five cases.
BeamModel casedBeam()
{
    BeamModel m = bench::fullCapacityBeam();
    m.resolution = kDefaultResolution;
    for (FeatureKind kind : {FeatureKind::PointLoad, FeatureKind::DistLoad, FeatureKind::Moment})
        for (int k = 1; k <= featureCount(m, kind); ++k)
            setLoadCase(m, kind, k, kLoadCases[static_cast<size_t>(k) % kLoadCases.size()]);
    return m;
}

void GridRunReference(benchmark::State& state)
{
    const BeamModel model = casedBeam();
    ReactionSolution reactions;
    ResultSet results(0);
    for (auto _ : state) {
        if (auto failure = runCalculations(model, reactions, results, [] { return true; }))
            state.SkipWithError(failure->c_str());
        benchmark::DoNotOptimize(results.peakDeflection);
    }
}
BENCHMARK(GridRunReference)->Unit(benchmark::kMillisecond);

// Every case once, each patterned case once per part (21 parts here).
void SolveCases(benchmark::State& state)
{
    const BeamModel model = casedBeam();
    for (auto _ : state) {
        const design::CaseSolveOutcome solved = design::solveCases(model, 1.0);
        if (!solved) state.SkipWithError(solved.refusal.c_str());
        benchmark::DoNotOptimize(solved.solutions);
    }
}
BENCHMARK(SolveCases)->Unit(benchmark::kMillisecond);

// Per combination: its reactions, peaks, curves and patterned extremes.
void CombinePerCombination(benchmark::State& state)
{
    const design::CaseSolveOutcome solved = design::solveCases(casedBeam(), 1.0);
    if (!solved) {
        state.SkipWithError(solved.refusal.c_str());
        return;
    }
    const auto combinations = design::combinationsFor(design::Method::Strength, solved.solutions->present);
    for (auto _ : state) {
        const design::CombinationsResult result = design::combineCases(*solved.solutions, combinations);
        benchmark::DoNotOptimize(result.envelope);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * combinations.size()));
    state.counters["per"] = static_cast<double>(combinations.size());  // the ratio is per combination
}
BENCHMARK(CombinePerCombination)->Unit(benchmark::kMillisecond);

}  // namespace
