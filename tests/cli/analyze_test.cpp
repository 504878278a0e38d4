#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "files/load_file.h"
#include "model/beam_model.h"
#include "model/beam_setup.h"
#include "model/number_format.h"
#include "model/units.h"
#include "cli_run.h"
#include "strict_csv.h"

namespace spanrix {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

using testing::CliResult;
using testing::quoted;
using testing::runCli;
using testing::scratchPath;
using testing::slurp;

json output(const CliResult& result) { return json::parse(result.out); }

// ---- The example beams, built the way the dialogs build them --------------------------

BeamModel newBeam(bool metric, const char* typedLength)
{
    BeamModel m;
    m.metricUnits = metric;
    const bool feet = !metric;
    EXPECT_FALSE(acceptBeamLength(m, typedLength, feet, true));
    return m;
}

double typedLength(const BeamModel& m, double typed, const char* code)
{
    return m.metricUnits ? typed : storedValue(FeatureKind::None, code, typed);
}

void addPointLoad(BeamModel& m, double magnitude, const char* forceCode, double location,
                  const char* lengthCode)
{
    const double stored = storedValue(FeatureKind::PointLoad, forceCode, magnitude);
    raiseTracker(m, FeatureKind::PointLoad, stored);
    const int k = appendFeature(m, FeatureKind::PointLoad, forceCode, lengthCode);
    m.pointLoadMag[k] = stored;
    m.pointLoadLoc[k] = typedLength(m, location, lengthCode);
}

void addDistLoad(BeamModel& m, double startMag, double endMag, const char* forceCode,
                 double start, double end, const char* lengthCode)
{
    const double s = storedValue(FeatureKind::DistLoad, forceCode, startMag);
    const double e = storedValue(FeatureKind::DistLoad, forceCode, endMag);
    raiseTracker(m, FeatureKind::DistLoad, std::abs(e) > std::abs(s) ? e : s);
    const int k = appendFeature(m, FeatureKind::DistLoad, forceCode, lengthCode);
    m.distLoadStartMag[k] = s;
    m.distLoadEndMag[k] = e;
    m.distLoadStart[k] = typedLength(m, start, lengthCode);
    m.distLoadEnd[k] = typedLength(m, end, lengthCode);
}

void addSupport(BeamModel& m, const char* type, double location)
{
    const bool cantilever = std::string(type) == "cant";
    const char* force = m.metricUnits ? "" : "lb";
    const char* length = m.metricUnits || cantilever ? "" : "ft";
    const int k = appendFeature(m, FeatureKind::Support, force, length);
    m.supportType[k] = type;
    m.supportLoc[k] = typedLength(m, location, "ft");
}

void finish(BeamModel& m, float inertia, float modulus, float fibre)
{
    m.momentOfInertia = inertia;
    m.modulusE = modulus;
    m.fiberDistance = fibre;
    m.shownPointLoads = m.numPointLoads;
    m.shownDistLoads = m.numDistLoads;
    m.shownMoments = m.numMoments;
    m.shownSupports = m.numSupports;
}

struct Example {
    const char* fileName;
    BeamModel model;
};

std::vector<Example> examples()
{
    std::vector<Example> out;
    {  // 20 ft span, 2000 lb at 8 ft.
        BeamModel m = newBeam(false, "20");
        addSupport(m, "simp", 0);
        addSupport(m, "simp", 20);
        addPointLoad(m, 2000, "lb", 8, "ft");
        finish(m, 110.0f, 29000000.0f, 4.0f);
        out.push_back({"simply_supported_point_load.lod", m});
    }
    {  // Three equal 10 ft spans, 100 lb/ft throughout.
        BeamModel m = newBeam(false, "30");
        for (double x : {0.0, 10.0, 20.0, 30.0}) addSupport(m, "simp", x);
        addDistLoad(m, 100, 100, "pf", 0, 30, "ft");
        finish(m, 200.0f, 29000000.0f, 5.0f);
        out.push_back({"continuous_four_supports.lod", m});
    }
    {  // 12 ft, fixed at the left, propped at the right, 50 lb/in.
        BeamModel m = newBeam(false, "12");
        addSupport(m, "cant", 0);
        addSupport(m, "simp", 12);
        addDistLoad(m, 50, 50, "pi", 0, 12, "ft");
        finish(m, 150.0f, 29000000.0f, 6.0f);
        out.push_back({"propped_cantilever.lod", m});
    }
    {  // 10 ft, fixed at both ends, 0 rising to 240 lb/ft at the right.
        BeamModel m = newBeam(false, "10");
        addSupport(m, "cant", 0);
        addSupport(m, "cant", 10);
        addDistLoad(m, 0, 240, "pf", 0, 10, "ft");
        finish(m, 100.0f, 29000000.0f, 4.0f);
        out.push_back({"fixed_fixed_triangular.lod", m});
    }
    {  // Metric, 6 m span, 500 kg at 2 m and 100 kg/m throughout.
        BeamModel m = newBeam(true, "6");
        addSupport(m, "simp", 0);
        addSupport(m, "simp", 6);
        addPointLoad(m, 500, "kg", 2, "m");
        addDistLoad(m, 100, 100, "kg", 0, 6, "m");
        finish(m, 2.5e-5f, 2.0e11f, 0.1f);
        out.push_back({"metric_kg_loads.lod", m});
    }
    return out;
}

fs::path examplePath(const char* fileName) { return fs::path(SPANRIX_SOURCE_DIR) / "examples" / fileName; }

// The shipped files are exactly what the writer makes of these beams.
// SPANRIX_WRITE_EXAMPLES=1 rewrites them.
TEST(CliExamples, ShippedFilesAreWrittenBySpanrix)
{
    const bool rewrite = std::getenv("SPANRIX_WRITE_EXAMPLES") != nullptr;
    for (const Example& example : examples()) {
        const fs::path path = examplePath(example.fileName);
        if (rewrite) {
            ASSERT_FALSE(writeLoadFile(path.string(), example.model));
        }
        EXPECT_EQ(slurp(path), loadFileText(example.model)) << path;
    }
}

json analyzed(const char* fileName, const std::string& options = "")
{
    const CliResult result = runCli("analyze " + quoted(examplePath(fileName).string()) + " " + options);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    return output(result);
}

// Forces in lb or N; a relative tolerance covers the solver's rounding.
void expectReaction(const json& reaction, int feature, double force, double tolerance = 1e-6)
{
    EXPECT_EQ(reaction["feature"], feature);
    EXPECT_NEAR(reaction["force"].get<double>(), force, std::abs(force) * tolerance) << reaction;
}

TEST(CliExamples, SimplySupportedPointLoad)
{
    const json r = analyzed("simply_supported_point_load.lod");
    EXPECT_EQ(r["units"], "english");
    EXPECT_EQ(r["beamLength"], 240.0);
    EXPECT_EQ(r["resolution"], 10000);
    ASSERT_EQ(r["reactions"].size(), 2u);
    // P b / L and P a / L, a = 96 in, b = 144 in.
    expectReaction(r["reactions"][0], 1, 1200.0);
    expectReaction(r["reactions"][1], 2, 800.0);
    EXPECT_EQ(r["reactions"][0]["type"], "simp");
    EXPECT_TRUE(r["reactions"][0]["moment"].is_null());
    // Peak moment P a b / L under the load.
    EXPECT_NEAR(r["peaks"]["moment"]["value"].get<double>(), 115200.0, 1e-6);
    EXPECT_NEAR(r["peaks"]["moment"]["x"].get<double>(), 96.0, 1e-9);
    EXPECT_NEAR(r["peaks"]["stress"]["value"].get<double>(), 115200.0 * 4.0 / 110.0, 1e-6);
}

TEST(CliExamples, ContinuousBeamOnFourSupports)
{
    // 9000 intervals put every support on a calculation point.
    const json r = analyzed("continuous_four_supports.lod", "--resolution 9000");
    EXPECT_EQ(r["resolution"], 9000);
    ASSERT_EQ(r["reactions"].size(), 4u);
    const double wL = 100.0 * 10.0;  // lb per span
    expectReaction(r["reactions"][0], 1, 0.4 * wL);
    expectReaction(r["reactions"][1], 2, 1.1 * wL);
    expectReaction(r["reactions"][2], 3, 1.1 * wL);
    expectReaction(r["reactions"][3], 4, 0.4 * wL);
    // Hogging moment over the interior supports: -w L^2 / 10.
    EXPECT_NEAR(r["peaks"]["moment"]["value"].get<double>(), -wL * 120.0 / 10.0, 1e-6);
    EXPECT_NEAR(std::abs(r["peaks"]["moment"]["x"].get<double>() - 180.0), 60.0, 1e-9);
}

TEST(CliExamples, ProppedCantilever)
{
    const json r = analyzed("propped_cantilever.lod", "--at 0");
    const double w = 50.0, L = 144.0;
    ASSERT_EQ(r["reactions"].size(), 2u);
    expectReaction(r["reactions"][0], 1, 5 * w * L / 8);
    expectReaction(r["reactions"][1], 2, 3 * w * L / 8);
    EXPECT_EQ(r["reactions"][0]["type"], "cant");
    // Fixing moments are those the support applies to the beam, counterclockwise positive.
    EXPECT_NEAR(r["reactions"][0]["moment"].get<double>(), w * L * L / 8, 1e-6);
    EXPECT_TRUE(r["reactions"][1]["moment"].is_null());
    // The fixed end hogs; both ends of a fixed support stay level.
    EXPECT_NEAR(r["at"][0]["moment"].get<double>(), -w * L * L / 8, 1e-3);
    EXPECT_EQ(r["at"][0]["slope"], 0.0);
    EXPECT_EQ(r["at"][0]["deflection"], 0.0);
    // Largest deflection (39 + 55 sqrt 33) w L^4 / (65536 E I), (1 + sqrt 33) L / 16 from the prop.
    const double ei = 150.0 * 29e6;
    const double deflection = (39 + 55 * std::sqrt(33.0)) * w * std::pow(L, 4) / (65536 * ei);
    EXPECT_NEAR(r["peaks"]["deflection"]["value"].get<double>(), deflection, deflection * 1e-6);
    EXPECT_NEAR(r["peaks"]["deflection"]["x"].get<double>(), L - (1 + std::sqrt(33.0)) * L / 16, L / 10000);
    // Largest slope w L^3 / (48 E I), in radians, at the prop.
    EXPECT_NEAR(r["peaks"]["slope"]["value"].get<double>(), w * std::pow(L, 3) / (48 * ei), 1e-9);
    EXPECT_EQ(r["peaks"]["slope"]["x"], L);
}

TEST(CliExamples, ExactSolutionIsAddedAndIndependentOfTheResolution)
{
    const json plain = analyzed("propped_cantilever.lod", "--resolution 10 --at 72 --at 100.3");
    json r = analyzed("propped_cantilever.lod", "--resolution 10 --at 72 --at 100.3 --exact");
    const json exact = r["exact"];
    r.erase("exact");
    EXPECT_EQ(r, plain) << "every other field stays as it is";

    const double w = 50.0, L = 144.0, ei = 150.0 * 29e6;
    const double deflection = (39 + 55 * std::sqrt(33.0)) * w * std::pow(L, 4) / (65536 * ei);
    EXPECT_NEAR(exact["peaks"]["deflection"]["value"].get<double>(), deflection, deflection * 1e-9);
    EXPECT_NEAR(exact["peaks"]["deflection"]["x"].get<double>(), (15 - std::sqrt(33.0)) * L / 16,
                L * 1e-9);
    EXPECT_NEAR(exact["peaks"]["shear"]["value"].get<double>(), 5 * w * L / 8, 1e-9);
    ASSERT_EQ(exact["at"].size(), 2u);
    // At each x itself, not at the nearest of the 10 points.
    const double x = 100.3;
    EXPECT_EQ(exact["at"][1]["x"], x);
    EXPECT_NEAR(exact["at"][1]["moment"].get<double>(),
                -w * L * L / 8 + 5 * w * L * x / 8 - w * x * x / 2, 1e-9);
    EXPECT_NEAR(exact["at"][0]["moment"].get<double>(), w * L * L / 16, 1e-9);
    EXPECT_EQ(analyzed("propped_cantilever.lod", "--resolution 200000 --exact")["exact"]["peaks"],
              exact["peaks"]);
}

TEST(CliExamples, FixedFixedTriangularLoad)
{
    const json r = analyzed("fixed_fixed_triangular.lod");
    const double w = 20.0, L = 120.0;  // lb/in at the right end
    ASSERT_EQ(r["reactions"].size(), 2u);
    expectReaction(r["reactions"][0], 1, 3 * w * L / 20);
    expectReaction(r["reactions"][1], 2, 7 * w * L / 20);
    EXPECT_NEAR(r["reactions"][0]["moment"].get<double>(), w * L * L / 30, 1e-6);
    EXPECT_NEAR(r["reactions"][1]["moment"].get<double>(), -w * L * L / 20, 1e-6);
}

TEST(CliExamples, MetricBeamWithLoadsInKilograms)
{
    const json r = analyzed("metric_kg_loads.lod");
    EXPECT_EQ(r["units"], "metric");
    const double P = 500 * 9.80665, w = 100 * 9.80665, L = 6.0;
    ASSERT_EQ(r["reactions"].size(), 2u);
    expectReaction(r["reactions"][0], 1, P * 4 / L + w * L / 2);
    expectReaction(r["reactions"][1], 2, P * 2 / L + w * L / 2);
}

TEST(CliExamples, CsvHasEveryPointAndAgreesWithTheProbes)
{
    const fs::path csv = scratchPath(".csv");
    const std::vector<double> probes = {0, 0.0144, 50, 72, 143.9856, 144};
    std::string options = "--csv " + quoted(csv.string());
    for (double x : probes) options += " --at " + numberText(x);
    const json r = analyzed("propped_cantilever.lod", options);
    const auto table = testing::parseCsvStrictly(slurp(csv));
    fs::remove(csv);
    ASSERT_TRUE(table.has_value());
    ASSERT_EQ(table->size(), 1u + 10001u);
    EXPECT_EQ((*table)[0], (std::vector<std::string>{"x (in)", "moment (lb-in)", "shear (lb)", "stress (psi)",
                                                     "slope (rad)", "deflection (in)"}));
    for (size_t k = 0; k < probes.size(); ++k) {
        const json& at = r["at"][k];
        const auto& row = (*table)[1 + static_cast<size_t>(std::lround(probes[k] / 144 * 10000))];
        EXPECT_EQ(row[1], numberText(at["moment"].get<double>())) << probes[k];
        EXPECT_EQ(row[2], numberText(at["shear"].get<double>())) << probes[k];
    }
    // Upward forces left of the section: 5wL/8 just right of the fixed end, -3wL/8 at the prop.
    const double w = 50, L = 144;
    EXPECT_NEAR(r["peaks"]["shear"]["value"].get<double>(), 5 * w * L / 8 - w * L / 10000, 1e-9);
    EXPECT_EQ(r["peaks"]["shear"]["x"], L / 10000);
    EXPECT_NEAR(r["at"][5]["shear"].get<double>(), -3 * w * L / 8, 1e-9);
}

// ---- Options and exit status ---------------------------------------------------------

class CliBeamFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        // 120 in, -1000 lb at 60 in, simple supports at both ends.
        path_ = scratchPath(".lod");
        std::ofstream(path_, std::ios::binary)
            << "1,0,0,2,1,0,0,2,3,\r\n120,1000,0,0,0,0,0\r\n5,100,2.9E+07,10000,#FALSE#,#FALSE#\r\n"
               "-1000,60\r\n0,\"simp\"\r\n120,\"simp\"\r\n\"pt1\",\"ft\",\"lb\"\r\n"
               "\"su1\",\"ft\",\"lb\"\r\n\"su2\",\"ft\",\"lb\"\r\n";
    }
    void TearDown() override { fs::remove(path_); }
    std::string file() const { return quoted(path_.string()); }

    fs::path path_;
};

