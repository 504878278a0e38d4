#pragma once

// The printed report as lines of text: header, the sections the user chose, footer.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/reactions.h"
#include "engine/result_display.h"
#include "engine/results.h"
#include "model/beam_model.h"

namespace spanrix {

// What the print dialog asks for.
struct ReportChoices {
    std::string title;
    bool beamProperties = false;
    bool loadConfiguration = false;
    bool supportReactions = false;  // in the Supports list of the load configuration
    bool maximumValues = false;
    bool pointValues = false;
    std::string location;       // the values-at-a-point location exactly as typed
    bool feetSelected = true;   // English: typed in feet rather than inches
};

// What the report reads. The beam sections show the model as it is; the result sections
// show the last run as it was computed (its basis), like the value windows.
struct ReportData {
    const BeamModel& model;
    const ReactionSolution& reactions;
    const ResultSet& results;
    const ResultBasis& basis;
    int sigFigs;
    // The exact solution's peaks, for a section of their own after the maximum values.
    std::optional<PeakValues> exactPeaks = std::nullopt;
};

// The title as the report prints it: each control character (tab, line end, escape
// sequence) becomes a single blank, so the text cannot break the layout or drive a terminal.
std::string printableText(std::string_view text);

// A text report is printed when there is a title or any of the four sections is chosen.
bool printsReportText(const ReportChoices& choices);

// Why the report must not be printed: "Invalid location." for a values-at-a-point
// location the point-values window would refuse. Checked before anything is printed.
std::optional<std::string> reportRefusal(const ReportData& data, const ReportChoices& choices);

// The lines in their fixed order (header, beam properties, load configuration, maximum
// values, exact maximum values when the data has them, values at a point, footer); none when printsReportText is false. `date` is
// today's date in the system's short form. An empty string is a blank line.
std::vector<std::string> reportLines(const ReportData& data, const ReportChoices& choices,
                                     std::string_view date);

}  // namespace spanrix
