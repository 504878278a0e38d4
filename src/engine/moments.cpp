#include "engine/moments.h"

#include <algorithm>
#include <cmath>

#include "engine/load_access.h"
#include "engine/moment_terms.h"
#include "engine/peak_scan.h"
#include "model/number_format.h"

namespace spanrix {

using namespace engine_detail;

int CalculationGrid::slotAt(double s) const
{
    return slotOnGrid(*this, roundHalfEven(s * intervals / length) + 1);
}

int slotOnGrid(const CalculationGrid& g, double slot)
{
    if (!(slot >= 1)) slot = 1;  // NaN included
    if (slot > g.pointCount) slot = g.pointCount;
    return static_cast<int>(slot);
}

CalculationGrid calculationGrid(const BeamModel& model)
{
    CalculationGrid g;
    g.length = model.beamLength;
    g.intervals = static_cast<double>(model.resolution);
    if (!std::isfinite(g.length) || g.length <= 0) return g;
    // A file can hold any resolution; the prompt allows only these.
    if (!isUsableResolution(g.intervals)) return g;
    g.dx = g.length / g.intervals;
    g.pointCount = static_cast<int>(g.intervals) + 1;
    return g;
}

namespace {

// The first point i (0..pointCount) with pos < x(i), or pos <= x(i) when inclusive;
// pointCount when there is none. x(i) = i * dx exactly as every pass computes it, so the
// piecewise evaluation switches a term on at the same point as the direct sum does.
int firstActivePoint(const CalculationGrid& g, double pos, bool inclusive)
{
    auto active = [&](int i) { return inclusive ? pos <= g.x(i) : pos < g.x(i); };
    double guess = std::floor(pos / g.dx);
    if (!(guess >= 0)) guess = 0;
    if (guess > g.pointCount) guess = g.pointCount;
    int i = static_cast<int>(guess);
    while (i > 0 && active(i - 1)) --i;
    while (i < g.pointCount && !active(i)) ++i;
    return i;
}

// A term with the first calculation point where it acts.
struct GridTerm {
    int firstPoint;
    MomentTerm term;
};

std::vector<GridTerm> gridTerms(const BeamModel& model, const ReactionSolution& r,
                                const CalculationGrid& g)
{
    std::vector<GridTerm> terms;
    for (const MomentTerm& t : momentTerms(model, r))
        terms.push_back({firstActivePoint(g, t.pos, t.actsAtOwnPosition()), t});
    std::stable_sort(terms.begin(), terms.end(), [](const GridTerm& a, const GridTerm& b) {
        return a.firstPoint < b.firstPoint;
    });
    return terms;
}

// A cubic whose coefficients, and those of its derivative, are numbers gives values that
// are numbers or infinite, never NaN: every sum in its evaluation has at most one
// infinite term.
bool isFinite(const Cubic& c)
{
    return std::isfinite(c.c0) && std::isfinite(c.c1) && std::isfinite(2 * c.c2) &&
           std::isfinite(3 * c.c3);
}

}  // namespace

double momentByDirectSum(const BeamModel& model, const ReactionSolution& r, double x)
{
    double moment = 0;
    for (int i = 1; i <= pointLoadCount(model); ++i) {
        const double a = model.pointLoadLoc[i];
        if (a < x) moment += model.pointLoadMag[i] * (a - x);
    }
    for (int j = 1; j <= distLoadCount(model); ++j) {
        if (!distLoadCarries(model, j)) continue;
        const DistLoad d = distLoad(model, j);
        if (d.a < x) {
            const double u = x - d.a;
            moment += -d.w0 * u * u / 2 - d.k * u * u * u / 6;
            if (d.b < x) {
                const double v = x - d.b;
                moment += d.w0 * v * v / 2 + d.k * (u * v * v / 2 - v * v * v / 3);
            }
        }
    }
    for (int i = 1; i <= momentCount(model); ++i)
        if (model.momentLoc[i] <= x) moment += -model.momentMag[i];
    for (int k = 1; k <= r.activeSupportCount; ++k)
        if (r.reactionPos[k] < x) moment += (x - r.reactionPos[k]) * r.supportForce(k);
    if (r.cantileverCount > 0) moment -= r.reactionVector[1];
    return moment;
}

MomentSampler::MomentSampler(const CalculationGrid& g, const BeamModel& model,
                             const ReactionSolution& r, ResultSet& results)
    : grid_(g), results_(results), fiber_(model.fiberDistance), inertia_(model.momentOfInertia)
{
    results.pointCount = g.pointCount;
    results.peakMoment = results.peakMomentLoc = 0;
    results.peakShear = results.peakShearLoc = 0;
    results.peakStress = results.peakStressLoc = 0;
    if (g.pointCount == 0) return;
    results.holdSlots(g.pointCount);

    // Between consecutive switch-on points the moment is one cubic, expanded about the
    // segment's own first point so no coefficient carries a large cancelling offset.
    const std::vector<GridTerm> terms = gridTerms(model, r, g);
    std::vector<double> origins;
    size_t active = 0;
    for (int begin = 0; begin < g.pointCount;) {
        while (active < terms.size() && terms[active].firstPoint <= begin) ++active;
        const int end = active < terms.size() ? std::min(terms[active].firstPoint, g.pointCount)
                                              : g.pointCount;
        segments_.push_back({begin, end, g.x(begin), {}});
        origins.push_back(g.x(begin));
        begin = end;
    }
    // A term acts on every segment from the first that begins at or after its first point.
    std::vector<Cubic> cubics(segments_.size());
    size_t first = 0;
    for (const GridTerm& t : terms) {
        while (first < segments_.size() && segments_[first].begin < t.firstPoint) ++first;
        addTermToEach(cubics.data() + first, origins.data() + first, segments_.size() - first, t.term);
    }
    for (size_t s = 0; s < segments_.size(); ++s) {
        segments_[s].moment = cubics[s];
        finite_ = finite_ && isFinite(cubics[s]);
    }
}

void MomentSampler::sample(int begin, int end)
{
    double* moment = results_.momentAt.data() + 1;  // moment[i] is point i, slot i + 1
    double* shear = results_.shearAt.data() + 1;
    double* stress = results_.stressAt.data() + 1;
    const double fiber = fiber_, inertia = inertia_;
    for (int block = begin; block < end; block += kBlock) {
        const int blockEnd = std::min(block + kBlock, end);
        for (int from = block; from < blockEnd;) {
            while (segments_[next_].end <= from) ++next_;
            const Segment& segment = segments_[next_];
            const int to = std::min(segment.end, blockEnd);
            const Cubic& c = segment.moment;
            const double origin = segment.origin;
            for (int i = from; i < to; ++i) {
                const double t = grid_.x(i) - origin;
                const double m = c.c0 + t * (c.c1 + t * (c.c2 + t * c.c3));
                moment[i] = m;
                shear[i] = c.c1 + t * (2 * c.c2 + t * 3 * c.c3);
                stress[i] = fiber * m / inertia;
            }
            from = to;
        }
        // c*M/I grows with |M| however it rounds, so the largest stress of a block is
        // the one at its largest moment.
        const double largestMoment = largestMagnitude(moment, block, blockEnd);
        momentPeak_.noteUp(moment, block, blockEnd, largestMoment);
        shearPeak_.scanUp(shear, block, blockEnd);
        stressPeak_.noteUp(stress, block, blockEnd, std::abs(fiber * largestMoment / inertia));
    }
}

bool MomentSampler::finish()
{
    const CalculationGrid& g = grid_;
    ResultSet& results = results_;
    const double* moment = results.momentAt.data() + 1;
    const double* shear = results.shearAt.data() + 1;
    if (momentPeak_.index >= 0) {
        results.peakMoment = moment[momentPeak_.index];
        results.peakMomentLoc = g.x(momentPeak_.index);
    }
    if (shearPeak_.index >= 0) {
        results.peakShear = shear[shearPeak_.index];
        results.peakShearLoc = g.x(shearPeak_.index);
    }
    if (stressPeak_.index >= 0) {
        results.peakStress = stressPeak_.magnitude;
        results.peakStressLoc = stressPeak_.index * (g.length / g.intervals);
    }
    // With finite coefficients a value can overflow but never be NaN, so the peaks find it.
    // With the moments numbers, c*M/I is NaN only where c is infinite, or where I is and
    // c*M is not a number; the peaks cannot see NaN.
    const bool stressIsNumber = std::isfinite(fiber_) &&
        (std::isfinite(inertia_) || std::isfinite(fiber_ * momentPeak_.magnitude));
    return finite_ && stressIsNumber && std::isfinite(momentPeak_.magnitude) &&
           std::isfinite(shearPeak_.magnitude) && std::isfinite(stressPeak_.magnitude);
}

bool sampleResults(const CalculationGrid& g, const BeamModel& model, const ReactionSolution& r,
                   ResultSet& results)
{
    MomentSampler sampler(g, model, r, results);
    sampler.sample(0, g.pointCount);
    return sampler.finish();
}

}  // namespace spanrix
