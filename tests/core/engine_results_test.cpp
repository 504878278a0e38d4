// Moment, stress, slope and deflection against textbook results, and the piecewise moment
// against the direct closed-form sums on random beams at full capacity.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "engine/analysis.h"
#include "engine_beams.h"

namespace spanrix {
namespace {

using namespace test_beams;

struct Solved {
    ReactionSolution reactions;
    std::unique_ptr<ResultSet> results = std::make_unique<ResultSet>();
};

Solved run(const BeamModel& m)
{
    Solved out;
    const auto failure = runCalculations(m, out.reactions, *out.results, [] { return false; });
    EXPECT_FALSE(failure) << *failure;
    return out;
}

// Value at x, where x lies on the calculation grid.
double at(const std::vector<double>& slots, const BeamModel& m, double x)
{
    return slots[static_cast<size_t>(std::lround(x / m.beamLength * m.resolution)) + 1];
}

void expectRelative(double actual, double expected, double relative)
{
    EXPECT_NEAR(actual, expected, std::abs(expected) * relative);
}

TEST(BeamResults, SimplySupportedCentralLoad)
{
    const double P = 1000, L = 120;
    BeamModel m = emptyBeam(L);
    addSupport(m, 0);
    addSupport(m, L);
    addPointLoad(m, P, L / 2);
    const Solved r = run(m);
    const ResultSet& res = *r.results;
    EXPECT_EQ(res.pointCount, 10001);
    EXPECT_NEAR(res.peakMoment, P * L / 4, 1e-9);
    EXPECT_DOUBLE_EQ(res.peakMomentLoc, L / 2);
    EXPECT_NEAR(at(res.momentAt, m, 30), P * 30 / 2, 1e-9);
    EXPECT_NEAR(res.momentAt[10001], 0, 1e-9);
    EXPECT_NEAR(res.peakStress, P * L / 4 * 5 / 100, 1e-9);
    expectRelative(res.peakDeflection, P * L * L * L / 48, 1e-6);
    EXPECT_NEAR(res.peakDeflectionLoc, L / 2, 1e-9);
    EXPECT_LT(std::abs(res.deflectionAt[10001]), 1.0);  // the shooting tolerance
    EXPECT_NEAR(res.slopeAt[1], -res.slopeAt[10001], 1e-6 * std::abs(res.slopeAt[1]));
    expectRelative(res.slopeAt[10001], P * L * L / 16, 1e-6);
}

TEST(BeamResults, UniformLoadInBothUnitSystems)
{
    for (const bool metric : {false, true}) {
        const double w = metric ? 10000 : 100, L = metric ? 6 : 240;
        BeamModel m = emptyBeam(L, metric);
        addSupport(m, L);
        addSupport(m, 0);  // second support left of the first: still integrated left to right
        addDistLoad(m, 0, L, w, w);
        const Solved r = run(m);
        const ResultSet& res = *r.results;
        for (int i = 0; i <= 10000; i += 37) {
            const double x = i * (L / 10000);
            EXPECT_NEAR(res.momentAt[i + 1], w * x * (L - x) / 2, 1e-10 * w * L * L / 8);
        }
        expectRelative(res.peakMoment, w * L * L / 8, 1e-12);
        expectRelative(res.peakDeflection, 5 * w * std::pow(L, 4) / 384, 1e-6);
        expectRelative(res.peakStress, w * L * L / 8 * m.fiberDistance / m.momentOfInertia, 1e-6);
    }
}

TEST(BeamResults, CantileverWithTipLoad)
{
    const double P = 1000, L = 120;
    BeamModel m = emptyBeam(L);
    addSupport(m, 0, true);
    addPointLoad(m, P, L);
    const Solved r = run(m);
    const ResultSet& res = *r.results;
    EXPECT_NEAR(res.momentAt[1], -P * L, 1e-6);
    EXPECT_NEAR(res.momentAt[10001], 0, 1e-6);
    EXPECT_EQ(res.slopeAt[1], 0);
    EXPECT_EQ(res.deflectionAt[1], 0);
    for (int j = 2; j <= 10001; ++j) ASSERT_GT(res.deflectionAt[j], res.deflectionAt[j - 1]);
    expectRelative(res.deflectionAt[10001], P * L * L * L / 3, 1e-6);
    expectRelative(res.peakDeflection, P * L * L * L / 3, 1e-6);
    EXPECT_DOUBLE_EQ(res.peakDeflectionLoc, L);
    expectRelative(res.peakSlope, -P * L * L / 2, 1e-6);
}

TEST(BeamResults, FixedFixedCentralLoad)
{
    const double P = 1000, L = 120;
    BeamModel m = emptyBeam(L);
    addSupport(m, 0, true);
    addSupport(m, L, true);
    addPointLoad(m, P, L / 2);
    const Solved r = run(m);
    const ResultSet& res = *r.results;
    EXPECT_NEAR(res.momentAt[1], -P * L / 8, 1e-9);
    EXPECT_NEAR(at(res.momentAt, m, L / 2), P * L / 8, 1e-9);
    expectRelative(std::abs(res.peakMoment), P * L / 8, 1e-12);
    expectRelative(res.peakDeflection, P * L * L * L / 192, 1e-6);
    EXPECT_NEAR(res.peakDeflectionLoc, L / 2, 1e-9);
    EXPECT_NEAR(res.deflectionAt[10001], 0, 1e-6 * P * L * L * L / 192);
    EXPECT_NEAR(res.slopeAt[10001], 0, 1e-6 * P * L * L);
}

TEST(BeamResults, AppliedMomentTriangularLoadAndOverhangs)
{
    const double L = 120;
    // A moment M at L/4 on a simple span: the point at x = m already includes -M.
    BeamModel couple = emptyBeam(L);
    addSupport(couple, 0);
    addSupport(couple, L);
    addMoment(couple, 6000, L / 4);
    Solved r = run(couple);
    EXPECT_NEAR(r.reactions.supportForce(1), 50, 1e-9);
    EXPECT_NEAR(at(r.results->momentAt, couple, L / 4), 50 * L / 4 - 6000, 1e-9);
    EXPECT_NEAR(r.results->peakMoment, -4500, 1e-9);

    // Load rising from 0 to w: R = wL/6 and wL/3, Mmax = wL^2 / (9 sqrt 3) at L / sqrt 3.
    BeamModel triangle = emptyBeam(L);
    addSupport(triangle, 0);
    addSupport(triangle, L);
    addDistLoad(triangle, 0, L, 0, 30);
    r = run(triangle);
    EXPECT_NEAR(r.reactions.supportForce(1), 30 * L / 6, 1e-9);
    EXPECT_NEAR(r.reactions.supportForce(2), 30 * L / 3, 1e-9);
    const double peak = 30 * L * L / (9 * std::sqrt(3.0));
    expectRelative(r.results->peakMoment, peak, 1e-7);  // the nearest point to it
    EXPECT_NEAR(r.results->peakMomentLoc, L / std::sqrt(3.0), L / 10000);

    // Supports at L/4 and 3L/4, P at both ends: tip deflection PL^3/48 down, mid-span
    // PL^3/128 up, both overhangs integrated outward after the shooting.
    BeamModel overhang = emptyBeam(L);
    addSupport(overhang, L / 4);
    addSupport(overhang, 3 * L / 4);
    addPointLoad(overhang, 1000, 0);
    addPointLoad(overhang, 1000, L);
    r = run(overhang);
    const double tip = 1000 * L * L * L / 48;
    expectRelative(r.results->deflectionAt[1], tip, 1e-6);
    expectRelative(r.results->deflectionAt[10001], tip, 1e-6);
    expectRelative(at(r.results->deflectionAt, overhang, L / 2), -1000 * L * L * L / 128, 1e-6);
    expectRelative(r.results->peakDeflection, tip, 1e-6);
}

TEST(BeamResults, SupportsOffTheGridConverge)
{
    const double L = 100, w = 50, a = 12.345678, b = 87.654321;
    BeamModel m = emptyBeam(L);
    addSupport(m, a);
    addSupport(m, b);
    addDistLoad(m, a, b, w, w);
    const Solved r = run(m);
    // Uniform load on the span between the supports: 5wl^4/384 at its middle. Deflection
    // is held at zero on the calculation points nearest the supports, so the curve may be
    // off by the end slope wl^3/24 times half a point spacing.
    const double l = b - a;
    const double exact = 5 * w * std::pow(l, 4) / 384;
    const ResultSet& res = *r.results;
    EXPECT_NEAR(res.peakDeflection, exact, w * std::pow(l, 3) / 24 * (L / 10000) / 2);
    EXPECT_NEAR(res.peakDeflectionLoc, L / 2, 2 * L / 10000);
    // Left overhang unloaded: a straight line continuing the slope at the support.
    EXPECT_LT(res.deflectionAt[1], 0);
}

TEST(BeamResults, PiecewiseMomentEqualsDirectSumsOnFullBeams)
{
    // Seeds give two cantilevers; the variants drop one or both of them.
    for (unsigned seed : {1u, 2u, 3u}) {
        for (int variant = 0; variant < 3; ++variant) {
            BeamModel m = fullCapacityBeam(seed, seed == 2 ? 99999.0f : 200000.0f);
            if (variant >= 1) m.supportType[kMaxSupports] = "simp";  // the right end
            if (variant == 2) m.supportType[1] = "simp";
            const double dx = m.beamLength / m.resolution;
            if (seed == 3) {  // every load exactly on a calculation point
                auto snap = [dx](MaybeNumber& at) { at = std::round(at / dx) * dx; };
                for (int k = 1; k <= kMaxPointLoads; ++k) snap(m.pointLoadLoc[k]);
                for (int k = 1; k <= kMaxMoments; ++k) snap(m.momentLoc[k]);
                for (int k = 1; k <= kMaxDistLoads; ++k) {
                    snap(m.distLoadStart[k]);
                    snap(m.distLoadEnd[k]);
                }
            }
            const Solved r = run(m);
            const ResultSet& res = *r.results;
            const double momentBound = 1e-10 * std::abs(res.peakMoment);
            const double stressBound = 1e-10 * res.peakStress;
            const double c = m.fiberDistance, I = m.momentOfInertia;
            int bad = 0;
            for (int i = 0; i < res.pointCount; ++i) {
                const double direct = momentByDirectSum(m, r.reactions, i * dx);
                bad += std::abs(res.momentAt[i + 1] - direct) > momentBound;
                bad += std::abs(res.stressAt[i + 1] - c * direct / I) > stressBound;
            }
            EXPECT_EQ(bad, 0) << "seed " << seed << " variant " << variant;
            EXPECT_EQ(res.pointCount, static_cast<int>(m.resolution) + 1);
        }
    }
}

}  // namespace
}  // namespace spanrix
