#include "engine/analysis.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

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

bool allFinite(const double* first, const double* last)
{
    return std::all_of(first, last, [](double v) { return std::isfinite(v); });
}

bool reactionSystemIsFinite(const ReactionSolution& r)
{
    const auto n = static_cast<size_t>(r.unknownCount());
    for (size_t row = 1; row <= n; ++row)
        if (!allFinite(&r.reactionMatrix[row][1], &r.reactionMatrix[row][1] + n)) return false;
    return allFinite(&r.reactionVector[1], &r.reactionVector[1] + n);
}

// Slope and deflection at every point, and as the windows show them: divided by E*I, in
// millimetres or degrees. Both integrations run outward to the ends of the beam, and a
// value beyond the range of numbers stays so for the rest of its integration, so the end
// points stand for every other.
bool slopeAndDeflectionAreFinite(const BeamModel& model, const ResultSet& results)
{
    const auto last = static_cast<size_t>(results.pointCount);
    for (const std::vector<double>* values : {&results.slopeAt, &results.deflectionAt})
        if (!std::isfinite((*values)[1]) || !std::isfinite((*values)[last])) return false;
    constexpr double kLargestDisplayFactor = 1000;  // metres to millimetres; above 180 / pi
    const double ei = flexuralRigidity(model);
    return std::isfinite(results.peakSlope / ei * kLargestDisplayFactor) &&
           std::isfinite(results.peakDeflection / ei * kLargestDisplayFactor);
}

}  // namespace

std::optional<std::string> checkBeam(const BeamModel& model)
{
    if (auto refusal = propertiesRefusal(model)) return refusal;
    ReactionSolution supports;
    collectSupports(model, supports);
    return supportRefusal(model, supports);
}

std::optional<std::string> solveReactions(const BeamModel& model, ReactionSolution& reactions)
{
    collectSupports(model, reactions);
    if (auto refusal = supportRefusal(model, reactions)) return refusal;
    assembleReactionSystem(model, reactions);
    // Load sums or support positions beyond the range of numbers: the system is not singular,
    // its values are too large.
    if (!reactionSystemIsFinite(reactions)) return std::string(kValuesTooLargeMessage);
    // A singular system abandons the run: nothing after it may use unfinished factors.
    if (!LU_decomp(reactions)) return std::string(kSingularMatrixMessage);
    luBackSubstitute(reactions);
    const auto unknowns = static_cast<size_t>(reactions.unknownCount());
    if (!allFinite(&reactions.reactionVector[1], &reactions.reactionVector[1] + unknowns))
        return std::string(kValuesTooLargeMessage);
    return std::nullopt;
}

namespace {

// The steps of a run on a grid already built for the model.
std::optional<std::string> analyseOnGrid(const BeamModel& model, const CalculationGrid& grid,
                                         ReactionSolution& reactions, ResultSet& results,
                                         const ContinueQuestion& askContinue)
{
    if (grid.pointCount == 0) {
        if (!std::isfinite(grid.length) || grid.length <= 0)
            return std::string(kInvalidBeamLengthMessage);
        return std::string(kResolutionRangeMessage);
    }
    // The calculations screen repeats the analysis without the run's checks, possibly after
    // a reset has cleared the section properties.
    if (auto refusal = propertiesRefusal(model)) return refusal;
    if (auto refusal = solveReactions(model, reactions)) return refusal;

    if (reactions.cantileverCount == 0) {
        if (!sampleResults(grid, model, reactions, results))
            return std::string(kValuesTooLargeMessage);
        integrateBetweenSupports(grid, reactions.reactionPos[1], reactions.reactionPos[2], results,
                                 askContinue);
    } else {
        // One pass: from the fixed end each stretch is sampled, then integrated.
        MomentSampler sampler(grid, model, reactions, results);
        integrateFromFixedEnd(grid, reactions.reactionPos[1], results, &sampler);
        if (!sampler.finish()) return std::string(kValuesTooLargeMessage);
    }
    if (!slopeAndDeflectionAreFinite(model, results)) return std::string(kValuesTooLargeMessage);
    return std::nullopt;
}

// A run at the largest resolution fills 8 MB of arrays, and clearing fresh memory or
// faulting it in would take longer than the run itself. So the arrays of the last analysis
// released are kept for the next run, which writes every value it holds.
class SpareResults {
public:
    ResultSet take(int slots)
    {
        ResultSet results(0);
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            if (spare_) results = std::move(*std::exchange(spare_, std::nullopt));
        }
        results.sizeTo(slots);
        return results;
    }

    void keep(ResultSet&& results)
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        spare_ = std::move(results);
    }

private:
    std::mutex mutex_;
    std::optional<ResultSet> spare_;
};

// Never destroyed, so an analysis released while the program ends still finds it.
SpareResults& spareResults()
{
    static auto* spare = new SpareResults;
    return *spare;
}

std::shared_ptr<Analysis> newAnalysis(int slots)
{
    auto analysis = std::make_unique<Analysis>();
    analysis->results = spareResults().take(slots);
    return {analysis.release(), [](Analysis* done) {
                spareResults().keep(std::move(done->results));
                delete done;
            }};
}

}  // namespace

AnalysisOutcome analyseBeam(const BeamModel& model, const ContinueQuestion& askContinue,
                            RunChecks checks)
{
    if (checks == RunChecks::Full)
        if (auto refusal = checkBeam(model)) return {nullptr, std::move(*refusal)};
    const CalculationGrid grid = calculationGrid(model);
    std::shared_ptr<Analysis> analysis = newAnalysis(grid.pointCount);
    analysis->grid = grid;
    if (auto refusal = analyseOnGrid(model, analysis->grid, analysis->reactions,
                                     analysis->results, askContinue))
        return {nullptr, std::move(*refusal)};
    analysis->exactOnDemand = ExactSolutionOnDemand(
        engine_detail::momentTerms(model, analysis->reactions), model.beamLength,
        stressFactor(model), analysis->reactions);
    return {std::move(analysis), {}};
}

std::optional<std::string> analyse(const BeamModel& model, ReactionSolution& reactions,
                                   ResultSet& results, const ContinueQuestion& askContinue)
{
    return analyseOnGrid(model, calculationGrid(model), reactions, results, askContinue);
}

std::optional<std::string> runCalculations(const BeamModel& model, ReactionSolution& reactions,
                                           ResultSet& results, const ContinueQuestion& askContinue)
{
    if (auto refusal = checkBeam(model)) return refusal;
    return analyse(model, reactions, results, askContinue);
}

}  // namespace spanrix
