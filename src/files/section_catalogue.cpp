#include "files/section_catalogue.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>
#include <utility>

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

// The items of the line the reader stands on, without the empty ones at its end; nullopt
// when the line cannot be read (the reader then stands on the next line).
std::optional<std::vector<std::string>> lineItems(ListReader& reader)
{
    std::vector<std::string> items;
    do {
        auto item = reader.next();
        if (!item) {
            if (!reader.malformed()) break;
            reader.skipToNextLine();
            return std::nullopt;
        }
        items.push_back(std::move(item->text));
    } while (reader.lineContinues());
    while (!items.empty() && items.back().empty()) items.pop_back();
    return items;
}

// Built by appending: optimising, GCC 12 warns (-Wrestrict) on "literal" + std::string.
std::string quotedText(std::string_view text)
{
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted.append(1, '"').append(text).append(1, '"');
    return quoted;
}

// Long lines are shown by their start.
std::string shownLine(std::string_view line)
{
    constexpr std::size_t kShown = 40;
    if (line.size() <= kShown) return quotedText(line);
    return quotedText(std::string(line.substr(0, kShown)) + "...");
}

constexpr std::size_t kEntryItems = 6;

std::string shownPath(const std::string& location)
{
    std::error_code ec;
    const fs::path absolute = fs::absolute(location, ec);
    return (ec ? fs::path(location) : absolute).lexically_normal().string();
}

std::optional<std::string> problemsOf(const SectionCatalogue& catalogue, const std::string& path)
{
    std::string message;
    auto add = [&](const std::string& line) {
        if (!message.empty()) message += '\n';
        message += line;
    };
    // A few lines tell what is wrong; hundreds would hide the rest of the message.
    constexpr std::size_t kProblemsShown = 10;
    const auto& problems = catalogue.problems;
    if (!problems.empty())
        add("These lines of the section catalogue " + quotedText(path) + " are not listed:");
    for (std::size_t i = 0; i < problems.size() && i < kProblemsShown; ++i)
        add("line " + std::to_string(problems[i].line) + ": " + problems[i].what);
    if (problems.size() > kProblemsShown)
        add("and " + std::to_string(problems.size() - kProblemsShown) + " more.");
    for (int k = 0; k < kSectionKindCount; ++k)
        if (catalogue.overLimit[k])
            add("The " + quotedText(kSectionKinds[k].keyword) + " section of " + quotedText(path) +
                " holds more than " + std::to_string(kMaxCatalogueEntries) +
                " entries; only the first " + std::to_string(kMaxCatalogueEntries) + " are listed.");
    if (message.empty()) return std::nullopt;
    return message;
}

// Why a file's bytes are no catalogue text at all, if they are not.
std::optional<std::string> notTextProblem(std::string_view bytes)
{
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
        return std::string("is UTF-16 text; save it as UTF-8 or plain text");
    if (bytes.find('\0') != std::string_view::npos) return std::string("is not a text file");
    return std::nullopt;
}

}  // namespace

SectionCatalogue readSectionCatalogue(std::string text)
{
    SectionCatalogue catalogue;
    ListReader reader(std::move(text));
    int kind = -1;  // the section being read, if any
    while (!reader.atEnd()) {
        const int line = reader.line();
        const std::string written(reader.lineText());
        const auto items = lineItems(reader);
        if (!items) {
            if (kind >= 0)
                catalogue.problems.push_back(
                    {line, "cannot be read (a quoted item is not closed): " + shownLine(written)});
            continue;
        }
        // A keyword opens its section afresh; alone on its line it also ends the section
        // being read, should that lack its closing blank line.
        const auto keyword = kind < 0 || items->size() == 1
                                 ? std::find_if(items->begin(), items->end(),
                                                [](const std::string& item) { return kindOfKeyword(item) >= 0; })
                                 : items->end();
        if (keyword != items->end()) {
            kind = kindOfKeyword(*keyword);
            catalogue.kinds[kind].clear();
            catalogue.overLimit[kind] = false;
            continue;
        }
        if (kind < 0) continue;  // free text
        if (items->empty()) {
            kind = -1;
            continue;
        }
        const std::string& name = items->front();
        if (name.empty() || items->size() != kEntryItems) {
            const std::string entry =
                name.empty() ? std::string("an entry without a name") : "the entry " + quotedText(name);
            catalogue.problems.push_back({line, entry + " has " + std::to_string(items->size()) +
                                                    " items instead of " + std::to_string(kEntryItems)});
            continue;
        }
        std::vector<CatalogueEntry>& entries = catalogue.kinds[kind];
        if (entries.size() == kMaxCatalogueEntries) {
            catalogue.overLimit[kind] = true;
            continue;
        }
        const auto& v = *items;
        entries.push_back(CatalogueEntry{v[0], v[1], v[2], v[3], v[4], v[5]});
    }
    return catalogue;
}

std::vector<std::string> sectionCatalogueLocations(const std::string& programDir)
{
    const fs::path dir(programDir);
    return {std::string(kCatalogueFileName), (dir / kCatalogueFileName).string(),
            (dir / ".." / "share" / "spanrix" / kCatalogueFileName).string()};
}

CatalogueLoad loadSectionCatalogue(const std::vector<std::string>& locations)
{
    for (const std::string& location : locations) {
        std::error_code ec;
        if (!fs::exists(location, ec)) continue;
        const std::string path = shownPath(location);
        auto text = readWholeFile(location, kMaxCatalogueBytes);
        if (!text)
            return {{}, "The section catalogue " + quotedText(path) +
                            " could not be read; the lists are empty."};
        if (const auto problem = notTextProblem(*text))
            return {{}, "The section catalogue " + quotedText(path) + " " + *problem +
                            "; the lists are empty."};
        CatalogueLoad load{readSectionCatalogue(std::move(*text)), std::nullopt};
        load.message = problemsOf(load.catalogue, path);
        return load;
    }
    std::string message = "The section catalogue ";
    message.append(quotedText(kCatalogueFileName))
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
    return "The catalogue entry " + quotedText(entry.name) + " under " +
           quotedText(kSectionKinds[kind].keyword) +
           " is damaged: its four values must be numbers and its unit mark E or M.";
}

std::string handedBackInertia(const std::string& shown, bool metricUnits)
{
    if (!metricUnits) return shown;
    const auto value = parseNumber(shown);
    return value ? numberText(*value * kMetricInertiaScale) : shown;
}

}  // namespace spanrix
