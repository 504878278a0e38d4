#pragma once

// The beam under each load case solved once (each patterned case once per part), so that
// every combination and live-load pattern is a factored sum of these solutions.

#include <array>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "design/combinations.h"
#include "engine/exact.h"
#include "engine/moments.h"
#include "engine/quantity.h"
#include "engine/reactions.h"
#include "model/beam_model.h"

namespace spanrix::design {

// A span between adjacent supports, or an overhang beyond the first or the last support.
struct BeamPart {
    double start = 0, end = 0;
};

// The live supports' positions, in order, each once.
std::vector<double> supportPositions(const BeamModel& model);

// The parts from left to right, between the supports' positions; users number them from 1.
std::vector<BeamPart> beamParts(const BeamModel& model);

// The part (from 1) a load at x belongs to: the one holding x, a support belonging to the
// part on its right and x = L to the last part. 0 when there are no parts.
int partAt(const std::vector<BeamPart>& parts, double x);

// The loaded parts of each patterned case: bit p - 1 for part p, by caseSlot.
using Pattern = std::array<std::uint32_t, kLoadCaseCount>;
inline constexpr bool partLoaded(const Pattern& pattern, LoadCase c, int part)
{
    return (pattern[caseSlot(c)] >> (part - 1)) & 1u;
}

// The result quantities the combinations bound, in the order their values are held.
inline constexpr std::array<Quantity, 3> kEnvelopedQuantities{Quantity::Moment, Quantity::Shear,
                                                              Quantity::Deflection};

constexpr std::size_t envelopedSlot(Quantity q)
{
    for (std::size_t slot = 0; slot < kEnvelopedQuantities.size(); ++slot)
        if (kEnvelopedQuantities[slot] == q) return slot;
    throw std::out_of_range("not an enveloped quantity");
}

// One value per enveloped quantity, looked up by the quantity.
template <class T>
struct PerEnveloped {
    std::array<T, kEnvelopedQuantities.size()> items{};
    T& operator[](Quantity q) { return items[envelopedSlot(q)]; }
    const T& operator[](Quantity q) const { return items[envelopedSlot(q)]; }
};

// One solved piece of the loading: the loads of a case on the whole beam, those of a
// patterned case on one part, or the self-weight (a dead load of its own).
struct CaseComponent {
    LoadCase loadCase = LoadCase::D;
    int part = 0;  // from 1 for a patterned case; 0 for the whole beam
    ReactionSolution reactions;
    ExactSolution exact;
    // The solution re-expanded about the start of every common piece (see CaseTotals): the
    // terms a combined piece starting there adds up, weighted.
    std::vector<ExactSolution::Piece> onCommonPieces;
    std::vector<size_t> pieceOnCommon;  // the index of its piece holding each common piece
};

struct CaseSolutions {
    double beamLength = 0;
    double flexuralRigidity = 0;  // E*I: slope and deflection are held times it
    std::vector<BeamPart> parts;
    CasesPresent present{};  // cases that hold a load (the self-weight counts as D)
    ReactionSolution supportLayout;  // the supports in solver order, no forces
    double stressFactor = 0;         // c / I
    std::vector<CaseComponent> components;

    // The calculation points of the beam's resolution, and at each of them per case and
    // quantity the case's value (D, W) or the sums of its parts' positive and of their
    // negative values (L, Lr, S): what a worst pattern adds at that point. The parts whose
    // value there is positive, and those whose value is negative, are that pattern. Empty
    // where the case has no solved component, and what its kind of case does not use.
    CalculationGrid grid;
    struct Samples {
        std::vector<double> all, positive, negative;
        std::vector<std::uint32_t> positiveParts, negativeParts;  // bit p - 1 for part p
        // The largest and the smallest of each run of kBlockSize values, then of each run of
        // kBlockSize such runs, and so on up to at most kBlockSize runs: a search for the
        // worst point passes over runs that cannot hold it.
        struct Blocks {
            std::vector<std::vector<double>> max, min;  // by level, the finest first
        };
        Blocks allBlocks, positiveBlocks, negativeBlocks;
    };
    static constexpr int kBlockSize = 8;
    std::array<PerEnveloped<Samples>, kLoadCaseCount> samples;

    // Every part loaded, each case's components summed once on common pieces (split at
    // every component's breakpoints), with the cases that break at each piece's start: a
    // combination then adds one solution per case, not one per component.
    struct CaseTotals {
        std::vector<double> starts;        // of the common pieces; the last ends at the beam's end
        std::vector<std::uint8_t> breaks;  // per piece, bit caseSlot(c) when case c breaks there
        std::array<ExactSolution, kLoadCaseCount> byCase;  // empty for a case with no component
    } totals;
};

struct CaseSolveOutcome {
    std::shared_ptr<const CaseSolutions> solutions;  // null when refused
    std::string refusal;                               // the run's own message
    explicit operator bool() const { return solutions != nullptr; }
};

// Solves the beam's cases, refusing what the run refuses. selfWeight (internal units,
// positive downward) is a uniform dead load over the whole beam; 0 for none.
CaseSolveOutcome solveCases(const BeamModel& model, double selfWeight);

// The weight of each component in the loading of a combination under a pattern.
std::vector<double> loadingWeights(const CaseSolutions& s, const Combination& combination,
                                   const Pattern& pattern);
// Every part of every patterned case loaded.
Pattern allPartsLoaded(const CaseSolutions& s);

// The reactions and the exact solution of a loading, as factored sums. The solution covers
// [from, to] only when they are given (the pieces there, cut to it): a search near one
// point then costs a few pieces, not the whole beam.
ReactionSolution combinedReactions(const CaseSolutions& s, const std::vector<double>& weights);
ExactSolution combinedExact(const CaseSolutions& s, const std::vector<double>& weights);
ExactSolution combinedExact(const CaseSolutions& s, const std::vector<double>& weights,
                            double from, double to);
// The exact peaks of a combination with every part loaded: those exactPeaks finds on its
// combinedExact, looked for only in the pieces its case totals show could hold them.
PeakValues allLoadedPeaks(const CaseSolutions& s, const Combination& combination);

}  // namespace spanrix::design
