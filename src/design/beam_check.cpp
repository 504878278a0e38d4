#include "design/beam_check.h"

namespace spanrix {

ServiceCombinations serviceCombinations(const std::array<bool, kLoadCaseCount>& casePresent)
{
    ServiceCombinations service;
    if (casePresent[caseSlot(LoadCase::L)]) {
        service.live = LoadFactors{"L", {}};
        service.live->factors[caseSlot(LoadCase::L)] = 1;
    }
    LoadFactors total{"", {}};
    for (const LoadCase c : {LoadCase::D, LoadCase::L, LoadCase::Lr, LoadCase::S}) {
        total.factors[caseSlot(c)] = 1;
        if (!casePresent[caseSlot(c)]) continue;
        if (!total.name.empty()) total.name += " + ";
        total.name += loadCaseName(c);
    }
    if (!total.name.empty()) service.total = total;
    return service;
}

SteelCheckRun checkSteelBeam(const BeamModel& model, const SteelShape& shape, const SteelCheckSettings& settings,
                             double selfWeight, const std::vector<LoadFactors>& combinations)
{
    SteelCheckRun run{shape.name, checkYieldStress(settings, shape, model.metricUnits), std::nullopt, {}};
    if (auto refusal = steelCheckRefusal(model, shape, settings)) {
        run.refusal = *refusal;
        return run;
    }
    const SharesOutcome shares = solveLoadShares(model, selfWeight);
    if (!shares.solved) {
        run.refusal = shares.refusal;
        return run;
    }
    const SolvedShares& solved = *shares.solved;

    std::vector<SuperposedDemands> strength;
    strength.reserve(combinations.size());
    for (const LoadFactors& f : combinations) strength.emplace_back(solved, f);
    const ServiceCombinations service = serviceCombinations(solved.casePresent);
    std::optional<SuperposedDemands> live, total;
    if (service.live) live.emplace(solved, *service.live);
    if (service.total) total.emplace(solved, *service.total);

    SteelCheckInput input{model, shape, settings, {}, live ? &*live : nullptr, total ? &*total : nullptr};
    for (const SuperposedDemands& d : strength) input.combinations.push_back(&d);
    run.result = runSteelCheck(input);
    return run;
}

}  // namespace spanrix
