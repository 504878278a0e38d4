#include "engine/moment_terms.h"

#include <type_traits>

#include "engine/load_access.h"

namespace spanrix::engine_detail {

namespace {

// One kind's Taylor coefficients, added about x = origin.
template <TermKind kind>
void addKind(Cubic& c, const MomentTerm& t, double origin)
{
    if constexpr (kind == TermKind::PointLoad) {  // P (a - x)
        const double d = origin - t.pos, P = t.p;
        c.c0 -= P * d;
        c.c1 -= P;
    } else if constexpr (kind == TermKind::DistLoadStart) {  // -w0 u^2/2 - k u^3/6, u = x - a
        const double d = origin - t.pos, w0 = t.p, k = t.q;
        c.c0 -= w0 * d * d / 2 + k * d * d * d / 6;
        c.c1 -= w0 * d + k * d * d / 2;
        c.c2 -= w0 / 2 + k * d / 2;
        c.c3 -= k / 6;
    } else if constexpr (kind == TermKind::DistLoadEnd) {
        // w0 v^2/2 + k (u v^2/2 - v^3/3), v = x - b, u = x - a
        const double e = origin - t.pos, d = origin - t.p, w0 = t.q, k = t.r;
        c.c0 += w0 * e * e / 2 + k * (d * e * e / 2 - e * e * e / 3);
        c.c1 += w0 * e + k * (d * e - e * e / 2);
        c.c2 += w0 / 2 + k * d / 2;
        c.c3 += k / 6;
    } else if constexpr (kind == TermKind::Couple) {  // -M from its own position on
        c.c0 -= t.p;
    } else {  // R (x - s)
        const double d = origin - t.pos, R = t.p;
        c.c0 += R * d;
        c.c1 += R;
    }
}

// Calls f with the term's kind as a compile-time constant.
template <typename F>
void withKind(TermKind kind, F&& f)
{
    switch (kind) {
    case TermKind::PointLoad: return f(std::integral_constant<TermKind, TermKind::PointLoad>{});
    case TermKind::DistLoadStart:
        return f(std::integral_constant<TermKind, TermKind::DistLoadStart>{});
    case TermKind::DistLoadEnd: return f(std::integral_constant<TermKind, TermKind::DistLoadEnd>{});
    case TermKind::Couple: return f(std::integral_constant<TermKind, TermKind::Couple>{});
    case TermKind::Support: return f(std::integral_constant<TermKind, TermKind::Support>{});
    }
}

}  // namespace

void addTerm(Cubic& c, const MomentTerm& t, double origin)
{
    withKind(t.kind, [&](auto kind) { addKind<kind()>(c, t, origin); });
}

void addTermToEach(Cubic* cubics, const double* origins, size_t count, const MomentTerm& t)
{
    withKind(t.kind, [&](auto kind) {
        for (size_t i = 0; i < count; ++i) addKind<kind()>(cubics[i], t, origins[i]);
    });
}

std::vector<MomentTerm> momentTerms(const BeamModel& model, const ReactionSolution& r)
{
    std::vector<MomentTerm> terms;
    terms.reserve(kMaxFeatures + kMaxDistLoads + 1);
    for (int i = 1; i <= pointLoadCount(model); ++i)
        if (model.pointLoadMag[i] != 0.0)
            terms.push_back({TermKind::PointLoad, model.pointLoadLoc[i], model.pointLoadMag[i], 0, 0});
    for (int j = 1; j <= distLoadCount(model); ++j) {
        if (!distLoadCarries(model, j)) continue;
        const DistLoad d = distLoad(model, j);
        terms.push_back({TermKind::DistLoadStart, d.a, d.w0, d.k, 0});
        terms.push_back({TermKind::DistLoadEnd, d.b, d.a, d.w0, d.k});
    }
    for (int i = 1; i <= momentCount(model); ++i)
        if (model.momentMag[i] != 0.0)
            terms.push_back({TermKind::Couple, model.momentLoc[i], model.momentMag[i], 0, 0});
    for (int k = 1; k <= r.activeSupportCount; ++k)
        terms.push_back({TermKind::Support, r.reactionPos[k], r.supportForce(k), 0, 0});
    // The left cantilever's fixing moment acts at every point, x = 0 included.
    if (r.cantileverCount > 0) terms.push_back({TermKind::Couple, 0.0, r.reactionVector[1], 0, 0});
    return terms;
}

}  // namespace spanrix::engine_detail
