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

constexpr int kSigFigs = 3;

EditOpening open(const BeamModel& m, FeatureKind kind, int row)
{
    return openFeatureEdit(m, kind, row, kSigFigs);
}

TEST(FeatureEntryEdit, FormShowsRoundedValuesInTheEnteredUnits)
{
    BeamModel m = metricBeam();
    ASSERT_FALSE(addFeature(m, FeatureKind::PointLoad, pointLoad("10", "1.23456", false, true)));
    EditOpening o = open(m, FeatureKind::PointLoad, 1);
    ASSERT_TRUE(o.opened());
    EXPECT_EQ(o.form.magnitude, "10");
    EXPECT_EQ(o.form.location, "1.23");
    EXPECT_TRUE(o.form.options.kg);
    EXPECT_TRUE(o.edit.wasMaximum);

    BeamModel e = englishBeam();
    ASSERT_FALSE(addFeature(e, FeatureKind::DistLoad, distLoad("12", "24", "2", "10", true, true)));
    ASSERT_FALSE(addFeature(e, FeatureKind::DistLoad, distLoad("1234.5678", "0", "0", "30")));
    o = open(e, FeatureKind::DistLoad, 1);
    EXPECT_EQ(o.form.magnitude, "12");
    EXPECT_EQ(o.form.endMagnitude, "24");
    EXPECT_EQ(o.form.location, "2");
    EXPECT_EQ(o.form.endLocation, "10");
    EXPECT_TRUE(o.form.options.perFoot);
    EXPECT_TRUE(o.form.options.feet);
    EXPECT_FALSE(o.edit.wasMaximum);
    o = open(e, FeatureKind::DistLoad, 2);
    EXPECT_EQ(o.form.magnitude, "1230");
    EXPECT_FALSE(o.form.options.perFoot);
    EXPECT_FALSE(o.form.options.feet);

    FeatureEntry moment = pointLoad("100", "5", true);
    moment.options.perFoot = true;
    ASSERT_FALSE(addFeature(e, FeatureKind::Moment, moment));
    o = open(e, FeatureKind::Moment, 3);
    EXPECT_EQ(o.form.magnitude, "100");
    EXPECT_EQ(o.form.location, "5");
    EXPECT_TRUE(o.form.options.perFoot);
}

TEST(FeatureEntryEdit, OpeningRefusesRemovedMissingAndCantileverFeatures)
{
    BeamModel m = englishBeam();
    ASSERT_FALSE(addFeature(m, FeatureKind::PointLoad, pointLoad("5", "1")));
    ASSERT_FALSE(addFeature(m, FeatureKind::Support, support("", true)));
    ASSERT_FALSE(addFeature(m, FeatureKind::Support, support("10")));
    EXPECT_EQ(open(m, FeatureKind::PointLoad, 4).refusal, kDialogInvalidFeatureNumber);
    EXPECT_EQ(open(m, FeatureKind::PointLoad, 0).refusal, kDialogInvalidFeatureNumber);
    EXPECT_EQ(open(m, FeatureKind::Moment, 1).refusal, kDialogInvalidFeatureNumber);
    EXPECT_EQ(open(m, FeatureKind::Support, 2).refusal, kCannotMoveCantilever);
    EXPECT_TRUE(open(m, FeatureKind::Support, 3).opened());
    m.pointLoadMag[1] = 0.0;
    m.supportLoc[1] = -1.0;
    EXPECT_EQ(open(m, FeatureKind::PointLoad, 1).refusal, kDialogInvalidFeatureNumber);
    EXPECT_EQ(open(m, FeatureKind::Support, 2).refusal, kDialogInvalidFeatureNumber);
}

TEST(FeatureEntryEdit, SubmitWithoutTouchesKeepsEveryValueBitForBit)
{
    BeamModel m = englishBeam();
    ASSERT_FALSE(addFeature(m, FeatureKind::PointLoad, pointLoad("1234.5678", "33.33333", true)));
    ASSERT_FALSE(addFeature(m, FeatureKind::DistLoad,
                            distLoad("1.11111", "-2.22222", "0.123456", "77.7777", true, true)));
    ASSERT_FALSE(addFeature(m, FeatureKind::Moment, pointLoad("98765.4321", "0.987654")));
    ASSERT_FALSE(addFeature(m, FeatureKind::Support, support("12.3456789", false, true)));
    const BeamModel before = m;
    for (const auto kind : {FeatureKind::PointLoad, FeatureKind::DistLoad, FeatureKind::Moment,
                            FeatureKind::Support}) {
        const int row = int(kind) - int(FeatureKind::PointLoad) + 1;
        const EditOpening o = open(m, kind, row);
        ASSERT_TRUE(o.opened());
        ASSERT_FALSE(submitFeatureEdit(m, o.edit, o.form, TouchedFields{}));
    }
    EXPECT_TRUE(m.pointLoadMag == before.pointLoadMag);
    EXPECT_TRUE(m.pointLoadLoc == before.pointLoadLoc);
    EXPECT_TRUE(m.distLoadStartMag == before.distLoadStartMag);
    EXPECT_TRUE(m.distLoadEndMag == before.distLoadEndMag);
    EXPECT_TRUE(m.distLoadStart == before.distLoadStart);
    EXPECT_TRUE(m.distLoadEnd == before.distLoadEnd);
    EXPECT_TRUE(m.momentMag == before.momentMag);
    EXPECT_TRUE(m.momentLoc == before.momentLoc);
    EXPECT_TRUE(m.supportLoc == before.supportLoc);
    EXPECT_TRUE(m.featureForceUnit == before.featureForceUnit);
    EXPECT_TRUE(m.featureLengthUnit == before.featureLengthUnit);
    EXPECT_EQ(double(m.maxPointLoadMag), 1234.5678);
}

