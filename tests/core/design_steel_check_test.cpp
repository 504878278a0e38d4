#include <gtest/gtest.h>

#include <filesystem>

#include "design/beam_check.h"
#include "engine_beams.h"

namespace spanrix::design {
namespace {

using namespace test_beams;

constexpr double kFoot = 12;
constexpr double kKipFoot = 12000;
constexpr double kKip = 1000;

const SteelShape& shape(const std::string& name)
{
    static const SteelDesignTable table = *loadSteelDesignTable(
        {(std::filesystem::path(SPANRIX_SOURCE_DIR) / "data" / std::string(kSteelDesignFileName)).string()})
        .table;
    return *table.find(name);
}

void expectNear(double actual, double expected, const std::string& what)
{
    EXPECT_NEAR(actual, expected, 0.005 * std::abs(expected)) << what;
}

TEST(SteelCheckGeometry, SegmentsRunBetweenBracePointsAndSpansBetweenSupports)
{
    struct Case {
        const char* beam;
        std::vector<std::pair<double, bool>> supports;  // position, cantilever
        SteelCheckSettings settings;
        std::vector<BeamStretch> segments, spans;
    };
    SteelCheckSettings thirds;
    thirds.bracePoints = {80, 160, 0, 500};  // a brace on a support or off the beam adds nothing
    SteelCheckSettings continuous;
    continuous.bracing = Bracing::Continuous;
    continuous.bracePoints = {80};
    const std::vector<Case> cases{
        {"simple span braced at thirds", {{0, false}, {240, false}}, thirds,
         {{0, 80}, {80, 160}, {160, 240}}, {{0, 240}}},
        {"two spans and an overhang", {{0, false}, {100, false}, {200, false}}, continuous,
         {{0, 100}, {100, 200}, {200, 240, true}}, {{0, 100}, {100, 200}, {200, 240, true}}},
        {"overhangs at both ends, braced", {{40, false}, {200, false}}, thirds,
         {{0, 40, true}, {40, 80}, {80, 160}, {160, 200}, {200, 240, true}},
         {{0, 40, true}, {40, 200}, {200, 240, true}}},
        {"cantilever", {{0, true}}, SteelCheckSettings{}, {{0, 240, true}}, {{0, 240, true}}},
    };
    for (const Case& c : cases) {
        BeamModel m = emptyBeam(240);
        for (const auto& [x, cantilever] : c.supports) addSupport(m, x, cantilever);
        EXPECT_EQ(unbracedSegments(m, c.settings), c.segments) << c.beam;
        EXPECT_EQ(deflectionSpans(m), c.spans) << c.beam;
    }
    EXPECT_EQ(deflectionLimitLength({200, 240, true}), 80);
    EXPECT_EQ(deflectionLimitLength({40, 200, false}), 160);
}

// A simple span with uniform dead and live loads (lb/in) or midspan point loads (lb).
BeamModel simpleSpan(double feet, double dead, double live, bool pointLoads)
{
    BeamModel m = emptyBeam(feet * kFoot);
    addSupport(m, 0);
    addSupport(m, feet * kFoot);
    for (const auto& [value, c] : {std::pair{dead, LoadCase::D}, std::pair{live, LoadCase::L}}) {
        if (pointLoads) {
            addPointLoad(m, value, feet * kFoot / 2);
            setLoadCase(m, FeatureKind::PointLoad, m.numPointLoads, c);
        } else {
            addDistLoad(m, 0, feet * kFoot, value, value);
            setLoadCase(m, FeatureKind::DistLoad, m.numDistLoads, c);
        }
    }
    return m;
}

SteelCheckResult check(const BeamModel& m, const std::string& section, const SteelCheckSettings& settings)
{
    const SteelCheckRun run = checkSteelBeam(m, shape(section), settings, 0);
    EXPECT_TRUE(run.result) << run.refusal;
    return run.result.value_or(SteelCheckResult{});
}

// AISC Design Examples F.1-1 to F.1-3: W18 X 50, 35 ft, wD = 0.45 and wL = 0.75 kip/ft.
TEST(SteelCheck, DesignExamplesInFlexure)
{
    struct Case {
        const char* example;
        Bracing bracing;
        std::vector<double> bracesFeet;
        double demand, capacity, lb, cb;  // kip-ft, ft
        FlexureLimitState state;
        BeamStretch segmentFeet;
    };
    const std::vector<Case> cases{
        {"F.1-1A", Bracing::Continuous, {}, 266, 379, 0, 1.14, FlexureLimitState::Yielding, {0, 35}},
        {"F.1-2A", Bracing::AtPoints, {35.0 / 3, 70.0 / 3}, 266, 306, 11.7, 1.01,
         FlexureLimitState::LateralTorsionalBuckling, {35.0 / 3, 70.0 / 3}},
        {"F.1-3A", Bracing::AtPoints, {17.5}, 266, 288, 17.5, 1.30, FlexureLimitState::LateralTorsionalBuckling,
         {0, 17.5}},
        {"F.1-1B", Bracing::Continuous, {}, 184, 252, 0, 1.14, FlexureLimitState::Yielding, {0, 35}},
        {"F.1-2B", Bracing::AtPoints, {35.0 / 3, 70.0 / 3}, 184, 204, 11.7, 1.01,
         FlexureLimitState::LateralTorsionalBuckling, {35.0 / 3, 70.0 / 3}},
        {"F.1-3B", Bracing::AtPoints, {17.5}, 184, 191, 17.5, 1.30, FlexureLimitState::LateralTorsionalBuckling,
         {0, 17.5}},
    };
    const BeamModel m = simpleSpan(35, 450.0 / kFoot, 750.0 / kFoot, false);
    for (const Case& c : cases) {
        SteelCheckSettings settings;
        settings.method = c.example[5] == 'A' ? Method::Strength : Method::AllowableStress;
        settings.bracing = c.bracing;
        for (const double x : c.bracesFeet) settings.bracePoints.push_back(x * kFoot);
        const SteelCheckResult r = check(m, "W18 X 50", settings);
        ASSERT_FALSE(r.governing.empty());
        const DesignCheckLine& flexure = r.governing.front();
        ASSERT_EQ(flexure.kind, DesignCheckKind::Flexure);
        EXPECT_EQ(flexure.combination, settings.method == Method::Strength ? "1.2D + 1.6L" : "D + L") << c.example;
        expectNear(flexure.demand / kKipFoot, c.demand, std::string(c.example) + " demand");
        expectNear(flexure.capacity / kKipFoot, c.capacity, std::string(c.example) + " capacity");
        if (c.lb > 0) expectNear(flexure.flexure->Lb / kFoot, c.lb, std::string(c.example) + " Lb");
        if (c.bracing == Bracing::AtPoints) expectNear(flexure.flexure->Cb, c.cb, std::string(c.example) + " Cb");
        EXPECT_EQ(flexure.flexure->limitState, c.state) << c.example;
        EXPECT_NEAR(flexure.where.from / kFoot, c.segmentFeet.from, 1e-9) << c.example;
        EXPECT_NEAR(flexure.where.to / kFoot, c.segmentFeet.to, 1e-9) << c.example;
        EXPECT_TRUE(r.pass) << c.example;
    }
}

// G.1A/B: W24 X 62 with 96 kips dead and 290 kips live at midspan; and its deflections.
TEST(SteelCheck, ShearAndDeflectionOfASimpleSpan)
{
    const BeamModel m = simpleSpan(12, 96 * kKip, 290 * kKip, true);
    for (const auto& [method, demand, capacity] :
         {std::tuple{Method::Strength, 290.0, 306.0}, std::tuple{Method::AllowableStress, 193.0, 204.0}}) {
        SteelCheckSettings settings;
        settings.method = method;
        const SteelCheckResult r = check(m, "W24 X 62", settings);
        const auto shear = std::find_if(r.governing.begin(), r.governing.end(),
                                        [](const auto& l) { return l.kind == DesignCheckKind::Shear; });
        ASSERT_NE(shear, r.governing.end());
        expectNear(shear->demand / kKip, demand, "shear demand");
        expectNear(shear->capacity / kKip, capacity, "shear capacity");

        // P L^3 / (48 E I) under the live and the total load, against L/360 and L/240.
        const double e = 29e6, ix = 1550, span = 144;
        const auto& live = r.governing[2];
        const auto& total = r.governing[3];
        EXPECT_EQ(live.kind, DesignCheckKind::DeflectionLive);
        EXPECT_NEAR(live.demand, 290e3 * std::pow(span, 3) / (48 * e * ix), 1e-9);
        EXPECT_NEAR(live.x, span / 2, 1e-6);
        EXPECT_EQ(live.capacity, span / 360);
        EXPECT_NEAR(total.demand, 386e3 * std::pow(span, 3) / (48 * e * ix), 1e-9);
        EXPECT_EQ(total.capacity, span / 240);
        EXPECT_EQ(r.verdictLine()->kind, DesignCheckKind::Flexure);
    }
}

}  // namespace
}  // namespace spanrix::design
