#pragma once

// spanrix-cli report: the printed report of a saved beam, as text or as a PDF file.

#include <string>
#include <string_view>
#include <vector>

namespace spanrix::cli {

inline constexpr std::string_view kReportSynopsis =
    "spanrix-cli report FILE [--title T] [--pdf OUT.pdf] [--at X] [--exact]";

inline constexpr std::string_view kReportHelp =
    "report writes the printed report of the beam in FILE: the header, the beam\n"
    "properties, the load configuration with the support reactions, the maximum values,\n"
    "the values at a point when --at is given, and the date, as text on standard output.\n"
    "Numbers are shown with 3 significant figures, rounded as the program's windows show\n"
    "them.\n"
    "\n"
    "  --title T       the report's title; control characters (tabs, line ends, escape\n"
    "                  sequences) become single blanks\n"
    "  --at X          add the values at the calculation point nearest X, a location in\n"
    "                  inches (english) or metres (metric) from 0 to the beam length\n"
    "  --exact         add an EXACT MAXIMUM VALUES section after the maximum values: the\n"
    "                  true extremes of the closed-form elastic curve, shear included\n"
    "  --pdf OUT.pdf   write a PDF file instead: a page with the loading screen's sketch\n"
    "                  and legend, a page with the moment, stress and deflection diagrams,\n"
    "                  then the text; drawn offscreen, no display is needed. OUT.pdf is\n"
    "                  replaced only once the whole PDF is written\n";

// Runs the command on the words after "report".
int runReport(const std::vector<std::string>& words);

}  // namespace spanrix::cli
