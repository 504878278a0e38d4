#include "engine/resolution.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/results.h"
#include "model/number_format.h"

namespace spanrix {

std::string resolutionPromptText(float currentResolution)
{
    return "Enter value for resolution. \rCurrent value of resolution is "
         + numberText(currentResolution) + ".\r" + std::string(kResolutionRangeMessage)
         + "\r5,000 to 50,000 is standard.";
}

std::string resolutionDefaultReply(float currentResolution)
{
    return numberText(currentResolution);
}

std::string resolutionTooLargeText() { return "Resolution too large.\rResolution set to 200,000."; }

// An unusable reply keeps the current value, which the caller does by not storing anything.
ResolutionReply readResolutionReply(std::optional<std::string_view> reply,
                                    float /*currentResolution*/)
{
    if (!reply) return {};
    const std::optional<double> value = parseNumber(*reply);
    if (!value || std::isnan(*value)) return {};
    // Held as a float, as the resolution is; values beyond the float range saturate.
    constexpr double kFloatMax = std::numeric_limits<float>::max();
    const float stored = static_cast<float>(std::clamp(*value, -kFloatMax, kFloatMax));
    if (stored < kMinResolution) return {std::nullopt, std::string(kResolutionRangeMessage)};
    if (stored > static_cast<float>(kMaxResolution))
        return {static_cast<float>(kMaxResolution), resolutionTooLargeText()};
    // Whole intervals only, so the last calculation point lies at the end of the beam.
    return {static_cast<float>(roundHalfEven(stored)), std::nullopt};
}

}  // namespace spanrix