TEST_F(CliBeamFile, ResolutionOverrideAndNearestPointHalvesToEven)
{
    // 10 intervals of 12 in: 6 in lies halfway between points 0 and 1 (goes to 0),
    // 18 in halfway between 1 and 2 (goes to 2, x = 24 in); 126 in is half an interval
    // past the end and reads the last point.
    const CliResult result =
        runCli("analyze " + file() + " --resolution 10 --at 6 --at 18 --at 126 --at 120");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const json r = output(result);
    EXPECT_EQ(r["resolution"], 10);
    ASSERT_EQ(r["at"].size(), 4u);
    EXPECT_EQ(r["at"][0]["x"], 6.0);
    EXPECT_EQ(r["at"][0]["moment"], 0.0);
    EXPECT_EQ(r["at"][1]["moment"], -500.0 * 24);
    for (const char* value : {"moment", "stress", "slope", "deflection"})
        EXPECT_EQ(r["at"][2][value], r["at"][3][value]) << value;
}

TEST_F(CliBeamFile, CsvToStandardOutputReplacesTheJson)
{
    const CliResult result = runCli("analyze " + file() + " --resolution 10 --csv -");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto table = testing::parseCsvStrictly(result.out);
    ASSERT_TRUE(table.has_value()) << result.out;
    ASSERT_EQ(table->size(), 12u);
    // Midspan of the upward load: the load itself not yet acting, the slope level.
    const std::vector<std::string> middle((*table)[6].begin(), (*table)[6].begin() + 5);
    EXPECT_EQ(middle, (std::vector<std::string>{"60", "-30000", "-500", "-1500", "0"}));

    const fs::path unwritable = fs::path(scratchPath("")) / "missing" / "out.csv";
    const CliResult failed = runCli("analyze " + file() + " --csv " + quoted(unwritable.string()));
    EXPECT_EQ(failed.exitCode, 3);
    EXPECT_EQ(failed.err, "Could not save " + unwritable.string() + ".\n");
    EXPECT_EQ(failed.out, "");
}

