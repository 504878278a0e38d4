#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace spanrix {

inline constexpr std::string_view kResolutionTitle = "Change Resolution";
inline constexpr std::string_view kResolutionRangeMessage = "Choose value between 10 and 200,000.";

// The prompt text (carriage returns included) and its default reply.
std::string resolutionPromptText(float currentResolution);
std::string resolutionDefaultReply(float currentResolution);

// "Resolution too large.", a carriage return, "Resolution set to 200,000."
std::string resolutionTooLargeText();

// Reading a reply. No reply (Cancel), an empty one or text that is not a number: nothing
// changes and nothing is said. Below 10: the range message, the old value stays. A
// fraction goes to the nearest whole number (halves to even). Above 200,000: 200,000 with
// the too-large message.
struct ResolutionReply {
    std::optional<float> newResolution;
    std::optional<std::string> message;
};
ResolutionReply readResolutionReply(std::optional<std::string_view> reply, float currentResolution);

}  // namespace spanrix
