// The design file: round trips with the load file and itself, and what it refuses.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine_beams.h"
#include "files/design_file.h"
#include "files/load_file.h"
#include "files/text_file.h"

namespace spanrix {
namespace {

using namespace test_beams;

std::string exampleLoadFile(const char* name)
{
    const auto text = readWholeFile(std::string(SPANRIX_SOURCE_DIR) + "/examples/" + name, 1u << 20);
    EXPECT_TRUE(text) << name;
    return text.value_or("");
}

TEST(DesignFile, RoundTripsKeepEveryByte)
{
    for (const char* name : {"continuous_four_supports.lod", "fixed_fixed_triangular.lod",
                             "metric_kg_loads.lod", "simply_supported_point_load.lod"}) {
        SCOPED_TRACE(name);
        const std::string lod = exampleLoadFile(name);
        BeamModel fromLoad;
        ASSERT_TRUE(readLoadText(lod, FileLayout::Current, fromLoad).ok());
        const std::string design = designFileText(fromLoad);
        EXPECT_TRUE(isDesignText(design));
        EXPECT_FALSE(isDesignText(lod));

        BeamModel fromDesign;
        const OpenOutcome opened = readDesignText(design, fromDesign);
        ASSERT_TRUE(opened.ok()) << *opened.error;
        EXPECT_EQ(opened.format, BeamFileFormat::Design);
        EXPECT_EQ(loadFileText(fromDesign), lod);           // load -> design -> load
        EXPECT_EQ(designFileText(fromDesign), design);      // design -> open -> save
        EXPECT_EQ(opened.legendRows.size(), static_cast<size_t>(fromLoad.numFeatures));
    }
}

TEST(DesignFile, KeepsCasesDesignSettingsAndUnsetNumbers)
{
    BeamModel m = emptyBeam(240);
    addSupport(m, 0);
    addSupport(m, 240);
    addPointLoad(m, 500, 120);
    addDistLoad(m, 0, 240, 2, 3);
    addMoment(m, 100, 60);
    m.pointLoadMag[1] = 0.0;  // removed, kept in place
    setLoadCase(m, FeatureKind::DistLoad, 1, LoadCase::Lr);
    setLoadCase(m, FeatureKind::Moment, 1, LoadCase::W);
    m.design.sectionName = "W18 X 50";
    m.design.includeSelfWeight = true;
    m.design.weightPerLength = 4.5;
    SteelCheckSettings& steel = m.design.steelCheck;  // every setting away from its default
    steel.section = "W21 X 48";
    steel.yieldStress = 36000;
    steel.method = design::Method::AllowableStress;
    steel.bracePoints = {80, 160};
    steel.cb = CbMode::One;
    steel.liveLimit = 480;
    steel.totalLimit = 180;
    m.maxMomentMag = MaybeNumber();  // never set: null in the file

    const std::string text = designFileText(m);
    EXPECT_NE(text.find("\"moment\": null"), std::string::npos);
    BeamModel back;
    ASSERT_TRUE(readDesignText(text, back).ok());
    EXPECT_TRUE(sameBeam(back, m));
    EXPECT_TRUE(hasDesignData(back));

    const auto path = std::filesystem::temp_directory_path() / "spanrix-design-test.spanrix";
    ASSERT_FALSE(writeDesignFile(path.string(), m));
    BeamModel opened;
    EXPECT_TRUE(openBeamFile(path.string(), opened).ok());
    EXPECT_TRUE(sameBeam(opened, m));
    std::filesystem::remove(path);
}

TEST(DesignFile, RefusesNewerVersionsAndDamage)
{
    BeamModel m = emptyBeam(120);
    addSupport(m, 0, true);
    addPointLoad(m, 10, 120);
    const std::string good = designFileText(m);
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    struct Case {
        std::string text;
        std::string message;
    };
    const std::vector<Case> cases{
        {replaced("\"version\": 1", "\"version\": 99"),
         "This design file is of format version 99; this version of Spanrix reads design "
         "files up to version 1."},
        {good.substr(0, good.size() / 2), "File access error: parse error at line"},
        {replaced("\"version\": 1", "\"version\": 8E995"), "File access error: number overflow"},
        {replaced("\"case\": \"D\"", "\"case\": \"E\""),
         "File access error: \"pointLoads[1].case\" must be one of D, L, Lr, S, W"},
        {replaced("\"id\": \"pt1\"", "\"id\": \"pt2\""),
         "File access error: \"features[2].id\" names no feature of the file"},
        {replaced("\"useInches\": false", "\"useInches\": 0"),
         "File access error: \"useInches\" must be true or false"},
        {replaced("\"format\": \"spanrix-design\"", "\"format\": \"other\""),
         "File access error: not a Spanrix design file"},
        {replaced("\"method\": \"lrfd\"", "\"method\": \"lsd\""),
         "File access error: \"design.steelCheck.method\" must be lrfd or asd"},
        {replaced("\"bracePoints\": []", "\"bracePoints\": [\"a\"]"),
         "File access error: \"design.steelCheck.bracePoints\" must list numbers"},
    };
    for (const Case& c : cases) {
        BeamModel current = m;
        const OpenOutcome outcome = readDesignText(c.text, current);
        ASSERT_FALSE(outcome.ok()) << c.message;
        const std::string shown = *outcome.error + (outcome.reason.empty() ? "" : ": " + outcome.reason);
        EXPECT_EQ(shown.substr(0, c.message.size()), c.message);
        EXPECT_EQ(current, m);  // nothing changes
    }
}

}  // namespace
}  // namespace spanrix
