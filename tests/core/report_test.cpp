#include <algorithm>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "design/combinations_run.h"
#include "engine/analysis.h"
#include "engine_beams.h"
#include "model/legend_captions.h"
#include "model/number_format.h"
#include "model/units.h"
#include "report/report.h"

namespace spanrix {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

// A beam, its last run and the report of it.
struct ReportCase {
    explicit ReportCase(BeamModel m) : model(std::move(m)) {}

    // A 10 ft beam on supports at its ends with 100 lb at midspan, after its run.
    static ReportCase midspanLoad()
    {
        ReportCase r(test_beams::emptyBeam(120));
        test_beams::addSupport(r.model, 0);
        test_beams::addSupport(r.model, 120);
        test_beams::addPointLoad(r.model, 100, 60);
        r.run();
        return r;
    }

    BeamModel model;
    ReactionSolution reactions;
    ResultSet results;
    ResultBasis basis;
    int sigFigs = 3;

    void run()
    {
        ASSERT_EQ(runCalculations(model, reactions, results, [] { return true; }), std::nullopt);
        basis = resultBasis(model);
    }
    std::vector<std::string> lines(const ReportChoices& c)
    {
        return reportLines({model, reactions, results, basis, sigFigs}, c, "5/6/2024");
    }
    // The lines of one section: from its heading to the blank line before the next.
    std::vector<std::string> list(const ReportChoices& c, const std::string& heading)
    {
        const auto all = lines(c);
        auto it = std::find(all.begin(), all.end(), heading);
        std::vector<std::string> out;
        if (it == all.end()) return out;
        for (it += 2; it != all.end() && !it->empty(); ++it) out.push_back(*it);
        return out;
    }
};

ReportChoices loadText(bool reactions = false)
{
    ReportChoices c;
    c.loadConfiguration = true;
    c.supportReactions = reactions;
    return c;
}

TEST(Report, NothingChosenPrintsNoTextAndATitleAloneIsHeaderAndFooter)
{
    ReportCase r(test_beams::emptyBeam(120));
    EXPECT_TRUE(r.lines({}).empty());
    ReportChoices reactionsOnly;
    reactionsOnly.supportReactions = true;  // not a section of its own
    EXPECT_TRUE(r.lines(reactionsOnly).empty());

    ReportChoices titled;
    titled.title = "Bridge 4";
    const std::string rule = "    " + std::string(114, '-');
    EXPECT_THAT(r.lines(titled),
                ElementsAre("", "", rule, std::string(43, ' ') + "SPANRIX V2.0 REPORT", rule, "",
                            "    Bridge 4", "", rule, "", "", "5/6/2024"));
    EXPECT_EQ(rule.size(), 118u);
}

TEST(Report, SectionsKeepTheirOrderWithTheirHeadingsAndRules)
{
    ReportCase r = ReportCase::midspanLoad();
    ReportChoices all = loadText(true);
    all.beamProperties = all.maximumValues = all.pointValues = true;
    all.location = "5";
    const auto lines = r.lines(all);
    const std::vector<std::string> headings = {
        "    BEAM PROPERTIES", "    LOAD CONFIGURATION", "    MAXIMUM VALUES",
        "    VALUES AT A POINT (X=5 ft.)"};
    const std::vector<size_t> dashes = {31, 36, 29, 46};
    size_t previous = 0;
    for (size_t i = 0; i < headings.size(); ++i) {
        const auto at = std::find(lines.begin(), lines.end(), headings[i]);
        ASSERT_NE(at, lines.end()) << headings[i];
        const size_t pos = static_cast<size_t>(at - lines.begin());
        EXPECT_GT(pos, previous);
        EXPECT_EQ(lines[pos - 1], "");
        EXPECT_EQ(lines[pos + 1], "    " + std::string(dashes[i], '-'));
        previous = pos;
    }
    EXPECT_THAT(lines, Contains("        Beam Length = 10 ft."));
    EXPECT_THAT(lines, Contains("        Moment of Inertia = 100 in^4"));
    EXPECT_THAT(lines, Contains("        Modulus of Elasticity = 29000000 psi"));
    EXPECT_THAT(lines, Contains("        Distance From Neutral Axis to Furthest Fiber = 5 in."));
    EXPECT_THAT(lines, Contains("        Maximum Bending Moment = 250 lb.-ft. at x=5 ft."));
    EXPECT_THAT(lines, Contains("        Bending Moment=250 lb.-ft."));
    EXPECT_EQ(lines.back(), "5/6/2024");
}

TEST(Report, RemovedFeaturesAreSkippedAndAZeroEndedTriangleKept)
{
    ReportCase r(test_beams::emptyBeam(120));
    const int gone = test_beams::addPointLoad(r.model, 5, 10);
    test_beams::addPointLoad(r.model, 7, 24);
    test_beams::addDistLoad(r.model, 0, 60, 0, 3);
    const int goneMoment = test_beams::addMoment(r.model, 9, 12);
    const int goneSupport = test_beams::addSupport(r.model, 36);
    test_beams::addSupport(r.model, 120);
    for (int row : {gone, goneMoment, goneSupport}) ASSERT_TRUE(markFeatureRemoved(r.model, row));

    const ReportChoices c = loadText();
    EXPECT_THAT(r.list(c, "        Point Loads"), ElementsAre("        7 lb., x=24 in."));
    EXPECT_THAT(r.list(c, "        Distributed Loads"),
                ElementsAre("        Start=0 lb./in., x=0 in.; End=3 lb./in., x=60 in."));
    EXPECT_THAT(r.list(c, "        Moments"), ElementsAre());
    EXPECT_THAT(r.list(c, "        Supports"), ElementsAre("        Simple support; 120 in."));
}

TEST(Report, EntriesInTheUnitsTheyWereTypedIn)
{
    ReportCase metric(test_beams::emptyBeam(3.14159, true));
    int k = appendFeature(metric.model, FeatureKind::PointLoad, "kg", "m");
    metric.model.pointLoadMag[k] = 98.0665;
    metric.model.pointLoadLoc[k] = 1.5;
    k = appendFeature(metric.model, FeatureKind::Moment, "kg", "m");
    metric.model.momentMag[k] = 9.80665;
    metric.model.momentLoc[k] = 2;
    k = appendFeature(metric.model, FeatureKind::DistLoad, "N", "m");
    metric.model.distLoadStartMag[k] = 20;
    metric.model.distLoadEndMag[k] = 30;
    metric.model.distLoadEnd[k] = 1;
    ReportChoices c = loadText();
    c.beamProperties = true;
    EXPECT_THAT(metric.list(c, "        Point Loads"), ElementsAre("        10 kg, x=1.5 m"));
    EXPECT_THAT(metric.list(c, "        Moments"), ElementsAre("        1 kg-m, x=2 m"));
    EXPECT_THAT(metric.list(c, "        Distributed Loads"),
                ElementsAre("        Start=20 N/m, x=0 m; End=30 N/m, x=1 m"));
    // The metric length is not rounded; the section properties are in mm and MPa.
    EXPECT_THAT(metric.lines(c), Contains("        Beam Length = 3.14159 m"));
    EXPECT_THAT(metric.lines(c), Contains("        Moment of Inertia = 80000000 mm^4"));
    EXPECT_THAT(metric.lines(c), Contains("        Modulus of Elasticity = 200000 MPa"));

    ReportCase english(test_beams::emptyBeam(240));
    english.model.useInches = true;  // the beam length is printed in feet all the same
    k = appendFeature(english.model, FeatureKind::Moment, "pf", "ft");
    english.model.momentMag[k] = 1200;
    english.model.momentLoc[k] = 60;
    k = appendFeature(english.model, FeatureKind::DistLoad, "pf", "in");
    english.model.distLoadStartMag[k] = english.model.distLoadEndMag[k] = 2;
    english.model.distLoadEnd[k] = 24;
    k = appendFeature(english.model, FeatureKind::PointLoad, "lb", "ft");
    english.model.pointLoadMag[k] = -40;
    english.model.pointLoadLoc[k] = 18;
    EXPECT_THAT(english.list(c, "        Moments"), ElementsAre("        100 lb.-ft., x=5 ft."));
    EXPECT_THAT(english.list(c, "        Distributed Loads"),
                ElementsAre("        Start=24 lb./ft., x=0 in.; End=24 lb./ft., x=24 in."));
    EXPECT_THAT(english.list(c, "        Point Loads"), ElementsAre("        -40 lb., x=1.5 ft."));
    EXPECT_THAT(english.lines(c), Contains("        Beam Length = 20 ft."));
}

TEST(Report, ReactionsFollowTheSolverOrderOnlyFromTheCalculationsScreen)
{
    ReportCase r(test_beams::emptyBeam(240));
    test_beams::addSupport(r.model, 120);
    test_beams::addSupport(r.model, 0, true);
    test_beams::addSupport(r.model, 240);
    test_beams::addPointLoad(r.model, 1000, 60);
    r.run();
    auto V = [&](int j) { return displayText(r.reactions.reactionVector[static_cast<size_t>(j)], 3); };
    // Feature order: the simple support at 120 (solver position 2), the cantilever (1), 240 (3).
    EXPECT_THAT(r.list(loadText(true), "        Supports"),
                ElementsAre("        Simple support; 120 in., Reaction=" + V(3) + " lb.",
                            "        Cantilever support; 0 in., Reaction=" + V(2) + " lb., " + V(1) +
                                " lb.-in.",
                            "        Simple support; 240 in., Reaction=" + V(4) + " lb."));

    // Without the box, or without a run (a report from the loading screen), no reactions.
    EXPECT_THAT(r.list(loadText(false), "        Supports"), Not(Contains(HasSubstr("Reaction"))));
    r.basis = {};
    EXPECT_THAT(r.list(loadText(true), "        Supports"), Not(Contains(HasSubstr("Reaction"))));
    // Nor after the model was converted since the run.
    r.basis = resultBasis(r.model);
    convertUnitSystem(r.model, kEnglishToMetric);
    EXPECT_THAT(r.list(loadText(true), "        Supports"), Not(Contains(HasSubstr("Reaction"))));
}

TEST(Report, MaximumValuesSwitchUnitsByMagnitude)
{
    ReportCase r(test_beams::emptyBeam(120));
    r.basis = resultBasis(r.model);
    r.basis.pointCount = 11;
    ReportChoices c;
    c.maximumValues = true;
    r.results.peakMoment = -1500;
    EXPECT_THAT(r.lines(c), Contains("        Maximum Bending Moment = -125 lb.-ft. at x=0 ft."));
    r.results.peakMoment = -999;
    EXPECT_THAT(r.lines(c), Contains("        Maximum Bending Moment = -999 lb.-in. at x=0 ft."));

    r.basis.metricUnits = true;
    r.results.peakStress = 999999;
    EXPECT_THAT(r.lines(c), Contains("        Maximum Bending Stress = 1000 kPa at x=0 m"));
    r.results.peakStress = 1000000;
    EXPECT_THAT(r.lines(c), Contains("        Maximum Bending Stress = 1 MPa at x=0 m"));
}

TEST(Report, ValuesAtAPointRefuseWhatThePointWindowRefuses)
{
    ReportCase r = ReportCase::midspanLoad();
    ReportChoices c;
    c.pointValues = true;
    const ReportData data{r.model, r.reactions, r.results, r.basis, 3};
    for (const char* bad : {"", "abc", "-1", "10.5"}) {
        c.location = bad;
        EXPECT_EQ(reportRefusal(data, c), parseNumber(bad) ? "Invalid location." : kNotANumberMessage)
            << bad;
    }
    c.location = "60";
    c.feetSelected = false;
    EXPECT_EQ(reportRefusal(data, c), std::nullopt);
    EXPECT_THAT(r.lines(c), Contains("    VALUES AT A POINT (X=60 in.)"));
    EXPECT_THAT(r.lines(c), Contains("        Bending Stress=150 psi"));
    c.pointValues = false;
    c.location = "abc";  // not asked for, so not checked
    EXPECT_EQ(reportRefusal(data, c), std::nullopt);
}

TEST(Report, LoadCombinationsListCasesCombinationsAndTheEnvelope)
{
    ReportCase r = ReportCase::midspanLoad();
    test_beams::addPointLoad(r.model, 100, 30);
    setLoadCase(r.model, FeatureKind::PointLoad, 2, LoadCase::L);
    const design::CombinationsRun run = design::runCombinations(r.model, design::Method::Strength, 0);
    ASSERT_TRUE(run) << run.refusal;
    ReportChoices c;
    c.loadCombinations = true;
    const auto lines =
        reportLines({r.model, r.reactions, r.results, r.basis, 3, std::nullopt, &run}, c, "5/6/2024");
    EXPECT_THAT(lines, Contains("    LOAD COMBINATIONS"));
    EXPECT_THAT(lines, Contains("        100 lb., x=60 in., Case=D"));
    EXPECT_THAT(lines, Contains("        100 lb., x=30 in., Case=L"));
    EXPECT_THAT(lines, Contains("        Strength Design (LRFD), ASCE 7-16"));
    // 1.2 x 100 lb at midspan and 1.6 x 100 lb at a quarter: 60 + 120 lb at the left end.
    const auto governing = std::find(lines.begin(), lines.end(), "        1.2D + 1.6L");
    ASSERT_NE(governing, lines.end());
    EXPECT_EQ(governing[2], "        Simple support; 0 in., Reaction=180 lb.");
    EXPECT_THAT(lines, Contains("        Largest Positive Moment = 500 lb.-ft. at x=5 ft., "
                                "1.2D + 1.6L, L on part 1"));
    EXPECT_EQ(lines.back(), "5/6/2024");
}


}  // namespace
}  // namespace spanrix
