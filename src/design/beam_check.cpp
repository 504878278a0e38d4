#include "design/beam_check.h"

namespace spanrix::design {

ServiceCombinations serviceCombinations(const CasesPresent& present)
{
    // Named by the cases present only, as the combinations of the methods are.
    auto of = [&](std::initializer_list<LoadCase> cases) {
        std::array<double, kLoadCaseCount> factors{};
        for (const LoadCase c : cases)
            if (present[caseSlot(c)]) factors[caseSlot(c)] = 1;
        return combinationOf(factors);
    };
    ServiceCombinations service;
    if (present[caseSlot(LoadCase::L)]) service.live = of({LoadCase::L});
    if (Combination total = of({LoadCase::D, LoadCase::L, LoadCase::Lr, LoadCase::S}); !total.name.empty())
        service.total = std::move(total);
    return service;
}

SteelCheckRun checkSteelBeam(const BeamModel& model, const SteelShape& shape, const SteelCheckSettings& settings,
                             double selfWeight)
{
    SteelCheckRun run{shape.name, checkYieldStress(settings, shape, model.metricUnits), std::nullopt, {}, nullptr};
    if (auto refusal = steelCheckRefusal(model, shape, settings)) {
        run.refusal = *refusal;
        return run;
    }
    const CaseSolveOutcome solved = solveCases(model, selfWeight);
    if (!solved) {
        run.refusal = solved.refusal;
        return run;
    }
    run.solutions = solved.solutions;
    const CaseSolutions& s = *solved.solutions;

    std::vector<PatternedDemands> strength;
    for (Combination& c : combinationsFor(settings.method, s.present)) strength.emplace_back(s, std::move(c));
    const ServiceCombinations service = serviceCombinations(s.present);
    std::optional<PatternedDemands> live, total;
    if (service.live) live.emplace(s, *service.live);
    if (service.total) total.emplace(s, *service.total);

    SteelCheckInput input{model, shape, settings, {}, live ? &*live : nullptr, total ? &*total : nullptr};
    for (const PatternedDemands& d : strength) input.combinations.push_back(&d);
    run.result = runSteelCheck(input);
    return run;
}

}  // namespace spanrix::design
