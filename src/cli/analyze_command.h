#pragma once

// spanrix-cli analyze: the results of one or more saved beams as JSON.

#include <string>
#include <string_view>
#include <vector>

namespace spanrix::cli {

inline constexpr std::string_view kAnalyzeSynopsis =
    "spanrix-cli analyze FILE... [--v1] [--resolution N] [--at X]... [--exact] [--csv OUT.csv]";

inline constexpr std::string_view kAnalyzeHelp =
    "analyze analyses the beam of a load configuration file (.lod) and prints the results\n"
    "as one JSON object on standard output. Given several files, it analyses each in turn\n"
    "and prints one JSON object per line (JSON Lines) in the order given, each starting\n"
    "with \"file\":FILE; a file that fails gives {\"file\":FILE,\"error\":message} and the\n"
    "others still run. A name that is not UTF-8 is read as given and written in the JSON\n"
    "with U+FFFD in place of the bytes it cannot show. A file that cannot be read, or\n"
    "holds what the program's dialogs refuse, also gives \"detail\":why (file, line and\n"
    "what was wrong), which a single FILE writes on standard error after the message.\n"
    "\n"
    "  --v1            read FILE as a version-1 load file\n"
    "  --resolution N  use N calculation intervals (a whole number from 10 to 200000)\n"
    "                  instead of the resolution saved in the file\n"
    "  --at X          also report the values at the calculation point nearest X, a\n"
    "                  location from 0 to the beam length (or up to half an interval\n"
    "                  past its end); may be given more than once\n"
    "  --exact         also report the exact solution: the true extremes anywhere on\n"
    "                  the beam and the values at each --at X itself, from the closed-form\n"
    "                  elastic curve, whatever the resolution\n"
    "  --csv OUT.csv   also write the values at every calculation point to OUT.csv (one\n"
    "                  FILE only): a header row, then x,moment,shear,stress,slope,deflection\n"
    "                  per point; \"-\" writes them to standard output instead of the JSON\n"
    "\n"
    "All values are in the internal units of the file's unit system: inches, lb, lb-in\n"
    "and psi (english) or metres, N, N-m and Pa (metric). Support forces are positive\n"
    "upward; a cantilever's fixing moment is the moment it applies to the beam,\n"
    "counterclockwise positive; the shear force is the sum of the forces left of the\n"
    "point, upward positive; slope is in radians; deflection is positive downward.\n"
    "\n"
    "Output:\n"
    "  {\"units\":\"english\"|\"metric\",\"beamLength\":L,\"resolution\":N,\n"
    "   \"reactions\":[{\"feature\":row,\"support\":k,\"type\":\"simp\"|\"cant\",\"location\":s,\n"
    "                 \"force\":R,\"moment\":M or null}, ...],\n"
    "   \"peaks\":{\"moment\":{\"value\":v,\"x\":x},\"stress\":{...},\"slope\":{...},\n"
    "            \"deflection\":{...},\"shear\":{...}},\n"
    "   \"at\":[{\"x\":x,\"moment\":m,\"stress\":s,\"slope\":t,\"deflection\":d,\n"
    "          \"shear\":v}, ...],\n"
    "   \"exact\":{\"peaks\":{...},\"at\":[...]}}\n"
    "  \"exact\" comes with --exact only; its peaks and values have the fields above.\n"
    "\n"
    "The deflection of a beam on simple supports is found by repeated passes; after\n"
    "1000 passes without meeting the tolerance the last pass is reported, with a\n"
    "warning on standard error. With several files the exit status is the highest of\n"
    "theirs.\n";

// Runs the command on the words after "analyze".
int runAnalyze(const std::vector<std::string>& words);

}  // namespace spanrix::cli
