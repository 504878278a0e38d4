#pragma once

// The demands of load combinations by superposition: each load case is solved alone, the
// patterned cases (L, Lr, S) part by part, and a combination with its live-load patterns is
// a factored sum of those solutions, exact at every point.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "design/steel_check.h"
#include "engine/exact.h"
#include "model/beam_model.h"

namespace spanrix {

// A named set of load factors, one per case.
struct LoadFactors {
    std::string name;
    std::array<double, kLoadCaseCount> factors{};
};

// Whether a case's loads are applied part by part in the worst pattern.
bool isPatterned(LoadCase c);

// One case's loads on one part of the beam (part 0: the whole beam), solved alone.
struct LoadShare {
    LoadCase loadCase = LoadCase::D;
    int part = 0;  // from 1, for a patterned case
    ExactSolution exact;
    std::vector<double> breakpoints;  // where its pieces meet
};

struct SolvedShares {
    std::vector<BeamStretch> parts;
    std::vector<LoadShare> shares;
    std::array<bool, kLoadCaseCount> casePresent{};
};

// Solves every case of the beam; `selfWeight` (force per length, internal units; 0: none) is
// a uniform dead load over the whole beam. Requires a beam the analysis accepts; returns the
// reaction solver's refusal otherwise.
struct SharesOutcome {
    std::optional<SolvedShares> solved;
    std::string refusal;
};
SharesOutcome solveLoadShares(const BeamModel& model, double selfWeight);

// One combination's demands over the shares; the shares must outlive it.
class SuperposedDemands : public CombinationDemands {
public:
    SuperposedDemands(const SolvedShares& solved, LoadFactors factors);

    const std::string& name() const override { return factors_.name; }
    SegmentMoments moments(const BeamStretch& segment) const override;
    DemandPeak shear() const override;
    DemandPeak deflectionTimesEI(const BeamStretch& span) const override;

    // Whether any load of the combination acts (a factor on a case present).
    bool acts() const;

private:
    const SolvedShares& solved_;
    LoadFactors factors_;
};

}  // namespace spanrix
