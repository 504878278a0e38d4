#pragma once

#include <QString>
#include <array>
#include <string_view>

namespace spanrix {

class Prompts;

// The desktop system-information viewers, in the order they are looked for on PATH.
inline constexpr std::array<const char*, 5> kSystemInfoViewers = {
    "kinfocenter", "hardinfo2", "hardinfo", "gnome-system-monitor", "mate-system-monitor",
};

inline constexpr std::string_view kSystemInfoUnavailable =
    "System Information Is Unavailable At This Time";

// The full path of the first viewer found on PATH, or an empty string.
QString findSystemInfoViewer();

// Starts the viewer as a separate process and returns at once; when there is none, or it
// cannot be started, says that system information is unavailable.
void startSysInfo(Prompts& prompts);

}  // namespace spanrix
