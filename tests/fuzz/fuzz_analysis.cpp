// Whatever a load file can hold, analysed at a small resolution: the run refuses it or
// gives results that are all numbers, and every window's texts and the results table can
// be built from them, also after converting the beam to the other unit system; the exact
// solution of the same beam can be built and read.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/analysis.h"
#include "engine/exact.h"
#include "engine/result_display.h"
#include "files/load_file.h"
#include "files/results_csv.h"
#include "fuzz_check.h"
#include "legend/legend_captions.h"
#include "model/units.h"

using namespace spanrix;

namespace {

constexpr float kLargestResolution = 100;  // above that, the run uses 50

void analyseAndShow(const BeamModel& model)
{
    int questions = 0;
    const AnalysisOutcome run = analyseBeam(model, [&questions] { return ++questions < 3; });
    FUZZ_CHECK(questions <= 3);
    FUZZ_CHECK(!run.refusal.empty() || run);
    if (!run) return;
    const ResultSet& results = run.analysis->results;

    FUZZ_CHECK(results.pointCount == static_cast<int>(model.resolution) + 1);
    for (int slot = 1; slot <= results.pointCount; ++slot) {
        const auto s = static_cast<size_t>(slot);
        FUZZ_CHECK(std::isfinite(results.momentAt[s]) && std::isfinite(results.shearAt[s]));
        FUZZ_CHECK(std::isfinite(results.stressAt[s]));
        FUZZ_CHECK(std::isfinite(results.slopeAt[s]) && std::isfinite(results.deflectionAt[s]));
    }
    const ResultBasis basis = resultBasis(model);
    (void)maxValueTexts(peakValues(results), basis, 3);
    (void)resultsCsvText(results, basis, ResultUnits::Shown);
    for (double share : {0.0, 0.37, 1.0}) {
        const std::string at = std::to_string(share * basis.beamLength);
        (void)findPointValues(at, true, results, basis, 15);
    }
    (void)reactionCaptions(model, run.analysis->reactions, 3);

    // The exact solution of the same run, its window texts and values anywhere.
    const ExactSolution& exact = run.analysis->exact();
    (void)maxValueTexts(exactPeaks(exact), basis, 3);
    for (double share : {-1.0, 0.0, 0.37, 1.0, 2.0})
        (void)exactValuesAt(exact, share * basis.beamLength);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    BeamModel model;
    if (!readLoadText(std::string(reinterpret_cast<const char*>(data), size), FileLayout::Current,
                      model)
             .ok())
        return 0;
    if (!(model.resolution <= kLargestResolution)) model.resolution = 50;

    for (int n = 1; n <= model.numFeatures; ++n) (void)legendCaptions(model, n, 15);
    (void)sketchLengthText(model, 3);
    analyseAndShow(model);
    convertUnitSystem(model, model.metricUnits ? kMetricToEnglish : kEnglishToMetric);
    for (int n = 1; n <= model.numFeatures; ++n) (void)legendCaptions(model, n, 3);
    analyseAndShow(model);
    return 0;
}
