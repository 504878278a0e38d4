#include "design/combination_demands.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "engine/analysis.h"
#include "engine/reactions.h"

namespace spanrix {

namespace {

// Samples per stretch besides its ends and every breakpoint: the worst point found among
// them is then refined exactly between its neighbours.
constexpr int kSamplesPerStretch = 256;
// The right side of a jump in shear, as a fraction of the beam length.
constexpr double kRightSide = 1e-10;

enum class Quantity { Moment, ShearLeft, ShearRight, Deflection };

void removeLoad(BeamModel& m, FeatureKind kind, std::size_t k)
{
    switch (kind) {
    case FeatureKind::PointLoad: m.pointLoadMag[k] = 0.0; break;
    case FeatureKind::DistLoad: m.distLoadStartMag[k] = m.distLoadEndMag[k] = 0.0; break;
    case FeatureKind::Moment: m.momentMag[k] = 0.0; break;
    default: break;
    }
}

// A point load or moment on a support belongs to the part on its right; the last part
// keeps x = L.
bool onPart(double x, const BeamStretch& part, double length)
{
    return x >= part.from && (x < part.to || (part.to == length && x <= length));
}

// The beam with only case c's loads, restricted to `part` when given. A distributed load
// that crosses the part's ends is cut there.
BeamModel shareModel(const BeamModel& model, LoadCase c, const BeamStretch* part)
{
    BeamModel m = model;
    const double length = model.beamLength;
    for (int k = 1; k <= std::clamp(m.numPointLoads, 0, kMaxPointLoads); ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (loadCaseOf(m, FeatureKind::PointLoad, k) != c || (part && !onPart(m.pointLoadLoc[i], *part, length)))
            removeLoad(m, FeatureKind::PointLoad, i);
    }
    for (int k = 1; k <= std::clamp(m.numMoments, 0, kMaxMoments); ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (loadCaseOf(m, FeatureKind::Moment, k) != c || (part && !onPart(m.momentLoc[i], *part, length)))
            removeLoad(m, FeatureKind::Moment, i);
    }
    for (int k = 1; k <= std::clamp(m.numDistLoads, 0, kMaxDistLoads); ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (loadCaseOf(m, FeatureKind::DistLoad, k) != c) {
            removeLoad(m, FeatureKind::DistLoad, i);
            continue;
        }
        if (!part) continue;
        const double a = m.distLoadStart[i], b = m.distLoadEnd[i];
        const double from = std::max(a, part->from), to = std::min(b, part->to);
        if (!(from < to) || !(a < b)) {
            removeLoad(m, FeatureKind::DistLoad, i);
            continue;
        }
        const double w0 = m.distLoadStartMag[i], w1 = m.distLoadEndMag[i];
        auto intensity = [&](double x) { return w0 + (w1 - w0) * (x - a) / (b - a); };
        m.distLoadStartMag[i] = intensity(from);
        m.distLoadEndMag[i] = intensity(to);
        m.distLoadStart[i] = from;
        m.distLoadEnd[i] = to;
    }
    return m;
}

bool carriesLoad(const BeamModel& m)
{
    for (int k = 1; k <= std::clamp(m.numPointLoads, 0, kMaxPointLoads); ++k)
        if (m.pointLoadMag[static_cast<std::size_t>(k)] != 0.0) return true;
    for (int k = 1; k <= std::clamp(m.numMoments, 0, kMaxMoments); ++k)
        if (m.momentMag[static_cast<std::size_t>(k)] != 0.0) return true;
    for (int k = 1; k <= std::clamp(m.numDistLoads, 0, kMaxDistLoads); ++k) {
        const auto i = static_cast<std::size_t>(k);
        if ((m.distLoadStartMag[i] != 0.0 || m.distLoadEndMag[i] != 0.0) && m.distLoadStart[i] < m.distLoadEnd[i])
            return true;
    }
    return false;
}

// The beam's supports carrying only a uniform load w over its length.
BeamModel selfWeightModel(const BeamModel& model, double w)
{
    BeamModel m = model;
    m.numPointLoads = 0;
    m.numMoments = 0;
    m.numDistLoads = 1;
    m.distLoadStart[1] = 0.0;
    m.distLoadEnd[1] = double(model.beamLength);
    m.distLoadStartMag[1] = m.distLoadEndMag[1] = w;
    return m;
}

std::optional<LoadShare> solveShare(const BeamModel& m, LoadCase c, int part, std::string& refusal)
{
    if (!carriesLoad(m)) return std::nullopt;
    ReactionSolution r;
    collectSupports(m, r);
    assembleReactionSystem(m, r);
    if (!LU_decomp(r)) {
        refusal = kSingularMatrixMessage;
        return std::nullopt;
    }
    luBackSubstitute(r);
    LoadShare share{c, part, exactSolution(m, r), {}};
    for (const auto& piece : share.exact.pieces) share.breakpoints.push_back(piece.x0);
    if (!share.exact.pieces.empty()) share.breakpoints.push_back(share.exact.pieces.back().x1);
    return share;
}

double valueOf(const LoadShare& s, Quantity q, double x, double length)
{
    switch (q) {
    case Quantity::Moment: return exactValuesAt(s.exact, x).moment;
    case Quantity::ShearLeft: return exactValuesAt(s.exact, x).shear;
    case Quantity::ShearRight: return exactValuesAt(s.exact, std::min(x + kRightSide * length, length)).shear;
    case Quantity::Deflection: return exactValuesAt(s.exact, x).deflection;
    }
    return 0;
}

}  // namespace

bool isPatterned(LoadCase c) { return c == LoadCase::L || c == LoadCase::Lr || c == LoadCase::S; }

SharesOutcome solveLoadShares(const BeamModel& model, double selfWeight)
{
    if (auto refusal = checkBeam(model)) return {std::nullopt, *refusal};
    SolvedShares solved;
    solved.parts = deflectionSpans(model);
    std::string refusal;
    auto add = [&](const BeamModel& m, LoadCase c, int part) {
        if (auto share = solveShare(m, c, part, refusal)) {
            solved.casePresent[caseSlot(c)] = true;
            solved.shares.push_back(std::move(*share));
        }
    };
    for (const LoadCase c : kLoadCases) {
        if (!isPatterned(c)) {
            add(shareModel(model, c, nullptr), c, 0);
            continue;
        }
        for (std::size_t p = 0; p < solved.parts.size(); ++p)
            add(shareModel(model, c, &solved.parts[p]), c, static_cast<int>(p) + 1);
    }
    if (selfWeight != 0.0) add(selfWeightModel(model, selfWeight), LoadCase::D, 0);
    if (!refusal.empty()) return {std::nullopt, refusal};
    return {std::move(solved), {}};
}

SuperposedDemands::SuperposedDemands(const SolvedShares& solved, LoadFactors factors)
    : solved_(solved), factors_(std::move(factors))
{
}

bool SuperposedDemands::acts() const
{
    for (const LoadCase c : kLoadCases)
        if (solved_.casePresent[caseSlot(c)] && factors_.factors[caseSlot(c)] != 0.0) return true;
    return false;
}

namespace {

// Which patterned shares are loaded.
using Loaded = std::vector<bool>;

struct Worst {
    double value = 0;  // |q|
    double x = 0;
    Loaded loaded;
};

class Superposition {
public:
    Superposition(const SolvedShares& solved, const LoadFactors& f, Quantity q, double length)
        : solved_(solved), factors_(f), q_(q), length_(length)
    {
    }

