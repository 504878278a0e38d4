#pragma once

// The load-combination options that analyze and report share, and their JSON.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/options.h"
#include "cli/result_json.h"
#include "design/combinations_run.h"
#include "files/steel_design_table.h"
#include "model/beam_model.h"

namespace spanrix::cli {

inline constexpr std::string_view kCombinationOptionsHelp =
    "  --combinations lrfd|asd\n"
    "                  also combine the load cases by the ASCE 7-16 strength (lrfd) or\n"
    "                  allowable stress (asd) combinations, the live loads (L, Lr, S)\n"
    "                  patterned span by span, wind taken both ways\n"
    "  --case N=C      put load N (its feature number, as the legend shows it) in case C:\n"
    "                  D, L, Lr, S or W; may be given more than once\n"
    "  --section NAME  the beam's section, a name of the steel design data (\"W18 X 50\")\n"
    "  --self-weight   add the section's weight as a uniform dead load (combinations only)\n"
    "  --weight W      add a self-weight of W per length (lb/in or N/m) instead\n"
    "  These override what FILE holds.\n";

inline constexpr std::string_view kCombinationsOutputHelp =
    "  With --combinations:\n"
    "   \"combinations\":[{\"name\":\"1.2D + 1.6L\",\"factors\":{\"D\":1.2,\"L\":1.6},\n"
    "                     \"reactions\":[...],\"peaks\":{...},\n"
    "                     \"patterned\":{\"moment\":{\"max\":{\"value\",\"x\",\"pattern\"},\n"
    "                                              \"min\":{...}},\"shear\":{...},\n"
    "                                 \"deflection\":{...}}}, ...],\n"
    "   \"envelope\":{\"moment\":{\"max\":{\"value\",\"x\",\"combination\",\"pattern\"},\n"
    "                         \"min\":{...}},\"shear\":{...},\"deflection\":{...}}\n"
    "  reactions and peaks load every part; \"pattern\" lists the loaded parts (spans and\n"
    "  overhangs, from 1 at the left) of each patterned case, e.g. {\"L\":[1,3]}.\n";

// The steel design data, read once when a command first needs it, from the places the
// program looks beside itself.
const SteelDesignRead& steelDesignData();

// Appends the options to a command's own.
std::vector<OptionRule> withCombinationOptions(std::vector<OptionRule> rules);

struct CombinationRequest {
    std::optional<design::Method> method;  // --combinations
    std::vector<std::pair<int, LoadCase>> cases;
    std::optional<std::string> section;
    bool selfWeight = false;
    std::optional<double> weight;
};

// Reads the options, or returns the usage error.
std::optional<std::string> readCombinationRequest(const ParsedOptions& options,
                                                  CombinationRequest& request);

// A failure of one file: its exit status and message, and whether it is a usage error.
struct RequestFailure {
    int status;
    std::string message;
    bool usage = false;
};

// Applies the overrides to a beam just opened: a --case number that is not a load is a
// usage error; a section the design data lacks (or the data itself missing) is refused.
std::optional<RequestFailure> applyCombinationRequest(const CombinationRequest& request,
                                                      BeamModel& model);

// The combinations of the requested method on the beam (after applyCombinationRequest), or
// the refusal of the run or of the self-weight's section.
struct CombinationsOutcome {
    design::CombinationsRun run;
    std::optional<RequestFailure> failure;
};
CombinationsOutcome runRequestedCombinations(const CombinationRequest& request,
                                             const BeamModel& model);

// {"combinations": [...], "envelope": {...}} as --help describes them.
Json combinationsJson(const BeamModel& model, const design::CombinationsRun& run);

}  // namespace spanrix::cli
