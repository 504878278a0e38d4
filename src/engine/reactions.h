#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/beam_model.h"

namespace spanrix {

// 20 supports, two of them cantilevers, each cantilever adding its fixing moment.
inline constexpr int kMaxUnknowns = kMaxSupports + 2;

inline constexpr std::string_view kSingularMatrixMessage = "Singular matrix in routine LU_decomp.";

// The reaction solve of one run. Slots are numbered from 1; index 0 is unused.
struct ReactionSolution {
    int activeSupportCount = 0;  // nS
    int cantileverCount = 0;     // nC
    std::array<double, kMaxSupports + 1> reactionPos{};      // 1..nS, solver order
    std::array<int, kMaxSupports + 1> reactionFeature{};     // feature-table row of each
    std::array<double, kMaxSupports + 1> supportLoadTerm{};  // load part of E*I*deflection
    std::array<std::array<double, kMaxUnknowns + 1>, kMaxUnknowns + 1> reactionMatrix{};
    // Right-hand side, then the unknowns after the solve: M1[, M2], R1..RnS.
    std::array<double, kMaxUnknowns + 1> reactionVector{};
    std::array<double, kMaxUnknowns + 1> pivotOrder{};  // pivot row of each column, whole

    int unknownCount() const { return activeSupportCount + cantileverCount; }
    // The support force of support k (1..nS) after the solve.
    double supportForce(int k) const
    {
        return reactionVector[static_cast<size_t>(cantileverCount + k)];
    }
};

// Live supports in solver order: the cantilever at x = 0 first, the other cantilever last,
// the simple supports between them in feature-table order. At most two cantilevers are
// taken; a beam that needs refusing is caught by checkBeam before this runs.
void collectSupports(const BeamModel& model, ReactionSolution& r);

// Fills supportLoadTerm, reactionMatrix and reactionVector (1..n, every entry written).
void assembleReactionSystem(const BeamModel& model, ReactionSolution& r);

// Crout LU decomposition with implicit scaling and partial pivoting, in place. Returns
// false (the singular-matrix case) when a row is all zero, a pivot is zero, or the system
// holds a value that is not finite; the factors are then unfinished and must not be used.
bool LU_decomp(ReactionSolution& r);

// Solves with the factors of LU_decomp, overwriting reactionVector with the unknowns.
void luBackSubstitute(ReactionSolution& r);

// The caption a support's second value label shows after a run.
struct ReactionCaption {
    int featureRow;
    std::string caption;
};
// One caption per active support, in solver order.
std::vector<ReactionCaption> reactionCaptions(const BeamModel& model, const ReactionSolution& r,
                                              int sigFigs);

}  // namespace spanrix
