#pragma once

// The section's own weight as a dead load of the combinations.

#include <optional>
#include <string>

#include "files/steel_design_table.h"
#include "model/beam_model.h"

namespace spanrix::design {

// A shape's weight per length in a unit system's internal units: lb/in, or N/m.
double shapeWeightPerLength(const SteelShape& shape, bool metric);

// The self-weight the design settings ask for (internal units, downward): 0 when it is
// not included; the weight of the named section when there is one; otherwise the typed
// weight per length. `table` is needed only for a named section; without it, or without
// the name in it, the refusal says so.
struct SelfWeight {
    double perLength = 0;
    std::optional<std::string> refusal;
};
SelfWeight selfWeightOf(const BeamModel& model, const SteelDesignTable* table);

// "Unknown section "NAME": it is not in the steel design data."
std::string unknownSectionMessage(const std::string& name);

}  // namespace spanrix::design
