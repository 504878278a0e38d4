#include "design/combinations_run.h"

namespace spanrix::design {

CombinationsRun runCombinations(const BeamModel& model, Method method, double selfWeight)
{
    CombinationsRun run;
    run.method = method;
    CaseSolveOutcome solved = solveCases(model, selfWeight);
    if (!solved) {
        run.refusal = std::move(solved.refusal);
        return run;
    }
    run.solutions = std::move(solved.solutions);
    run.combinations = combinationsFor(method, run.solutions->present);
    run.result = combineCases(*run.solutions, run.combinations);
    return run;
}

}  // namespace spanrix::design
