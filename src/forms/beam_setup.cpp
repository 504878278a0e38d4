#include "forms/beam_setup.h"

#include <cmath>

#include "model/number_format.h"
#include "model/units.h"

namespace spanrix {

namespace {
// Below four feet a beam's lengths read better in inches.
constexpr double kInchDisplayLimit = 48.0;
}  // namespace

std::optional<double> typedBeamLength(std::string_view text, bool englishFeet)
{
    const auto v = parseNumber(text);
    if (!v) return std::nullopt;
    const double inInternalUnits = englishFeet ? *v * kFeetToInches : *v;
    // Feet near the top of the double range overflow in inches.
    if (!std::isfinite(inInternalUnits)) return std::nullopt;
    return inInternalUnits;
}

std::optional<std::string> acceptBeamLength(BeamModel& model, std::string_view text,
                                            bool englishFeet, bool edited)
{
    if (!parseNumber(text)) return std::string(kNotANumberMessage);
    const auto v = typedBeamLength(text, englishFeet);
    if (!v || !(*v > 0.0)) return std::string(kBeamLengthRefusal);
    if (edited) model.beamLength = *v;
    model.useInches = model.beamLength < kInchDisplayLimit;
    return std::nullopt;
}

std::string beamLengthBoxText(const BeamModel& model, bool englishFeet, int sigFigs)
{
    const double shown = englishFeet ? model.beamLength / kFeetToInches : double(model.beamLength);
    return displayText(shown, sigFigs);
}

}  // namespace spanrix
