#pragma once

// The steel design check of a whole beam: its loads solved case by case, the combinations
// of the chosen method and the two service combinations formed, and every check run.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "design/combination_demands.h"
#include "design/steel_check.h"
#include "files/steel_design_table.h"

namespace spanrix::design {

// The check's outcome: the result, or why there is none (in words a user reads).
struct SteelCheckRun {
    std::string section;      // the section checked, as the settings or the beam name it
    double yieldStress = 0;   // psi or Pa; 0 when the section is not known
    std::optional<SteelCheckResult> result;
    std::string refusal;
    // The case solutions the check read, for whatever shows its combinations (null when refused).
    std::shared_ptr<const CaseSolutions> solutions;
};

// The service combinations of the deflection check: the live loads alone, and D + L + Lr
// + S, each named by the cases the beam has (the live one absent without L loads).
struct ServiceCombinations {
    std::optional<Combination> live;
    std::optional<Combination> total;
};
ServiceCombinations serviceCombinations(const CasesPresent& present);

// Checks the beam in `shape` under every combination of settings.method. selfWeight is a
// uniform dead load (force per length, internal units; 0 for none). Refused: a beam the
// analysis refuses, or settings the check cannot take (steelCheckRefusal).
SteelCheckRun checkSteelBeam(const BeamModel& model, const SteelShape& shape, const SteelCheckSettings& settings,
                             double selfWeight);

}  // namespace spanrix::design
