#pragma once

// Load configuration files (".lod"): writing, opening, and importing version-1 files.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/text_file.h"
#include "model/beam_model.h"

namespace spanrix {

inline constexpr std::string_view kFileAccessError = "File access error";

// The whole file text of a model in the current layout, CR LF line ends.
std::string loadFileText(const BeamModel& model);
// The same, or nullopt when the text holds an item the reader would refuse: such a model
// is never saved, since its file would not open again.
std::optional<std::string> savableLoadFileText(const BeamModel& model);

// Writes the model to path with writeFileSafely, so a failure never damages an existing
// file; a model whose text would not read back is not saved.
// Returns nullopt on success, otherwise saveFailureMessage(path).
std::optional<std::string> writeLoadFile(const std::string& path, const BeamModel& model);

// What the loading screen needs to rebuild the legend: one entry per feature row in
// feature order; a row that is not live gets blank labels.
struct LegendRow {
    int row = 0;  // feature number, from 1
    FeatureKind kind = FeatureKind::None;
    int index = 0;  // slot within the kind
    bool live = false;
};

struct OpenOutcome {
    std::optional<std::string> error;  // kFileAccessError on any failure
    // With a failure, what was wrong: "line 7: "8.356E-05x" is not a number"; a file's
    // reader puts the path first ("/home/ann/beam.lod: not a regular file").
    std::string reason;
    std::vector<LegendRow> legendRows;
    bool ok() const { return !error.has_value(); }
};

enum class FileLayout { Current, Version1 };

// Reads a file's text into a fresh model (the current one reset: the beam length, the edit
// flag and anything else the file does not hold carry over). Only a complete, valid read
// replaces `current`; on failure it is left exactly as it was. Valid means readable and
// holding only what the feature dialogs accept: positions on the beam, distributed loads
// ending after their start, one live support per position, cantilevers at the ends.
OpenOutcome readLoadText(std::string text, FileLayout layout, BeamModel& current);

// The same, reading the file at path.
OpenOutcome openLoadFile(const std::string& path, BeamModel& current);
OpenOutcome importVersion1File(const std::string& path, BeamModel& current);

}  // namespace spanrix
