#pragma once

// Writing a whole file so that a failure never damages what was there before.

#include <optional>
#include <string>
#include <string_view>

namespace spanrix {

// "Could not save " + path + "."
std::string saveFailureMessage(std::string_view path);

// Writes bytes to path. They go to a temporary file beside the target that replaces it
// only once fully written; a replaced file keeps its permissions. Returns nullopt on
// success, otherwise saveFailureMessage(path).
std::optional<std::string> writeFileSafely(const std::string& path, std::string_view bytes);

}  // namespace spanrix
