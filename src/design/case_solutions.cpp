#include "design/case_solutions.h"

#include <algorithm>
#include <cmath>

#include "engine/analysis.h"
#include "engine/load_access.h"
#include "engine/result_quantities.h"

namespace spanrix::design {

using namespace engine_detail;

namespace {

int slotCount(const BeamModel& m, FeatureKind kind)
{
    return std::min(featureCount(m, kind), featureCapacity(kind));
}

CasesPresent casesPresent(const BeamModel& m, double selfWeight)
{
    CasesPresent present{};
    for (FeatureKind kind : {FeatureKind::PointLoad, FeatureKind::DistLoad, FeatureKind::Moment})
        for (int k = 1; k <= slotCount(m, kind); ++k)
            if (isLive(m, kind, k)) present[caseSlot(loadCaseOf(m, kind, k))] = true;
    if (selfWeight != 0.0) present[caseSlot(LoadCase::D)] = true;
    return present;
}

// The beam with only the loads of case c (on part `part` only, when it is not 0): the
// others are removed as the model removes a load, and a distributed load is cut to the part.
BeamModel componentModel(const BeamModel& m, LoadCase c, int part,
                         const std::vector<BeamPart>& parts)
{
    BeamModel out = m;
    auto keeps = [&](FeatureKind kind, int k, double x) {
        return loadCaseOf(m, kind, k) == c && (part == 0 || partAt(parts, x) == part);
    };
    for (int k = 1; k <= slotCount(m, FeatureKind::PointLoad); ++k)
        if (!keeps(FeatureKind::PointLoad, k, m.pointLoadLoc[k])) out.pointLoadMag[k] = 0.0;
    for (int k = 1; k <= slotCount(m, FeatureKind::Moment); ++k)
        if (!keeps(FeatureKind::Moment, k, m.momentLoc[k])) out.momentMag[k] = 0.0;
    for (int k = 1; k <= slotCount(m, FeatureKind::DistLoad); ++k) {
        const auto i = static_cast<size_t>(k);
        const bool inCase = loadCaseOf(m, FeatureKind::DistLoad, k) == c && distLoadCarries(m, k);
        if (inCase && part != 0) {
            const DistLoad d = distLoad(m, k);
            const BeamPart& p = parts[static_cast<size_t>(part - 1)];
            const double from = std::max(d.a, p.start), to = std::min(d.b, p.end);
            if (to > from) {
                out.distLoadStart[i] = from;
                out.distLoadEnd[i] = to;
                out.distLoadStartMag[i] = d.w0 + d.k * (from - d.a);
                out.distLoadEndMag[i] = d.w0 + d.k * (to - d.a);
                continue;
            }
        } else if (inCase) {
            continue;
        }
        out.distLoadStartMag[i] = out.distLoadEndMag[i] = 0.0;
    }
    return out;
}

// Whether the component model carries any load at all.
bool carriesLoad(const BeamModel& m)
{
    for (int k = 1; k <= slotCount(m, FeatureKind::PointLoad); ++k)
        if (m.pointLoadMag[k] != 0.0) return true;
    for (int k = 1; k <= slotCount(m, FeatureKind::Moment); ++k)
        if (m.momentMag[k] != 0.0) return true;
    for (int k = 1; k <= slotCount(m, FeatureKind::DistLoad); ++k)
        if (distLoadCarries(m, k)) return true;
    return false;
}

// The beam under its own weight alone.
BeamModel selfWeightModel(const BeamModel& m, double w)
{
    BeamModel out = m;
    for (int k = 1; k <= slotCount(m, FeatureKind::PointLoad); ++k) out.pointLoadMag[k] = 0.0;
    for (int k = 1; k <= slotCount(m, FeatureKind::Moment); ++k) out.momentMag[k] = 0.0;
    for (int k = 1; k <= slotCount(m, FeatureKind::DistLoad); ++k)
        out.distLoadStartMag[static_cast<size_t>(k)] = out.distLoadEndMag[static_cast<size_t>(k)] = 0.0;
    out.numDistLoads = std::max(out.numDistLoads, 1);
    out.distLoadStart[1] = 0.0;
    out.distLoadEnd[1] = static_cast<double>(m.beamLength);
    out.distLoadStartMag[1] = out.distLoadEndMag[1] = w;
    return out;
}

// The component's moment, shear and deflection at every calculation point, added to its
// case's samples. The pieces are walked in order; each value is the one exactValuesAt
// gives there.
void addSamples(CaseSolutions& s, const CaseComponent& c)
{
    const auto points = static_cast<size_t>(s.grid.pointCount);
    const std::vector<ExactSolution::Piece>& pieces = c.exact.pieces;
    if (pieces.empty()) return;
    const bool patterned = c.part != 0;
    const std::uint32_t bit = patterned ? 1u << (c.part - 1) : 0u;
    auto& byQuantity = s.samples[caseSlot(c.loadCase)];
    for (CaseSolutions::Samples& samples : byQuantity.items) {
        if (!patterned) {
            if (samples.all.size() != points) samples.all.assign(points, 0.0);
            continue;
        }
        for (std::vector<double>* v : {&samples.positive, &samples.negative})
            if (v->size() != points) v->assign(points, 0.0);
        for (std::vector<std::uint32_t>* v : {&samples.positiveParts, &samples.negativeParts})
            if (v->size() != points) v->assign(points, 0u);
    }
    PerEnveloped<double SectionValues::*> member;  // looked up once, read at every point
    for (Quantity q : kEnvelopedQuantities) member[q] = resultQuantity(q).section;
    const double start = pieces.front().x0, end = pieces.back().x1;
    size_t right = 0;  // the last piece starting at or before x
    for (size_t i = 0; i < points; ++i) {
        const double x = std::clamp(s.grid.x(static_cast<int>(i)), start, end);
        while (right + 1 < pieces.size() && pieces[right + 1].x0 <= x) ++right;
        const ExactSolution::Piece& p = pieces[right];
        SectionValues v = pieceValuesAt(p, x - p.x0, 0);
        // The shear leaves out a force at x: at a piece's start it is the left piece's.
        if (x <= start)
            v.shear = c.exact.shearBeforeStart;
        else if (p.x0 == x)
            v.shear = pieceValuesAt(pieces[right - 1], x - pieces[right - 1].x0, 0).shear;
        for (Quantity q : kEnvelopedQuantities) {
            CaseSolutions::Samples& samples = byQuantity[q];
            const double value = v.*member[q];
            if (!patterned) {
                samples.all[i] += value;
            } else if (value > 0) {
                samples.positive[i] += value;
                samples.positiveParts[i] |= bit;
            } else {
                samples.negative[i] += value;
                if (value < 0) samples.negativeParts[i] |= bit;
            }
        }
    }
}

CaseSolutions::Samples::Blocks blocksOf(const std::vector<double>& values)
{
    constexpr auto size = static_cast<size_t>(CaseSolutions::kBlockSize);
    CaseSolutions::Samples::Blocks blocks;
    const std::vector<double>* maxima = &values;
    const std::vector<double>* minima = &values;
    while (!maxima->empty() && (blocks.max.empty() || maxima->size() > size)) {
        std::vector<double> max, min;
        for (size_t first = 0; first < maxima->size(); first += size) {
            const size_t last = std::min(first + size, maxima->size());
            max.push_back(*std::max_element(maxima->begin() + static_cast<std::ptrdiff_t>(first),
                                            maxima->begin() + static_cast<std::ptrdiff_t>(last)));
            min.push_back(*std::min_element(minima->begin() + static_cast<std::ptrdiff_t>(first),
                                            minima->begin() + static_cast<std::ptrdiff_t>(last)));
        }
        blocks.max.push_back(std::move(max));
        blocks.min.push_back(std::move(min));
        maxima = &blocks.max.back();
        minima = &blocks.min.back();
    }
    return blocks;
}

// The blocks of the samples a search reads: a case's values, or its parts' sums.
void addBlocks(CaseSolutions& s)
{
    for (LoadCase c : kLoadCases)
        for (CaseSolutions::Samples& samples : s.samples[caseSlot(c)].items) {
            if (!isPatterned(c)) {
                samples.allBlocks = blocksOf(samples.all);
                continue;
            }
            samples.positiveBlocks = blocksOf(samples.positive);
            samples.negativeBlocks = blocksOf(samples.negative);
        }
}

// A piece's cubic re-expanded about x0 within it, with the slope and deflection there.
ExactSolution::Piece expandedAbout(const ExactSolution::Piece& p, double x0)
{
    const double h = x0 - p.x0;
    const engine_detail::Cubic& m = p.moment;
    ExactSolution::Piece e;
    e.moment.c0 = m.c0 + h * (m.c1 + h * (m.c2 + h * m.c3));
    e.moment.c1 = m.c1 + h * (2 * m.c2 + 3 * h * m.c3);
    e.moment.c2 = m.c2 + 3 * h * m.c3;
    e.moment.c3 = m.c3;
    const SectionValues v = pieceValuesAt(p, h, 0);
    e.slope0 = v.slope;
    e.deflection0 = v.deflection;
    return e;
}

void addTerms(ExactSolution::Piece& piece, double w, const ExactSolution::Piece& terms)
{
    piece.moment.c0 += w * terms.moment.c0;
    piece.moment.c1 += w * terms.moment.c1;
    piece.moment.c2 += w * terms.moment.c2;
    piece.moment.c3 += w * terms.moment.c3;
    piece.slope0 += w * terms.slope0;
    piece.deflection0 += w * terms.deflection0;
}

// Adds w times a component's solution to `out`, whose pieces each lie within one piece of
// the component: the first starts at `from`, inside common piece `first`; each other at the
// start of the common piece `common` gives. Also adds the component's shear just left of
// `from`, as exactValuesAt takes it.
void addWeighted(ExactSolution& out, const CaseComponent& c, double w, double from, size_t first,
                 const std::vector<size_t>& common)
{
    const std::vector<ExactSolution::Piece>& pieces = c.exact.pieces;
    if (pieces.empty()) return;
    const size_t at = c.pieceOnCommon[first];  // the last piece starting at or before from
    const double x = std::clamp(from, pieces.front().x0, pieces.back().x1);
    if (x <= pieces.front().x0) {
        out.shearBeforeStart += w * c.exact.shearBeforeStart;
    } else {
        size_t left = at;
        while (left > 0 && !(pieces[left].x0 < x)) --left;
        out.shearBeforeStart += w * pieceValuesAt(pieces[left], x - pieces[left].x0, 0).shear;
    }
    addTerms(out.pieces.front(), w, expandedAbout(pieces[at], from));
    for (size_t k = 1; k < out.pieces.size(); ++k) addTerms(out.pieces[k], w, c.onCommonPieces[common[k]]);
}

// Empty pieces between the given starts, the last ending at `end`.
std::vector<ExactSolution::Piece> piecesFrom(const std::vector<double>& starts, double end)
{
    std::vector<ExactSolution::Piece> pieces(starts.size());
    for (size_t k = 0; k < starts.size(); ++k) {
        pieces[k].x0 = starts[k];
        pieces[k].x1 = k + 1 < starts.size() ? starts[k + 1] : end;
    }
    return pieces;
}

// Each case's components summed on the pieces of all their breakpoints together.
void sumCases(CaseSolutions& s)
{
    CaseSolutions::CaseTotals& totals = s.totals;
    totals.starts = {0.0};
    for (const CaseComponent& c : s.components)
        for (const ExactSolution::Piece& p : c.exact.pieces)
            if (p.x0 > 0 && p.x0 < s.beamLength) totals.starts.push_back(p.x0);
    std::sort(totals.starts.begin(), totals.starts.end());
    totals.starts.erase(std::unique(totals.starts.begin(), totals.starts.end()), totals.starts.end());
    totals.breaks.assign(totals.starts.size(), 0);
    for (const CaseComponent& c : s.components) {
        const auto bit = static_cast<std::uint8_t>(1u << caseSlot(c.loadCase));
        for (const ExactSolution::Piece& p : c.exact.pieces) {
            const auto k = std::lower_bound(totals.starts.begin(), totals.starts.end(), p.x0) -
                           totals.starts.begin();
            if (static_cast<size_t>(k) < totals.starts.size() && totals.starts[static_cast<size_t>(k)] == p.x0)
                totals.breaks[static_cast<size_t>(k)] |= bit;
        }
    }
    for (CaseComponent& c : s.components) {
        c.onCommonPieces = piecesFrom(totals.starts, s.beamLength);
        c.pieceOnCommon.assign(totals.starts.size(), 0);
        size_t at = 0;
        for (size_t k = 0; k < totals.starts.size(); ++k) {
            ExactSolution::Piece& piece = c.onCommonPieces[k];
            while (at + 1 < c.exact.pieces.size() && c.exact.pieces[at + 1].x0 <= piece.x0) ++at;
            c.pieceOnCommon[k] = at;
            const ExactSolution::Piece terms = expandedAbout(c.exact.pieces[at], piece.x0);
            piece.moment = terms.moment;
            piece.slope0 = terms.slope0;
            piece.deflection0 = terms.deflection0;
        }
        ExactSolution& total = totals.byCase[caseSlot(c.loadCase)];
        if (total.pieces.empty()) {
            total.pieces = piecesFrom(totals.starts, s.beamLength);
            total.stressFactor = s.stressFactor;
        }
        total.shearBeforeStart += c.exact.shearBeforeStart;
        for (size_t k = 0; k < total.pieces.size(); ++k) addTerms(total.pieces[k], 1.0, c.onCommonPieces[k]);
    }
}

// The largest magnitude each of moment, shear, slope and deflection could reach on a piece.
std::array<double, 4> magnitudeBounds(const ExactSolution::Piece& p)
{
    const double l = p.x1 - p.x0;
    const engine_detail::Cubic& m = p.moment;
    const double c0 = std::abs(m.c0), c1 = std::abs(m.c1), c2 = std::abs(m.c2), c3 = std::abs(m.c3);
    const double s0 = std::abs(p.slope0), d0 = std::abs(p.deflection0);
    // The slope's and the deflection's coefficients, rounded up a little: a bound needs no more.
    return {c0 + l * (c1 + l * (c2 + l * c3)), c1 + l * (2 * c2 + l * 3 * c3),
            s0 + l * (c0 + l * (0.5 * c1 + l * (0.34 * c2 + l * 0.25 * c3))),
            d0 + l * (s0 + l * (0.5 * c0 + l * (0.17 * c1 + l * (0.084 * c2 + l * 0.05 * c3))))};
}

// Their magnitudes at the piece's start.
std::array<double, 4> startMagnitudes(const ExactSolution::Piece& p)
{
    return {std::abs(p.moment.c0), std::abs(p.moment.c1), std::abs(p.slope0), std::abs(p.deflection0)};
}

}  // namespace

std::vector<double> supportPositions(const BeamModel& m)
{
    std::vector<double> at;
    for (int k = 1; k <= slotCount(m, FeatureKind::Support); ++k)
        if (isLive(m, FeatureKind::Support, k)) at.push_back(m.supportLoc[k]);
    std::sort(at.begin(), at.end());
    at.erase(std::unique(at.begin(), at.end()), at.end());
    return at;
}

std::vector<BeamPart> beamParts(const BeamModel& m)
{
    const std::vector<double> at = supportPositions(m);
    std::vector<BeamPart> parts;
    if (at.empty()) return parts;
    const double length = m.beamLength;
    if (at.front() > 0) parts.push_back({0, at.front()});
    for (size_t i = 0; i + 1 < at.size(); ++i) parts.push_back({at[i], at[i + 1]});
    if (at.back() < length) parts.push_back({at.back(), length});
    if (parts.empty()) parts.push_back({0, length});  // a single support at the only point
    return parts;
}

int partAt(const std::vector<BeamPart>& parts, double x)
{
    for (size_t i = 0; i < parts.size(); ++i)
        if (x < parts[i].end) return static_cast<int>(i) + 1;
    return static_cast<int>(parts.size());
}

CaseSolveOutcome solveCases(const BeamModel& model, double selfWeight)
{
    if (auto refusal = checkBeam(model)) return {nullptr, *refusal};
    auto s = std::make_shared<CaseSolutions>();
    s->grid = calculationGrid(model);
    if (s->grid.pointCount == 0) return {nullptr, std::string(kResolutionRangeMessage)};
    s->beamLength = model.beamLength;
    s->flexuralRigidity = flexuralRigidity(model);
    s->stressFactor = stressFactor(model);
    s->parts = beamParts(model);
    s->present = casesPresent(model, selfWeight);
    collectSupports(model, s->supportLayout);

    auto solve = [&](const BeamModel& loads, LoadCase c, int part) -> std::optional<std::string> {
        if (!carriesLoad(loads)) return std::nullopt;
        CaseComponent component;
        component.loadCase = c;
        component.part = part;
        if (auto refusal = solveReactions(loads, component.reactions)) return refusal;
        component.exact = exactSolution(loads, component.reactions);
        addSamples(*s, component);
        s->components.push_back(std::move(component));
        return std::nullopt;
    };
    for (LoadCase c : kLoadCases) {
        if (!s->present[caseSlot(c)]) continue;
        const int parts = isPatterned(c) ? static_cast<int>(s->parts.size()) : 0;
        for (int part = parts == 0 ? 0 : 1; part <= parts; ++part)
            if (auto refusal = solve(componentModel(model, c, part, s->parts), c, part))
                return {nullptr, *refusal};
    }
    if (selfWeight != 0.0)
        if (auto refusal = solve(selfWeightModel(model, selfWeight), LoadCase::D, 0))
            return {nullptr, *refusal};
    addBlocks(*s);
    sumCases(*s);
    return {std::move(s), {}};
}

Pattern allPartsLoaded(const CaseSolutions& s)
{
    Pattern p{};
    const std::uint32_t all =
        s.parts.size() >= 32 ? ~0u : (1u << s.parts.size()) - 1u;
    for (LoadCase c : kLoadCases)
        if (isPatterned(c)) p[caseSlot(c)] = all;
    return p;
}

std::vector<double> loadingWeights(const CaseSolutions& s, const Combination& combination,
                                   const Pattern& pattern)
{
    std::vector<double> weights;
    weights.reserve(s.components.size());
    for (const CaseComponent& c : s.components) {
        const bool loaded = c.part == 0 || partLoaded(pattern, c.loadCase, c.part);
        weights.push_back(loaded ? combination.factor(c.loadCase) : 0.0);
    }
    return weights;
}

ReactionSolution combinedReactions(const CaseSolutions& s, const std::vector<double>& weights)
{
    ReactionSolution r = s.supportLayout;
    r.reactionVector.fill(0.0);
    for (size_t i = 0; i < s.components.size(); ++i) {
        if (weights[i] == 0.0) continue;
        const ReactionSolution& c = s.components[i].reactions;
        for (int k = 1; k <= r.unknownCount(); ++k)
            r.reactionVector[static_cast<size_t>(k)] +=
                weights[i] * c.reactionVector[static_cast<size_t>(k)];
    }
    return r;
}

ExactSolution combinedExact(const CaseSolutions& s, const std::vector<double>& weights)
{
    return combinedExact(s, weights, 0.0, s.beamLength);
}

ExactSolution combinedExact(const CaseSolutions& s, const std::vector<double>& weights,
                            double from, double to)
{
    // Pieces split wherever a loaded component breaks, so each lies within one piece of
    // each component: all those breaks are among the common pieces' starts.
    const std::vector<double>& starts = s.totals.starts;
    auto first = static_cast<size_t>(std::upper_bound(starts.begin(), starts.end(), from) - starts.begin());
    first = first == 0 ? 0 : first - 1;
    std::vector<double> breaks{from};
    std::vector<size_t> common{first};
    for (size_t k = first + 1; k < starts.size() && starts[k] < to; ++k)
        for (size_t i = 0; i < s.components.size(); ++i) {
            const CaseComponent& c = s.components[i];
            if (weights[i] != 0.0 && !c.pieceOnCommon.empty() && c.pieceOnCommon[k] != c.pieceOnCommon[k - 1]) {
                breaks.push_back(starts[k]);
                common.push_back(k);
                break;
            }
        }
    ExactSolution out;
    out.stressFactor = s.stressFactor;
    out.pieces = piecesFrom(breaks, to);
    for (size_t i = 0; i < s.components.size(); ++i)
        if (weights[i] != 0.0) addWeighted(out, s.components[i], weights[i], from, first, common);
    return out;
}

PeakValues allLoadedPeaks(const CaseSolutions& s, const Combination& combination)
{
    const CaseSolutions::CaseTotals& totals = s.totals;
    unsigned cases = 0;
    for (LoadCase c : kLoadCases)
        if (combination.factor(c) != 0.0 && !totals.byCase[caseSlot(c)].pieces.empty())
            cases |= 1u << caseSlot(c);
    // The pieces of combinedExact: the common pieces where a case of the combination breaks,
    // the others run on. The case totals give each nearly; only a piece that could hold a
    // peak is then summed exactly, component by component as combinedExact sums it.
    std::vector<double> starts;
    std::vector<size_t> common;
    for (size_t k = 0; k < totals.starts.size(); ++k)
        if (k == 0 || (totals.breaks[k] & cases) != 0) {
            starts.push_back(totals.starts[k]);
            common.push_back(k);
        }
    std::vector<ExactSolution::Piece> pieces = piecesFrom(starts, s.beamLength);
    for (LoadCase c : kLoadCases) {
        if ((cases >> caseSlot(c) & 1u) == 0) continue;
        const ExactSolution& total = totals.byCase[caseSlot(c)];
        for (size_t k = 0; k < pieces.size(); ++k)
            addTerms(pieces[k], combination.factor(c), total.pieces[common[k]]);
    }
    std::array<double, 4> least{};  // each quantity's peak is at least this large
    std::vector<std::array<double, 4>> bounds;
    bounds.reserve(pieces.size());
    for (const ExactSolution::Piece& p : pieces) {
        bounds.push_back(magnitudeBounds(p));
        const std::array<double, 4> start = startMagnitudes(p);
        for (size_t q = 0; q < 4; ++q) least[q] = std::max(least[q], start[q]);
    }
    // The case totals' sums round differently from the components': a margin far above that.
    for (double& l : least) l *= 1 - 1e-7;

    const std::vector<double> weights = loadingWeights(s, combination, allPartsLoaded(s));
    ExactSolution candidates;
    candidates.stressFactor = s.stressFactor;
    for (size_t k = 0; k < pieces.size(); ++k) {
        bool could = false;
        for (size_t q = 0; q < 4; ++q) could = could || bounds[k][q] >= least[q];
        if (!could) continue;
        ExactSolution::Piece& piece = candidates.pieces.emplace_back();
        piece.x0 = pieces[k].x0;
        piece.x1 = pieces[k].x1;
        for (size_t i = 0; i < s.components.size(); ++i)
            if (weights[i] != 0.0) addTerms(piece, weights[i], s.components[i].onCommonPieces[common[k]]);
    }
    return exactPeaks(candidates);
}

}  // namespace spanrix::design
