#pragma once

// Combinations and their envelopes: every combination and live-load pattern as a factored
// sum of the solved cases, the worst pattern found point by point.

#include <array>
#include <string>
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
using QuantityBounds = PerEnveloped<Bounds>;

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
    PerEnveloped<std::vector<double>> upper, lower;
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
Bounds patternedBounds(const CaseSolutions& s, const Combination& combination, Quantity q,
                       double from, double to);

// The loaded parts of each patterned case of a combination, as the report and the windows
// write them: "L on parts 1, 3; S on part 2", "L on no part"; empty when the combination
// patterns nothing.
std::string patternText(const Pattern& pattern, const Combination& combination, size_t partCount);

}  // namespace spanrix::design
