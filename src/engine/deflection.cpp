#include "engine/deflection.h"

#include <cmath>

#include "engine/moments.h"
#include "model/number_format.h"

namespace spanrix {

std::string notConvergingText()
{
    return std::string("Solution does not appear to be converging.")
         + " 100 iterations complete.  Continue for another" + " 100 iterations?";
}

namespace {

// Trapezoid steps over the moment, keeping the slope and deflection peaks as slots while
// they run (slot 0: no value has replaced the starting peak yet, location 0).
class Integrator {
public:
    Integrator(const CalculationGrid& grid, ResultSet& results)
        : grid_(grid), results_(results), moment_(results.momentAt.data()),
          slope_(results.slopeAt.data()), deflection_(results.deflectionAt.data())
    {
    }

    void resetPeaks()
    {
        peakSlope_ = peakDeflection_ = 0;
        peakSlopeMagnitude_ = peakDeflectionMagnitude_ = 0;
        peakSlopeSlot_ = peakDeflectionSlot_ = 0;
    }

    // Steps from slot j to j + 1 for j = first..last.
    void forward(int first, int last)
    {
        const double dx = grid_.dx;
        double m = moment_[first], s = slope_[first], d = deflection_[first];
        for (int j = first; j <= last; ++j) {
            const double mNext = moment_[j + 1];
            const double sNext = s + (m + mNext) * dx / 2;
            slope_[j + 1] = sNext;
            noteSlope(sNext, j + 1);
            const double dNext = d - (s + sNext) * dx / 2;
            deflection_[j + 1] = dNext;
            noteDeflection(dNext, j + 1);
            m = mNext;
            s = sNext;
            d = dNext;
        }
    }

    // Steps from slot j + 1 to j for j = first down to last.
    void backward(int first, int last)
    {
        const double dx = grid_.dx;
        double m = moment_[first + 1], s = slope_[first + 1], d = deflection_[first + 1];
        for (int j = first; j >= last; --j) {
            const double mPrev = moment_[j];
            const double sPrev = s - (mPrev + m) * dx / 2;
            slope_[j] = sPrev;
            noteSlope(sPrev, j);
            const double dPrev = d + (sPrev + s) * dx / 2;
            deflection_[j] = dPrev;
            noteDeflection(dPrev, j);
            m = mPrev;
            s = sPrev;
            d = dPrev;
        }
    }

    // The point the integration starts from takes part in the peaks like every other.
    void noteStartingPoint(int slot)
    {
        noteSlope(slope_[slot], slot);
        noteDeflection(deflection_[slot], slot);
    }

    // The largest magnitude of the deflection noted since the peaks were reset.
    double largestDeflection() const { return peakDeflectionMagnitude_; }

    void storePeaks() const
    {
        results_.peakSlope = peakSlope_;
        results_.peakSlopeLoc = location(peakSlopeSlot_);
        results_.peakDeflection = peakDeflection_;
        results_.peakDeflectionLoc = location(peakDeflectionSlot_);
    }

private:
    void noteSlope(double v, int slot)
    {
        if (std::abs(v) > peakSlopeMagnitude_) {
            peakSlopeMagnitude_ = std::abs(v);
            peakSlope_ = v;
            peakSlopeSlot_ = slot;
        }
    }
    void noteDeflection(double v, int slot)
    {
        if (std::abs(v) > peakDeflectionMagnitude_) {
            peakDeflectionMagnitude_ = std::abs(v);
            peakDeflection_ = v;
            peakDeflectionSlot_ = slot;
        }
    }
    double location(int slot) const
    {
        return slot == 0 ? 0.0 : (slot - 1) * grid_.length / grid_.intervals;
    }

    const CalculationGrid& grid_;
    ResultSet& results_;
    const double* moment_;
    double* slope_;
    double* deflection_;
    double peakSlope_ = 0, peakSlopeMagnitude_ = 0;
    double peakDeflection_ = 0, peakDeflectionMagnitude_ = 0;
    int peakSlopeSlot_ = 0, peakDeflectionSlot_ = 0;
};

constexpr int kPassesPerQuestion = 100;

}  // namespace

void integrateFromFixedEnd(const CalculationGrid& g, double s, ResultSet& results)
{
    Integrator steps(g, results);
    steps.resetPeaks();
    if (g.pointCount > 0) {
        const int kC = slotOnGrid(g, roundHalfEven(s / g.length * g.intervals + 1));
        results.slopeAt[kC] = 0;
        results.deflectionAt[kC] = 0;
        steps.noteStartingPoint(kC);
        steps.backward(kC - 1, 1);
        steps.forward(kC, g.pointCount - 1);
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
