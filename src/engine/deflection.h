#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "engine/results.h"
#include "model/beam_model.h"

namespace spanrix {

// Asked after every 100 shooting passes that have not met the tolerance; true = Yes
// (keep going). An empty function counts as No.
using ContinueQuestion = std::function<bool()>;
inline constexpr std::string_view kNotConvergingTitle = "Warning";
std::string notConvergingText();

// Slope and deflection (times E*I) outward from a fixed end at s, where both are zero.
void integrateFromFixedEnd(const BeamModel& model, double s, ResultSet& results);

// Slope and deflection of a beam on simple supports: the starting slope at the first
// support is corrected until the deflection at the second is within 1.0 (E*I units),
// then the overhangs are integrated outward. Returns false when the question was
// answered No (the overhangs are still integrated from the last pass).
bool integrateBetweenSupports(const BeamModel& model, double s1, double s2, ResultSet& results,
                              const ContinueQuestion& askContinue);

}  // namespace spanrix
