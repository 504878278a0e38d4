#pragma once

// The section catalogue "beams.lst": standard cross-sections by kind, each with I and c
// about both axes, read in the written list notation of the load files.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spanrix {

inline constexpr std::string_view kCatalogueFileName = "beams.lst";
inline constexpr int kSectionKindCount = 5;
inline constexpr std::size_t kMaxCatalogueEntries = 500;

// The kinds of section, in the order of kSectionKinds and of the chooser's tabs.
enum SectionKind : int { WBeams, SBeams, Channels, Angles, UserDefined };

// A kind of section: the keyword that opens its section of the file, its tab caption in
// the chooser and the note shown on that tab.
struct SectionKindText {
    std::string_view keyword;
    std::string_view caption;
    std::string_view note;
};

inline constexpr std::array<SectionKindText, kSectionKindCount> kSectionKinds{{
    {"W BEAMS", "Wide Flange (W) Beams",
     "A beam listed as W36 X 300 has a nominal depth of 36 inches and weighs 300 lb/ft."},
    {"S BEAMS", "S Beams",
     "A beam listed as S24 X 100 has a nominal depth of 24 inches and weighs 100 lb/ft."},
    {"CHANNEL", "Channel",
     "A beam listed as C15 X 50 has a nominal depth of 15 inches and weighs 50 lb/ft."},
    {"ANGLE", "Angle",
     "A beam listed as L8 X 6 X 1 has one leg 8 inches long, the other leg 6 inches long and "
     "thickness of 1 inch."},
    {"USER-DEFINED", "User-Defined",
     "Refer to file \"beams.lst\" for instructions on how to enter beams in this list."},
}};

// One entry, every field the text as read. `units` is "E" (in^4, in) or "M" (10^6 mm^4, mm).
struct CatalogueEntry {
    std::string name;
    std::string ixx;
    std::string cx;
    std::string iyy;
    std::string cy;
    std::string units;

    bool operator==(const CatalogueEntry&) const = default;
};

// A line of a section that gave no entry, and why: "the entry "W2" has 2 items instead of 6".
struct CatalogueProblem {
    int line = 0;
    std::string what;

    bool operator==(const CatalogueProblem&) const = default;
};

struct SectionCatalogue {
    std::array<std::vector<CatalogueEntry>, kSectionKindCount> kinds;
    std::array<bool, kSectionKindCount> overLimit{};  // entries beyond the limit were dropped
    std::vector<CatalogueProblem> problems;            // in file order
};

// Items equal to a keyword (exactly) open that kind's section, afresh; every other item
// outside a section is free text and skipped. In a section each line is one entry of six
// items (empty items at its end, as spreadsheets write, do not count); a line without
// items ends the section, and so does a line holding a keyword alone, which opens its
// own. A line that is not an entry is noted as a problem and reading goes on with the
// next. Each kind keeps its first kMaxCatalogueEntries entries.
SectionCatalogue readSectionCatalogue(std::string text);

// Where the catalogue is looked for, first found wins: the working directory, beside the
// program, then the installed data folder.
std::vector<std::string> sectionCatalogueLocations(const std::string& programDir);

// The catalogue from the first location that exists, and one message for whatever the
// user should know: no catalogue found (naming every place looked in), one that could not
// be read or is not text (UTF-16, binary), lines that gave no entry, or a section cut at
// the entry limit.
struct CatalogueLoad {
    SectionCatalogue catalogue;
    std::optional<std::string> message;
};
CatalogueLoad loadSectionCatalogue(const std::vector<std::string>& locations);

// What the four value boxes show for an entry: the strings as read when the entry's unit
// mark matches the unit system, else the values converted and rounded to sigFigs.
// nullopt when a value is not a number or the mark is neither "E" nor "M".
struct SectionValueTexts {
    std::string ixx;
    std::string iyy;
    std::string cx;
    std::string cy;

    bool operator==(const SectionValueTexts&) const = default;
};
std::optional<SectionValueTexts> sectionValueTexts(const CatalogueEntry& entry, bool metricUnits,
                                                   int sigFigs);

std::string damagedEntryMessage(int kind, const CatalogueEntry& entry);

// The moment of inertia handed back to the beam properties: metric boxes show 10^6 mm^4,
// the beam properties mm^4. Text that is not a number is handed back unchanged.
std::string handedBackInertia(const std::string& shown, bool metricUnits);

}  // namespace spanrix
