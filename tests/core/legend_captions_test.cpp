#include <gtest/gtest.h>

#include "legend/legend_captions.h"
#include "model/units.h"

namespace spanrix {
namespace {

int addPointLoad(BeamModel& m, double mag, double loc, const char* force, const char* length)
{
    raiseTracker(m, FeatureKind::PointLoad, mag);
    const int k = appendFeature(m, FeatureKind::PointLoad, force, length);
    m.pointLoadMag[k] = mag;
    m.pointLoadLoc[k] = loc;
    return m.numFeatures;
}

int addDistLoad(BeamModel& m, double s, double e, double s0, double e0, const char* force,
                const char* length)
{
    const int k = appendFeature(m, FeatureKind::DistLoad, force, length);
    m.distLoadStartMag[k] = s;
    m.distLoadEndMag[k] = e;
    m.distLoadStart[k] = s0;
    m.distLoadEnd[k] = e0;
    return m.numFeatures;
}

int addMoment(BeamModel& m, double mag, double loc, const char* force, const char* length)
{
    raiseTracker(m, FeatureKind::Moment, mag);
    const int k = appendFeature(m, FeatureKind::Moment, force, length);
    m.momentMag[k] = mag;
    m.momentLoc[k] = loc;
    return m.numFeatures;
}

int addSupport(BeamModel& m, double loc, const char* type, const char* length)
{
    const int k = appendFeature(m, FeatureKind::Support, "lb", length);
    m.supportLoc[k] = loc;
    m.supportType[k] = type;
    return m.numFeatures;
}

TEST(LegendCaptions, PointLoadsShowTheirTypedUnits)
{
    BeamModel metric;
    metric.metricUnits = true;
    const int kg = addPointLoad(metric, 9.80665, 2, "kg", "m");
    const int newton = addPointLoad(metric, -9.80665, 2.5, "N", "m");
    EXPECT_EQ(legendCaptions(metric, kg, 3).value, "1 kg");
    EXPECT_EQ(legendCaptions(metric, newton, 3).value, "9.81 N");  // absolute value
    // A typed 0.5 kg reads back as typed, even at 15 figures.
    const int half = addPointLoad(metric, storedValue(FeatureKind::PointLoad, "kg", 0.5), 1, "kg", "m");
    EXPECT_EQ(legendCaptions(metric, half, 15).value, "0.5 kg");
    EXPECT_EQ(legendCaptions(metric, newton, 3).second, "x=2.5 m");

    BeamModel english;
    const int feet = addPointLoad(english, -500, 120, "lb", "ft");
    const int inches = addPointLoad(english, 1234.5678, 30, "lb", "in");
    const LegendCaptions c = legendCaptions(english, feet, 3);
    EXPECT_EQ(c.number, "Feature 1");
    EXPECT_EQ(c.title, "Point Load");
    EXPECT_EQ(c.value, "500 lb.");
    EXPECT_EQ(c.second, "x=10 ft.");
    EXPECT_EQ(legendCaptions(english, inches, 3).value, "1230 lb.");
    EXPECT_EQ(legendCaptions(english, inches, 5).value, "1234.6 lb.");
    EXPECT_EQ(legendCaptions(english, inches, 3).second, "x=30 in.");
}

TEST(LegendCaptions, DistributedLoadsAlwaysNameTheIntensityPerLength)
{
    BeamModel english;
    // 2 lb/ft from 0 to 10 ft, stored per inch.
    const int pf = addDistLoad(english, 2.0 / 12, 2.0 / 12, 0, 120, "pf", "ft");
    EXPECT_EQ(legendCaptions(english, pf, 3).title, "Dist. Load");
    EXPECT_EQ(legendCaptions(english, pf, 3).value, "start=2 lb./ft., 0 ft.");
    EXPECT_EQ(legendCaptions(english, pf, 3).second, "end=2 lb./ft., 10 ft.");
    const int pi = addDistLoad(english, -1.5, 3, 12, 48, "pi", "in");
    EXPECT_EQ(legendCaptions(english, pi, 3).value, "start=1.5 lb./in., 12 in.");
    EXPECT_EQ(legendCaptions(english, pi, 3).second, "end=3 lb./in., 48 in.");

    BeamModel metric;
    metric.metricUnits = true;
    const int n = addDistLoad(metric, 10, 20, 0, 2.5, "N", "m");
    EXPECT_EQ(legendCaptions(metric, n, 3).value, "start=10 N/m, 0 m");
    EXPECT_EQ(legendCaptions(metric, n, 3).second, "end=20 N/m, 2.5 m");
    const int kg = addDistLoad(metric, 9.80665, 2 * 9.80665, 1, 2, "kg", "m");
    EXPECT_EQ(legendCaptions(metric, kg, 3).value, "start=1 kg/m, 1 m");
    EXPECT_EQ(legendCaptions(metric, kg, 3).second, "end=2 kg/m, 2 m");
}

TEST(LegendCaptions, MomentsAndSupports)
{
    BeamModel english;
    const int pf = addMoment(english, -1200, 60, "pf", "ft");
    EXPECT_EQ(legendCaptions(english, pf, 3).value, "100 lb.-ft.");
    EXPECT_EQ(legendCaptions(english, pf, 3).second, "x=5 ft.");
    const int pi = addMoment(english, 50, 6, "pi", "in");
    EXPECT_EQ(legendCaptions(english, pi, 3).value, "50 lb.-in.");
    EXPECT_EQ(legendCaptions(english, pi, 3).second, "x=6 in.");
    const int simple = addSupport(english, 0, "simp", "ft");
    const int cant = addSupport(english, 24, "cant", "in");
    EXPECT_EQ(legendCaptions(english, simple, 3).title, "Simple Support");
    EXPECT_EQ(legendCaptions(english, simple, 3).value, "x=0 ft.");
    EXPECT_EQ(legendCaptions(english, simple, 3).second, "");
    EXPECT_EQ(legendCaptions(english, cant, 3).title, "Cantilever Support");
    EXPECT_EQ(legendCaptions(english, cant, 3).value, "x=24 in.");

    BeamModel metric;
    metric.metricUnits = true;
    const int kgm = addMoment(metric, 2 * 9.80665, 1, "kg", "m");
    EXPECT_EQ(legendCaptions(metric, kgm, 3).value, "2 kg-m");
    EXPECT_EQ(legendCaptions(metric, kgm, 3).second, "x=1 m");
    const int s = addSupport(metric, 3.25, "simp", "m");
    EXPECT_EQ(legendCaptions(metric, s, 3).value, "x=3.25 m");
}

TEST(LegendCaptions, FollowAUnitConversion)
{
    BeamModel m;
    m.beamLength = 120;
    const int pf = addDistLoad(m, 1, 1, 0, 120, "pf", "ft");
    convertUnitSystem(m, kEnglishToMetric);
    // 1 lb/in = 175.127 N/m; the start line names N/m as the end line does.
    EXPECT_EQ(legendCaptions(m, pf, 3).value, "start=175 N/m, 0 m");
    EXPECT_EQ(legendCaptions(m, pf, 3).second, "end=175 N/m, 3.05 m");
}

TEST(LegendCaptions, RowWithoutAFeatureHasNoCaptions)
{
    BeamModel m;
    EXPECT_EQ(legendCaptions(m, 1, 3).value, "");
    m.numFeatures = 1;
    m.featureId[1] = "zz1";
    EXPECT_EQ(legendCaptions(m, 1, 3).title, "");
}

TEST(BeamLengthText, SketchAndReinitializeQuestion)
{
    BeamModel m;
    m.beamLength = 40;
    m.useInches = true;
    EXPECT_EQ(sketchLengthText(m, 3), "Beam Length is 40 in.");
    EXPECT_EQ(reinitializeQuestion(m, 3),
              "Current beam length is 40 in.  Do you wish to change beam length?");
    m.beamLength = 120;
    m.useInches = false;
    EXPECT_EQ(reinitializeQuestion(m, 3),
              "Current beam length is 10 ft.  Do you wish to change beam length?");
    m.metricUnits = true;
    m.beamLength = 30.48;
    EXPECT_EQ(sketchLengthText(m, 3), "Beam Length is 30.5 m.");
    EXPECT_EQ(reinitializeQuestion(m, 4),
              "Current beam length is 30.48 m.  Do you wish to change beam length?");
}

TEST(FeatureNumberReplies, EditTestsTheRangeBeforeRounding)
{
    using Outcome = FeatureNumberReply::Outcome;
    EXPECT_EQ(readEditFeatureReply("", 3).outcome, Outcome::Empty);
    for (const char* bad : {"0", "-1", "4", "3.5", "0.4", "abc", "2x", " "})
        EXPECT_EQ(readEditFeatureReply(bad, 3).outcome, Outcome::Invalid) << bad;
    EXPECT_EQ(readEditFeatureReply("1", 0).outcome, Outcome::Invalid);
    EXPECT_EQ(readEditFeatureReply("2.5", 3).row, 2);
    EXPECT_EQ(readEditFeatureReply("3.5", 4).row, 4);
    EXPECT_EQ(readEditFeatureReply(" 3 ", 3).outcome, Outcome::Valid);
}

TEST(FeatureNumberReplies, RemoveRoundsThenTestsTheRange)
{
    using Outcome = FeatureNumberReply::Outcome;
    EXPECT_EQ(readRemoveFeatureReply("", 3).outcome, Outcome::Empty);
    for (const char* bad : {"0", "0.4", "-2", "4", "1e9", "two"})
        EXPECT_EQ(readRemoveFeatureReply(bad, 3).outcome, Outcome::Invalid) << bad;
    EXPECT_EQ(readRemoveFeatureReply("2", 3).row, 2);
    EXPECT_EQ(readRemoveFeatureReply("3.5", 4).row, 4);
    EXPECT_EQ(readRemoveFeatureReply("2.5", 3).row, 2);
}

TEST(MarkFeatureRemoved, RecomputesTheTrackerOnlyWhenTheFeatureHeldIt)
{
    BeamModel m;
    addPointLoad(m, 10, 0, "lb", "in");
    addPointLoad(m, 5, 10, "lb", "in");
    addPointLoad(m, -8, 20, "lb", "in");
    EXPECT_TRUE(markFeatureRemoved(m, 2));
    EXPECT_EQ(m.pointLoadMag[2], 0.0);
    EXPECT_EQ(m.maxPointLoadMag, 10.0);
    EXPECT_TRUE(markFeatureRemoved(m, 1));
    EXPECT_EQ(m.maxPointLoadMag, 8.0);
    EXPECT_EQ(m.prevMaxPointLoadMag, 0.0);
    EXPECT_TRUE(markFeatureRemoved(m, 3));
    EXPECT_EQ(m.maxPointLoadMag, 0.0);
    // The rows, keys and counts stay; the next feature gets the next number.
    EXPECT_EQ(m.numFeatures, 3);
    EXPECT_EQ(m.featureId[3], "pt3");
}

TEST(MarkFeatureRemoved, DistributedLoadsMomentsAndSupports)
{
    BeamModel m;
    m.beamLength = 120;
    addDistLoad(m, -10, 2, 0, 60, "pi", "in");
    addDistLoad(m, 3, 4, 60, 120, "pi", "in");
    addDistLoad(m, 1, 20, 0, 120, "pi", "in");
    m.maxDistLoadMag = 20;
    m.prevMaxDistLoadMag = 10;
    EXPECT_TRUE(markFeatureRemoved(m, 3));
    EXPECT_EQ(m.maxDistLoadMag, 10.0);
    EXPECT_EQ(m.distLoadStartMag[3], 0.0);
    EXPECT_EQ(m.distLoadEndMag[3], 0.0);

    const int mo = addMoment(m, -50, 10, "pi", "in");
    EXPECT_TRUE(markFeatureRemoved(m, mo));
    EXPECT_EQ(m.momentMag[1], 0.0);
    EXPECT_EQ(m.maxMomentMag, 0.0);

    const int su = addSupport(m, 60, "simp", "in");
    EXPECT_TRUE(markFeatureRemoved(m, su));
    EXPECT_EQ(m.supportLoc[1], -1.0);
    EXPECT_TRUE(markFeatureRemoved(m, su));  // again: nothing changes
    EXPECT_EQ(m.supportLoc[1], -1.0);
}

TEST(MarkFeatureRemoved, RefusesRowsOutsideTheTable)
{
    BeamModel m;
    addPointLoad(m, 10, 0, "lb", "in");
    const BeamModel before = m;
    for (int n : {0, -1, 2, 32767}) EXPECT_FALSE(markFeatureRemoved(m, n)) << n;
    EXPECT_EQ(m, before);
}

}  // namespace
}  // namespace spanrix