    double factor(const LoadShare& s) const { return factors_.factors[caseSlot(s.loadCase)]; }

    // The worst |q| at x over every pattern, with the pattern.
    Worst worstAt(double x) const
    {
        double base = 0, up = 0, down = 0;
        Loaded ups(solved_.shares.size()), downs(solved_.shares.size());
        for (std::size_t i = 0; i < solved_.shares.size(); ++i) {
            const LoadShare& s = solved_.shares[i];
            if (factor(s) == 0.0) continue;
            const double v = factor(s) * valueOf(s, q_, x, length_);
            if (!isPatterned(s.loadCase)) {
                base += v;
            } else if (v > 0) {
                up += v;
                ups[i] = true;
            } else {
                down += v;
                downs[i] = v < 0;
            }
        }
        if (std::abs(base + up) >= std::abs(base + down)) return {std::abs(base + up), x, ups};
        return {std::abs(base + down), x, downs};
    }

    // q at x under one pattern.
    double at(double x, const Loaded& loaded) const
    {
        double sum = 0;
        for (std::size_t i = 0; i < solved_.shares.size(); ++i) {
            const LoadShare& s = solved_.shares[i];
            if (factor(s) != 0.0 && (!isPatterned(s.loadCase) || loaded[i]))
                sum += factor(s) * valueOf(s, q_, x, length_);
        }
        return sum;
    }

