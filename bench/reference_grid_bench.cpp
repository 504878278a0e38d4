// The least a grid run must do on the full-capacity beam at the largest resolution, written
// plainly: one cubic per point for the moment and its derivative for the shear, the stress
// as a multiple of the moment, and two trapezoid prefix sums for slope and deflection. The
// reactions and the cubics between load positions are found once, outside the timing.
// FullCapacityRun is measured against it.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/analysis.h"
#include "engine/moment_terms.h"
#include "full_capacity_beam.h"

namespace {

using namespace spanrix;
using namespace spanrix::engine_detail;

// Points [begin, end) share one cubic about x = origin.
struct Segment {
    int begin, end;
    double origin;
    Cubic moment;
};

std::vector<Segment> segmentsOf(const BeamModel& model, const ReactionSolution& reactions,
                                double dx, int points)
{
    // Where each term starts to act: the first point beyond its position (at it, for a couple).
    auto firstPoint = [&](const MomentTerm& t) {
        int i = 0;
        while (i < points && (t.actsAtOwnPosition() ? t.pos > i * dx : t.pos >= i * dx)) ++i;
        return i;
    };
    std::vector<std::pair<int, MomentTerm>> terms;
    for (const MomentTerm& t : momentTerms(model, reactions)) terms.emplace_back(firstPoint(t), t);
    std::stable_sort(terms.begin(), terms.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Segment> segments;
    size_t active = 0;
    for (int begin = 0; begin < points;) {
        while (active < terms.size() && terms[active].first <= begin) ++active;
        const int end = active < terms.size() ? std::min(terms[active].first, points) : points;
        Segment s{begin, end, begin * dx, {}};
        for (size_t t = 0; t < active; ++t) addTerm(s.moment, terms[t].second, s.origin);
        segments.push_back(s);
        begin = end;
    }
    return segments;
}

void ReferenceGridRun(benchmark::State& state)
{
    const BeamModel model = bench::fullCapacityBeam();
    const AnalysisOutcome solved = analyseBeam(model, [] { return true; });
    if (!solved) {
        state.SkipWithError(solved.refusal.c_str());
        return;
    }
    const int points = kMaxResolution + 1;
    const double dx = model.beamLength / kMaxResolution;
    const double stressFactor = double(model.fiberDistance) / double(model.momentOfInertia);
    const std::vector<Segment> segments = segmentsOf(model, solved.analysis->reactions, dx, points);
    std::vector<double> moment(points), shear(points), stress(points), slope(points),
        deflection(points);
    for (auto _ : state) {
        for (const Segment& s : segments) {
            const Cubic& c = s.moment;
            for (int i = s.begin; i < s.end; ++i) {
                const double t = i * dx - s.origin;
                moment[i] = c.c0 + t * (c.c1 + t * (c.c2 + t * c.c3));
                shear[i] = c.c1 + t * (2 * c.c2 + t * 3 * c.c3);
                stress[i] = stressFactor * moment[i];
            }
        }
        slope[0] = deflection[0] = 0;
        for (int i = 1; i < points; ++i) {
            slope[i] = slope[i - 1] + (moment[i - 1] + moment[i]) * dx / 2;
            deflection[i] = deflection[i - 1] - (slope[i - 1] + slope[i]) * dx / 2;
        }
        benchmark::DoNotOptimize(deflection.data());
        benchmark::DoNotOptimize(shear.data());
        benchmark::DoNotOptimize(stress.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(ReferenceGridRun)->Unit(benchmark::kMillisecond);

}  // namespace
