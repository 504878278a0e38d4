#pragma once

#include <optional>
#include <string>

#include "engine/deflection.h"
#include "engine/moments.h"
#include "engine/reactions.h"
#include "engine/resolution.h"
#include "engine/results.h"
#include "model/beam_model.h"

namespace spanrix {

inline constexpr std::string_view kMissingPropertiesMessage =
    "Enter beam properties before calculating deflection.";
inline constexpr std::string_view kNoSupportMessage =
    "Add support to beam before calculating reactions.";
inline constexpr std::string_view kUnstableMessage = "Beam is unstable.  Add more support.";
inline constexpr std::string_view kLeftCantileverMessage =
    "First cantilever support must be placed at left end of beam.";
inline constexpr std::string_view kValuesTooLargeMessage =
    "The beam's values are too large to analyse.";

// The checks of a run, in order: section properties (I, E and c each positive), any live
// support, stability, the first cantilever at the left end. Returns the refusal, or
// nullopt when the beam can run.
std::optional<std::string> checkBeam(const BeamModel& model);

// The analysis steps in order, without the checks (recalculate uses it): reactions,
// moments, stresses, slope and deflection. Returns the failure message (missing section
// properties, a resolution no grid can have, a singular system, a beam the solver cannot
// take, or reactions or results beyond the range of numbers) or nullopt when the results
// are complete.
// On failure the results must not be shown.
std::optional<std::string> analyse(const BeamModel& model, ReactionSolution& reactions,
                                   ResultSet& results, const ContinueQuestion& askContinue);

// The run: checkBeam, then analyse.
std::optional<std::string> runCalculations(const BeamModel& model, ReactionSolution& reactions,
                                           ResultSet& results, const ContinueQuestion& askContinue);

}  // namespace spanrix
