#pragma once

// One call for everything the combinations of a method give on a beam.

#include <memory>
#include <string>
#include <vector>

#include "design/case_solutions.h"
#include "design/combinations.h"
#include "design/envelope.h"
#include "model/beam_model.h"

namespace spanrix::design {

struct CombinationsRun {
    Method method = Method::Strength;
    std::shared_ptr<const CaseSolutions> solutions;
    std::vector<Combination> combinations;
    CombinationsResult result;
    std::string refusal;  // the run's message when the beam is refused
    explicit operator bool() const { return solutions != nullptr; }
};

// Solves the cases (with the self-weight, internal units, as a dead load) and combines
// them by the method's combinations.
CombinationsRun runCombinations(const BeamModel& model, Method method, double selfWeight);

}  // namespace spanrix::design
