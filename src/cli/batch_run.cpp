#include "cli/batch_run.h"

#include <iostream>

#include "cli/exit_status.h"

namespace spanrix::cli {

std::optional<std::string> runBatch(const BeamModel& model, ReactionSolution& reactions,
                                    ResultSet& results, std::string_view warningPrefix)
{
    int questionsAsked = 0;
    const ContinueQuestion keepGoing = [&questionsAsked] {
        return ++questionsAsked <= kQuestionsAnsweredYes;
    };
    if (auto refusal = runCalculations(model, reactions, results, keepGoing)) return refusal;
    if (questionsAsked > kQuestionsAnsweredYes)
        std::cerr << "spanrix-cli: warning: " << warningPrefix
                  << "the deflection did not converge within 1000 passes;"
                     " slope and deflection are those of the last pass\n";
    return std::nullopt;
}

}  // namespace spanrix::cli
