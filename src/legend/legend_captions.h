#pragma once

// The texts of the loading screen: legend captions, the beam length under the sketch and
// the feature-number commands. Captions are built here only, so a label reads the same
// whether it was just created, edited or refreshed after a unit or figures change.

#include <string>
#include <string_view>

#include "model/beam_model.h"

namespace spanrix {

// The four captions of a feature row's legend group.
struct LegendCaptions {
    std::string number;  // "Feature 12"
    std::string title;   // "Point Load", "Dist. Load", "Moment", "Simple Support", ...
    std::string value;   // magnitude, or a support's location
    std::string second;  // location; empty for a support (its reaction goes there)
};

std::string featureNumberCaption(int featureRow);

// Captions of entry k of a kind shown as feature row n (whose unit codes it uses), in the
// current unit system, magnitudes as absolute values, numbers rounded to sigFigs figures.
LegendCaptions legendCaptions(const BeamModel& model, FeatureKind kind, int k, int featureRow,
                              int sigFigs);
// The same for the entry the key of row n names; empty captions when it names none.
LegendCaptions legendCaptions(const BeamModel& model, int featureRow, int sigFigs);

// The beam length with its unit as the sketch shows it: "40 in.", "10 ft.", "30.5 m.".
std::string beamLengthCaption(const BeamModel& model, int sigFigs);
// "Beam Length is 10 ft."
std::string sketchLengthText(const BeamModel& model, int sigFigs);
// The Reinitialize question: "Current beam length is 10 ft.  Do you wish to change beam length?"
std::string reinitializeQuestion(const BeamModel& model, int sigFigs);

// Edit Feature and Remove Feature.
inline constexpr std::string_view kEditFeaturePrompt = "Enter feature number to edit";
inline constexpr std::string_view kRemoveFeaturePrompt = "Enter feature number to remove";
inline constexpr std::string_view kInvalidFeatureNumber = "Invalid feature number";

struct FeatureNumberReply {
    enum class Outcome { Empty, Invalid, Valid };
    Outcome outcome = Outcome::Empty;
    int row = 0;  // the feature row when Valid
};

// Edit Feature: the range 0 < v <= numFeatures is tested on the typed value, then it is
// rounded halves to even; text that is not a number, or a value rounding to 0, is invalid.
FeatureNumberReply readEditFeatureReply(std::string_view reply, int numFeatures);
// Remove Feature: the reply is rounded halves to even first, then must lie in 1..numFeatures.
FeatureNumberReply readRemoveFeatureReply(std::string_view reply, int numFeatures);

// Takes feature row n off the beam: a point load or moment gets magnitude 0, a distributed
// load both intensities 0, a support location -1; the kind's tracker is recomputed when
// the feature held the maximum. Counts, keys and unit codes stay, so later rows keep
// their numbers. Returns false, changing nothing, for n outside 1..numFeatures.
bool markFeatureRemoved(BeamModel& model, int n);

}  // namespace spanrix
