// Shear force against textbook results, and against the moment it is the derivative of.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "engine/analysis.h"
#include "engine_beams.h"

namespace spanrix {
namespace {

using namespace test_beams;

// Runs m into results sized for exactly `slots` slots (the run grows them when needed).
std::unique_ptr<ResultSet> run(const BeamModel& m, int slots = kResultSlots)
{
    auto results = std::make_unique<ResultSet>(slots);
    ReactionSolution reactions;
    const auto failure = runCalculations(m, reactions, *results, [] { return false; });
    EXPECT_FALSE(failure) << *failure;
    return results;
}

// V at point i must be expected(x) for every point but the first, where the support at
// x = 0 does not act yet (as for the moment).
template <typename Expected>
void expectShear(const ResultSet& r, const BeamModel& m, Expected expected, double tolerance)
{
    const double dx = m.beamLength / m.resolution;
    EXPECT_EQ(r.shearAt[1], 0.0);
    int bad = 0;
    for (int i = 1; i < r.pointCount; ++i)
        bad += std::abs(r.shearAt[static_cast<size_t>(i) + 1] - expected(i * dx)) > tolerance;
    EXPECT_EQ(bad, 0);
}

TEST(ShearForce, ClosedForms)
{
    const double P = 1000, w = 50, L = 120;
    {  // Simple span, central load: +P/2 up to and at the load, -P/2 beyond.
        BeamModel m = emptyBeam(L);
        addSupport(m, 0);
        addSupport(m, L);
        addPointLoad(m, P, L / 2);
        m.resolution = 100;
        const auto r = run(m, 11);  // smaller than the run: grown, not overrun
        expectShear(*r, m, [&](double x) { return x <= L / 2 ? P / 2 : -P / 2; }, 1e-9);
        EXPECT_EQ(r->peakShear, P / 2);  // the leftmost of equal magnitudes
        EXPECT_DOUBLE_EQ(r->peakShearLoc, L / 100);
        EXPECT_EQ(r->momentAt.size(), 102u);
    }
    {  // Uniform load on a simple span: wL/2 falling linearly to -wL/2.
        BeamModel m = emptyBeam(L);
        addSupport(m, 0);
        addSupport(m, L);
        addDistLoad(m, 0, L, w, w);
        const auto r = run(m);
        expectShear(*r, m, [&](double x) { return w * L / 2 - w * x; }, 1e-9 * w * L);
        EXPECT_NEAR(r->shearAt[10001], -w * L / 2, 1e-9 * w * L);
    }
    {  // Cantilever with a tip load: P all along; the load at the tip never enters.
        BeamModel m = emptyBeam(L);
        addSupport(m, 0, true);
        addPointLoad(m, P, L);
        const auto r = run(m);
        expectShear(*r, m, [&](double) { return P; }, 1e-9);
    }
    {  // Propped cantilever, uniform load: 5wL/8 at the fixed end, -3wL/8 at the prop.
        BeamModel m = emptyBeam(L);
        addSupport(m, 0, true);
        addSupport(m, L);
        addDistLoad(m, 0, L, w, w);
        m.resolution = 1000;
        const auto r = run(m);
        expectShear(*r, m, [&](double x) { return 5 * w * L / 8 - w * x; }, 1e-9 * w * L);
        EXPECT_NEAR(r->shearAt[1001], -3 * w * L / 8, 1e-9 * w * L);
        EXPECT_NEAR(r->peakShear, 5 * w * L / 8 - w * L / 1000, 1e-9 * w * L);
    }
    {  // Applied moments change the reactions only: a couple at midspan on a simple span.
        BeamModel m = emptyBeam(L);
        addSupport(m, 0);
        addSupport(m, L);
        addMoment(m, P * L, L / 3);
        const auto r = run(m);
        expectShear(*r, m, [&](double) { return P; }, 1e-9);
    }
}

// Between calculation points where no term starts to act, M is one cubic and V its
// derivative, so the difference quotient of M equals the mean of V at the two ends to
// within dx^2/12 times |V''| (the sum of the load slopes) and the rounding of M.
TEST(ShearForce, IsTheDerivativeOfTheMomentOnFullBeams)
{
    for (unsigned seed : {4u, 5u}) {
        const BeamModel m = fullCapacityBeam(seed, 20000.0f);
        const auto r = run(m);
        const double dx = m.beamLength / m.resolution;
        double curvature = 0;
        std::vector<double> starts;
        for (int k = 1; k <= kMaxDistLoads; ++k) {
            curvature += std::abs((m.distLoadEndMag[k] - m.distLoadStartMag[k]) /
                                  (m.distLoadEnd[k] - m.distLoadStart[k]));
            starts.push_back(m.distLoadStart[k]);
            starts.push_back(m.distLoadEnd[k]);
        }
        for (int k = 1; k <= kMaxPointLoads; ++k) starts.push_back(m.pointLoadLoc[k]);
        for (int k = 1; k <= kMaxMoments; ++k) starts.push_back(m.momentLoc[k]);
        for (int k = 1; k <= kMaxSupports; ++k) starts.push_back(m.supportLoc[k]);
        const double bound = dx * dx / 12 * curvature + 1e-12 * std::abs(r->peakMoment) / dx;

        int checked = 0, bad = 0;
        for (int i = 0; i + 1 < r->pointCount; ++i) {
            const double x0 = i * dx, x1 = (i + 1) * dx;
            bool switches = false;
            for (double s : starts) switches = switches || (s >= x0 - dx && s <= x1 + dx);
            if (switches) continue;
            const auto j = static_cast<size_t>(i) + 1;
            const double quotient = (r->momentAt[j + 1] - r->momentAt[j]) / dx;
            bad += std::abs(quotient - (r->shearAt[j] + r->shearAt[j + 1]) / 2) > bound;
            ++checked;
        }
        EXPECT_GT(checked, r->pointCount / 2);
        EXPECT_EQ(bad, 0) << "seed " << seed;
    }
}

}  // namespace
}  // namespace spanrix