TEST(FeatureEntryEdit, OnlyTouchedValuesAndClickedUnitsChange)
{
    BeamModel m = englishBeam();
    ASSERT_FALSE(addFeature(m, FeatureKind::PointLoad, pointLoad("-500", "10", true)));
    EditOpening o = open(m, FeatureKind::PointLoad, 1);
    // Only the length option changes: the unchanged text "10" is now inches.
    o.form.options.feet = false;
    TouchedFields lengthOption;
    lengthOption.lengthUnit = true;
    ASSERT_FALSE(submitFeatureEdit(m, o.edit, o.form, lengthOption));
    EXPECT_EQ(double(m.pointLoadLoc[1]), 10.0);
    EXPECT_EQ(double(m.pointLoadMag[1]), -500.0);
    EXPECT_EQ(m.featureLengthUnit[1], "in");

    // A distributed load: only the end intensity typed anew.
    ASSERT_FALSE(addFeature(m, FeatureKind::DistLoad, distLoad("12", "24", "0", "10", true, true)));
    o = open(m, FeatureKind::DistLoad, 2);
    o.form.endMagnitude = "36";
    TouchedFields endOnly;
    endOnly.endMagnitude = true;
    ASSERT_FALSE(submitFeatureEdit(m, o.edit, o.form, endOnly));
    EXPECT_EQ(m.distLoadStartMag[1], 1.0);
    EXPECT_EQ(m.distLoadEndMag[1], 3.0);
    EXPECT_EQ(double(m.maxDistLoadMag), 3.0);

    // Metric kilograms: the force option clicked to N reinterprets the shown number.
    BeamModel metric = metricBeam();
    ASSERT_FALSE(addFeature(metric, FeatureKind::PointLoad, pointLoad("10", "1", false, true)));
    o = open(metric, FeatureKind::PointLoad, 1);
    o.form.options.kg = false;
    TouchedFields forceOption;
    forceOption.forceUnit = true;
    ASSERT_FALSE(submitFeatureEdit(metric, o.edit, o.form, forceOption));
    EXPECT_EQ(double(metric.pointLoadMag[1]), 10.0);
    EXPECT_EQ(metric.featureForceUnit[1], "N");
}

TEST(FeatureEntryEdit, TrackerFollowsTheEditedMaximum)
{
    BeamModel m = englishBeam();
    ASSERT_FALSE(addFeature(m, FeatureKind::PointLoad, pointLoad("100", "1")));
    ASSERT_FALSE(addFeature(m, FeatureKind::PointLoad, pointLoad("-50", "2")));
    ASSERT_FALSE(addFeature(m, FeatureKind::PointLoad, pointLoad("30", "3")));
    EditOpening o = open(m, FeatureKind::PointLoad, 1);
    ASSERT_TRUE(o.edit.wasMaximum);
    o.form.magnitude = "20";
    TouchedFields mag;
    mag.magnitude = true;
    ASSERT_FALSE(submitFeatureEdit(m, o.edit, o.form, mag));
    EXPECT_EQ(double(m.maxPointLoadMag), 50.0);
    EXPECT_EQ(double(m.prevMaxPointLoadMag), 0.0);

    // Editing a smaller load up raises the tracker; down leaves it alone.
    o = open(m, FeatureKind::PointLoad, 3);
    o.form.magnitude = "70";
    ASSERT_FALSE(submitFeatureEdit(m, o.edit, o.form, mag));
    EXPECT_EQ(double(m.maxPointLoadMag), 70.0);
    o = open(m, FeatureKind::PointLoad, 2);
    o.form.magnitude = "1";
    ASSERT_FALSE(submitFeatureEdit(m, o.edit, o.form, mag));
    EXPECT_EQ(double(m.maxPointLoadMag), 70.0);

    BeamModel d = englishBeam();
    ASSERT_FALSE(addFeature(d, FeatureKind::DistLoad, distLoad("-40", "5", "0", "10")));
    ASSERT_FALSE(addFeature(d, FeatureKind::DistLoad, distLoad("10", "0", "0", "10")));
    o = open(d, FeatureKind::DistLoad, 1);
    ASSERT_TRUE(o.edit.wasMaximum);
    o.form.magnitude = "1";
    ASSERT_FALSE(submitFeatureEdit(d, o.edit, o.form, mag));
    EXPECT_EQ(double(d.maxDistLoadMag), 10.0);
}