TEST_F(CliBeamFile, SeveralFilesGiveOneLineEachAndTheWorstStatus)
{
    const std::string missing = scratchPath(".lod").string();
    const CliResult result = runCli("analyze " + file() + " " + quoted(missing) + " " + file() + " --at 60");
    EXPECT_EQ(result.exitCode, 3);
    std::vector<json> lines;
    for (size_t start = 0, end; (end = result.out.find('\n', start)) != std::string::npos; start = end + 1) {
        const std::string line = result.out.substr(start, end - start);
        EXPECT_EQ(line.rfind("{\"file\":", 0), 0u) << line;  // the name first
        lines.push_back(json::parse(line));
    }
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], (json{{"file", missing}, {"error", "File access error"},
                              {"detail", missing + ": no such file"}}));
    for (const json& line : {lines[0], lines[2]}) {
        EXPECT_EQ(line["file"], path_.string());
        EXPECT_EQ(line["at"][0]["moment"], -30000.0);
    }

    std::string text = slurp(path_);
    text.replace(text.find("120,\"simp\""), 10, "-1,\"simp\"");  // unstable
    const fs::path refused = scratchPath(".lod");
    std::ofstream(refused, std::ios::binary) << text;
    const CliResult worst = runCli("analyze " + quoted(refused.string()) + " " + quoted(missing) + " " + file());
    fs::remove(refused);
    EXPECT_EQ(worst.exitCode, 4);
    EXPECT_NE(worst.out.find("\"error\":\"Beam is unstable.  Add more support.\"}"), std::string::npos);
}

