#include "engine/deflection.h"

#include <algorithm>
#include <cmath>

#include "engine/moments.h"
#include "engine/peak_scan.h"
#include "model/number_format.h"

namespace spanrix {

std::string notConvergingText()
{
    return std::string("Solution does not appear to be converging.")
         + " 100 iterations complete.  Continue for another" + " 100 iterations?";
}

namespace {

using engine_detail::kBlock;
using engine_detail::PeakScan;

// Trapezoid steps over the moment, keeping the slope and deflection peaks as they run in
// the order the steps meet the points: among equal magnitudes the point met first stays
// (no point met yet: location 0).
class Integrator {
public:
    Integrator(const CalculationGrid& grid, ResultSet& results)
        : grid_(grid), results_(results), moment_(results.momentAt.data()),
          slope_(results.slopeAt.data()), deflection_(results.deflectionAt.data())
    {
    }

    void resetPeaks()
    {
        slopePeak_ = {};
        deflectionPeak_ = {};
    }

    // Steps from slot j to j + 1 for j = first..last, a block at a time. With a sampler, the
    // moments a block steps to (points first..last) are sampled just before it.
    void forward(int first, int last, MomentSampler* sampler = nullptr)
    {
        const double dx = grid_.dx;
        for (int block = first; block <= last; block += kBlock) {
            const int blockLast = std::min(block + kBlock - 1, last);
            if (sampler) sampler->sample(block, blockLast + 1);
            double m = moment_[block], s = slope_[block], d = deflection_[block];
            for (int j = block; j <= blockLast; ++j) {
                const double mNext = moment_[j + 1];
                const double sNext = s + (m + mNext) * dx / 2;
                slope_[j + 1] = sNext;
                const double dNext = d - (s + sNext) * dx / 2;
                deflection_[j + 1] = dNext;
                m = mNext;
                s = sNext;
                d = dNext;
            }
            slopePeak_.scanUp(slope_, block + 1, blockLast + 2);
            deflectionPeak_.scanUp(deflection_, block + 1, blockLast + 2);
        }
    }

    // Steps from slot j + 1 to j for j = first down to last, a block at a time.
    void backward(int first, int last)
    {
        const double dx = grid_.dx;
        for (int block = first; block >= last; block -= kBlock) {
            const int blockLast = std::max(block - kBlock + 1, last);
            double m = moment_[block + 1], s = slope_[block + 1], d = deflection_[block + 1];
            for (int j = block; j >= blockLast; --j) {
                const double mPrev = moment_[j];
                const double sPrev = s - (mPrev + m) * dx / 2;
                slope_[j] = sPrev;
                const double dPrev = d + (sPrev + s) * dx / 2;
                deflection_[j] = dPrev;
                m = mPrev;
                s = sPrev;
                d = dPrev;
            }
            slopePeak_.scanDown(slope_, blockLast, block + 1);
            deflectionPeak_.scanDown(deflection_, blockLast, block + 1);
        }
    }

    // The point the integration starts from takes part in the peaks like every other.
    void noteStartingPoint(int slot)
    {
        slopePeak_.scanUp(slope_, slot, slot + 1);
        deflectionPeak_.scanUp(deflection_, slot, slot + 1);
    }

    // The largest magnitude of the deflection noted since the peaks were reset.
    double largestDeflection() const { return deflectionPeak_.magnitude; }

    void storePeaks() const
    {
        results_.peakSlope = value(slope_, slopePeak_);
        results_.peakSlopeLoc = location(slopePeak_);
        results_.peakDeflection = value(deflection_, deflectionPeak_);
        results_.peakDeflectionLoc = location(deflectionPeak_);
    }

private:
    static double value(const double* values, const PeakScan& peak)
    {
        return peak.index < 0 ? 0.0 : values[peak.index];
    }
    double location(const PeakScan& peak) const
    {
        return peak.index < 0 ? 0.0 : (peak.index - 1) * grid_.length / grid_.intervals;
    }

    const CalculationGrid& grid_;
    ResultSet& results_;
    const double* moment_;
    double* slope_;
    double* deflection_;
    PeakScan slopePeak_, deflectionPeak_;
};

constexpr int kPassesPerQuestion = 100;

}  // namespace

void integrateFromFixedEnd(const CalculationGrid& g, double s, ResultSet& results,
                           MomentSampler* sampler)
{
    Integrator steps(g, results);
    steps.resetPeaks();
    if (g.pointCount > 0) {
        const int kC = slotOnGrid(g, roundHalfEven(s / g.length * g.intervals + 1));
        if (sampler) sampler->sample(0, kC);  // slots 1..kC
        results.slopeAt[kC] = 0;
        results.deflectionAt[kC] = 0;
        steps.noteStartingPoint(kC);
        steps.backward(kC - 1, 1);
        steps.forward(kC, g.pointCount - 1, sampler);
    }
    steps.storePeaks();
}

bool integrateBetweenSupports(const CalculationGrid& g, double s1, double s2, ResultSet& results,
                              const ContinueQuestion& askContinue,
                              const ShootingTolerance& tolerance)
{
    Integrator steps(g, results);
    steps.resetPeaks();
    if (g.pointCount == 0) {
        steps.storePeaks();
        return true;
    }
    const double lo = s1 < s2 ? s1 : s2;
    const double hi = s1 < s2 ? s2 : s1;
    const int kLo = g.slotAt(lo);
    const int kHi = g.slotAt(hi);

    results.slopeAt[kLo] = 0;
    results.deflectionAt[kLo] = 0;
    // A change of the starting slope moves the deflection at kHi by that change times the
    // distance between the two calculation points, not between the supports. Off the grid
    // the two differ, and dividing by the supports' distance overshoots: by the whole miss
    // when the points lie twice as far apart, and the shooting then swings for ever.
    const double span = (kHi - kLo) * g.dx;
    bool keptGoing = true;
    for (int pass = 1, total = 1;; ++pass, ++total) {
        steps.noteStartingPoint(kLo);
        steps.forward(kLo, kHi - 1);
        const double miss = results.deflectionAt[kHi];
        // The first miss is always corrected: on a small beam (values of a few units, in
        // E*I units) a miss below the tolerance can still be the whole deflection.
        const bool corrected = total == 1
            ? miss != 0 && std::isfinite(miss)
            : std::abs(miss) >= tolerance.absolute &&
                  std::abs(miss) > tolerance.share * steps.largestDeflection();
        if (!corrected) break;
        // Asked before correcting, so that No keeps this pass whole, its peaks included.
        if (pass == kPassesPerQuestion) {
            if (!askContinue || !askContinue()) {
                keptGoing = false;
                break;
            }
            pass = 0;
        }
        results.slopeAt[kLo] += miss / span;
        // The next pass starts its peaks afresh (from 0 at x = 0, like every run), so a
        // beam whose true values all stay below 1 still reports them.
        steps.resetPeaks();
    }
    // The overhangs, outward from the two supports.
    steps.backward(kLo - 1, 1);
    steps.forward(kHi, g.pointCount - 1);
    steps.storePeaks();
    return keptGoing;
}

}  // namespace spanrix
