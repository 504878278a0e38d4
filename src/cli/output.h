#pragma once

// What spanrix-cli writes besides its results: the checks on standard output and the
// usage error every command reports the same way.

#include <string>
#include <string_view>

#include "cli/exit_status.h"

namespace spanrix::cli {

// Sends what was written to standard output on its way. False, with a short message on
// standard error, when it could not be written (a full disk, a closed pipe): a command's
// output that did not arrive is a failure, not a success.
bool flushOutput();

// Whether an output file may be written, checked before a command does its work. When it
// may not (a directory, a FIFO, a device), "Could not save <path>." goes to standard error.
bool canSave(const std::string& path);

// A command's failure: message, and ": " + detail when there is one (why a file was
// refused), on standard error; returns status.
int refused(std::string_view message, int status = kExitRefused, std::string_view detail = {});

// "spanrix-cli: " + message on standard error, then "Usage: " + synopsis; returns
// kExitUsage.
int usageError(std::string_view message, std::string_view synopsis);

}  // namespace spanrix::cli