TEST(FeatureEntryEdit, SubmitChecksTheValuesThatWouldBeStored)
{
    BeamModel m = englishBeam();
    ASSERT_FALSE(addFeature(m, FeatureKind::PointLoad, pointLoad("5", "10")));
    EditOpening o = open(m, FeatureKind::PointLoad, 1);
    TouchedFields loc;
    loc.location = true;
    const BeamModel before = m;
    for (const char* bad : {"", "x", "1200.5"}) {
        o.form.location = bad;
        EXPECT_EQ(submitFeatureEdit(m, o.edit, o.form, loc),
                  std::string(parseNumber(bad) ? kInvalidLoadLocation : kNotANumberMessage));
    }
    EXPECT_TRUE(m == before);

    // A value at the end of a beam whose length rounds up on display: the untouched field
    // shows "10", beyond the beam, yet the stored value is kept and accepted.
    BeamModel metric = metricBeam(9.9996);
    ASSERT_FALSE(addFeature(metric, FeatureKind::PointLoad, pointLoad("5", "9.9996")));
    o = open(metric, FeatureKind::PointLoad, 1);
    EXPECT_EQ(o.form.location, "10");
    EXPECT_FALSE(submitFeatureEdit(metric, o.edit, o.form, TouchedFields{}));
    EXPECT_EQ(double(metric.pointLoadLoc[1]), 9.9996);
    EXPECT_EQ(submitFeatureEdit(metric, o.edit, o.form, loc), std::string(kInvalidLoadLocation));
}

TEST(FeatureEntryEdit, SupportEditsCheckRangeAndOtherLiveSupports)
{
    BeamModel m = englishBeam();
    ASSERT_FALSE(addFeature(m, FeatureKind::Support, support("0")));
    ASSERT_FALSE(addFeature(m, FeatureKind::Support, support("600")));
    EditOpening o = open(m, FeatureKind::Support, 2);
    ASSERT_TRUE(o.opened());
    EXPECT_FALSE(o.form.options.feet);
    TouchedFields loc;
    loc.location = true;
    const BeamModel before = m;
    o.form.location = "0";
    EXPECT_EQ(submitFeatureEdit(m, o.edit, o.form, loc), std::string(kSupportExists));
    o.form.location = "1200.5";
    EXPECT_EQ(submitFeatureEdit(m, o.edit, o.form, loc), std::string(kInvalidSupportLocation));
    EXPECT_TRUE(m == before);
    // Its own place and a removed support's former place are free.
    o.form.location = "600";
    EXPECT_FALSE(submitFeatureEdit(m, o.edit, o.form, loc));
    m.supportLoc[1] = -1.0;
    o.form.location = "0";
    EXPECT_FALSE(submitFeatureEdit(m, o.edit, o.form, loc));
    EXPECT_EQ(double(m.supportLoc[2]), 0.0);
    // The type options play no part in an edit.
    o.form.location = "5";
    o.form.cantilever = true;
    o.form.options.feet = true;
    TouchedFields both = loc;
    both.lengthUnit = true;
    EXPECT_FALSE(submitFeatureEdit(m, o.edit, o.form, both));
    EXPECT_EQ(double(m.supportLoc[2]), 60.0);
    EXPECT_EQ(m.supportType[2], "simp");
    EXPECT_EQ(m.featureLengthUnit[2], "ft");
}

TEST(FeatureEntryEdit, AnEditWhoseFeatureVanishedIsRefused)
{
    BeamModel m = englishBeam();
    ASSERT_FALSE(addFeature(m, FeatureKind::Moment, pointLoad("5", "10")));
    const EditOpening o = open(m, FeatureKind::Moment, 1);
    m.momentMag[1] = 0.0;  // removed while the dialog was open
    EXPECT_FALSE(editStillValid(m, o.edit));
    const BeamModel before = m;
    EXPECT_EQ(submitFeatureEdit(m, o.edit, o.form, TouchedFields{}),
              std::string(kDialogInvalidFeatureNumber));
    EXPECT_TRUE(m == before);
    resetModel(m);
    EXPECT_FALSE(editStillValid(m, o.edit));
}

}  // namespace
}  // namespace spanrix