    // The largest |q| over [from, to]: the worst sample, then its pattern's extreme between
    // the neighbouring samples by golden-section search.
    Worst largest(double from, double to) const
    {
        std::vector<double> xs{from, to};
        for (int i = 1; i < kSamplesPerStretch; ++i) xs.push_back(from + (to - from) * i / kSamplesPerStretch);
        for (const LoadShare& s : solved_.shares)
            for (const double x : s.breakpoints)
                if (x > from && x < to) xs.push_back(x);
        std::sort(xs.begin(), xs.end());
        xs.erase(std::unique(xs.begin(), xs.end()), xs.end());

        Worst best = worstAt(xs.front());
        std::size_t bestIndex = 0;
        for (std::size_t i = 1; i < xs.size(); ++i) {
            Worst w = worstAt(xs[i]);
            if (w.value > best.value) {
                best = std::move(w);
                bestIndex = i;
            }
        }
        double lo = xs[bestIndex > 0 ? bestIndex - 1 : 0];
        double hi = xs[std::min(bestIndex + 1, xs.size() - 1)];
        const double golden = (std::sqrt(5.0) - 1) / 2;
        auto size = [&](double x) { return std::abs(at(x, best.loaded)); };
        for (int iteration = 0; iteration < 100 && hi - lo > 1e-13 * length_; ++iteration) {
            const double x1 = hi - golden * (hi - lo), x2 = lo + golden * (hi - lo);
            if (size(x1) < size(x2)) {
                lo = x1;
            } else {
                hi = x2;
            }
        }
        const double x = (lo + hi) / 2;
        if (const double v = size(x); v > best.value) {
            best.value = v;
            best.x = x;
        }
        return best;
    }

    LoadPattern pattern(const Loaded& loaded) const
    {
        LoadPattern p;
        for (const LoadCase c : kLoadCases) {
            if (!isPatterned(c) || !solved_.casePresent[caseSlot(c)] || factors_.factors[caseSlot(c)] == 0.0)
                continue;
            std::vector<int> parts;
            for (std::size_t i = 0; i < solved_.shares.size(); ++i)
                if (solved_.shares[i].loadCase == c && loaded[i]) parts.push_back(solved_.shares[i].part);
            p.emplace_back(c, std::move(parts));
        }
        return p;
    }

    DemandPeak peak(const Worst& w) const { return {w.value, w.x, pattern(w.loaded)}; }

private:
    const SolvedShares& solved_;
    const LoadFactors& factors_;
    Quantity q_;
    double length_;
};

double beamLengthOf(const SolvedShares& solved)
{
    return solved.parts.empty() ? 0.0 : solved.parts.back().to;
}

}  // namespace

SegmentMoments SuperposedDemands::moments(const BeamStretch& segment) const
{
    const Superposition m(solved_, factors_, Quantity::Moment, beamLengthOf(solved_));
    const Worst w = m.largest(segment.from, segment.to);
    auto at = [&](double fraction) {
        return std::abs(m.at(segment.from + fraction * segment.length(), w.loaded));
    };
    return {m.peak(w), at(0.25), at(0.5), at(0.75)};
}

DemandPeak SuperposedDemands::shear() const
{
    const double length = beamLengthOf(solved_);
    const Superposition left(solved_, factors_, Quantity::ShearLeft, length);
    const Superposition right(solved_, factors_, Quantity::ShearRight, length);
    const Worst l = left.largest(0, length);
    const Worst r = right.largest(0, length);
    return l.value >= r.value ? left.peak(l) : right.peak(r);
}

DemandPeak SuperposedDemands::deflectionTimesEI(const BeamStretch& span) const
{
    const Superposition d(solved_, factors_, Quantity::Deflection, beamLengthOf(solved_));
    return d.peak(d.largest(span.from, span.to));
}

}  // namespace spanrix
