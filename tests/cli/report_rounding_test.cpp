#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "cli_run.h"
#include "engine/analysis.h"
#include "engine/result_display.h"
#include "files/load_file.h"
#include "model/feature_entry.h"
#include "model/number_format.h"

namespace spanrix {
namespace {

using ::testing::HasSubstr;
using testing::quoted;
using testing::runCli;

// The CLI report and the windows show one value the same way: the same run, rounding and
// number text. Each example is analysed here as the calculations screen does, its texts
// taken from the windows' own formatters, and found word for word in the CLI's report.
TEST(CliReport, RoundsExactlyAsTheWindows)
{
    for (const char* name : {"simply_supported_point_load.lod", "continuous_four_supports.lod",
                             "propped_cantilever.lod", "fixed_fixed_triangular.lod", "metric_kg_loads.lod"}) {
        SCOPED_TRACE(name);
        const std::string path = std::string(SPANRIX_SOURCE_DIR "/examples/") + name;
        BeamModel model;
        ASSERT_TRUE(openLoadFile(path, model).ok());
        ReactionSolution reactions;
        ResultSet results;  // the screens' own, room for the largest resolution
        ASSERT_FALSE(runCalculations(model, reactions, results, [] { return true; }));
        const ResultBasis basis = resultBasis(model);
        const int figures = kDefaultSigFigs;
        const std::string at = numberText(model.beamLength * 0.37);

        const testing::CliResult cli = runCli("report " + quoted(path) + " --at " + at);
        ASSERT_EQ(cli.exitCode, 0) << cli.err;
        const std::string& report = cli.out;

        // The maximum-values window.
        const MaxValueTexts max = maxValueTexts(peakValues(results), basis, figures);
        EXPECT_THAT(report, HasSubstr("Maximum Bending Moment = " + max.maxmo + " at x=" + max.locmaxmo + "\n"));
        EXPECT_THAT(report, HasSubstr("Maximum Bending Stress = " + max.maxstr + " at x=" + max.locmaxstr + "\n"));
        EXPECT_THAT(report, HasSubstr("Maximum Deflection = " + max.maxdef + " at x=" + max.locmaxdef + "\n"));
        EXPECT_THAT(report, HasSubstr("Maximum Slope = " + max.maxslope + " at x=" + max.locmaxslope + "\n"));

        // The point-values window, given the same location.
        const PointLookup point = findPointValues(at, false, results, basis, figures);
        ASSERT_TRUE(point.values);
        EXPECT_THAT(report, HasSubstr("Bending Moment=" + point.values->mom + "\n"));
        EXPECT_THAT(report, HasSubstr("Bending Stress=" + point.values->str + "\n"));
        EXPECT_THAT(report, HasSubstr("Deflection=" + point.values->def + "\n"));
        EXPECT_THAT(report, HasSubstr("Slope=" + point.values->slope + "\n"));

        // The legend's reaction labels.
        for (const ReactionCaption& c : reactionCaptions(model, reactions, figures))
            EXPECT_THAT(report, HasSubstr(", Reaction=" + c.caption + "\n"));

        // The beam properties dialog (its metric modulus is in GPa, the report's in MPa).
        const BeamPropertyTexts boxes = loadBeamProperties(model, figures);
        EXPECT_THAT(report, HasSubstr("Moment of Inertia = " + boxes.inertia + " "));
        EXPECT_THAT(report, HasSubstr("Furthest Fiber = " + boxes.fiber + " "));
        if (!model.metricUnits) {
            EXPECT_THAT(report, HasSubstr("Modulus of Elasticity = " + boxes.modulus + " psi\n"));
        }
    }
}

}  // namespace
}  // namespace spanrix
