#include "model/beam_model.h"

#include <gtest/gtest.h>

namespace spanrix {
namespace {

int addPointLoad(BeamModel& m, double mag, double loc)
{
    raiseTracker(m, FeatureKind::PointLoad, mag);
    const int k = appendFeature(m, FeatureKind::PointLoad, "lb", "ft");
    m.pointLoadMag[k] = mag;
    m.pointLoadLoc[k] = loc;
    return k;
}

TEST(BeamModel, FeatureKeysNumberEachKindFromOne)
{
    BeamModel m;
    addPointLoad(m, 10, 0);
    const int s = appendFeature(m, FeatureKind::Support, "lb", "ft");
    m.supportLoc[s] = 0;
    addPointLoad(m, 5, 10);
    m.pointLoadMag[1] = 0.0;  // feature 1 removed: it keeps its key
    EXPECT_EQ(addPointLoad(m, 3, 20), 3);
    EXPECT_EQ(m.numFeatures, 4);
    EXPECT_EQ(m.featureId[1], "pt1");
    EXPECT_EQ(m.featureId[2], "su1");
    EXPECT_EQ(m.featureId[4], "pt3");
    EXPECT_EQ(m.featureForceUnit[4], "lb");
    EXPECT_EQ(m.featureLengthUnit[4], "ft");
    EXPECT_FALSE(isLive(m, FeatureKind::PointLoad, 1));
    EXPECT_TRUE(isLive(m, FeatureKind::Support, 1));  // a support at 0 is live
}

TEST(BeamModel, KeyParsingTakesEverythingAfterTwoCharacters)
{
    BeamModel m;
    m.numFeatures = 3;
    m.featureId[1] = "di12";
    m.featureId[2] = "su";
    m.featureId[3] = "moX";
    EXPECT_EQ(featureKind(m, 1), FeatureKind::DistLoad);
    EXPECT_EQ(featureIndex(m, 1), 12);
    EXPECT_EQ(featureIndex(m, 2), 0);
    EXPECT_EQ(featureKind(m, 3), FeatureKind::Moment);
    EXPECT_EQ(featureIndex(m, 3), 0);
    EXPECT_EQ(featureKind(m, 0), FeatureKind::None);
    EXPECT_EQ(featureKind(m, 171), FeatureKind::None);
}

TEST(BeamModel, TrackerRaiseRules)
{
    BeamModel m;
    m.maxPointLoadMag = 99.0;  // left over: the first load after a reset replaces it
    addPointLoad(m, -5, 0);
    EXPECT_EQ(m.maxPointLoadMag, 5.0);
    EXPECT_EQ(m.prevMaxPointLoadMag, 99.0);
    addPointLoad(m, 3, 0);  // smaller: no change
    EXPECT_EQ(m.maxPointLoadMag, 5.0);
    EXPECT_EQ(m.prevMaxPointLoadMag, 99.0);
    addPointLoad(m, 5, 0);  // equal counts as a raise
    EXPECT_EQ(m.maxPointLoadMag, 5.0);
    EXPECT_EQ(m.prevMaxPointLoadMag, 5.0);
    addPointLoad(m, 8, 0);
    EXPECT_EQ(m.maxPointLoadMag, 8.0);
    EXPECT_EQ(m.prevMaxPointLoadMag, 5.0);
}

TEST(BeamModel, TrackerRecomputeZeroesTheCompanion)
{
    BeamModel m;
    addPointLoad(m, 10, 0);
    addPointLoad(m, 5, 0);
    addPointLoad(m, -8, 0);
    ASSERT_TRUE(holdsMaximum(m, FeatureKind::PointLoad, 1));
    m.pointLoadMag[1] = 0.0;
    recomputeTracker(m, FeatureKind::PointLoad);
    EXPECT_EQ(m.maxPointLoadMag, 8.0);
    EXPECT_EQ(m.prevMaxPointLoadMag, 0.0);

    // Distributed loads look at both ends.
    for (auto [s, e] : {std::pair{-10.0, 2.0}, std::pair{3.0, 4.0}, std::pair{0.0, 12.0}}) {
        raiseTracker(m, FeatureKind::DistLoad,
                     std::abs(s) >= std::abs(e) ? s : e);
        const int k = appendFeature(m, FeatureKind::DistLoad, "pi", "in");
        m.distLoadStartMag[k] = s;
        m.distLoadEndMag[k] = e;
    }
    EXPECT_EQ(m.maxDistLoadMag, 12.0);
    m.distLoadEndMag[3] = 0.0;
    recomputeTracker(m, FeatureKind::DistLoad);
    EXPECT_EQ(m.maxDistLoadMag, 10.0);
}

TEST(BeamModel, DominantIntensityTies)
{
    BeamModel m;
    m.distLoadStartMag[1] = -4;
    m.distLoadEndMag[1] = 4;
    EXPECT_EQ(dominantIntensity(m, 1, TieGoesTo::End), 4.0);
    EXPECT_EQ(dominantIntensity(m, 1, TieGoesTo::Start), -4.0);
    m.distLoadStartMag[1] = -30;
    m.distLoadEndMag[1] = 20;
    EXPECT_EQ(dominantIntensity(m, 1, TieGoesTo::End), -30.0);
}

TEST(BeamModel, ResetKeepsLengthUnitsAndEditFlag)
{
    BeamModel m;
    m.metricUnits = true;
    m.useInches = true;
    m.beamLength = 20.0;
    m.editingFeature = true;
    m.resolution = 500.0f;
    m.momentOfInertia = 1.0f;
    m.modulusE = 2.0f;
    m.fiberDistance = 3.0f;
    addPointLoad(m, 10, 1);
    m.shownPointLoads = 1;
    resetModel(m);
    EXPECT_TRUE(m.metricUnits);
    EXPECT_TRUE(m.useInches);
    EXPECT_EQ(m.beamLength, 20.0);
    EXPECT_TRUE(m.editingFeature);
    EXPECT_EQ(m.numFeatures, 0);
    EXPECT_EQ(m.numPointLoads, 0);
    EXPECT_EQ(m.shownPointLoads, 0);
    EXPECT_EQ(m.featureId[1], "");
    EXPECT_EQ(m.pointLoadMag[1], 0.0);
    EXPECT_EQ(m.maxPointLoadMag, 0.0);
    EXPECT_TRUE(m.maxPointLoadMag.isSet());
    EXPECT_EQ(m.resolution, 10000.0f);
    EXPECT_EQ(m.momentOfInertia, 0.0f);
    EXPECT_EQ(m.modulusE, 0.0f);
    EXPECT_EQ(m.fiberDistance, 0.0f);
}

TEST(BeamModel, CapacityIsCheckedPerKind)
{
    BeamModel m;
    for (int i = 0; i < 50; ++i) {
        ASSERT_FALSE(capacityRefusal(m, FeatureKind::PointLoad));
        addPointLoad(m, 1, 0);
    }
    EXPECT_EQ(capacityRefusal(m, FeatureKind::PointLoad), "Maximum of 50 point loads reached.");
    EXPECT_FALSE(capacityRefusal(m, FeatureKind::Moment));
    m.numDistLoads = 50;
    EXPECT_EQ(capacityRefusal(m, FeatureKind::DistLoad), "Maximum of 50 distributed loads reached.");
    m.numMoments = 50;
    EXPECT_EQ(capacityRefusal(m, FeatureKind::Moment), "Maximum of 50 moments reached.");
    m.numSupports = 20;
    EXPECT_EQ(capacityRefusal(m, FeatureKind::Support), "Maximum of 20 supports reached.");
}

TEST(BeamModel, SameBeamIgnoresOnlyWhatTheScreenShows)
{
    BeamModel a;
    addPointLoad(a, 10, 5);
    BeamModel b = a;
    b.editingFeature = true;
    b.shownPointLoads = 1;
    EXPECT_TRUE(sameBeam(a, b));
    b.resolution = 5000.0f;
    EXPECT_FALSE(sameBeam(a, b));
    b = a;
    b.momentOfInertia = 1.0f;
    EXPECT_FALSE(sameBeam(a, b));
}

TEST(MaybeNumber, UnsetUntilAssigned)
{
    MaybeNumber n;
    EXPECT_FALSE(n.isSet());
    EXPECT_EQ(double(n), 0.0);
    n = 2.5;
    EXPECT_TRUE(n.isSet());
    EXPECT_EQ(n * 2.0, 5.0);
    EXPECT_FALSE(MaybeNumber() == MaybeNumber(0.0));  // files tell the two apart
    EXPECT_TRUE(MaybeNumber(0.0) == 0.0);
}

}  // namespace
}  // namespace spanrix
