#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/beam_model.h"

namespace spanrix {

// Refusals of the feature dialogs, in the words the user sees.
inline constexpr std::string_view kInvalidLoadLocation = "Invalid load location.";
inline constexpr std::string_view kNonZeroLoad = "Enter a non-zero load.";
inline constexpr std::string_view kInvalidStartLocation = "Invalid starting location.";
inline constexpr std::string_view kInvalidEndLocation = "Invalid ending location.";
inline constexpr std::string_view kInvalidMomentLocation = "Invalid moment location.";
inline constexpr std::string_view kNonZeroMoment = "Enter a non-zero moment.";
inline constexpr std::string_view kInvalidSupportLocation = "Invalid support location.";
inline constexpr std::string_view kSupportExists = "Support already exists at that location.";
inline constexpr std::string_view kCantileverAtEnds =
    "Cantilever supports may only be placed at the ends of the beam.";
inline constexpr std::string_view kFirstCantileverLeft =
    "First cantilever support must be placed at left end of beam.";
inline constexpr std::string_view kDialogInvalidFeatureNumber = "Invalid feature number.";
inline constexpr std::string_view kCannotMoveCantilever = "Can not move cantilever supports.";

// The unit option buttons of a feature dialog. Only the ones of the active system count.
struct UnitOptions {
    bool feet = true;      // English lengths in feet, else inches
    bool perFoot = true;   // English intensity in lb/ft, moment in lb-ft; else per inch
    bool kg = false;       // metric force side in kg, else N

    bool operator==(const UnitOptions&) const = default;
};

// What a feature dialog's controls hold. For point loads and moments `magnitude` and
// `location` are the two boxes; for distributed loads they are the start values and the
// `end...` fields the end values; supports use `location` and `cantilever`.
struct FeatureEntry {
    std::string magnitude = "0";
    std::string endMagnitude = "0";
    std::string location = "0";
    std::string endLocation = "0";
    UnitOptions options;
    bool cantilever = false;

    bool operator==(const FeatureEntry&) const = default;
};

// Which controls the user changed since an edit was opened. A clicked unit option counts
// for every value of its side.
struct TouchedFields {
    bool magnitude = false;
    bool endMagnitude = false;
    bool location = false;
    bool endLocation = false;
    bool forceUnit = false;
    bool lengthUnit = false;
};

// Unit codes written to the feature table for the selected options.
std::string lengthUnitCode(const BeamModel& model, FeatureKind kind, const FeatureEntry& entry);
std::string forceUnitCode(const BeamModel& model, FeatureKind kind, const FeatureEntry& entry);

// Add: the capacity check, then the kind's checks in order; on success the tracker is
// raised and the feature appended and stored. Returns the refusal; the model is then
// unchanged.
std::optional<std::string> addFeature(BeamModel& model, FeatureKind kind,
                                      const FeatureEntry& entry);

// An edit in progress: the feature row, its slot, and whether it held the kind's maximum
// when the edit was opened.
struct FeatureEdit {
    FeatureKind kind = FeatureKind::None;
    int row = 0;
    int index = 0;
    bool wasMaximum = false;
};

struct EditOpening {
    std::string refusal;  // empty when the edit opened
    FeatureEdit edit;
    FeatureEntry form;    // the fields, rounded to sigFigs, and the options to select

    bool opened() const { return refusal.empty(); }
};

// A location (internal units) as a dialog's location field shows it: in metres, or in feet
// or inches by the dialog's option, rounded to sigFigs.
std::string locationFieldText(const BeamModel& model, bool feet, double location, int sigFigs);

// Opens the edit of feature row n by a dialog of the given kind.
EditOpening openFeatureEdit(const BeamModel& model, FeatureKind kind, int row, int sigFigs);

// Whether the edited feature still exists as it did when the edit was opened (a removal
// or a reset may have come in between).
bool editStillValid(const BeamModel& model, const FeatureEdit& edit);

// Submit: untouched values keep their stored value bit for bit; the checks apply to the
// values that would be stored. On success the tracker is raised, the values and unit codes
// stored and, when the feature held the maximum, the tracker recomputed. Returns the
// refusal; the model is then unchanged.
std::optional<std::string> submitFeatureEdit(BeamModel& model, const FeatureEdit& edit,
                                             const FeatureEntry& entry,
                                             const TouchedFields& touched);

// Beam properties: I, E and c as their boxes show them. Numbers beyond what the model's
// floats hold are refused with this.
inline constexpr std::string_view kBeamPropertiesRefusal = "Enter smaller values for I, E and c.";

struct BeamPropertyTexts {
    std::string inertia;
    std::string modulus;
    std::string fiber;

    bool operator==(const BeamPropertyTexts&) const = default;
};

struct BeamPropertyEdits {
    bool inertia = false;
    bool modulus = false;
    bool fiber = false;
};

// The load step: the three box texts in display units (in^4, psi, in / mm^4, GPa, mm),
// rounded to sigFigs. A modulus not yet entered gets its default, in the box and in the
// model at once.
BeamPropertyTexts loadBeamProperties(BeamModel& model, int sigFigs);

// Continue: stores the edited boxes, converted to internal units, as floats. Any edited box
// that is not a number, or out of float range, refuses the lot and stores nothing.
std::optional<std::string> storeBeamProperties(BeamModel& model, const BeamPropertyTexts& texts,
                                               const BeamPropertyEdits& edits);

}  // namespace spanrix
