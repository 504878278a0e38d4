#include "design/case_solutions.h"

#include <algorithm>
#include <cmath>

#include "engine/analysis.h"
#include "engine/load_access.h"

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

bool finite(const ReactionSolution& r)
{
    for (int i = 1; i <= r.unknownCount(); ++i)
        if (!std::isfinite(r.reactionVector[static_cast<size_t>(i)])) return false;
    return true;
}

std::optional<std::string> solveReactions(const BeamModel& m, ReactionSolution& r)
{
    collectSupports(m, r);
    assembleReactionSystem(m, r);
    if (!LU_decomp(r)) return std::string(kSingularMatrixMessage);
    luBackSubstitute(r);
    if (!finite(r)) return std::string(kValuesTooLargeMessage);
    return std::nullopt;
}

void addSamples(CaseSolutions& s, const CaseComponent& c)
{
    const auto points = static_cast<size_t>(s.grid.pointCount);
    const bool patterned = c.part != 0;
    for (Quantity q : kQuantities) {
        CaseSolutions::Samples& samples = s.samples[caseSlot(c.loadCase)][static_cast<size_t>(q)];
        for (std::vector<double>* v : {&samples.all, &samples.positive, &samples.negative})
            if (v->size() != points) v->assign(points, 0.0);
    }
    for (size_t i = 0; i < points; ++i) {
        const SectionValues v = exactValuesAt(c.exact, s.grid.x(static_cast<int>(i)));
        for (Quantity q : kQuantities) {
            CaseSolutions::Samples& samples =
                s.samples[caseSlot(c.loadCase)][static_cast<size_t>(q)];
            const double value = quantityOf(v, q);
            if (!patterned)
                samples.all[i] += value;
            else if (value > 0)
                samples.positive[i] += value;
            else
                samples.negative[i] += value;
        }
    }
}

}  // namespace

std::vector<BeamPart> beamParts(const BeamModel& m)
{
    std::vector<double> at;
    for (int k = 1; k <= slotCount(m, FeatureKind::Support); ++k)
        if (isLive(m, FeatureKind::Support, k)) at.push_back(m.supportLoc[k]);
    std::sort(at.begin(), at.end());
    at.erase(std::unique(at.begin(), at.end()), at.end());
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

double quantityOf(const SectionValues& v, Quantity q)
{
    switch (q) {
    case Quantity::Moment: return v.moment;
    case Quantity::Shear: return v.shear;
    case Quantity::Deflection: return v.deflection;
    }
    return 0;
}

CaseSolveOutcome solveCases(const BeamModel& model, double selfWeight)
{
    if (auto refusal = checkBeam(model)) return {nullptr, *refusal};
    auto s = std::make_shared<CaseSolutions>();
    s->grid = calculationGrid(model);
    if (s->grid.pointCount == 0) return {nullptr, std::string(kResolutionRangeMessage)};
    s->beamLength = model.beamLength;
    s->flexuralRigidity =
        static_cast<double>(model.momentOfInertia) * static_cast<double>(model.modulusE);
    s->stressFactor =
        static_cast<double>(model.fiberDistance) / static_cast<double>(model.momentOfInertia);
    s->parts = beamParts(model);
    s->present = casesPresent(model, selfWeight);
    collectSupports(model, s->supportLayout);

    auto solve = [&](const BeamModel& loads, LoadCase c, int part) -> std::optional<std::string> {
        if (!carriesLoad(loads)) return std::nullopt;
        CaseComponent component{c, part, {}, {}};
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
    // Every component's breakpoints, so each combined piece lies within one piece of each.
    std::vector<double> breaks{0.0, s.beamLength};
    for (size_t i = 0; i < s.components.size(); ++i)
        if (weights[i] != 0.0)
            for (const ExactSolution::Piece& p : s.components[i].exact.pieces) breaks.push_back(p.x0);
    std::sort(breaks.begin(), breaks.end());
    breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());

    ExactSolution out;
    out.stressFactor = s.stressFactor;
    out.pieces.resize(breaks.size() - 1);
    for (size_t k = 0; k + 1 < breaks.size(); ++k) {
        out.pieces[k].x0 = breaks[k];
        out.pieces[k].x1 = breaks[k + 1];
    }
    for (size_t i = 0; i < s.components.size(); ++i) {
        const double w = weights[i];
        if (w == 0.0) continue;
        const ExactSolution& e = s.components[i].exact;
        out.shearBeforeStart += w * e.shearBeforeStart;
        size_t at = 0;  // the component's piece holding the combined piece's start
        for (ExactSolution::Piece& piece : out.pieces) {
            while (at + 1 < e.pieces.size() && e.pieces[at + 1].x0 <= piece.x0) ++at;
            const ExactSolution::Piece& p = e.pieces[at];
            // The component's cubic re-expanded about the combined piece's start.
            const double h = piece.x0 - p.x0;
            const engine_detail::Cubic& m = p.moment;
            piece.moment.c0 += w * (m.c0 + h * (m.c1 + h * (m.c2 + h * m.c3)));
            piece.moment.c1 += w * (m.c1 + h * (2 * m.c2 + 3 * h * m.c3));
            piece.moment.c2 += w * (m.c2 + 3 * h * m.c3);
            piece.moment.c3 += w * m.c3;
            const SectionValues v = exactValuesAt(e, piece.x0);  // slope and deflection are continuous
            piece.slope0 += w * v.slope;
            piece.deflection0 += w * v.deflection;
        }
    }
    return out;
}

}  // namespace spanrix::design
