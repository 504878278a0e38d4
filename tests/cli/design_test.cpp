#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include <nlohmann/json.hpp>

#include "files/design_file.h"
#include "files/load_file.h"
#include "model/number_format.h"
#include "model/units.h"
#include "cli_run.h"
#include "engine_beams.h"

namespace spanrix {
namespace {

using nlohmann::json;
using testing::runCli;
using namespace test_beams;

// Two 20 ft spans and a 6 ft overhang under 0.5 kip/ft dead load (feature 4) and 1 kip/ft
// live load (feature 5) over the whole beam.
BeamModel continuousBeam()
{
    BeamModel m = emptyBeam(552);
    addSupport(m, 0);
    addSupport(m, 240);
    addSupport(m, 480);
    addDistLoad(m, 0, 552, 500.0 / 12, 500.0 / 12);
    addDistLoad(m, 0, 552, 1000.0 / 12, 1000.0 / 12);
    return m;
}

struct Saved : testing::ScratchFile {
    explicit Saved(const BeamModel& m) : ScratchFile(".lod") { EXPECT_FALSE(writeLoadFile(path.string(), m)); }
};

// The length a deflection limit divides: a span's, twice an overhang's (which ends at 552).
double deflectionLimitLengthOf(const json& check)
{
    const double from = check["span"][0], to = check["span"][1];
    return to == 552 ? 2 * (to - from) : to - from;
}

json checkOf(const json& out, const std::string& kind)
{
    for (const json& c : out["checks"])
        if (c["check"] == kind) return c;
    return json();
}

TEST(CliDesign, ContinuousBeamWithAnOverhang)
{
    const Saved file(continuousBeam());
    const auto result = runCli("design " + file.quotedPath() + " --section 'W16 X 31' --case 5=L");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const json out = json::parse(result.out);
    EXPECT_EQ(out["section"], "W16 X 31");
    EXPECT_EQ(out["method"], "lrfd");
    EXPECT_EQ(out["Fy"], 50000);
    ASSERT_EQ(out["checks"].size(), 4u);

    // The largest moment is over the middle support with the live load on both spans but
    // not on the overhang, whose load would relieve it: 1.2 (-wD L^2/8 + wD a^2/8) - 1.6 wL L^2/8.
    const json flexure = checkOf(out, "flexure");
    EXPECT_EQ(flexure["combination"], "1.2D + 1.6L");
    EXPECT_EQ(flexure["pattern"], json::parse(R"({"L": [1, 2]})"));
    EXPECT_NEAR(flexure["x"].get<double>(), 240, 1e-6);
    const double wd = 500.0 / 12, wl = 1000.0 / 12;
    const double mu = 1.2 * (wd * 240 * 240 / 8 - wd * 72 * 72 / 8) + 1.6 * wl * 240 * 240 / 8;
    EXPECT_NEAR(flexure["demand"].get<double>() / mu, 1, 1e-9);
    EXPECT_EQ(flexure["limitState"], "lateral-torsional buckling");
    EXPECT_NEAR(flexure["ratio"].get<double>(),
                flexure["demand"].get<double>() / flexure["capacity"].get<double>(), 1e-12);

    EXPECT_EQ(checkOf(out, "shear")["combination"], "1.2D + 1.6L");
    EXPECT_EQ(checkOf(out, "deflection-total").count("combination"), 0u);
    bool pass = true;
    for (const json& c : out["checks"]) pass = pass && c["ratio"].get<double>() <= 1;
    EXPECT_EQ(out["pass"], pass);

    // --all: every combination in each segment and span; the overhang's segment takes Cb =
    // 1.0 and its deflection limit is twice its length over 360.
    const auto all = runCli("design " + file.quotedPath() + " --section 'W16 X 31' --case 5=L --all");
    const json every = json::parse(all.out);
    int flexureLines = 0;
    for (const json& c : every["checks"]) {
        if (c["check"] == "flexure") {
            ++flexureLines;
            if (c["segment"] == json::array({480, 552})) {
                EXPECT_EQ(c["Cb"], 1.0);
            }
        }
        if (c["check"] == "deflection-live" && c["span"] == json::array({480, 552})) {
            EXPECT_DOUBLE_EQ(c["capacity"].get<double>(), 2 * 72.0 / 360);
        }
    }
    EXPECT_EQ(flexureLines, 5 * 3);  // 1.4D, 1.2D + 1.6L, 1.2D + L, 1.2D, 0.9D in three segments
}

// The same beam in metric units gives the same ratios, its values converted.
TEST(CliDesign, MetricBeamEqualsItsEnglishTwin)
{
    BeamModel metric = continuousBeam();
    convertUnitSystem(metric, kEnglishToMetric);
    const Saved english(continuousBeam());
    const Saved twin(metric);
    const double psiToPa = kPoundToNewton / (kInchToMetre * kInchToMetre);
    const std::string options = " --section 'W16 X 31' --case 5=L --method asd --bracing ";
    const auto a = runCli("design " + english.quotedPath() + options + "120,360 --fy 50000");
    const auto b = runCli("design " + twin.quotedPath() + options + numberText(120 * kInchToMetre) + "," +
                          numberText(360 * kInchToMetre) + " --fy " + numberText(50000 * psiToPa));
    ASSERT_EQ(a.exitCode, 0) << a.err;
    ASSERT_EQ(b.exitCode, 0) << b.err;
    const json in = json::parse(a.out), m = json::parse(b.out);
    ASSERT_EQ(in["checks"].size(), m["checks"].size());
    const double momentFactor = kPoundToNewton * kInchToMetre;
    for (std::size_t i = 0; i < in["checks"].size(); ++i) {
        const json& e = in["checks"][i];
        const json& s = m["checks"][i];
        EXPECT_EQ(e["check"], s["check"]);
        EXPECT_NEAR(s["ratio"].get<double>() / e["ratio"].get<double>(), 1, 1e-6) << e["check"];
        EXPECT_NEAR(s["x"].get<double>() / (e["x"].get<double>() * kInchToMetre), 1, 1e-6) << e["check"];
        const double factor = e["check"] == "flexure" ? momentFactor
                              : e["check"] == "shear" ? kPoundToNewton
                                                      : kInchToMetre;
        EXPECT_NEAR(s["demand"].get<double>() / (e["demand"].get<double>() * factor), 1, 1e-6) << e["check"];
    }
    EXPECT_EQ(in["governing"]["check"], m["governing"]["check"]);
}

// A channel: A36 by default, Lp and Lr with c from F2-8b (AISC F.2: 3.75 ft and 14.5 ft),
// and its web's shear at phi_v = 0.90.
TEST(CliDesign, Channel)
{
    BeamModel m = emptyBeam(300);
    addSupport(m, 0);
    addSupport(m, 300);
    addDistLoad(m, 0, 300, 20, 20);
    const Saved file(m);
    const auto result = runCli("design " + file.quotedPath() + " --section 'C15 X 33.9' --bracing 100,200");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const json out = json::parse(result.out);
    EXPECT_EQ(out["Fy"], 36000);
    const json flexure = checkOf(out, "flexure");
    EXPECT_NEAR(flexure["Lp"].get<double>() / 12, 3.75, 0.005 * 3.75);
    EXPECT_NEAR(flexure["Lr"].get<double>() / 12, 14.5, 0.005 * 14.5);
    EXPECT_EQ(flexure["segment"], json::array({100, 200}));
    EXPECT_NEAR(checkOf(out, "shear")["capacity"].get<double>(), 0.9 * 0.6 * 36000 * 15.0 * 0.400, 1e-6);
    EXPECT_EQ(checkOf(out, "deflection-live"), json());  // no live load: no live check

    const auto refused = runCli("design " + file.quotedPath() + " --section 'MC6 X 15.3' --fy 70000");
    EXPECT_EQ(refused.exitCode, 4);
    EXPECT_NE(refused.err.find("MC6 X 15.3 is not compact"), std::string::npos) << refused.err;
}

// A design file keeps the section, the cases and the check's settings.
TEST(CliDesign, SettingsKeptInADesignFile)
{
    BeamModel m = continuousBeam();
    setLoadCase(m, FeatureKind::DistLoad, 2, LoadCase::L);
    m.design.sectionName = "W16 X 31";
    m.design.steelCheck.method = design::Method::AllowableStress;
    m.design.steelCheck.bracing = Bracing::Continuous;
    m.design.steelCheck.liveLimit = 180;
    const testing::ScratchFile file(".spanrix");
    ASSERT_FALSE(writeDesignFile(file.path.string(), m));
    const auto result = runCli("design " + file.quotedPath());
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const json out = json::parse(result.out);
    EXPECT_EQ(out["section"], "W16 X 31");
    EXPECT_EQ(out["method"], "asd");
    EXPECT_EQ(checkOf(out, "flexure")["Lb"], 0.0);
    EXPECT_EQ(checkOf(out, "flexure")["combination"], "D + L");
    EXPECT_DOUBLE_EQ(checkOf(out, "deflection-live")["capacity"].get<double>(),
                     deflectionLimitLengthOf(checkOf(out, "deflection-live")) / 180);
}

TEST(CliDesign, RefusalsAndUsageErrors)
{
    const Saved file(continuousBeam());
    const std::string f = file.quotedPath();
    struct Case {
        std::string arguments;
        int status;
        std::string message;
    };
    const std::vector<Case> cases{
        {f, 4, "No section to check: give --section NAME, a W, S, C or MC shape such as \"W18 X 50\".\n"},
        {f + " --section 'W18 X 51'", 4, "Unknown section \"W18 X 51\": it is not in the steel design data.\n"},
        {f + " --section w18x50 --fy 80000", 4, "The yield stress Fy must be from 30 to 70 ksi.\n"},
        {f + " --section w18x50 --case 2=L", 2, "spanrix-cli: --case 2: feature 2 is not a load\n"},
        {f + " --section w18x50 --bracing 1,x", 2,
         "spanrix-cli: --bracing must be continuous or positions X1,X2,..., not '1,x'\n"},
        {f + " --section w18x50 --method lsd", 2, "spanrix-cli: --method must be lrfd or asd, not 'lsd'\n"},
        {f + " --section w18x50 --combinations lrfd", 2, "spanrix-cli: unknown option '--combinations'\n"},
        // A file that cannot be read says why, as analyze and report do.
        {"/nonexistent/beam.lod --section w18x50", 3, "File access error: /nonexistent/beam.lod: "},
    };
    for (const Case& c : cases) {
        const auto result = runCli("design " + c.arguments);
        EXPECT_EQ(result.exitCode, c.status) << c.arguments;
        EXPECT_EQ(result.err.substr(0, c.message.size()), c.message) << c.arguments;
        EXPECT_TRUE(result.out.empty()) << c.arguments;
    }
}

}  // namespace
}  // namespace spanrix
