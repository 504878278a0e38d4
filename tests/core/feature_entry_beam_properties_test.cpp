#include <gtest/gtest.h>

#include "feature_entry_test_util.h"
#include "forms/feature_entry.h"
#include "model/number_format.h"

namespace spanrix {
namespace {

using testing::englishBeam;
using testing::metricBeam;

TEST(BeamPropertiesEntry, LoadPutsTheModulusDefaultIntoTheModel)
{
    BeamModel m = englishBeam();
    EXPECT_EQ(loadBeamProperties(m, 3), (BeamPropertyTexts{"0", "30000000", "0"}));
    EXPECT_EQ(m.modulusE, 30000000.0f);

    BeamModel metric = metricBeam();
    EXPECT_EQ(loadBeamProperties(metric, 3), (BeamPropertyTexts{"0", "210", "0"}));
    EXPECT_EQ(metric.modulusE, 210e9f);

    // An entered modulus is kept and shown rounded.
    m.modulusE = 29123456.0f;
    EXPECT_EQ(loadBeamProperties(m, 3).modulus, "29100000");
    EXPECT_EQ(m.modulusE, 29123456.0f);
}

TEST(BeamPropertiesEntry, MetricBoxesAreConvertedAndStoredAsFloats)
{
    BeamModel m = metricBeam();
    BeamPropertyTexts texts = loadBeamProperties(m, 3);
    texts = {"8333000", "200", "150"};
    ASSERT_FALSE(storeBeamProperties(m, texts, {true, true, true}));
    EXPECT_EQ(m.momentOfInertia, static_cast<float>(8333000.0 / 1e12));
    EXPECT_EQ(m.momentOfInertia, 8.333E-06f);
    EXPECT_EQ(m.modulusE, 200e9f);
    EXPECT_EQ(m.fiberDistance, 0.15f);
    EXPECT_EQ(loadBeamProperties(m, 3), (BeamPropertyTexts{"8330000", "200", "150"}));
}

TEST(BeamPropertiesEntry, OnlyEditedBoxesAreStored)
{
    BeamModel m = englishBeam();
    m.momentOfInertia = 123.4567f;
    m.modulusE = 29876543.0f;
    m.fiberDistance = 5.55555f;
    const BeamModel before = m;
    const BeamPropertyTexts texts = loadBeamProperties(m, 3);
    ASSERT_FALSE(storeBeamProperties(m, texts, {}));
    EXPECT_TRUE(m == before);

    // Zero and negative numbers are stored as typed; unedited boxes are not even read.
    ASSERT_FALSE(storeBeamProperties(m, {"-5", "junk", "0"}, {true, false, true}));
    EXPECT_EQ(m.momentOfInertia, -5.0f);
    EXPECT_EQ(m.modulusE, 29876543.0f);
    EXPECT_EQ(m.fiberDistance, 0.0f);
}

TEST(BeamPropertiesEntry, AnyEditedBoxThatIsNotANumberRefusesAllThree)
{
    BeamModel m = englishBeam();
    loadBeamProperties(m, 3);
    const BeamModel before = m;
    for (const char* bad : {"", "abc", "1.2.3", "1e39"}) {
        const auto refusal = storeBeamProperties(m, {"100", "29000000", bad}, {true, true, true});
        ASSERT_TRUE(refusal.has_value()) << bad;
        EXPECT_EQ(*refusal, parseNumber(bad) ? kBeamPropertiesRefusal : kNotANumberMessage);
        EXPECT_TRUE(m == before);
    }
    // Out of float range after the metric conversion.
    BeamModel metric = metricBeam();
    EXPECT_TRUE(storeBeamProperties(metric, {"1", "1e30", "1"}, {true, true, true}).has_value());
}

}  // namespace
}  // namespace spanrix
