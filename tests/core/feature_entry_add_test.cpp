#include <gtest/gtest.h>

#include "feature_entry_test_util.h"
#include "forms/feature_entry.h"
#include "model/number_format.h"

namespace spanrix {
namespace {

using testing::distLoad;
using testing::englishBeam;
using testing::metricBeam;
using testing::pointLoad;
using testing::support;

// Runs an Add that must be refused and checks the message and the untouched model.
void expectRefused(BeamModel& m, FeatureKind kind, const FeatureEntry& e, std::string_view message)
{
    const BeamModel before = m;
    const auto refusal = addFeature(m, kind, e);
    ASSERT_TRUE(refusal.has_value()) << "accepted: " << e.location << " / " << e.magnitude;
    EXPECT_EQ(*refusal, message);
    EXPECT_TRUE(m == before);
}

TEST(FeatureEntryAdd, PointLoadInFeetIsStoredInInchesWithItsCodes)
{
    BeamModel m = englishBeam();
    ASSERT_FALSE(addFeature(m, FeatureKind::PointLoad, pointLoad("-500", "10", true)));
    EXPECT_EQ(m.numPointLoads, 1);
    EXPECT_EQ(m.featureId[1], "pt1");
    EXPECT_EQ(double(m.pointLoadLoc[1]), 120.0);
    EXPECT_EQ(double(m.pointLoadMag[1]), -500.0);
    EXPECT_EQ(m.featureForceUnit[1], "lb");
    EXPECT_EQ(m.featureLengthUnit[1], "ft");
    EXPECT_EQ(double(m.maxPointLoadMag), 500.0);
}

TEST(FeatureEntryAdd, KilogramsAreStoredAsNewtons)
{
    BeamModel m = metricBeam();
    ASSERT_FALSE(addFeature(m, FeatureKind::PointLoad, pointLoad("10", "2", true, true)));
    EXPECT_EQ(double(m.pointLoadMag[1]), 10 * 9.80665);
    EXPECT_EQ(double(m.pointLoadLoc[1]), 2.0);  // the feet option plays no part in metric
    EXPECT_EQ(m.featureForceUnit[1], "kg");
    EXPECT_EQ(m.featureLengthUnit[1], "m");
}

TEST(FeatureEntryAdd, LocationsMayReachBothEndsButNotBeyond)
{
    BeamModel m = englishBeam();
    EXPECT_FALSE(addFeature(m, FeatureKind::PointLoad, pointLoad("5", "0")));
    EXPECT_FALSE(addFeature(m, FeatureKind::PointLoad, pointLoad("5", "1200")));
    EXPECT_FALSE(addFeature(m, FeatureKind::Moment, pointLoad("5", "0")));
    EXPECT_FALSE(addFeature(m, FeatureKind::Moment, pointLoad("5", "1200")));
    expectRefused(m, FeatureKind::PointLoad, pointLoad("5", "-0.001"), kInvalidLoadLocation);
    expectRefused(m, FeatureKind::PointLoad, pointLoad("5", "1200.001"), kInvalidLoadLocation);
    expectRefused(m, FeatureKind::PointLoad, pointLoad("5", "100.001", true), kInvalidLoadLocation);
    expectRefused(m, FeatureKind::Moment, pointLoad("5", "-0.001"), kInvalidMomentLocation);
    expectRefused(m, FeatureKind::Moment, pointLoad("5", "1200.001"), kInvalidMomentLocation);
}

TEST(FeatureEntryAdd, LocationIsCheckedBeforeMagnitude)
{
    BeamModel m = englishBeam();
    expectRefused(m, FeatureKind::PointLoad, pointLoad("0", "-1"), kInvalidLoadLocation);
    expectRefused(m, FeatureKind::PointLoad, pointLoad("0", "1"), kNonZeroLoad);
    expectRefused(m, FeatureKind::Moment, pointLoad("0", "-1"), kInvalidMomentLocation);
    expectRefused(m, FeatureKind::Moment, pointLoad("0", "1"), kNonZeroMoment);
}

TEST(FeatureEntryAdd, TextThatIsNotANumberGetsTheOneNumberMessageInItsTurn)
{
    BeamModel m = englishBeam();
    for (const char* bad : {"", " ", "abc", "1,5", "1,000", "12ft", "--1", "inf", "nan"}) {
        for (FeatureKind kind : {FeatureKind::PointLoad, FeatureKind::Moment}) {
            expectRefused(m, kind, pointLoad("5", bad), kNotANumberMessage);
            expectRefused(m, kind, pointLoad(bad, "5"), kNotANumberMessage);
        }
        expectRefused(m, FeatureKind::DistLoad, distLoad("1", "1", bad, "10"), kNotANumberMessage);
        expectRefused(m, FeatureKind::DistLoad, distLoad("1", "1", "0", bad), kNotANumberMessage);
        expectRefused(m, FeatureKind::DistLoad, distLoad(bad, "1", "0", "10"), kNotANumberMessage);
        expectRefused(m, FeatureKind::DistLoad, distLoad("1", bad, "0", "10"), kNotANumberMessage);
        expectRefused(m, FeatureKind::Support, support(bad), kNotANumberMessage);
        // A box checked earlier whose number breaks its rule is reported first.
        expectRefused(m, FeatureKind::PointLoad, pointLoad(bad, "-1"), kInvalidLoadLocation);
        expectRefused(m, FeatureKind::DistLoad, distLoad(bad, "1", "10", "5"), kInvalidEndLocation);
    }
    // A magnitude that overflows on conversion is no number either.
    BeamModel metric = metricBeam();
    expectRefused(metric, FeatureKind::PointLoad, pointLoad("1e308", "1", false, true), kNonZeroLoad);
}

TEST(FeatureEntryAdd, DistributedLoadChecksAndConversions)
{
    BeamModel m = englishBeam();
    expectRefused(m, FeatureKind::DistLoad, distLoad("1", "1", "1200", "1200"), kInvalidStartLocation);
    expectRefused(m, FeatureKind::DistLoad, distLoad("1", "1", "-1", "10"), kInvalidStartLocation);
    expectRefused(m, FeatureKind::DistLoad, distLoad("1", "1", "10", "10"), kInvalidEndLocation);
    expectRefused(m, FeatureKind::DistLoad, distLoad("1", "1", "10", "1200.5"), kInvalidEndLocation);
    expectRefused(m, FeatureKind::DistLoad, distLoad("0", "0", "0", "10"), kNonZeroLoad);

    ASSERT_FALSE(addFeature(m, FeatureKind::DistLoad, distLoad("0", "10", "0", "1200")));
    EXPECT_EQ(m.featureForceUnit[1], "pi");
    EXPECT_EQ(m.featureLengthUnit[1], "in");
    ASSERT_FALSE(addFeature(m, FeatureKind::DistLoad, distLoad("12", "24", "0", "10", true, true)));
    EXPECT_EQ(m.distLoadStartMag[2], 1.0);
    EXPECT_EQ(m.distLoadEndMag[2], 2.0);
    EXPECT_EQ(double(m.distLoadEnd[2]), 120.0);
    EXPECT_EQ(m.featureForceUnit[2], "pf");
    EXPECT_EQ(m.featureLengthUnit[2], "ft");
    ASSERT_FALSE(addFeature(m, FeatureKind::DistLoad, distLoad("-30", "20", "0", "10")));
    EXPECT_EQ(double(m.maxDistLoadMag), 30.0);
}

TEST(FeatureEntryAdd, MomentUnits)
{
    BeamModel m = englishBeam();
    FeatureEntry e = pointLoad("100", "5", true);
    e.options.perFoot = true;
    ASSERT_FALSE(addFeature(m, FeatureKind::Moment, e));
    EXPECT_EQ(double(m.momentMag[1]), 1200.0);
    EXPECT_EQ(double(m.momentLoc[1]), 60.0);
    EXPECT_EQ(m.featureForceUnit[1], "pf");
    e = pointLoad("-5000", "5");
    e.options.perFoot = false;  // lb-in
    ASSERT_FALSE(addFeature(m, FeatureKind::Moment, e));
    EXPECT_EQ(m.featureForceUnit[2], "pi");
    EXPECT_EQ(double(m.maxMomentMag), 5000.0);

    BeamModel metric = metricBeam();
    ASSERT_FALSE(addFeature(metric, FeatureKind::Moment, pointLoad("2", "1", false, true)));
    EXPECT_EQ(double(metric.momentMag[1]), 2 * 9.80665);
    EXPECT_EQ(metric.featureForceUnit[1], "kg");
}

TEST(FeatureEntryAdd, FullKindsAreRefusedWithTheCapacityMessage)
{
    BeamModel m = englishBeam();
    for (int i = 0; i < kMaxPointLoads; ++i)
        ASSERT_FALSE(addFeature(m, FeatureKind::PointLoad, pointLoad("1", "1")));
    expectRefused(m, FeatureKind::PointLoad, pointLoad("1", "1"),
                  *capacityRefusal(m, FeatureKind::PointLoad));
    EXPECT_EQ(*capacityRefusal(m, FeatureKind::PointLoad), "Maximum of 50 point loads reached.");

    for (int i = 0; i < kMaxSupports; ++i)
        ASSERT_FALSE(addFeature(m, FeatureKind::Support, support(std::to_string(i))));
    expectRefused(m, FeatureKind::Support, support("500"), *capacityRefusal(m, FeatureKind::Support));
    // Other kinds still have room.
    EXPECT_FALSE(addFeature(m, FeatureKind::Moment, pointLoad("1", "1")));
}

TEST(FeatureEntryAdd, SupportRangeDuplicatesAndCodes)
{
    BeamModel m = englishBeam();
    ASSERT_FALSE(addFeature(m, FeatureKind::Support, support("0")));
    ASSERT_FALSE(addFeature(m, FeatureKind::Support, support("100", false, true)));
    EXPECT_EQ(double(m.supportLoc[2]), 1200.0);
    EXPECT_EQ(m.supportType[2], "simp");
    EXPECT_EQ(m.featureForceUnit[2], "lb");
    EXPECT_EQ(m.featureLengthUnit[1], "in");
    EXPECT_EQ(m.featureLengthUnit[2], "ft");
    expectRefused(m, FeatureKind::Support, support("1200.5"), kInvalidSupportLocation);
    expectRefused(m, FeatureKind::Support, support("-0.5"), kInvalidSupportLocation);
    expectRefused(m, FeatureKind::Support, support("0"), kSupportExists);

    BeamModel metric = metricBeam();
    ASSERT_FALSE(addFeature(metric, FeatureKind::Support, support("4")));
    EXPECT_EQ(metric.featureForceUnit[1], "");
    EXPECT_EQ(metric.featureLengthUnit[1], "");
}

TEST(FeatureEntryAdd, CantileversGoToTheLeftEndFirstThenTheRight)
{
    BeamModel m = englishBeam();
    // The typed text plays no part for a cantilever.
    ASSERT_FALSE(addFeature(m, FeatureKind::Support, support("not a number", true)));
    EXPECT_EQ(double(m.supportLoc[1]), 0.0);
    EXPECT_EQ(m.supportType[1], "cant");
    EXPECT_EQ(m.featureForceUnit[1], "lb");
    EXPECT_EQ(m.featureLengthUnit[1], "");
    ASSERT_FALSE(addFeature(m, FeatureKind::Support, support("", true)));
    EXPECT_EQ(double(m.supportLoc[2]), 1200.0);
    expectRefused(m, FeatureKind::Support, support("0", true), kCantileverAtEnds);
    // A simple support at a cantilever's place is a duplicate.
    expectRefused(m, FeatureKind::Support, support("1200"), kSupportExists);

    // With the left one removed, the next cantilever takes the left end again.
    m.supportLoc[1] = -1.0;
    ASSERT_FALSE(addFeature(m, FeatureKind::Support, support("7", true)));
    EXPECT_EQ(double(m.supportLoc[3]), 0.0);
}

TEST(FeatureEntryAdd, CantileverRefusalsBySupportsAtTheEnds)
{
    BeamModel left = englishBeam();
    ASSERT_FALSE(addFeature(left, FeatureKind::Support, support("0")));
    expectRefused(left, FeatureKind::Support, support("0", true), kFirstCantileverLeft);

    BeamModel right = englishBeam();
    ASSERT_FALSE(addFeature(right, FeatureKind::Support, support("0", true)));
    ASSERT_FALSE(addFeature(right, FeatureKind::Support, support("1200")));
    expectRefused(right, FeatureKind::Support, support("0", true), kCantileverAtEnds);

    // A simple support at the right end alone leaves the left end free.
    BeamModel free = englishBeam();
    ASSERT_FALSE(addFeature(free, FeatureKind::Support, support("1200")));
    ASSERT_FALSE(addFeature(free, FeatureKind::Support, support("", true)));
    EXPECT_EQ(double(free.supportLoc[2]), 0.0);
}

}  // namespace
}  // namespace spanrix
