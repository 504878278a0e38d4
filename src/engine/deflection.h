#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "engine/moments.h"
#include "engine/results.h"
#include "model/beam_model.h"

namespace spanrix {

// Asked after every 100 shooting passes that have not met the tolerance; true = Yes
// (keep going). An empty function counts as No.
using ContinueQuestion = std::function<bool()>;
inline constexpr std::string_view kNotConvergingTitle = "Warning";
std::string notConvergingText();

// Each integration keeps the peaks of slope and deflection as it goes. A value beyond the
// range of numbers stays so for the rest of its integration: it shows at the ends of the
// beam.

// Slope and deflection (times E*I) outward from a fixed end at s, where both are zero. With
// a sampler, each stretch of moments is sampled just before it is integrated, so the run
// reads it from the cache rather than from memory; the sampler has then sampled every point.
void integrateFromFixedEnd(const CalculationGrid& grid, double s, ResultSet& results,
                           MomentSampler* sampler = nullptr);

// When a shooting pass ends: the deflection at the second support (E*I units) is within
// `absolute`, or within `share` of the largest deflection between the two supports (the
// rounding of the trapezoid sums, which a long beam or large loads put far above 1.0).
struct ShootingTolerance {
    double absolute = 1.0;
    double share = 1e-10;
};

// Slope and deflection of a beam on simple supports: the starting slope at the first
// support is corrected until the deflection at the second meets the tolerance, then the
// overhangs are integrated outward. Returns false when the question was answered No (the
// overhangs are still integrated from the last pass).
bool integrateBetweenSupports(const CalculationGrid& grid, double s1, double s2, ResultSet& results,
                              const ContinueQuestion& askContinue,
                              const ShootingTolerance& tolerance = {});

}  // namespace spanrix
