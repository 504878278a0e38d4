// The calculation run: its checks, failures that abandon it, the peaks every run starts
// from, the shooting question, and the resolution prompt.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "engine/analysis.h"
#include "engine/peak_scan.h"
#include "engine_beams.h"

namespace spanrix {
namespace {

using namespace test_beams;

std::optional<std::string> check(const BeamModel& m) { return checkBeam(m); }

TEST(RunChecks, RefusalsInOrderWhateverTheOrderOfSupports)
{
    BeamModel m = emptyBeam(100);
    for (float BeamModel::*property : {&BeamModel::modulusE, &BeamModel::momentOfInertia,
                                       &BeamModel::fiberDistance}) {
        // Not entered, or no section a beam can have (I = -100 bent the beam upward).
        for (float bad : {0.0f, -100.0f, std::numeric_limits<float>::quiet_NaN()}) {
            BeamModel missing = m;
            missing.*property = bad;
            EXPECT_EQ(check(missing), "Enter beam properties before calculating deflection.");
        }
    }
    EXPECT_EQ(check(m), "Add support to beam before calculating reactions.");

    BeamModel one = m;
    addSupport(one, 50);
    EXPECT_EQ(check(one), "Beam is unstable.  Add more support.");
    BeamModel removed = one;
    addSupport(removed, 100);
    removed.supportLoc[2] = -1;
    EXPECT_EQ(check(removed), "Beam is unstable.  Add more support.");

    // A simple support added before the left cantilever is a stable propped cantilever.
    BeamModel propped = one;
    addSupport(propped, 0, true);
    EXPECT_EQ(check(propped), std::nullopt);
    BeamModel cantOnly = m;
    addSupport(cantOnly, 0, true);
    EXPECT_EQ(check(cantOnly), std::nullopt);

    BeamModel rightOnly = one;
    addSupport(rightOnly, 100, true);
    EXPECT_EQ(check(rightOnly), "First cantilever support must be placed at left end of beam.");

    BeamModel many = m;  // more simple supports than any fixed list would hold
    for (int i = 0; i < kMaxSupports; ++i) addSupport(many, i * 5.0);
    EXPECT_EQ(check(many), std::nullopt);
}

TEST(Run, ProppedCantileverGivesTheSameResultsInEitherOrder)
{
    auto beam = [](bool cantileverFirst) {
        BeamModel m = emptyBeam(120);
        if (cantileverFirst) addSupport(m, 0, true);
        addSupport(m, 120);
        if (!cantileverFirst) addSupport(m, 0, true);
        addDistLoad(m, 0, 120, 10, 10);
        return m;
    };
    auto results = std::make_unique<ResultSet>();
    ReactionSolution a, b;
    ASSERT_FALSE(runCalculations(beam(true), a, *results, {}));
    const double peak = results->peakDeflection;
    ASSERT_FALSE(runCalculations(beam(false), b, *results, {}));
    EXPECT_EQ(a.reactionVector, b.reactionVector);
    EXPECT_EQ(results->peakDeflection, peak);
}

TEST(Run, OneValueHoldsTheWholeRunOrTheRefusal)
{
    BeamModel m = emptyBeam(120);
    m.resolution = 5;
    // The run's checks come first; a repeat refuses the grid before anything else.
    EXPECT_EQ(analyseBeam(m, {}).refusal, "Add support to beam before calculating reactions.");
    const AnalysisOutcome repeat = analyseBeam(m, {}, RunChecks::RepeatOnly);
    EXPECT_FALSE(repeat);
    EXPECT_EQ(repeat.refusal, "Choose value between 10 and 200,000.");

    m.resolution = 1000;
    addSupport(m, 0, true);
    addSupport(m, 80);
    addDistLoad(m, 0, 120, 10, 30);
    addPointLoad(m, 500, 100);
    const AnalysisOutcome outcome = analyseBeam(m, {});
    ASSERT_TRUE(outcome) << outcome.refusal;
    EXPECT_EQ(outcome.refusal, "");
    const Analysis& a = *outcome.analysis;
    EXPECT_EQ(a.grid.pointCount, 1001);
    EXPECT_EQ(a.results.pointCount, 1001);
    EXPECT_EQ(a.results.momentAt.size(), 1002u);  // sized to the run, slot 0 unused

    // The same numbers the separate steps give.
    auto results = std::make_unique<ResultSet>();
    ReactionSolution r;
    ASSERT_FALSE(runCalculations(m, r, *results, {}));
    EXPECT_EQ(a.reactions.reactionVector, r.reactionVector);
    for (size_t j = 1; j <= 1001; ++j) {
        ASSERT_EQ(a.results.momentAt[j], results->momentAt[j]) << j;
        ASSERT_EQ(a.results.deflectionAt[j], results->deflectionAt[j]) << j;
    }
    EXPECT_EQ(a.results.peakDeflection, results->peakDeflection);
    EXPECT_EQ(exactPeaks(a.exact()).moment.value, exactPeaks(exactSolution(m, r)).moment.value);
}

TEST(Run, FailuresAbandonTheRunAndLeaveResultsAlone)
{
    auto results = std::make_unique<ResultSet>();
    results->momentAt[1] = 42;
    ReactionSolution r;

    BeamModel twin = emptyBeam(100);  // two supports at one position: no dialog allows it
    addSupport(twin, 50);
    addSupport(twin, 50);
    addPointLoad(twin, 100, 20);
    EXPECT_EQ(runCalculations(twin, r, *results, {}), "Singular matrix in routine LU_decomp.");

    // A file can hold any resolution: below 10 every peak is lost, and a fraction leaves
    // the right end off the grid. Change Resolution then sets one the run takes.
    BeamModel ok = emptyBeam(100);
    addSupport(ok, 0);
    addSupport(ok, 100);
    addPointLoad(ok, 100, 50);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (float resolution : {0.0f, -10.0f, 0.5f, 1.0f, 9.0f, 10.5f, 200001.0f, nan}) {
        ok.resolution = resolution;
        EXPECT_EQ(runCalculations(ok, r, *results, {}), "Choose value between 10 and 200,000.")
            << resolution;
    }
    EXPECT_EQ(results->momentAt[1], 42);
    ok.resolution = 10.0f;
    ASSERT_FALSE(runCalculations(ok, r, *results, {}));
    EXPECT_EQ(results->pointCount, 11);
}

TEST(Run, ValuesBeyondTheRangeOfNumbersAreRefused)
{
    auto results = std::make_unique<ResultSet>();
    ReactionSolution r;
    BeamModel sums = emptyBeam(120);  // each load a number, their sum not
    addSupport(sums, 0);
    addSupport(sums, 120);
    addPointLoad(sums, 1e308, 30);
    addPointLoad(sums, 1e308, 90);
    EXPECT_EQ(runCalculations(sums, r, *results, {}), "The beam's values are too large to analyse.");

    BeamModel slopes = emptyBeam(120);  // reactions and moments numbers, slopes not
    addSupport(slopes, 0);
    addSupport(slopes, 120);
    addPointLoad(slopes, 1e306, 60);
    EXPECT_EQ(runCalculations(slopes, r, *results, {}), "The beam's values are too large to analyse.");

    // Finite results whose deflection divided by E*I is not.
    BeamModel soft = emptyBeam(120);
    soft.modulusE = 1e-30f;
    soft.momentOfInertia = 1e-30f;
    addSupport(soft, 0);
    addSupport(soft, 120);
    addPointLoad(soft, 1e250, 60);
    EXPECT_EQ(runCalculations(soft, r, *results, {}), "The beam's values are too large to analyse.");
}

TEST(Run, PeaksStartAtZeroEveryRunAndLeftmostWins)
{
    auto results = std::make_unique<ResultSet>();
    ReactionSolution r;
    BeamModel loaded = emptyBeam(120);
    addSupport(loaded, 0);
    addSupport(loaded, 120);
    addPointLoad(loaded, 1000, 90);
    ASSERT_FALSE(runCalculations(loaded, r, *results, {}));
    EXPECT_GT(results->peakMomentLoc, 0);

    loaded.pointLoadMag[1] = 0;  // removed: nothing left on the beam
    ASSERT_FALSE(runCalculations(loaded, r, *results, {}));
    for (double v : {results->peakMoment, results->peakMomentLoc, results->peakStress,
                     results->peakStressLoc, results->peakSlope, results->peakSlopeLoc,
                     results->peakDeflection, results->peakDeflectionLoc})
        EXPECT_EQ(v, 0);

    // A moment at the free end of a cantilever: the moment is the same all along, so the
    // leftmost point holds the peak.
    BeamModel cant = emptyBeam(120);
    addSupport(cant, 0, true);
    addMoment(cant, 5000, 120);
    ASSERT_FALSE(runCalculations(cant, r, *results, {}));
    EXPECT_EQ(std::abs(results->momentAt[5000]), std::abs(results->momentAt[1]));
    EXPECT_EQ(results->peakMomentLoc, 0);
    EXPECT_EQ(results->peakStressLoc, 0);
    EXPECT_EQ(results->peakDeflectionLoc, 120);

    // The slope at the first support, where the shooting starts, is a point like any
    // other: with the load nearer the left end the largest slope is there.
    loaded.pointLoadMag[1] = 1000;
    loaded.pointLoadLoc[1] = 30;
    ASSERT_FALSE(runCalculations(loaded, r, *results, {}));
    EXPECT_EQ(results->peakSlopeLoc, 0);
    EXPECT_EQ(results->peakSlope, results->slopeAt[1]);
}

// The scans look at many values at a time; whatever the lengths and wherever the largest
// magnitude lies, they find what a plain loop finds, passing over NaN.
TEST(Run, PeakScansFindTheFirstLargestMagnitudeOfAnyStretch)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (int length : {1, 7, 8, 15, 16, 17, 40}) {
        for (int at = 1; at <= length; ++at) {
            for (double peak : {-3.0, 3.0, -inf}) {
                std::vector<double> values(static_cast<size_t>(length) + 1, -1.0);
                values[0] = 99;  // before the stretch
                values[static_cast<size_t>(length)] = std::abs(peak);  // as large, met later
                values[static_cast<size_t>(at)] = peak;
                if (at > 1) values[static_cast<size_t>(at) - 1] = nan;
                engine_detail::PeakScan up;
                up.scanUp(values.data(), 1, length + 1);
                EXPECT_EQ(up.magnitude, std::abs(peak)) << length << " " << at;
                EXPECT_EQ(up.index, at) << length << " " << at;
            }
        }
    }
}

// A beam with a fixed end is sampled and integrated a stretch at a time; the numbers are
// those of the two steps taken one after the other.
TEST(Run, FixedEndRunInOnePassEqualsTheSeparateSteps)
{
    const BeamModel m = fullCapacityBeam(4, 12345.0f);
    const AnalysisOutcome outcome = analyseBeam(m, {});
    ASSERT_TRUE(outcome) << outcome.refusal;
    const Analysis& a = *outcome.analysis;
    ASSERT_GT(a.reactions.cantileverCount, 0);

    auto steps = std::make_unique<ResultSet>(a.grid.pointCount);
    ASSERT_TRUE(sampleResults(a.grid, m, a.reactions, *steps));
    integrateFromFixedEnd(a.grid, a.reactions.reactionPos[1], *steps);
    for (auto values : {&ResultSet::momentAt, &ResultSet::shearAt, &ResultSet::stressAt,
                        &ResultSet::slopeAt, &ResultSet::deflectionAt})
        for (int slot = 1; slot <= a.grid.pointCount; ++slot)
            ASSERT_EQ((a.results.*values)[static_cast<size_t>(slot)],
                      ((*steps).*values)[static_cast<size_t>(slot)])
                << slot;
    const PeakValues one = peakValues(a.results), two = peakValues(*steps);
    for (auto peak : {&PeakValues::moment, &PeakValues::shear, &PeakValues::stress,
                      &PeakValues::slope, &PeakValues::deflection}) {
        EXPECT_EQ((one.*peak).value, (two.*peak).value);
        EXPECT_EQ((one.*peak).x, (two.*peak).x);
    }
}

// Corrections are exact to rounding, so no real beam keeps missing; a tolerance no pass
// meets stands in for one that does.
constexpr ShootingTolerance kNeverMet{-1, -1};

TEST(Shooting, QuestionAfterEveryHundredPasses)
{
    EXPECT_EQ(notConvergingText(),
              "Solution does not appear to be converging. 100 iterations complete.  Continue for "
              "another 100 iterations?");
    BeamModel m = emptyBeam(100);
    m.resolution = 100;
    addSupport(m, 20.3);
    addSupport(m, 60.7);
    addDistLoad(m, 0, 100, 10, 10);
    auto results = std::make_unique<ResultSet>();
    ReactionSolution r;
    ASSERT_FALSE(runCalculations(m, r, *results, {}));  // the moments to integrate
    for (size_t j = 1; j <= 101; ++j)
        results->slopeAt[j] = results->deflectionAt[j] = std::numeric_limits<double>::quiet_NaN();
    int asked = 0;
    const CalculationGrid grid = calculationGrid(m);
    EXPECT_FALSE(integrateBetweenSupports(grid, 20.3, 60.7, *results, [&] { return ++asked < 2; },
                                          kNeverMet));
    EXPECT_EQ(asked, 2);  // Yes once, then No
    // No stops the shooting but both overhangs are still integrated from the last pass.
    for (size_t j = 1; j <= 101; ++j) {
        ASSERT_TRUE(std::isfinite(results->slopeAt[j])) << j;
        ASSERT_TRUE(std::isfinite(results->deflectionAt[j])) << j;
    }
    EXPECT_GE(results->peakDeflectionLoc, 0);
    EXPECT_LE(results->peakDeflectionLoc, 100);
    EXPECT_NE(results->peakDeflection, 0);

    // No question asker counts as No.
    EXPECT_FALSE(integrateBetweenSupports(grid, 20.3, 60.7, *results, {}, kNeverMet));
}

// The rounding of the trapezoid sums of a long beam or large loads lies far above 1.0 in
// E*I units, but is a tiny share of the deflections: no question for it.
TEST(Shooting, LongBeamsAndLargeLoadsEndWithinRounding)
{
    auto results = std::make_unique<ResultSet>();
    ReactionSolution r;
    BeamModel longSpan = emptyBeam(120000);  // 10,000 ft
    addSupport(longSpan, 0);
    addSupport(longSpan, 120000);
    addDistLoad(longSpan, 0, 120000, 10, 10);
    BeamModel heavy = emptyBeam(1000, true);  // 1000 m
    addSupport(heavy, 0);
    addSupport(heavy, 1000);
    addPointLoad(heavy, 1e12, 400);
    for (const BeamModel* m : {&longSpan, &heavy}) {
        int asked = 0;
        ASSERT_FALSE(runCalculations(*m, r, *results, [&] { return ++asked < 10; }));
        EXPECT_EQ(asked, 0);
        EXPECT_LT(std::abs(results->deflectionAt[10001]), 1e-10 * std::abs(results->peakDeflection));
    }
}

TEST(Shooting, SmallBeamsAndSupportsHalfwayBetweenPoints)
{
    auto results = std::make_unique<ResultSet>();
    ReactionSolution r;
    // A small metric beam: the first pass misses by more than 1, the true values stay
    // below 1 (E*I units) and are still the peaks.
    BeamModel small = emptyBeam(1, true);
    addSupport(small, 0);
    addSupport(small, 1);
    addPointLoad(small, 30, 0.5);
    ASSERT_FALSE(runCalculations(small, r, *results, {}));
    EXPECT_NEAR(results->peakDeflection, 30.0 / 48, 1e-6);
    EXPECT_DOUBLE_EQ(results->peakDeflectionLoc, 0.5);
    EXPECT_NEAR(std::abs(results->peakSlope), 30.0 / 16, 1e-6);

    // Smaller still: the first miss is below the tolerance but corrected all the same.
    small.pointLoadMag[1] = 10;
    ASSERT_FALSE(runCalculations(small, r, *results, {}));
    EXPECT_NEAR(results->peakDeflection, 10.0 / 48, 1e-6);
    EXPECT_NEAR(results->deflectionAt[10001], 0, 1e-9);

    // Support slots round halves to even: 0.5 and 2.5 spacings give slots 1 and 3.
    BeamModel halves = emptyBeam(100);
    halves.resolution = 100;
    addSupport(halves, 0.5);
    addSupport(halves, 2.5);
    addDistLoad(halves, 0, 100, 1, 1);
    ASSERT_FALSE(runCalculations(halves, r, *results, {}));
    EXPECT_EQ(results->deflectionAt[1], 0);
    EXPECT_LT(std::abs(results->deflectionAt[3]), 1.0);
    EXPECT_GT(std::abs(results->deflectionAt[2]), 1.0);
}

TEST(Resolution, PromptAndReplies)
{
    EXPECT_EQ(kResolutionTitle, "Change Resolution");
    EXPECT_EQ(resolutionPromptText(10000.0f),
              "Enter value for resolution. \rCurrent value of resolution is 10000.\r"
              "Choose value between 10 and 200,000.\r5,000 to 50,000 is standard.");
    EXPECT_EQ(resolutionDefaultReply(12345.5f), "12345.5");

    auto reply = [](std::optional<std::string_view> text) {
        return readResolutionReply(text, 5000.0f);
    };
    for (auto nothing : {std::optional<std::string_view>{}, std::optional<std::string_view>{""},
                         std::optional<std::string_view>{"abc"}}) {
        const ResolutionReply r = reply(nothing);
        EXPECT_FALSE(r.newResolution);
        EXPECT_FALSE(r.message);
    }
    for (std::string_view low : {"9.99", "0", "-3"}) {
        const ResolutionReply r = reply(low);
        EXPECT_FALSE(r.newResolution);
        EXPECT_EQ(r.message, "Choose value between 10 and 200,000.");
    }
    const ResolutionReply big = reply("300000");
    EXPECT_EQ(big.newResolution, 200000.0f);
    EXPECT_EQ(big.message, "Resolution too large.\rResolution set to 200,000.");
    EXPECT_EQ(reply("1e40").newResolution, 200000.0f);

    const std::pair<std::string_view, float> accepted[] = {
        {"10", 10.0f},        {"200000", 200000.0f}, {" 1234.5 ", 1234.0f},
        {"1235.5", 1236.0f}, {"99.7", 100.0f}};
    for (const auto& [text, value] : accepted) {
        const ResolutionReply r = reply(text);
        EXPECT_EQ(r.newResolution, value) << text;
        EXPECT_FALSE(r.message) << text;
    }
}

}  // namespace
}  // namespace spanrix
