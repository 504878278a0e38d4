#pragma once

// What the steel design check reads of one load combination: its demands over every
// live-load pattern, found on the solved cases.

#include "design/case_solutions.h"
#include "design/combinations.h"
#include "design/envelope.h"
#include "design/steel_check.h"

namespace spanrix::design {

// One combination's demands; the solutions must outlive it.
class PatternedDemands : public CombinationDemands {
public:
    PatternedDemands(const CaseSolutions& solutions, Combination combination);

    const std::string& name() const override { return combination_.name; }
    SegmentMoments moments(const BeamStretch& segment) const override;
    DemandPeak shear() const override;
    DemandPeak deflectionTimesEI(const BeamStretch& span) const override;

private:
    // The larger in size of the stretch's largest and smallest value.
    Extreme largest(Quantity q, double from, double to) const;
    DemandPeak peak(const Extreme& e) const;

    const CaseSolutions& solutions_;
    Combination combination_;
    Curves curves_;
};

// The loaded parts of each patterned case the combination holds, from 1 at the left.
LoadPattern loadedParts(const CaseSolutions& solutions, const Combination& combination, const Pattern& pattern);

}  // namespace spanrix::design
