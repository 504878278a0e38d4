#pragma once

#include <memory>
#include <vector>

#include "engine/moment_terms.h"
#include "engine/reactions.h"
#include "engine/results.h"
#include "model/beam_model.h"

namespace spanrix {

// The elastic curve in closed form, independent of the calculation grid. Between the
// points where loads and supports start to act the moment is a cubic; E*I times the slope
// is its integral, a quartic, and E*I times the deflection (positive downward, as the
// grid holds it) a quintic. The two constants of integration are fixed exactly: zero slope
// and deflection at the left fixed end, or zero deflection at the first two supports of a
// beam on simple supports; the solved reactions meet every other support's condition.
struct ExactSolution {
    // One piece on [x0, x1], in t = x - x0.
    struct Piece {
        double x0 = 0, x1 = 0;
        engine_detail::Cubic moment;
        double slope0 = 0, deflection0 = 0;  // E*I times slope and deflection at x0
    };
    std::vector<Piece> pieces;  // cover 0..L in order
    double shearBeforeStart = 0;  // V just left of x = 0 (loads placed before the beam)
    double stressFactor = 0;      // c / I
};

// c / I and E*I of the model's section, in double precision.
inline double stressFactor(const BeamModel& model)
{
    return static_cast<double>(model.fiberDistance) / static_cast<double>(model.momentOfInertia);
}
inline double flexuralRigidity(const BeamModel& model)
{
    return static_cast<double>(model.momentOfInertia) * static_cast<double>(model.modulusE);
}

// Requires the solved reactions of a run that succeeded.
ExactSolution exactSolution(const BeamModel& model, const ReactionSolution& reactions);

// The same from the moment's terms, the beam's length and c / I.
ExactSolution exactSolution(std::vector<engine_detail::MomentTerm> terms, double length,
                            double stressFactor, const ReactionSolution& reactions);

// The exact solution of a run, built the first time it is asked for: many runs never show
// it, and a grid run need not wait for it. Copies share the one solution; asking from
// several threads at once is safe.
class ExactSolutionOnDemand {
public:
    ExactSolutionOnDemand() = default;  // no beam: an empty solution
    ExactSolutionOnDemand(std::vector<engine_detail::MomentTerm> terms, double length,
                          double stressFactor, const ReactionSolution& reactions);

    const ExactSolution& get() const;

private:
    struct Source;
    std::shared_ptr<Source> source_;
};

// The true extremes over the whole beam with their locations: moment and shear at the ends,
// at every breakpoint from either side and where their derivatives vanish inside a piece;
// slope where the moment vanishes, deflection where the slope does. Among equal magnitudes
// the leftmost is kept, as on the grid.
PeakValues exactPeaks(const ExactSolution& solution);

// The largest and the smallest value of a quantity over a stretch, each with its location.
struct PeakRange {
    Peak max, min;
};
struct ExactRanges {
    PeakRange moment, shear, deflection;  // deflection times E*I, positive downward
};

// The extremes over [from, to]: at its ends, on both sides of every breakpoint inside it,
// and where a derivative vanishes. A jump at `to` counts only with its left side, one at
// `from` only with its right side, so adjacent stretches share no value. Among equal
// values the leftmost is kept.
ExactRanges exactRanges(const ExactSolution& solution, double from, double to);

// Moment, shear, stress, slope and deflection at one section (slope and deflection times
// E*I, deflection positive downward).
struct SectionValues {
    double moment = 0, shear = 0, stress = 0, slope = 0, deflection = 0;
};

// The values at t from the start of one piece, the moment and shear of the piece's own
// cubic: no search for the piece, for callers that walk the pieces in order.
SectionValues pieceValuesAt(const ExactSolution::Piece& piece, double t, double stressFactor);

// The values at x, kept within the beam. Where a value jumps, x takes the side the
// calculation points take: the moment includes an applied moment at x, the shear leaves
// out a load or support force at x.
SectionValues exactValuesAt(const ExactSolution& solution, double x);

}  // namespace spanrix