TEST_F(CliBeamFile, UsageErrorsExitWithTwo)
{
    const std::vector<std::string> cases = {
        "",
        "analyse " + file(),
        "analyze",
        "analyze " + file() + " " + file() + " --csv out.csv",
        "analyze " + file() + " --csv",
        "analyze " + file() + " --frobnicate",
        "analyze " + file() + " --resolution",
        "analyze " + file() + " --resolution 9",
        "analyze " + file() + " --resolution 200001",
        "analyze " + file() + " --resolution 100.5",
        "analyze " + file() + " --resolution ten",
        "analyze " + file() + " --at",
        "analyze " + file() + " --at abc",
        "analyze " + file() + " --at -1",
        "analyze " + file() + " --at 120.007",  // over half an interval past the end
    };
    for (const std::string& args : cases) {
        const CliResult result = runCli(args);
        EXPECT_EQ(result.exitCode, 2) << args;
        EXPECT_NE(result.err.find("Usage: spanrix-cli analyze FILE"), std::string::npos) << args;
        EXPECT_EQ(result.out, "") << args;
    }
}

TEST_F(CliBeamFile, FileAccessErrorsExitWithThree)
{
    for (const std::string& args : {"analyze " + quoted(scratchPath(".lod").string()),  // missing
                                    "analyze " + file() + " --v1"}) {  // a current file as version 1
        const CliResult result = runCli(args);
        EXPECT_EQ(result.exitCode, 3) << args;
        EXPECT_EQ(result.err.rfind("File access error: ", 0), 0u) << result.err;
        EXPECT_EQ(result.out, "");
    }
}

