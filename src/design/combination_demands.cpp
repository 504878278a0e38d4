#include "design/combination_demands.h"

#include <cmath>

namespace spanrix::design {

PatternedDemands::PatternedDemands(const CaseSolutions& solutions, Combination combination)
    : solutions_(solutions),
      combination_(std::move(combination)),
      curves_(combinationCurves(solutions, combination_))
{
}

Extreme PatternedDemands::largest(Quantity q, double from, double to) const
{
    const Bounds b = patternedBounds(solutions_, combination_, curves_, q, from, to);
    return std::abs(b.max.value) >= std::abs(b.min.value) ? b.max : b.min;
}

DemandPeak PatternedDemands::peak(const Extreme& e) const
{
    return {std::abs(e.value), e.x, loadedParts(solutions_, combination_, e.pattern)};
}

SegmentMoments PatternedDemands::moments(const BeamStretch& segment) const
{
    const Extreme e = largest(Quantity::Moment, segment.from, segment.to);
    // Cb reads the moment diagram of the pattern that gives the largest moment.
    const ExactSolution exact = combinedExact(solutions_, loadingWeights(solutions_, combination_, e.pattern));
    auto at = [&](double fraction) {
        return std::abs(exactValuesAt(exact, segment.from + fraction * segment.length()).moment);
    };
    return {peak(e), at(0.25), at(0.5), at(0.75)};
}

DemandPeak PatternedDemands::shear() const { return peak(largest(Quantity::Shear, 0, solutions_.beamLength)); }

DemandPeak PatternedDemands::deflectionTimesEI(const BeamStretch& span) const
{
    return peak(largest(Quantity::Deflection, span.from, span.to));
}

LoadPattern loadedParts(const CaseSolutions& solutions, const Combination& combination, const Pattern& pattern)
{
    LoadPattern out;
    for (const LoadCase c : kLoadCases) {
        if (!isPatterned(c) || !solutions.present[caseSlot(c)] || combination.factor(c) == 0.0) continue;
        std::vector<int> parts;
        for (int p = 1; p <= static_cast<int>(solutions.parts.size()); ++p)
            if (partLoaded(pattern, c, p)) parts.push_back(p);
        out.emplace_back(c, std::move(parts));
    }
    return out;
}

}  // namespace spanrix::design
