#pragma once

// Picking a load file: the rules of the Save, Retrieve and Import windows that need no
// window — the save name, the filter, the listing of a directory and the paths they build.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spanrix {

inline constexpr std::string_view kDefaultSaveName = "loadcfg";
inline constexpr std::string_view kLoadFileFilter = "*.lod (Spanrix files)";
inline constexpr std::string_view kAllFilesFilter = "*.* (all files)";
inline constexpr std::string_view kLoadFilePattern = "*.lod";
inline constexpr std::string_view kOverwriteQuestion = "File exists.  Do you wish to overwrite?";

// The question before an edited beam would be lost: "Save changes to beam.lod?", or for a
// beam never saved (an empty fileName) "Save changes to the new beam?".
std::string saveChangesQuestion(std::string_view fileName);

// The typed name with ".lod" appended unless its fourth character from the end (the first
// one of a shorter name) is a point: beam -> beam.lod, beam.txt stays, beam.lo -> beam.lo.lod.
std::string completeSaveName(std::string_view name);

// Why a typed save name cannot be used, or nullopt. An empty name or one starting with
// "." would make a hidden file no window lists, wildcards would make the existence check
// match other files, and "/" would save somewhere else than the shown directory.
std::optional<std::string> saveNameRefusal(std::string_view name);

// The wildcard pattern a filter text stands for: the two list items by their leading
// pattern, anything typed as it is.
std::string filterPattern(std::string_view filterText);

// Whether a file name matches a pattern of "*" (any run) and "?" (one character). "*.*"
// matches every name, with or without a point. Letters match regardless of case, as load
// files come from systems whose names ignore it (BEAM1.LOD).
bool matchesPattern(std::string_view pattern, std::string_view name);

// While the filter is typed, the list follows a text ending in a point and three
// characters, or in ".*"; leaving the box refreshes any other text not ending in ")".
bool refreshWhileTyping(std::string_view filterText);
bool refreshOnFocusLoss(std::string_view filterText);

// Ascending by plain code-unit comparison, case-sensitive (Z.lod before a.lod).
void sortListBox(std::vector<std::string>& entries);

// The directory and a name joined by one "/".
std::string composePath(std::string_view directory, std::string_view name);

// The directories from the root down to `directory` itself ("/", "/home", "/home/ann").
std::vector<std::string> directoryChain(std::string_view directory);

// The visible entries of a directory (names not starting with "."), each group sorted.
struct DirectoryListing {
    std::vector<std::string> files;           // ordinary files
    std::vector<std::string> subdirectories;  // full paths
};

// nullopt when the directory cannot be read.
std::optional<DirectoryListing> listDirectory(const std::string& directory);

// The files of a listing that match a pattern, sorted.
std::vector<std::string> matchingFiles(const DirectoryListing& listing, std::string_view pattern);

// Whether an ordinary file exists at path (the Save window asks before replacing it).
bool ordinaryFileExists(const std::string& path);

// "Could not read " + directory + "."
std::string unreadableDirectoryMessage(std::string_view directory);

}  // namespace spanrix
