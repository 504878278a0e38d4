#include "model/units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <type_traits>

#include "forms/beam_setup.h"
#include "geometry/geometry.h"
#include "model/number_format.h"

namespace spanrix {
namespace {

TEST(UnitTable, TypedAndShownValues)
{
    EXPECT_EQ(storedValue(FeatureKind::None, "ft", 10), 120.0);
    EXPECT_EQ(storedValue(FeatureKind::PointLoad, "kg", 10), 10 * 9.80665);
    EXPECT_EQ(storedValue(FeatureKind::DistLoad, "pf", 12), 1.0);
    EXPECT_EQ(storedValue(FeatureKind::DistLoad, "pf", 24), 2.0);
    EXPECT_EQ(storedValue(FeatureKind::Moment, "pf", 100), 1200.0);
    EXPECT_EQ(storedValue(FeatureKind::Moment, "kg", 1), 9.80665);
    EXPECT_EQ(storedValue(FeatureKind::PointLoad, "N", 7), 7.0);

    EXPECT_EQ(shownValue(FeatureKind::None, "ft", 120), 10.0);
    EXPECT_EQ(shownValue(FeatureKind::DistLoad, "pf", 1), 12.0);
    EXPECT_EQ(shownValue(FeatureKind::Moment, "pf", 1200), 100.0);
    EXPECT_EQ(shownValue(FeatureKind::PointLoad, "kg", 98.0665), 98.0665 * 0.10197162129779283);
    EXPECT_EQ(displayText(shownValue(FeatureKind::PointLoad, "kg", 98.0665), 3), "10");
}

BeamModel englishBeam()
{
    BeamModel m;
    m.beamLength = 1200.0;
    m.maxPointLoadMag = 10.0;
    m.maxMomentMag = 100.0;
    m.maxDistLoadMag = 2.0;
    m.momentOfInertia = 100.0f;
    m.modulusE = 29000000.0f;
    m.fiberDistance = 5.0f;
    int k = appendFeature(m, FeatureKind::PointLoad, "lb", "ft");
    m.pointLoadMag[k] = 10.0;
    m.pointLoadLoc[k] = 600.0;
    k = appendFeature(m, FeatureKind::DistLoad, "pf", "ft");
    m.distLoadStartMag[k] = 2.0;
    m.distLoadEndMag[k] = 1.0;
    m.distLoadStart[k] = 0.0;
    m.distLoadEnd[k] = 120.0;
    k = appendFeature(m, FeatureKind::Moment, "pf", "in");
    m.momentMag[k] = 100.0;
    m.momentLoc[k] = 50.0;
    k = appendFeature(m, FeatureKind::Support, "lb", "ft");
    m.supportLoc[k] = 1200.0;
    m.supportType[k] = "simp";
    k = appendFeature(m, FeatureKind::Support, "lb", "ft");
    m.supportLoc[k] = -1.0;  // removed
    m.supportType[k] = "simp";
    return m;
}

TEST(ConvertUnitSystem, EnglishToMetricScalesEveryQuantity)
{
    BeamModel m = englishBeam();
    ASSERT_TRUE(convertUnitSystem(m, kEnglishToMetric));
    EXPECT_TRUE(m.metricUnits);
    EXPECT_DOUBLE_EQ(m.beamLength, 30.48);
    EXPECT_EQ(m.maxPointLoadMag, 10.0 * 4.448222);
    EXPECT_EQ(m.maxMomentMag, 100.0 * 4.448222 * 0.0254);
    EXPECT_EQ(m.maxDistLoadMag, 2.0 * 4.448222 / 0.0254);
    EXPECT_EQ(m.pointLoadMag[1], 10.0 * 4.448222);
    EXPECT_EQ(m.pointLoadLoc[1], 600.0 * 0.0254);
    EXPECT_EQ(m.distLoadEndMag[1], 1.0 * 4.448222 / 0.0254);
    EXPECT_EQ(m.distLoadEnd[1], 120.0 * 0.0254);
    EXPECT_EQ(m.momentMag[1], 100.0 * 4.448222 * 0.0254);
    EXPECT_EQ(m.supportLoc[1], 1200.0 * 0.0254);
    EXPECT_EQ(m.supportLoc[2], -1.0);
    EXPECT_EQ(m.momentOfInertia, static_cast<float>(100.0 * std::pow(0.0254, 4)));
    EXPECT_EQ(m.modulusE, static_cast<float>(29000000.0 * 4.448222 / std::pow(0.0254, 2)));
    EXPECT_EQ(m.fiberDistance, static_cast<float>(5.0 * 0.0254));
    for (int n = 1; n <= m.numFeatures; ++n) {
        EXPECT_EQ(m.featureLengthUnit[n], "m");
        EXPECT_EQ(m.featureForceUnit[n], "N");
    }
}

TEST(ConvertUnitSystem, BackToEnglishUsesItsOwnFactorsAndCodes)
{
    BeamModel m = englishBeam();
    convertUnitSystem(m, kEnglishToMetric);
    ASSERT_TRUE(convertUnitSystem(m, kMetricToEnglish));
    EXPECT_FALSE(m.metricUnits);
    EXPECT_EQ(m.beamLength, 1200.0 * 0.0254 * 39.3700787401575);
    EXPECT_NE(m.beamLength, 1200.0);  // the factors are not exact reciprocals
    EXPECT_NEAR(m.beamLength, 1200.0, 1e-9);
    EXPECT_EQ(m.supportLoc[2], -1.0);
    EXPECT_EQ(m.featureForceUnit[1], "lb");
    EXPECT_EQ(m.featureForceUnit[2], "pi");
    EXPECT_EQ(m.featureForceUnit[3], "pi");
    EXPECT_EQ(m.featureForceUnit[4], "lb");
    for (int n = 1; n <= m.numFeatures; ++n) EXPECT_EQ(m.featureLengthUnit[n], "in");
}

TEST(ConvertUnitSystem, SameSystemChangesNothing)
{
    BeamModel m = englishBeam();
    const BeamModel before = m;
    EXPECT_FALSE(convertUnitSystem(m, kMetricToEnglish));
    EXPECT_EQ(m, before);
    convertUnitSystem(m, kEnglishToMetric);
    const BeamModel metric = m;
    EXPECT_FALSE(convertUnitSystem(m, kEnglishToMetric));
    EXPECT_EQ(m, metric);
    // Any other direction cannot even be written.
    static_assert(!std::is_convertible_v<const char*, UnitConversion>);
}

TEST(BeamSetup, ContinueRules)
{
    BeamModel m;
    EXPECT_FALSE(acceptBeamLength(m, "100", true, true));
    EXPECT_EQ(m.beamLength, 1200.0);
    EXPECT_FALSE(m.useInches);
    EXPECT_FALSE(acceptBeamLength(m, "30", false, true));
    EXPECT_EQ(m.beamLength, 30.0);
    EXPECT_TRUE(m.useInches);
    for (const char* bad : {"0", "-5", "", "abc", "1,5"}) {
        const BeamModel before = m;
        const bool number = parseNumber(bad).has_value();
        EXPECT_EQ(acceptBeamLength(m, bad, true, true),
                  number ? "Enter a positive non-zero value for beam length." : kNotANumberMessage)
            << bad;
        EXPECT_EQ(m, before);
    }
    // An untouched dialog keeps the stored length rather than its rounded text.
    m.beamLength = 120.000001;
    EXPECT_EQ(beamLengthBoxText(m, true, 3), "10");
    EXPECT_FALSE(acceptBeamLength(m, "10", true, false));
    EXPECT_EQ(m.beamLength, 120.000001);
}

TEST(ScreenGeometry, DerivedValuesRoundHalvesToEven)
{
    const ScreenGeometry g = screenGeometry(19200, 10800);
    EXPECT_EQ(g.beamTop, 5400);
    EXPECT_EQ(g.beamBottom, 5940);
    EXPECT_EQ(g.beamLeft, 2400);
    EXPECT_EQ(g.beamRight, 16800);
    EXPECT_EQ(g.arrowScale, 2160);
    EXPECT_EQ(g.symbolScale, 1080);
    const ScreenGeometry h = screenGeometry(19200, 10810);
    EXPECT_EQ(h.beamTop, 5405);
    EXPECT_EQ(h.beamBottom, 5946);
    EXPECT_EQ(screenGeometry(20, 25).beamTop, 12);  // 12.5 -> 12
}

}  // namespace
}  // namespace spanrix

namespace spanrix {
namespace {

TEST(ConvertUnitSystem, SectionPropertiesBeyondTheFloatRangeBecomeInfinite)
{
    BeamModel m;
    m.beamLength = 100.0;
    m.modulusE = 3e38f;  // psi; in pascals it exceeds every float
    m.momentOfInertia = -3e38f;
    convertUnitSystem(m, kEnglishToMetric);
    EXPECT_EQ(m.modulusE, std::numeric_limits<float>::infinity());
    EXPECT_EQ(m.momentOfInertia, static_cast<float>(-3e38 * std::pow(0.0254, 4)));
}

}  // namespace
}  // namespace spanrix
