#pragma once

#include <string>

namespace spanrix::cli {

// Every command's synopsis, one per line as they follow "Usage: ".
std::string synopses();

// --help of any command: the synopses and what each command does, on standard output.
// Returns the exit status: 0, or 3 when standard output could not take it.
int printHelp();

}  // namespace spanrix::cli
