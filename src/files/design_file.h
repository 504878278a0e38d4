#pragma once

// The design file (".spanrix"): a beam with everything a load file holds, plus the load
// cases and the design settings, as JSON with a format version.

#include <optional>
#include <string>
#include <string_view>

#include "files/load_file.h"
#include "model/beam_model.h"

namespace spanrix {

inline constexpr int kDesignFormatVersion = 1;
inline constexpr std::string_view kDesignFormatName = "spanrix-design";
inline constexpr std::string_view kDesignFileExtension = ".spanrix";
inline constexpr std::string_view kDesignFileFilter = "Spanrix design (*.spanrix)";
inline constexpr std::string_view kDesignMimeType = "application/x-spanrix-design";
// Asked before a beam with design data (hasDesignData) is saved as a load file.
inline constexpr std::string_view kLoadFileDropsDesignQuestion =
    "A load file keeps the loads but not their cases or the design settings. Save anyway?";

// The file's text: one JSON object, two-space indents, keys in a fixed order, a final
// line end. The same model always gives the same bytes.
std::string designFileText(const BeamModel& model);

// Writes the model with writeFileSafely; a model whose file would not read back the same
// (a value beyond what JSON holds) is not saved. nullopt on success, otherwise
// saveFailureMessage(path).
std::optional<std::string> writeDesignFile(const std::string& path, const BeamModel& model);

// Reads a design file's text into a fresh model as readLoadText does (the current one
// reset; only a complete, valid read replaces `current`). A file of a newer format
// version is refused naming its version; any other fault gives kFileAccessError, ": "
// and what was wrong.
OpenOutcome readDesignText(std::string_view text, BeamModel& current);

// Whether a file's text is a design file rather than a load file: its first character
// after any blanks is "{".
bool isDesignText(std::string_view text);

// Opens a file of either format, told apart by content; the outcome names the format.
OpenOutcome openBeamFile(const std::string& path, BeamModel& current);

}  // namespace spanrix
