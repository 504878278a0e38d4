#include "engine/analysis.h"

#include <cmath>

namespace spanrix {

namespace {

inline constexpr std::string_view kCantileverPlacementMessage =
    "Cantilever supports may only be placed at the ends of the beam.";
inline constexpr std::string_view kInvalidBeamLengthMessage = "Invalid beam length.";

// The refusals that depend only on which supports are live, whatever order they were
// added in. Also guards analyse: the equations assume the first cantilever at x = 0 and
// a second one at x = L, and at least two simple supports without a cantilever.
std::optional<std::string> supportRefusal(const BeamModel& model, const ReactionSolution& r)
{
    const int nS = r.activeSupportCount, nC = r.cantileverCount;
    if (nS == 0) return std::string(kNoSupportMessage);
    if (nC == 0 && nS == 1) return std::string(kUnstableMessage);
    if (nC > 0 && r.reactionPos[1] != 0.0) return std::string(kLeftCantileverMessage);
    if (nC > 2 || (nC == 2 && r.reactionPos[static_cast<size_t>(nS)] != model.beamLength))
        return std::string(kCantileverPlacementMessage);
    return std::nullopt;
}

// Stress divides by I and the shown slope and deflection by E*I. A section whose I, E or
// c is not positive describes no beam: it would bend against its load.
std::optional<std::string> propertiesRefusal(const BeamModel& model)
{
    if (!(model.modulusE > 0.0f && model.momentOfInertia > 0.0f && model.fiberDistance > 0.0f))
        return std::string(kMissingPropertiesMessage);
    return std::nullopt;
}

}  // namespace

std::optional<std::string> checkBeam(const BeamModel& model)
{
    if (auto refusal = propertiesRefusal(model)) return refusal;
    ReactionSolution supports;
    collectSupports(model, supports);
    return supportRefusal(model, supports);
}

std::optional<std::string> analyse(const BeamModel& model, ReactionSolution& reactions,
                                   ResultSet& results, const ContinueQuestion& askContinue)
{
    const CalculationGrid grid = calculationGrid(model);
    if (grid.pointCount == 0) {
        if (!std::isfinite(grid.length) || grid.length <= 0)
            return std::string(kInvalidBeamLengthMessage);
        return std::string(kResolutionRangeMessage);
    }
    // The calculations screen repeats the analysis without the run's checks, possibly after
    // a reset has cleared the section properties.
    if (auto refusal = propertiesRefusal(model)) return refusal;

    collectSupports(model, reactions);
    if (auto refusal = supportRefusal(model, reactions)) return refusal;
    assembleReactionSystem(model, reactions);
    // A singular system abandons the run: nothing after it may use unfinished factors.
    if (!LU_decomp(reactions)) return std::string(kSingularMatrixMessage);
    luBackSubstitute(reactions);
    for (int k = 1; k <= reactions.unknownCount(); ++k)
        if (!std::isfinite(reactions.reactionVector[static_cast<size_t>(k)]))
            return std::string(kSingularMatrixMessage);

    computeMoments(model, reactions, results);
    computeStresses(model, results);
    if (reactions.cantileverCount == 0)
        integrateBetweenSupports(model, reactions.reactionPos[1], reactions.reactionPos[2], results,
                                 askContinue);
    else
        integrateFromFixedEnd(model, reactions.reactionPos[1], results);
    return std::nullopt;
}

std::optional<std::string> runCalculations(const BeamModel& model, ReactionSolution& reactions,
                                           ResultSet& results, const ContinueQuestion& askContinue)
{
    if (auto refusal = checkBeam(model)) return refusal;
    return analyse(model, reactions, results, askContinue);
}

}  // namespace spanrix
