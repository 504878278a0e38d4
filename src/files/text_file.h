#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace spanrix {

// The whole text of a regular file of at most maxBytes, or nullopt when it is missing,
// not a regular file, larger, or unreadable. A directory or a device is never opened, so
// reading can neither fail late nor block.
std::optional<std::string> readWholeFile(const std::string& path, std::uintmax_t maxBytes);

}  // namespace spanrix
