#pragma once

// The JSON forms of results that several spanrix-cli outputs share.

#include <nlohmann/json.hpp>

#include "engine/reactions.h"
#include "engine/results.h"
#include "model/beam_model.h"

namespace spanrix::cli {

using Json = nlohmann::ordered_json;  // keeps the keys in the order --help shows

// One entry per live support in feature-table order: {"feature", "support", "type",
// "location", "force", "moment" (a cantilever's fixing moment, else null)}.
Json reactionsJson(const BeamModel& m, const ReactionSolution& r);

// Moment, stress, slope, deflection and shear peaks; slope and deflection are held times
// E*I and shown divided by ei.
Json peaksJson(const PeakValues& p, double ei);

}  // namespace spanrix::cli
