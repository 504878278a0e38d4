#pragma once

#include <vector>

#include "engine/moment_terms.h"
#include "engine/peak_scan.h"
#include "engine/reactions.h"
#include "engine/results.h"
#include "model/beam_model.h"

namespace spanrix {

// The calculation grid of a run: N intervals of dx = L / N, points i = 0..lastPoint.
struct CalculationGrid {
    double length = 0;
    double intervals = 0;  // N as a double
    double dx = 0;
    int pointCount = 0;    // points 0..pointCount-1 live in slots 1..pointCount

    double x(int point) const { return static_cast<double>(point) * dx; }
    // The slot of the point nearest to position s (halves to even), kept on the grid.
    int slotAt(double s) const;
};

// A whole slot number kept within 1..pointCount.
int slotOnGrid(const CalculationGrid& g, double slot);

// The grid of the model's resolution. pointCount is 0 when the resolution is not a
// whole number from kMinResolution to kMaxResolution.
CalculationGrid calculationGrid(const BeamModel& model);

// Bending moment, shear force and bending stress c*M/I at every point (slots 1..N+1) in one
// pass, each with its peak (moment and shear signed, stress as a magnitude; the leftmost of
// equal magnitudes). Returns false when any value is beyond the range of numbers. The
// moment is evaluated as a piecewise cubic between the sorted positions of loads and
// supports, each piece expanded about its own left end; the shear is the derivative of the
// same piece.
//
// Shear convention: V(x) is the sum of the vertical forces left of the section, upward
// positive (support forces up, loads down), so that V = dM/dx with the moment's own sign
// (sagging positive). At a calculation point that coincides with a point load, a load's
// end or a support, V takes a term exactly when the moment does: loads and supports only
// strictly beyond their position, so V is the value just left of the jump there (0 at a
// support on the left end). Applied moments never enter V.
bool sampleResults(const CalculationGrid& grid, const BeamModel& model, const ReactionSolution& r,
                   ResultSet& results);

// The same, a stretch of points at a time, so that a caller can integrate each stretch while
// it is still in cache. Stretches come in order, each starting where the last one ended.
class MomentSampler {
public:
    MomentSampler(const CalculationGrid& grid, const BeamModel& model, const ReactionSolution& r,
                  ResultSet& results);
    // Points [begin, end).
    void sample(int begin, int end);
    // Stores the peaks; false when any value was beyond the range of numbers.
    bool finish();

private:
    // Points [begin, end) share one cubic about x = origin.
    struct Segment {
        int begin, end;
        double origin;
        engine_detail::Cubic moment;
    };

    const CalculationGrid& grid_;
    ResultSet& results_;
    double fiber_, inertia_;
    std::vector<Segment> segments_;
    size_t next_ = 0;  // the segment holding the next point to sample
    bool finite_ = true;
    engine_detail::PeakScan momentPeak_, shearPeak_, stressPeak_;
};

// The moment at x as the plain sum of every load's and support's closed form: the
// reference the piecewise evaluation is held to.
double momentByDirectSum(const BeamModel& model, const ReactionSolution& r, double x);

}  // namespace spanrix
