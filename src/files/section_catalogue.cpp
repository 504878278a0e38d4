#include "files/section_catalogue.h"

#include <cmath>
#include <filesystem>
#include <system_error>
#include <utility>

#include "files/data_files.h"
#include "files/list_notation.h"
#include "files/text_file.h"
#include "model/number_format.h"
#include "model/units.h"

namespace spanrix {

namespace fs = std::filesystem;

namespace {

// Five kinds of 500 entries are well under a megabyte, comments included.
constexpr std::uintmax_t kMaxCatalogueBytes = 4u * 1024u * 1024u;

constexpr double kMetricInertiaScale = 1e6;  // the catalogue's 10^6 mm^4 in mm^4
constexpr double kMmPerMetre = 1000;

int kindOfKeyword(std::string_view text)
{
    for (int k = 0; k < kSectionKindCount; ++k)
        if (kSectionKinds[k].keyword == text) return k;
    return -1;
}

// A section's entries up to its empty name or the end of the text.
void readSection(ListReader& reader, std::vector<CatalogueEntry>& entries, bool& overLimit)
{
    entries.clear();
    overLimit = false;
    while (auto name = reader.next()) {
        if (name->text.empty()) return;
        CatalogueEntry entry{name->text, {}, {}, {}, {}, {}};
        // An entry cut short by the end of the text keeps empty values: shown as damaged.
        for (std::string* field : {&entry.ixx, &entry.cx, &entry.iyy, &entry.cy, &entry.units}) {
            auto value = reader.next();
            if (!value) break;
            *field = std::move(value->text);
        }
        if (entries.size() < kMaxCatalogueEntries) {
            entries.push_back(std::move(entry));
        } else {
            overLimit = true;
        }
    }
}

std::optional<std::string> problemsOf(const SectionCatalogue& catalogue, const std::string& path)
{
    std::string message;
    auto add = [&](const std::string& line) {
        if (!message.empty()) message += '\n';
        message += line;
    };
    if (catalogue.malformed)
        add("The section catalogue " + inQuotes(path) +
            " has a quoted item that is not closed; only the entries before it are listed.");
    for (int k = 0; k < kSectionKindCount; ++k)
        if (catalogue.overLimit[k])
            add("The " + inQuotes(kSectionKinds[k].keyword) + " section of " + inQuotes(path) +
                " holds more than " + std::to_string(kMaxCatalogueEntries) +
                " entries; only the first " + std::to_string(kMaxCatalogueEntries) + " are listed.");
    if (message.empty()) return std::nullopt;
    return message;
}

}  // namespace

SectionCatalogue readSectionCatalogue(std::string text)
{
    SectionCatalogue catalogue;
    ListReader reader(std::move(text));
    while (auto item = reader.next()) {
        const int kind = kindOfKeyword(item->text);
        if (kind >= 0) readSection(reader, catalogue.kinds[kind], catalogue.overLimit[kind]);
    }
    catalogue.malformed = reader.malformed();
    return catalogue;
}

std::vector<std::string> sectionCatalogueLocations(const std::string& programDir)
{
    return dataFileLocations(programDir, kCatalogueFileName);
}

CatalogueLoad loadSectionCatalogue(const std::vector<std::string>& locations)
{
    for (const std::string& location : locations) {
        std::error_code ec;
        if (!fs::exists(location, ec)) continue;
        const std::string path = shownPath(location);
        auto text = readWholeFile(location, kMaxCatalogueBytes);
        if (!text)
            return {{}, "The section catalogue " + inQuotes(path) +
                            " could not be read; the lists are empty."};
        CatalogueLoad load{readSectionCatalogue(std::move(*text)), std::nullopt};
        load.message = problemsOf(load.catalogue, path);
        return load;
    }
    std::string message = "The section catalogue ";
    message.append(inQuotes(kCatalogueFileName))
        .append(" was not found; the lists are empty. It was looked for in:");
    for (const std::string& location : locations) message.append("\n").append(shownPath(location));
    return {{}, message};
}

std::optional<SectionValueTexts> sectionValueTexts(const CatalogueEntry& entry, bool metricUnits,
                                                   int sigFigs)
{
    const bool english = entry.units == "E";
    if (!english && entry.units != "M") return std::nullopt;
    const auto ixx = parseNumber(entry.ixx);
    const auto cx = parseNumber(entry.cx);
    const auto iyy = parseNumber(entry.iyy);
    const auto cy = parseNumber(entry.cy);
    if (!ixx || !cx || !iyy || !cy) return std::nullopt;
    if (english != metricUnits) return SectionValueTexts{entry.ixx, entry.iyy, entry.cx, entry.cy};

    // The two directions use their own constants, which are not exact reciprocals.
    const double length = english ? kInchToMetre * kMmPerMetre : kMetreToInch / kMmPerMetre;
    const double inertia = english ? std::pow(length, 4) / kMetricInertiaScale
                                   : kMetricInertiaScale * std::pow(length, 4);
    bool finite = true;
    auto shown = [&](double value) {
        finite = finite && std::isfinite(value);
        return displayText(value, sigFigs);
    };
    SectionValueTexts texts{shown(*ixx * inertia), shown(*iyy * inertia), shown(*cx * length),
                            shown(*cy * length)};
    if (!finite) return std::nullopt;
    return texts;
}

std::string damagedEntryMessage(int kind, const CatalogueEntry& entry)
{
    return "The catalogue entry " + inQuotes(entry.name) + " under " +
           inQuotes(kSectionKinds[kind].keyword) +
           " is damaged: its four values must be numbers and its unit mark E or M.";
}

std::string handedBackInertia(const std::string& shown, bool metricUnits)
{
    if (!metricUnits) return shown;
    const auto value = parseNumber(shown);
    return value ? numberText(*value * kMetricInertiaScale) : shown;
}

}  // namespace spanrix
