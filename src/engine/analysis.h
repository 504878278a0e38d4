#pragma once

#include <memory>
#include <optional>
#include <string>

#include "engine/deflection.h"
#include "engine/exact.h"
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

// The reaction step of a run: the supports, their refusal, and the solved system. Returns
// the refusal (supports, a singular system, values beyond the range of numbers) or nullopt.
std::optional<std::string> solveReactions(const BeamModel& model, ReactionSolution& reactions);

// Everything one run produced: the grid (built once), the reaction solution, the sampled
// results with their peaks (sized to the run), and the exact solution (built when first
// asked for).
struct Analysis {
    CalculationGrid grid;
    ReactionSolution reactions;
    ResultSet results{0};
    ExactSolutionOnDemand exactOnDemand;

    const ExactSolution& exact() const { return exactOnDemand.get(); }
};

// The loading screen's run checks the beam first; the calculations screen's recalculation
// repeats the analysis without those checks.
enum class RunChecks { Full, RepeatOnly };

// Either the refusal (the message a user sees) or the analysis, shared read-only.
struct AnalysisOutcome {
    std::shared_ptr<const Analysis> analysis;  // null when refused
    std::string refusal;
    explicit operator bool() const { return analysis != nullptr; }
};

// The run: with RunChecks::Full, checkBeam first; then reactions, moments, shear and
// stresses, slope and deflection, and the exact solution. A refusal (failed check, missing
// section properties, a resolution no grid can have, a singular system, a beam the solver
// cannot take, or values beyond the range of numbers) holds no analysis.
AnalysisOutcome analyseBeam(const BeamModel& model, const ContinueQuestion& askContinue,
                            RunChecks checks = RunChecks::Full);

// The same steps without the checks, into a reaction solution and results the caller
// keeps (older tests still read them this way). Returns the refusal or nullopt; on a
// refusal the results must not be shown.
std::optional<std::string> analyse(const BeamModel& model, ReactionSolution& reactions,
                                   ResultSet& results, const ContinueQuestion& askContinue);

// The run: checkBeam, then analyse.
std::optional<std::string> runCalculations(const BeamModel& model, ReactionSolution& reactions,
                                           ResultSet& results, const ContinueQuestion& askContinue);

}  // namespace spanrix
