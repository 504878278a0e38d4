#pragma once

#include <cstddef>
#include <vector>

#include "engine/reactions.h"
#include "model/beam_model.h"

// The closed form of the bending moment: one polynomial term per load and support, from
// the point where it starts to act. The grid pass and the exact solution both build their
// cubics from these terms, so the two can never disagree on a load.
namespace spanrix::engine_detail {

enum class TermKind { PointLoad, DistLoadStart, DistLoadEnd, Couple, Support };

struct MomentTerm {
    TermKind kind;
    double pos;      // where it starts acting
    double p, q, r;  // kind-dependent: P; w0, k; a, w0, k; M; R

    // An applied moment acts at its own position; everything else only beyond it.
    bool actsAtOwnPosition() const { return kind == TermKind::Couple; }
};

// M(x) = c0 + c1 t + c2 t^2 + c3 t^3, t = x - origin.
struct Cubic {
    double c0 = 0, c1 = 0, c2 = 0, c3 = 0;
};

// Adds the term's Taylor coefficients about x = origin (the term is active there).
void addTerm(Cubic& c, const MomentTerm& t, double origin);

// The same for count cubics, each about its own origin: one term across many pieces at a
// time, so the kind of term is looked at once rather than once per piece. Each cubic still
// takes its terms in the order they are added.
void addTermToEach(Cubic* cubics, const double* origins, size_t count, const MomentTerm& t);

// Every term of the beam in no particular order: loads, support forces and the left
// cantilever's fixing moment (a couple at x = 0).
std::vector<MomentTerm> momentTerms(const BeamModel& model, const ReactionSolution& r);

}  // namespace spanrix::engine_detail
