#pragma once

// Combinations and their envelopes: every combination and live-load pattern as a factored
// sum of the solved cases, the worst pattern found point by point.

#include <array>
#include <vector>

#include "design/case_solutions.h"
#include "design/combinations.h"
#include "engine/results.h"

namespace spanrix::design {

// A worst value found over patterns (and combinations), with where, under which
// combination (its index in the list, -1 when not known) and pattern.
struct Extreme {
    double value = 0, x = 0;
    int combination = -1;
    Pattern pattern{};
};
struct Bounds {
    Extreme max, min;
};
using QuantityBounds = std::array<Bounds, kQuantityCount>;

struct CombinationResult {
    Combination combination;
    ReactionSolution reactions;  // every part loaded
    PeakValues peaks;            // exact, every part loaded
    QuantityBounds patterned;    // over all live-load patterns
};

struct CombinationsResult {
    std::vector<CombinationResult> combinations;
    QuantityBounds envelope;  // over every combination and pattern
};

// Each combination with its reactions, peaks and patterned extremes, and the envelope.
CombinationsResult combineCases(const CaseSolutions& s, const std::vector<Combination>& combinations);

// At every calculation point, the largest and the smallest value of each quantity over all
// patterns of one combination, or over every pattern of every combination.
struct Curves {
    std::array<std::vector<double>, kQuantityCount> upper, lower;
};
Curves combinationCurves(const CaseSolutions& s, const Combination& combination);
Curves envelopeCurves(const CaseSolutions& s, const std::vector<Combination>& combinations);

// The pattern that makes a quantity at x largest (upper) or smallest: each part of a
// patterned case loaded exactly where its share there makes the value worse.
Pattern worstPattern(const CaseSolutions& s, const Combination& combination, Quantity q, double x,
                     bool upper);

// The largest and the smallest value of a quantity over [from, to] for one combination
// over all patterns: the worst calculation point of its curves, the pattern found there,
// then that pattern's exact extreme within a calculation interval of it.
Bounds patternedBounds(const CaseSolutions& s, const Combination& combination,
                       const Curves& curves, Quantity q, double from, double to);

}  // namespace spanrix::design
