#pragma once

// The data files shipped with the program (the section catalogue, the steel design table):
// where they are looked for, and how messages name them.

#include <string>
#include <string_view>
#include <vector>

namespace spanrix {

// Where a shipped data file is looked for, first found wins: the working directory, beside
// the program, then the installed data folder (<bin>/../share/spanrix).
std::vector<std::string> dataFileLocations(const std::string& programDir, std::string_view fileName);

// A location as messages show it: absolute and normalised when that can be worked out.
std::string shownPath(const std::string& location);

// The text in double quotes.
std::string inQuotes(std::string_view text);

}  // namespace spanrix