TEST_F(CliBeamFile, RefusedBeamExitsWithFourAndTheEngineMessage)
{
    const std::string good = slurp(path_);
    const std::pair<std::string, std::string> refused[] = {
        {"120,\"simp\"", "-1,\"simp\""},  // second support removed
        {"-1000,60", "-1E+306,60"},       // slope and deflection beyond the range of numbers
    };
    for (const auto& [from, to] : refused) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        std::ofstream(path_, std::ios::binary) << text;
        const CliResult result = runCli("analyze " + file());
        EXPECT_EQ(result.exitCode, 4) << to;
        EXPECT_EQ(result.out, "") << to;
        EXPECT_EQ(result.err, to == "-1,\"simp\"" ? "Beam is unstable.  Add more support.\n"
                                                  : "The beam's values are too large to analyse.\n");
    }
}

TEST_F(CliBeamFile, ImportsVersion1Files)
{
    // The same beam in version-1 form: five items on line 3.
    std::string text = slurp(path_);
    text.replace(text.find(",#FALSE#,#FALSE#"), 16, ",#FALSE#");
    std::ofstream(path_, std::ios::binary) << text;
    const CliResult result = runCli("analyze " + file() + " --v1");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(output(result)["reactions"][0]["force"], -500.0);
    EXPECT_EQ(runCli("analyze " + file()).exitCode, 3);  // and not as a current file
}

TEST_F(CliBeamFile, LargeLoadsMeetTheToleranceWithoutWarning)
{
    // The rounding left after a correction stays far above 1.0 in E*I units, but is a
    // tiny share of the deflection: the run ends without a question.
    std::string text = slurp(path_);
    text.replace(text.find("-1000,60"), 8, "-1E+15,60");
    std::ofstream(path_, std::ios::binary) << text;
    const CliResult result = runCli("analyze " + file());
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(output(result)["reactions"][0]["force"], -5e14);
}

TEST(Cli, HelpDocumentsTheCommand)
{
    const CliResult result = runCli("--help");
    EXPECT_EQ(result.exitCode, 0);
    for (const char* word : {"analyze FILE", "--v1", "--resolution", "--at", "Exit status"})
        EXPECT_NE(result.out.find(word), std::string::npos) << word;
}

}  // namespace
}  // namespace spanrix
