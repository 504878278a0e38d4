#pragma once

// The steel design check in words: its values in display units (kip-ft, kips, in. and ft;
// kN-m, kN, mm and m), each check's line, the verdict, and the report's section.

#include <optional>
#include <string>
#include <vector>

#include "design/beam_check.h"

namespace spanrix::design {

// A check's stretch and location as text: "segment 11.7 ft to 23.3 ft", "span 0 m to 6 m",
// "x = 0 ft" (shear).
std::string whereText(const DesignCheckLine& line, const BeamModel& model, int sigFigs);

// The demand and capacity with their units and symbols: "Mu = 266 kip-ft", "phiMn = ...".
struct CheckValueTexts {
    std::string check;     // "Flexure", "Shear", "Live load deflection", "Total load deflection"
    std::string demand;
    std::string capacity;
    std::string ratio;
    std::string verdict;   // "OK" or "FAILS"
    std::string detail;    // flexure: limit state, Lb, Lp, Lr, Cb; otherwise empty
};
CheckValueTexts checkValueTexts(const DesignCheckLine& line, Method method, const BeamModel& model,
                                int sigFigs);

// "W18 X 50 passes: flexure governs at 0.87 (1.2D + 1.6L, segment 11.7 ft to 23.3 ft)";
// "fails" when any check does. Empty when nothing was checked.
std::string verdictText(const SteelCheckResult& result, const BeamModel& model, int sigFigs);

// The report's "STEEL DESIGN CHECK" section: the inputs, one line per check (its governing
// combination and stretch) and the verdict; or the inputs and why the check did not run.
// `section` is the section checked, empty when none is chosen.
std::vector<std::string> steelCheckReportLines(const BeamModel& model, const SteelCheckSettings& settings,
                                               const SteelCheckRun& run, int sigFigs);

}  // namespace spanrix::design
