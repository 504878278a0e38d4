#include "cli/batch_run.h"

#include <iostream>

#include "cli/exit_status.h"

namespace spanrix::cli {

AnalysisOutcome runBatch(const BeamModel& model, std::string_view warningPrefix)
{
    int questionsAsked = 0;
    const ContinueQuestion keepGoing = [&questionsAsked] {
        return ++questionsAsked <= kQuestionsAnsweredYes;
    };
    AnalysisOutcome outcome = analyseBeam(model, keepGoing);
    if (outcome && questionsAsked > kQuestionsAnsweredYes)
        std::cerr << "spanrix-cli: warning: " << warningPrefix
                  << "the deflection did not converge within 1000 passes;"
                     " slope and deflection are those of the last pass\n";
    return outcome;
}

}  // namespace spanrix::cli
