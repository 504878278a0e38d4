// Load combinations, live-load patterns and envelopes against closed forms.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "design/case_solutions.h"
#include "design/envelope.h"
#include "engine_beams.h"
#include "model/units.h"

namespace spanrix::design {
namespace {

using namespace test_beams;

std::vector<std::string> namesOf(const std::vector<Combination>& combinations)
{
    std::vector<std::string> names;
    for (const Combination& c : combinations) names.push_back(c.name);
    return names;
}

CasesPresent present(std::initializer_list<LoadCase> cases)
{
    CasesPresent p{};
    for (LoadCase c : cases) p[caseSlot(c)] = true;
    return p;
}

TEST(DesignCombinations, AbsentCasesDropTermsAndRepeatedNames)
{
    using enum LoadCase;
    EXPECT_EQ(namesOf(combinationsFor(Method::Strength, present({D, L}))),
              (std::vector<std::string>{"1.4D", "1.2D + 1.6L", "1.2D + L", "1.2D", "0.9D"}));
    EXPECT_EQ(namesOf(combinationsFor(Method::AllowableStress, present({D, W}))),
              (std::vector<std::string>{"D", "D + 0.6W", "D - 0.6W", "D + 0.45W", "D - 0.45W",
                                        "0.6D + 0.6W", "0.6D - 0.6W"}));
    const auto all = combinationsFor(Method::Strength, present({D, L, Lr, S, W}));
    EXPECT_EQ(all.size(), 15u);  // ten, five of them with the wind reversed
    EXPECT_EQ(all[10].name, "1.2D - W + L + 0.5Lr");
    EXPECT_EQ(all[10].factor(W), -1.0);
    EXPECT_EQ(all[10].factor(Lr), 0.5);
    EXPECT_EQ(namesOf(combinationsFor(Method::Strength, present({W}))),
              (std::vector<std::string>{"0.5W", "-0.5W", "W", "-W"}));
}

TEST(DesignCombinations, PartsCutLoadsAtSupports)
{
    BeamModel m = emptyBeam(400);
    addSupport(m, 300);
    addSupport(m, 100);
    addSupport(m, 100);  // a second support at one place makes no empty part
    const std::vector<BeamPart> parts = beamParts(m);
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(parts[0].end, 100);
    EXPECT_EQ(parts[2].start, 300);
    EXPECT_EQ(parts[2].end, 400);
    EXPECT_EQ(partAt(parts, 0), 1);
    EXPECT_EQ(partAt(parts, 100), 2);  // on a support: the part on its right
    EXPECT_EQ(partAt(parts, 400), 3);  // the last part keeps x = L
}

// A loading's moment at x from its exact solution.
double momentAt(const CaseSolutions& s, const Combination& c, const Pattern& p, double x)
{
    return exactValuesAt(combinedExact(s, loadingWeights(s, c, p)), x).moment;
}

TEST(DesignCombinations, SimpleSpanTakesEachFactoredMoment)
{
    const double span = 240, wD = 10, wL = 20;
    BeamModel m = emptyBeam(span);
    addSupport(m, 0);
    addSupport(m, span);
    addDistLoad(m, 0, span, wD, wD);
    addDistLoad(m, 0, span, wL, wL);
    setLoadCase(m, FeatureKind::DistLoad, 2, LoadCase::L);
    m.resolution = 100;

    const CaseSolveOutcome solved = solveCases(m, 0);
    ASSERT_TRUE(solved) << solved.refusal;
    const auto combinations = combinationsFor(Method::Strength, solved.solutions->present);
    const CombinationsResult result = combineCases(*solved.solutions, combinations);
    ASSERT_EQ(result.combinations.size(), 5u);
    for (const CombinationResult& r : result.combinations) {
        const double w = r.combination.factor(LoadCase::D) * wD + r.combination.factor(LoadCase::L) * wL;
        SCOPED_TRACE(r.combination.name);
        EXPECT_NEAR(r.peaks.moment.value, w * span * span / 8, 1e-9 * w * span * span);
        EXPECT_NEAR(r.peaks.moment.x, span / 2, 1e-6);
        EXPECT_NEAR(r.reactions.supportForce(1), w * span / 2, 1e-9 * w * span);
        EXPECT_NEAR(r.patterned[Quantity::Moment].max.value, w * span * span / 8, 1e-9 * w * span * span);
    }
    const Extreme& worst = result.envelope[Quantity::Moment].max;
    EXPECT_EQ(result.combinations[static_cast<size_t>(worst.combination)].combination.name,
              "1.2D + 1.6L");
    EXPECT_EQ(worst.pattern[caseSlot(LoadCase::L)], 1u);
}

TEST(DesignCombinations, TwoSpansPatternTheLiveLoad)
{
    const double span = 120, w = 5;
    BeamModel m = emptyBeam(2 * span);
    addSupport(m, 0);
    addSupport(m, span);
    addSupport(m, 2 * span);
    addDistLoad(m, 0, 2 * span, w, w);  // cut at the middle support
    setLoadCase(m, FeatureKind::DistLoad, 1, LoadCase::L);
    m.resolution = 240;

    const CaseSolveOutcome solved = solveCases(m, 0);
    ASSERT_TRUE(solved) << solved.refusal;
    const CaseSolutions& s = *solved.solutions;
    EXPECT_EQ(s.components.size(), 2u);  // one solve per span, none per pattern
    const Combination live = combinationsFor(Method::AllowableStress, s.present).front();
    ASSERT_EQ(live.name, "L");
    const Bounds moment = combineCases(s, {live}).envelope[Quantity::Moment];

    const double wl2 = w * span * span;
    EXPECT_NEAR(moment.max.value, 49 * wl2 / 512, 1e-9 * wl2);  // one span loaded
    EXPECT_NEAR(moment.max.x, 7 * span / 16, 1e-6);
    EXPECT_EQ(moment.max.pattern[caseSlot(LoadCase::L)], 1u);
    EXPECT_NEAR(moment.min.value, -wl2 / 8, 1e-9 * wl2);  // both loaded
    EXPECT_NEAR(moment.min.x, span, 1e-9);
    EXPECT_EQ(moment.min.pattern[caseSlot(LoadCase::L)], 3u);

    // The patterned curves bound every pattern at every point.
    const Curves curves = combinationCurves(s, live);
    for (std::uint32_t bits = 0; bits < 4; ++bits) {
        Pattern p{};
        p[caseSlot(LoadCase::L)] = bits;
        for (int i = 0; i < s.grid.pointCount; i += 7) {
            const double v = momentAt(s, live, p, s.grid.x(i));
            EXPECT_LE(v, curves.upper[Quantity::Moment][static_cast<size_t>(i)] + 1e-9 * wl2);
            EXPECT_GE(v, curves.lower[Quantity::Moment][static_cast<size_t>(i)] - 1e-9 * wl2);
        }
    }
}

TEST(DesignCombinations, WindActsBothWaysOnACantilever)
{
    const double length = 100, P = 400;
    BeamModel m = emptyBeam(length);
    addSupport(m, 0, true);
    addPointLoad(m, P, length);
    setLoadCase(m, FeatureKind::PointLoad, 1, LoadCase::W);

    const CaseSolveOutcome solved = solveCases(m, 0);
    ASSERT_TRUE(solved) << solved.refusal;
    const auto combinations = combinationsFor(Method::Strength, solved.solutions->present);
    const CombinationsResult result = combineCases(*solved.solutions, combinations);
    const Bounds& moment = result.envelope[Quantity::Moment];
    EXPECT_NEAR(moment.max.value, P * length, 1e-9 * P * length);
    EXPECT_NEAR(moment.min.value, -P * length, 1e-9 * P * length);
    EXPECT_EQ(combinations[static_cast<size_t>(moment.max.combination)].name, "-W");
    EXPECT_EQ(combinations[static_cast<size_t>(moment.min.combination)].name, "W");
    const Bounds& deflection = result.envelope[Quantity::Deflection];
    const double tip = P * length * length * length / 3;  // times E*I
    EXPECT_NEAR(deflection.max.value, tip, 1e-9 * tip);
    EXPECT_NEAR(deflection.min.value, -tip, 1e-9 * tip);
}

// Combining takes shortcuts (case totals, bounds on runs of points, the parts' signs); on a
// crowded beam every combination must still give what the direct sums give.
TEST(DesignCombinations, ShortcutsAgreeWithTheDirectSums)
{
    BeamModel m = fullCapacityBeam(7, 2000);
    for (FeatureKind kind : {FeatureKind::PointLoad, FeatureKind::DistLoad, FeatureKind::Moment})
        for (int k = 1; k <= featureCount(m, kind); ++k)
            setLoadCase(m, kind, k, kLoadCases[static_cast<size_t>(k) % kLoadCases.size()]);
    const CaseSolveOutcome solved = solveCases(m, 1.0);
    ASSERT_TRUE(solved) << solved.refusal;
    const CaseSolutions& s = *solved.solutions;
    for (Method method : {Method::Strength, Method::AllowableStress}) {
        const auto combinations = combinationsFor(method, s.present);
        const CombinationsResult result = combineCases(s, combinations);
        for (const CombinationResult& r : result.combinations) {
            SCOPED_TRACE(r.combination.name);
            const PeakValues direct =
                exactPeaks(combinedExact(s, loadingWeights(s, r.combination, allPartsLoaded(s))));
            for (auto peak : {&PeakValues::moment, &PeakValues::shear, &PeakValues::slope, &PeakValues::deflection}) {
                EXPECT_EQ((r.peaks.*peak).value, (direct.*peak).value);
                EXPECT_EQ((r.peaks.*peak).x, (direct.*peak).x);
            }
            // The worst pattern's extreme is at least the curves' worst calculation point.
            const Curves curves = combinationCurves(s, r.combination);
            for (Quantity q : kEnvelopedQuantities) {
                const double lowest = *std::min_element(curves.lower[q].begin(), curves.lower[q].end());
                const double highest = *std::max_element(curves.upper[q].begin(), curves.upper[q].end());
                const double tolerance = 1e-9 * std::max(std::abs(lowest), std::abs(highest));
                EXPECT_GE(r.patterned[q].max.value, highest - tolerance);
                EXPECT_LE(r.patterned[q].min.value, lowest + tolerance);
            }
        }
    }
}

TEST(DesignCombinations, SelfWeightIsADeadLoadOfCombinationsOnly)
{
    const double span = 240, w = 50.0 / 12;
    BeamModel m = emptyBeam(span);
    addSupport(m, 0);
    addSupport(m, span);
    addPointLoad(m, 1000, span / 2);
    setLoadCase(m, FeatureKind::PointLoad, 1, LoadCase::L);

    const CaseSolveOutcome solved = solveCases(m, w);
    ASSERT_TRUE(solved) << solved.refusal;
    const auto combinations = combinationsFor(Method::AllowableStress, solved.solutions->present);
    ASSERT_EQ(combinations.front().name, "D");
    const CombinationsResult result = combineCases(*solved.solutions, combinations);
    EXPECT_NEAR(result.combinations.front().peaks.moment.value, w * span * span / 8, 1e-9);
    EXPECT_NEAR(result.combinations[1].reactions.supportForce(2), w * span / 2 + 500, 1e-9);

    // A typed weight is a distributed load's intensity: it converts with the beam.
    m.design = {};
    m.design.includeSelfWeight = true;
    m.design.weightPerLength = w;
    EXPECT_TRUE(hasDesignData(m));
    ASSERT_TRUE(convertUnitSystem(m, kEnglishToMetric));
    EXPECT_NEAR(m.design.weightPerLength, w * kPoundToNewton / kInchToMetre, 1e-9);
}

}  // namespace
}  // namespace spanrix::design
