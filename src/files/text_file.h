#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Whole files read and written in one go.

namespace spanrix {

// The whole text of a regular file of at most maxBytes, or nullopt when it is missing,
// not a regular file, larger, or unreadable; `problem`, when given, then says which
// ("no such file", "not a regular file", ...). A directory or a device is never opened, so
// reading can neither fail late nor block.
std::optional<std::string> readWholeFile(const std::string& path, std::uintmax_t maxBytes,
                                         std::string* problem = nullptr);

// "Could not save " + path + "."
std::string saveFailureMessage(std::string_view path);

// Why a save to path would be refused before anything is written: a target that is not a
// regular file (a directory, a FIFO, a device) or that the user may not write. Checking
// first lets a command refuse at once, before it does its work. nullopt when it may go on.
std::optional<std::string> saveTargetRefusal(const std::string& path);

// Whether two names reach the same file: through links or different spellings of a path,
// or, for files that do not exist yet, the same path spelt out in full.
bool sameFile(const std::string& a, const std::string& b);

// Writes bytes to path so that a failure never damages what was there: they go to a
// temporary file beside the target that replaces it only once fully written; a replaced
// file keeps its permissions. A symbolic link is followed and stays a link; a target that
// is not a regular file, or that the user may not write, is refused. Returns nullopt on
// success, otherwise saveFailureMessage(path).
std::optional<std::string> writeFileSafely(const std::string& path, std::string_view bytes);

}  // namespace spanrix
