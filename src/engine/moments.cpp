#include "engine/moments.h"

#include <algorithm>
#include <cmath>

#include "engine/load_access.h"
#include "engine/moment_terms.h"
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

// Points handled at a time, so that evaluating and scanning for the peak stay in cache.
constexpr int kBlock = 2048;

// Moves the peak to the first slot of [begin, end) whose magnitude is strictly greater
// than the peak's: scanning in order, so among equal magnitudes the earliest stays.
void trackPeak(const double* values, int begin, int end, double& peakMagnitude, int& peakSlot)
{
    for (int j = begin; j < end; ++j) {
        const double m = std::abs(values[j]);
        if (m > peakMagnitude) {
            peakMagnitude = m;
            peakSlot = j;
        }
    }
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

void computeMoments(const CalculationGrid& g, const BeamModel& model, const ReactionSolution& r,
                    ResultSet& results)
{
    results.pointCount = g.pointCount;
    results.peakMoment = 0;
    results.peakMomentLoc = 0;
    results.peakShear = 0;
    results.peakShearLoc = 0;
    if (g.pointCount == 0) return;
    results.holdSlots(g.pointCount);

    const std::vector<GridTerm> terms = gridTerms(model, r, g);
    double* moment = results.momentAt.data() + 1;  // moment[i] is point i, slot i + 1
    double* shear = results.shearAt.data() + 1;
    double peakMagnitude = 0, peakShearMagnitude = 0;
    int peakPoint = -1, peakShearPoint = -1;

    // Between consecutive switch-on points the moment is one cubic; evaluate it about the
    // segment's own first point so no coefficient carries a large cancelling offset.
    size_t activeTerms = 0;
    int begin = 0;
    while (begin < g.pointCount) {
        while (activeTerms < terms.size() && terms[activeTerms].firstPoint <= begin) ++activeTerms;
        const int end = activeTerms < terms.size()
            ? std::min(terms[activeTerms].firstPoint, g.pointCount)
            : g.pointCount;
        const double origin = g.x(begin);
        Cubic c;
        for (size_t t = 0; t < activeTerms; ++t) addTerm(c, terms[t].term, origin);
        for (int block = begin; block < end; block += kBlock) {
            const int blockEnd = std::min(block + kBlock, end);
            for (int i = block; i < blockEnd; ++i) {
                const double t = g.x(i) - origin;
                moment[i] = c.c0 + t * (c.c1 + t * (c.c2 + t * c.c3));
                shear[i] = c.c1 + t * (2 * c.c2 + t * 3 * c.c3);
            }
            trackPeak(moment, block, blockEnd, peakMagnitude, peakPoint);
            trackPeak(shear, block, blockEnd, peakShearMagnitude, peakShearPoint);
        }
        begin = end;
    }
    if (peakPoint >= 0) {
        results.peakMoment = moment[peakPoint];
        results.peakMomentLoc = g.x(peakPoint);
    }
    if (peakShearPoint >= 0) {
        results.peakShear = shear[peakShearPoint];
        results.peakShearLoc = g.x(peakShearPoint);
    }
}

void computeStresses(const CalculationGrid& g, const BeamModel& model, ResultSet& results)
{
    results.peakStress = 0;
    results.peakStressLoc = 0;
    const double c = model.fiberDistance, I = model.momentOfInertia;
    const double* moment = results.momentAt.data();
    double* stress = results.stressAt.data();
    double peakMagnitude = 0;
    int peakSlot = 0;
    for (int begin = 1; begin <= g.pointCount; begin += kBlock) {
        const int end = std::min(begin + kBlock, g.pointCount + 1);
        for (int j = begin; j < end; ++j) stress[j] = c * moment[j] / I;
        trackPeak(stress, begin, end, peakMagnitude, peakSlot);
    }
    if (peakSlot > 0) {
        results.peakStress = peakMagnitude;
        results.peakStressLoc = (peakSlot - 1) * (g.length / g.intervals);
    }
}

}  // namespace spanrix
