#pragma once

#include <string_view>

#include "engine/analysis.h"

namespace spanrix::cli {

// The run as every command makes it: the checks, then the analysis with the question about
// slow convergence answered Yes kQuestionsAnsweredYes times. A run that still misses the
// tolerance keeps its last pass and says so on standard error, after warningPrefix (the
// file's name when there are several).
AnalysisOutcome runBatch(const BeamModel& model, std::string_view warningPrefix = {});

}  // namespace spanrix::cli
