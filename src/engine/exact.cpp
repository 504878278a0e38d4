#include "engine/exact.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <mutex>
#include <utility>

namespace spanrix {

using namespace engine_detail;

namespace {

// A polynomial of degree up to 5 in t, coefficients in ascending order.
struct Polynomial {
    std::array<double, 6> c{};
    int degree = 0;

    double operator()(double t) const
    {
        double v = c[static_cast<size_t>(degree)];
        for (int k = degree - 1; k >= 0; --k) v = v * t + c[static_cast<size_t>(k)];
        return v;
    }
    Polynomial derivative() const
    {
        Polynomial d;
        d.degree = std::max(degree - 1, 0);
        for (int k = 1; k <= degree; ++k)
            d.c[static_cast<size_t>(k - 1)] = k * c[static_cast<size_t>(k)];
        return d;
    }
};

// The piece's four curves in t. Slope: s0 + integral of M; deflection: d0 - integral of
// the slope (the grid's sign: positive downward).
Polynomial momentOf(const ExactSolution::Piece& p)
{
    return {{p.moment.c0, p.moment.c1, p.moment.c2, p.moment.c3, 0, 0}, 3};
}
Polynomial shearOf(const ExactSolution::Piece& p) { return momentOf(p).derivative(); }
Polynomial slopeOf(const ExactSolution::Piece& p)
{
    const Cubic& m = p.moment;
    return {{p.slope0, m.c0, m.c1 / 2, m.c2 / 3, m.c3 / 4, 0}, 4};
}
Polynomial deflectionOf(const ExactSolution::Piece& p)
{
    const Cubic& m = p.moment;
    return {{p.deflection0, -p.slope0, -m.c0 / 2, -m.c1 / 6, -m.c2 / 12, -m.c3 / 20}, 5};
}

// The root of f in [a, b], where f is monotone and fa = f(a), f(b) differ in sign: Newton
// steps, falling back to bisection whenever a step would leave the bracket.
double rootInBracket(const Polynomial& f, const Polynomial& df, double a, double b, double fa,
                     double length)
{
    const double tolerance = 4 * std::numeric_limits<double>::epsilon() * length;
    double t = (a + b) / 2;
    for (int i = 0; i < 200; ++i) {
        const double ft = f(t);
        if (ft == 0) return t;
        if ((ft < 0) == (fa < 0))
            a = t;
        else
            b = t;
        double next = t - ft / df(t);
        if (!(next > a && next < b)) next = (a + b) / 2;
        if (std::abs(next - t) <= tolerance || b - a <= tolerance) return next;
        t = next;
    }
    return t;
}

// The roots of f inside (0, length), in order, given the roots of its derivative there
// (sorted): between consecutive ones f is monotone, so each holds at most one root. A
// split point where f vanishes exactly is a root too.
std::vector<double> rootsBetween(const Polynomial& f, double length,
                                 const std::vector<double>& derivativeRoots)
{
    std::vector<double> roots;
    const Polynomial df = f.derivative();
    double a = 0, fa = f(0);
    auto segment = [&](double b) {
        if (!(b > a)) return;
        const double fb = f(b);
        if ((fa < 0 && fb > 0) || (fa > 0 && fb < 0)) roots.push_back(rootInBracket(f, df, a, b, fa, length));
        if (fb == 0 && b < length) roots.push_back(b);
        a = b;
        fa = fb;
    };
    for (double split : derivativeRoots) segment(split);
    segment(length);
    return roots;
}

// The roots of the moment's derivatives inside a piece, from the shear's slope up to
// the slope's: each level splits the next into monotone stretches.
struct PieceRoots {
    std::vector<double> shearSlope, shear, moment, slope;
};

PieceRoots pieceRoots(const ExactSolution::Piece& p)
{
    const double length = p.x1 - p.x0;
    PieceRoots r;
    const Polynomial shear = shearOf(p);
    r.shearSlope = rootsBetween(shear.derivative(), length, {});
    r.shear = rootsBetween(shear, length, r.shearSlope);
    r.moment = rootsBetween(momentOf(p), length, r.shear);
    r.slope = rootsBetween(slopeOf(p), length, r.moment);
    return r;
}

// Keeps the first value of strictly greater magnitude, scanning left to right.
class PeakTracker {
public:
    void note(double value, double x)
    {
        if (std::abs(value) > magnitude_) {
            magnitude_ = std::abs(value);
            peak_ = {value, x};
        }
    }
    const Peak& peak() const { return peak_; }

private:
    double magnitude_ = 0;
    Peak peak_;
};

// Scans a piece's curve at its two ends and at the given interior points.
void notePiece(PeakTracker& tracker, const Polynomial& f, const ExactSolution::Piece& p,
               const std::vector<double>& interior)
{
    tracker.note(f(0), p.x0);
    for (double t : interior) tracker.note(f(t), p.x0 + t);
    tracker.note(f(p.x1 - p.x0), p.x1);
}

// The slope and deflection at every piece's start, integrating outward from x = 0.
void integratePieces(std::vector<ExactSolution::Piece>& pieces, double slope, double deflection)
{
    for (ExactSolution::Piece& p : pieces) {
        p.slope0 = slope;
        p.deflection0 = deflection;
        const double length = p.x1 - p.x0;
        slope = slopeOf(p)(length);
        deflection = deflectionOf(p)(length);
    }
}

// The piece holding x: the last one starting at or before x, or (leftSide) strictly
// before x, so that a breakpoint belongs to the piece on its left.
const ExactSolution::Piece& pieceAt(const ExactSolution& s, double x, bool leftSide)
{
    const auto& pieces = s.pieces;
    auto after = leftSide
        ? std::lower_bound(pieces.begin(), pieces.end(), x,
                           [](const ExactSolution::Piece& p, double v) { return p.x0 < v; })
        : std::upper_bound(pieces.begin(), pieces.end(), x,
                           [](double v, const ExactSolution::Piece& p) { return v < p.x0; });
    if (after == pieces.begin()) return pieces.front();
    return *(after - 1);
}

double slopeAt(const ExactSolution& s, double x)
{
    const ExactSolution::Piece& p = pieceAt(s, x, false);
    return slopeOf(p)(x - p.x0);
}

double deflectionAt(const ExactSolution& s, double x)
{
    const ExactSolution::Piece& p = pieceAt(s, x, false);
    return deflectionOf(p)(x - p.x0);
}

}  // namespace

ExactSolution exactSolution(const BeamModel& model, const ReactionSolution& r)
{
    return exactSolution(momentTerms(model, r), model.beamLength, stressFactor(model), r);
}

ExactSolution exactSolution(std::vector<MomentTerm> terms, double length, double stressFactor,
                            const ReactionSolution& r)
{
    ExactSolution s;
    s.stressFactor = stressFactor;

    std::stable_sort(terms.begin(), terms.end(),
                     [](const MomentTerm& a, const MomentTerm& b) { return a.pos < b.pos; });
    std::vector<double> breaks{0.0};
    for (const MomentTerm& t : terms)
        if (t.pos > breaks.back() && t.pos < length) breaks.push_back(t.pos);
    breaks.push_back(length);

    Cubic before;
    for (const MomentTerm& t : terms)
        if (t.pos < 0) addTerm(before, t, 0.0);
    s.shearBeforeStart = before.c1;

    // A term acts on every piece starting at or beyond its position; each piece's cubic
    // is expanded about its own start so no coefficient carries a large cancelling offset.
    const size_t count = breaks.size() - 1;
    std::vector<Cubic> cubics(count);
    size_t first = 0;
    for (const MomentTerm& t : terms) {
        while (first < count && !(t.pos <= breaks[first])) ++first;
        addTermToEach(cubics.data() + first, breaks.data() + first, count - first, t);
    }
    s.pieces.reserve(count);
    for (size_t k = 0; k < count; ++k) {
        ExactSolution::Piece p;
        p.x0 = breaks[k];
        p.x1 = breaks[k + 1];
        p.moment = cubics[k];
        s.pieces.push_back(p);
    }

    // Integrated once from zero slope and deflection at x = 0; the true deflection differs
    // by a straight line, which the two support conditions fix.
    integratePieces(s.pieces, 0, 0);
    double slope0 = 0, deflection0 = 0;
    if (r.cantileverCount > 0) {
        const double fixed = r.reactionPos[1];
        slope0 = -slopeAt(s, fixed);
        deflection0 = slope0 * fixed - deflectionAt(s, fixed);
    } else if (r.activeSupportCount >= 2) {
        const double s1 = r.reactionPos[1], s2 = r.reactionPos[2];
        const double d1 = deflectionAt(s, s1), d2 = deflectionAt(s, s2);
        slope0 = (d2 - d1) / (s2 - s1);
        deflection0 = slope0 * s1 - d1;
    }
    integratePieces(s.pieces, slope0, deflection0);
    return s;
}

struct ExactSolutionOnDemand::Source {
    std::vector<MomentTerm> terms;
    double length = 0, stressFactor = 0;
    ReactionSolution reactions;
    std::once_flag built;
    ExactSolution solution;
};

ExactSolutionOnDemand::ExactSolutionOnDemand(std::vector<MomentTerm> terms, double length,
                                             double stressFactor, const ReactionSolution& r)
    : source_(std::make_shared<Source>())
{
    source_->terms = std::move(terms);
    source_->length = length;
    source_->stressFactor = stressFactor;
    source_->reactions = r;
}

const ExactSolution& ExactSolutionOnDemand::get() const
{
    static const ExactSolution none;
    if (!source_) return none;
    Source& s = *source_;
    std::call_once(s.built, [&s] {
        s.solution = exactSolution(std::move(s.terms), s.length, s.stressFactor, s.reactions);
    });
    return s.solution;
}

PeakValues exactPeaks(const ExactSolution& s)
{
    PeakTracker moment, shear, slope, deflection;
    for (const ExactSolution::Piece& p : s.pieces) {
        const PieceRoots roots = pieceRoots(p);
        notePiece(moment, momentOf(p), p, roots.shear);
        notePiece(shear, shearOf(p), p, roots.shearSlope);
        notePiece(slope, slopeOf(p), p, roots.moment);
        notePiece(deflection, deflectionOf(p), p, roots.slope);
    }
    PeakValues peaks;
    peaks.moment = moment.peak();
    peaks.shear = shear.peak();
    peaks.stress = {std::abs(s.stressFactor * peaks.moment.value), peaks.moment.x};
    peaks.slope = slope.peak();
    peaks.deflection = deflection.peak();
    return peaks;
}

namespace {

// Keeps the first largest and the first smallest value, scanning left to right.
class RangeTracker {
public:
    void note(double value, double x)
    {
        if (!seen_ || value > range_.max.value) range_.max = {value, x};
        if (!seen_ || value < range_.min.value) range_.min = {value, x};
        seen_ = true;
    }
    const PeakRange& range() const { return range_; }

private:
    bool seen_ = false;
    PeakRange range_;
};

// Scans f over [lo, hi] of a piece (t from lo - x0), at both ends and the interior points.
void noteStretch(RangeTracker& tracker, const Polynomial& f, const ExactSolution::Piece& p,
                 double lo, double hi, const std::vector<double>& interior)
{
    const double a = lo - p.x0, b = hi - p.x0;
    tracker.note(f(a), lo);
    for (double t : interior)
        if (t > a && t < b) tracker.note(f(t), p.x0 + t);
    tracker.note(f(b), hi);
}

}  // namespace

ExactRanges exactRanges(const ExactSolution& s, double from, double to)
{
    RangeTracker moment, shear, deflection;
    for (const ExactSolution::Piece& p : s.pieces) {
        const double lo = std::max(p.x0, from), hi = std::min(p.x1, to);
        // A piece meeting the stretch only at one end point belongs to its neighbour.
        if (hi < lo || (hi == lo && from < to)) continue;
        const PieceRoots roots = pieceRoots(p);
        noteStretch(moment, momentOf(p), p, lo, hi, roots.shear);
        noteStretch(shear, shearOf(p), p, lo, hi, roots.shearSlope);
        noteStretch(deflection, deflectionOf(p), p, lo, hi, roots.slope);
    }
    return {moment.range(), shear.range(), deflection.range()};
}

SectionValues pieceValuesAt(const ExactSolution::Piece& piece, double t, double stressFactor)
{
    SectionValues v;
    v.moment = momentOf(piece)(t);
    v.shear = shearOf(piece)(t);
    v.stress = stressFactor * v.moment;
    v.slope = slopeOf(piece)(t);
    v.deflection = deflectionOf(piece)(t);
    return v;
}

SectionValues exactValuesAt(const ExactSolution& s, double x)
{
    SectionValues v;
    if (s.pieces.empty()) return v;
    x = std::clamp(x, s.pieces.front().x0, s.pieces.back().x1);
    const ExactSolution::Piece& right = pieceAt(s, x, false);
    const double t = x - right.x0;
    v.moment = momentOf(right)(t);
    v.stress = s.stressFactor * v.moment;
    v.slope = slopeOf(right)(t);
    v.deflection = deflectionOf(right)(t);
    if (x <= s.pieces.front().x0) {
        v.shear = s.shearBeforeStart;
    } else {
        const ExactSolution::Piece& left = pieceAt(s, x, true);
        v.shear = shearOf(left)(x - left.x0);
    }
    return v;
}

}  // namespace spanrix
