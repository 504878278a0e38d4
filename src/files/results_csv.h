#pragma once

// The results of a run as a table for spreadsheets: comma-separated values, one row per
// calculation point.

#include <optional>
#include <string>

#include "engine/result_display.h"
#include "engine/results.h"

namespace spanrix {

enum class ResultUnits {
    // As the calculations screen shows them now: moment, shear and stress in the unit of
    // their diagram's labels, positions as the position labels, slope in degrees and
    // deflection upward positive as the value windows show them.
    Shown,
    // The run's own: inches, lb, lb-in, psi or metres, N, N-m, Pa; slope in radians,
    // deflection positive downward.
    Internal,
};

// A header row naming each column and its unit, then x, moment, shear, stress, slope and
// deflection for each of the basis's points. Numbers in the general number text (15
// significant figures, "." as decimal point); CR LF line ends.
std::string resultsCsvText(const ResultSet& results, const ResultBasis& basis, ResultUnits units);

// Writes that table to path, safely. Returns nullopt or "Could not save <path>.".
std::optional<std::string> writeResultsCsv(const std::string& path, const ResultSet& results,
                                           const ResultBasis& basis, ResultUnits units);

}  // namespace spanrix
