#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/analysis.h"

namespace spanrix::cli {

// The run as every command makes it: the checks, then the analysis with the question about
// slow convergence answered Yes kQuestionsAnsweredYes times. A run that still misses the
// tolerance keeps its last pass and says so on standard error, after warningPrefix (the
// file's name when there are several). Returns the refusal, if any.
std::optional<std::string> runBatch(const BeamModel& model, ReactionSolution& reactions,
                                    ResultSet& results, std::string_view warningPrefix = {});

}  // namespace spanrix::cli
