#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/beam_model.h"

namespace spanrix {

inline constexpr std::string_view kBeamLengthRefusal =
    "Enter a positive non-zero value for beam length.";

// The typed beam length in internal units: feet are stored as inches. nullopt when the
// text is not a number.
std::optional<double> typedBeamLength(std::string_view text, bool englishFeet);

// The start-up dialog's Continue. An edited dialog stores the typed length; an untouched
// one keeps the stored length, which the box shows only rounded. useInches follows the
// length. Returns the refusal message when the text is not a number, or not a positive
// one; the model is then unchanged.
std::optional<std::string> acceptBeamLength(BeamModel& model, std::string_view text,
                                            bool englishFeet, bool edited);

// What the length box shows when the dialog reopens.
std::string beamLengthBoxText(const BeamModel& model, bool englishFeet, int sigFigs);

}  // namespace spanrix
