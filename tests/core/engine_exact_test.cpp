// The exact elastic curve against textbook closed forms, at a coarse and a fine grid: the
// exact answers must not depend on the resolution.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/analysis.h"
#include "engine/exact.h"
#include "engine_beams.h"

namespace spanrix {
namespace {

using namespace test_beams;

constexpr double kRelative = 1e-9;

struct Solved {
    ReactionSolution reactions;
    ResultSet grid{0};
    ExactSolution exact;
    PeakValues peaks;
    double ei = 0;
};

Solved solve(BeamModel m, float resolution)
{
    m.resolution = resolution;
    Solved s;
    const auto failure = runCalculations(m, s.reactions, s.grid, [] { return false; });
    EXPECT_FALSE(failure) << *failure;
    s.exact = exactSolution(m, s.reactions);
    s.peaks = exactPeaks(s.exact);
    s.ei = static_cast<double>(m.momentOfInertia) * static_cast<double>(m.modulusE);
    return s;
}

void expectRelative(double actual, double expected, const char* what)
{
    EXPECT_NEAR(actual, expected, kRelative * std::abs(expected)) << what;
}

// The exact peak holds the closed form, at its place.
void expectPeak(const Peak& exact, double value, double x, double length, const char* what)
{
    expectRelative(exact.value, value, what);
    EXPECT_NEAR(exact.x, x, kRelative * length) << what;
}

BeamModel simpleSpan(double length)
{
    BeamModel m = emptyBeam(length);
    addSupport(m, 0);
    addSupport(m, length);
    return m;
}

class ExactCurve : public ::testing::TestWithParam<float> {};

INSTANTIATE_TEST_SUITE_P(CoarseAndFine, ExactCurve, ::testing::Values(10.0f, 10000.0f));

TEST_P(ExactCurve, SimpleSpanWithAPointLoadOffTheGrid)
{
    const double L = 240, P = 1000, a = 150.3, b = L - a;
    BeamModel m = simpleSpan(L);
    addPointLoad(m, P, a);
    const Solved s = solve(m, GetParam());

    expectPeak(s.peaks.moment, P * a * b / L, a, L, "moment");
    expectPeak(s.peaks.stress, 5.0 / 100.0 * P * a * b / L, a, L, "stress");
    // The longer segment carries the larger shear, from the load to the right support.
    expectPeak(s.peaks.shear, -P * a / L, a, L, "shear");
    const double xMax = std::sqrt((L * L - b * b) / 3);
    expectPeak(s.peaks.deflection,
               P * b * std::pow(L * L - b * b, 1.5) / (9 * std::sqrt(3.0) * L), xMax, L,
               "deflection");
    // The end nearer the load turns more.
    expectPeak(s.peaks.slope, P * a * (L * L - a * a) / (6 * L), L, L, "slope");

    // At the load the shear is the value just left of it, as on the grid.
    const SectionValues atLoad = exactValuesAt(s.exact, a);
    expectRelative(atLoad.shear, P * b / L, "shear at the load");
    expectRelative(atLoad.moment, P * a * b / L, "moment at the load");
    EXPECT_EQ(exactValuesAt(s.exact, 0).shear, 0.0);
    EXPECT_NEAR(exactValuesAt(s.exact, L).deflection, 0.0, 1e-12 * s.peaks.deflection.value);
}

TEST_P(ExactCurve, UniformLoadOnASimpleSpan)
{
    const double L = 250, w = 12.5;
    BeamModel m = simpleSpan(L);
    addDistLoad(m, 0, L, w, w);
    const Solved s = solve(m, GetParam());

    expectPeak(s.peaks.moment, w * L * L / 8, L / 2, L, "moment");
    expectPeak(s.peaks.deflection, 5 * w * std::pow(L, 4) / 384, L / 2, L, "deflection");
    // Shear and slope peak equally at both ends; rounding picks the end.
    expectRelative(std::abs(s.peaks.shear.value), w * L / 2, "shear next to a support");
    expectRelative(std::abs(s.peaks.slope.value), w * std::pow(L, 3) / 24, "slope at an end");
    EXPECT_TRUE(s.peaks.slope.x == 0 || s.peaks.slope.x == L);
    const double x = L / 4;
    expectRelative(exactValuesAt(s.exact, x).deflection,
                   w * x * (std::pow(L, 3) - 2 * L * x * x + std::pow(x, 3)) / 24,
                   "deflection at a quarter");
    // Stress and the shown deflection follow from the same values the grid divides.
    expectRelative(s.peaks.deflection.value / s.ei, 5 * w * std::pow(L, 4) / (384 * s.ei),
                   "deflection in inches");
}

TEST_P(ExactCurve, ProppedCantileverUnderUniformLoad)
{
    const double L = 300, w = 4;
    const Solved s = solve(proppedCantilever(L, w), GetParam());

    const double x = (15 - std::sqrt(33.0)) / 16 * L;
    const double deflection = w * x * x * (3 * L * L - 5 * L * x + 2 * x * x) / 48;
    expectPeak(s.peaks.deflection, deflection, x, L, "deflection");
    EXPECT_NEAR(deflection / (w * std::pow(L, 4)), 1.0 / 185, 0.01 / 185);
    expectPeak(s.peaks.moment, -w * L * L / 8, 0, L, "fixing moment");
    expectRelative(exactValuesAt(s.exact, 5 * L / 8).moment, 9 * w * L * L / 128, "span moment");
    EXPECT_EQ(exactValuesAt(s.exact, 0).slope, 0.0);
    EXPECT_EQ(exactValuesAt(s.exact, 0).deflection, 0.0);
}

TEST_P(ExactCurve, SimpleSpanWithAnAppliedMoment)
{
    const double L = 240, M0 = 50000, a = 100.3, b = L - a;
    BeamModel m = simpleSpan(L);
    addMoment(m, M0, a);
    const Solved s = solve(m, GetParam());

    // The moment jumps by M0 at the couple; the larger side is the one right of it.
    expectPeak(s.peaks.moment, -M0 * b / L, a, L, "moment");
    expectRelative(exactValuesAt(s.exact, a).moment, -M0 * b / L, "moment at the couple");
    expectRelative(exactValuesAt(s.exact, a - 1e-9).moment, M0 * a / L, "moment left of it");
    // Mirrored about the midspan, the curve right of the couple is that of a couple at b.
    const double xr = std::sqrt((L * L - 3 * a * a) / 3);
    const double deflection = std::abs(M0 * xr * (xr * xr + 3 * a * a - L * L) / (6 * L));
    expectPeak({std::abs(s.peaks.deflection.value), s.peaks.deflection.x}, deflection, L - xr, L,
               "deflection");
    EXPECT_GT(s.peaks.deflection.value * s.grid.peakDeflection, 0.0) << "same sign as the grid";
}

TEST_P(ExactCurve, ContinuousBeamWithSupportsBetweenThePoints)
{
    const double L1 = 130.7, L2 = 109.3, L = L1 + L2, w = 10;
    BeamModel m = emptyBeam(L);
    addSupport(m, 0);
    addSupport(m, L1);
    addSupport(m, L);
    addDistLoad(m, 0, L, w, w);
    const Solved s = solve(m, GetParam());

    // Three moments: the hogging moment over the middle support.
    const double middle = -w * (std::pow(L1, 3) + std::pow(L2, 3)) / (8 * L);
    expectPeak(s.peaks.moment, middle, L1, L, "support moment");
    for (double at : {0.0, L1, L})
        EXPECT_NEAR(exactValuesAt(s.exact, at).deflection, 0.0,
                    1e-12 * std::abs(s.peaks.deflection.value))
            << "support at " << at;
}

TEST(ExactCurve, DeflectionVanishesAtEverySupportOfAFullBeam)
{
    for (unsigned seed : {1u, 2u, 3u}) {
        BeamModel m = fullCapacityBeam(seed, 1000.0f);
        const Solved s = solve(m, 1000.0f);
        const double largest = std::abs(s.peaks.deflection.value);
        ASSERT_GT(largest, 0.0);
        for (int k = 1; k <= s.reactions.activeSupportCount; ++k) {
            const double at = s.reactions.reactionPos[static_cast<size_t>(k)];
            EXPECT_NEAR(exactValuesAt(s.exact, at).deflection, 0.0, 1e-9 * largest)
                << "seed " << seed << ", support at " << at;
        }
        // The second cantilever, at the right end, holds the beam level too.
        EXPECT_NEAR(exactValuesAt(s.exact, m.beamLength).slope, 0.0,
                    1e-9 * std::abs(s.peaks.slope.value));
        // The grid's moments are exact at its points: none lies beyond the true peak.
        for (int slot = 1; slot <= s.grid.pointCount; ++slot)
            EXPECT_LE(std::abs(s.grid.momentAt[static_cast<size_t>(slot)]),
                      std::abs(s.peaks.moment.value) * (1 + 1e-12));
    }
}

TEST(ExactCurve, BeamWithoutLoadsIsStraight)
{
    BeamModel m = emptyBeam(120);
    addSupport(m, 0, true);
    const Solved s = solve(m, 10.0f);
    EXPECT_EQ(s.peaks.moment.value, 0.0);
    EXPECT_EQ(s.peaks.deflection.value, 0.0);
    EXPECT_EQ(exactValuesAt(s.exact, 200).deflection, 0.0) << "kept within the beam";
}

}  // namespace
}  // namespace spanrix
