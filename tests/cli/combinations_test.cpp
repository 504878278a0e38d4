// spanrix-cli analyze --combinations on a beam with dead and live loads.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli_run.h"
#include "engine_beams.h"
#include "files/design_file.h"
#include "files/load_file.h"

namespace spanrix {
namespace {

using nlohmann::json;
using testing::runCli;
using testing::ScratchFile;

constexpr double kSpan = 240, kDead = 10, kLive = 20;

// A simple span under a uniform dead load (feature 3) and a second uniform load (feature
// 4), all in case D as a load file holds them.
BeamModel deadAndLiveBeam()
{
    BeamModel m = test_beams::emptyBeam(kSpan);
    test_beams::addSupport(m, 0);
    test_beams::addSupport(m, kSpan);
    test_beams::addDistLoad(m, 0, kSpan, kDead, kDead);
    test_beams::addDistLoad(m, 0, kSpan, kLive, kLive);
    return m;
}

class CliCombinations : public ::testing::Test {
protected:
    const ScratchFile lod_{loadFileText(deadAndLiveBeam()), ".lod"};
};

TEST_F(CliCombinations, CombinesTheCasesGivenOnTheCommandLine)
{
    const auto result = runCli("analyze " + lod_.quotedPath() + " --combinations lrfd --case 4=L");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const json out = json::parse(result.out);
    EXPECT_TRUE(out.contains("peaks"));  // every existing field stays
    const json& combinations = out["combinations"];
    ASSERT_EQ(combinations.size(), 5u);
    const json& governing = combinations[1];
    EXPECT_EQ(governing["name"], "1.2D + 1.6L");
    EXPECT_EQ(governing["factors"], json({{"D", 1.2}, {"L", 1.6}}));
    EXPECT_EQ(governing["reactions"].size(), 2u);
    const double w = 1.2 * kDead + 1.6 * kLive;
    EXPECT_NEAR(governing["peaks"]["moment"]["value"].get<double>(), w * kSpan * kSpan / 8, 1e-6);
    EXPECT_NEAR(governing["reactions"][0]["force"].get<double>(), w * kSpan / 2, 1e-6);
    EXPECT_EQ(governing["patterned"]["moment"]["max"]["pattern"], json({{"L", {1}}}));
    const json& top = out["envelope"]["moment"]["max"];
    EXPECT_EQ(top["combination"], "1.2D + 1.6L");
    EXPECT_NEAR(top["x"].get<double>(), kSpan / 2, 1e-6);
    EXPECT_TRUE(out["envelope"]["deflection"]["min"].contains("pattern"));

    // The same beam saved as a design file with the case in it gives the same output.
    BeamModel m = deadAndLiveBeam();
    setLoadCase(m, FeatureKind::DistLoad, 2, LoadCase::L);
    const ScratchFile design(designFileText(m), ".spanrix");
    const auto fromDesign = runCli("analyze " + design.quotedPath() + " --combinations lrfd");
    EXPECT_EQ(fromDesign.out, result.out);
}

TEST_F(CliCombinations, SelfWeightOfACatalogueSection)
{
    const auto result = runCli("analyze " + lod_.quotedPath() +
                               " --combinations asd --case 4=L --section 'W18 X 50' --self-weight");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const json dead = json::parse(result.out)["combinations"][0];
    ASSERT_EQ(dead["name"], "D");
    const double w = kDead + 50.0 / 12;  // 50 lb/ft
    EXPECT_NEAR(dead["peaks"]["moment"]["value"].get<double>(), w * kSpan * kSpan / 8, 1e-6);

    const auto typed = runCli("analyze " + lod_.quotedPath() + " --combinations asd --case 4=L --weight 4.1666666666666667");
    EXPECT_EQ(typed.out, result.out);
}

TEST_F(CliCombinations, RefusesWhatItCannotDo)
{
    struct Case {
        std::string arguments;
        int exitCode;
        std::string message;
    };
    const std::vector<Case> cases{
        {"--combinations lrfd --case 1=L", 2, "feature 1 is not a load"},
        {"--combinations lrfd --case 4=X", 2, "--case must be N=C"},
        {"--combinations lrfd --case 9=L", 2, "feature 9 is not a load"},
        {"--combinations ultimate", 2, "--combinations must be lrfd or asd"},
        {"--combinations asd --section 'W18 X 51'", 4, "Unknown section \"W18 X 51\""},
    };
    for (const Case& c : cases) {
        const auto result = runCli("analyze " + lod_.quotedPath() + " " + c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.arguments;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }
    std::string newer = designFileText(deadAndLiveBeam());
    newer.replace(newer.find("\"version\": 1"), 12, "\"version\": 99");
    const ScratchFile file(newer, ".spanrix");
    const auto refused = runCli("analyze " + file.quotedPath());
    EXPECT_EQ(refused.exitCode, 3);
    EXPECT_NE(refused.err.find("format version 99"), std::string::npos) << refused.err;
}

}  // namespace
}  // namespace spanrix
