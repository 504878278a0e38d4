#include "files/steel_design_table.h"

#include <array>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <system_error>
#include <unordered_set>

#include "files/data_files.h"
#include "files/list_notation.h"
#include "files/text_file.h"
#include "model/number_format.h"

namespace spanrix {

namespace {

// 389 shapes of 25 columns are about 40 kB; anything far larger is not this table.
constexpr std::uintmax_t kMaxTableBytes = 1024u * 1024u;

// Which shapes a column applies to; a column that does not apply is empty.
enum class Applies { All, Beams, Channels, None };

struct Column {
    std::string_view name;
    double SteelShape::*field;
    Applies applies;
};

// The file's columns in order. kind and name are read apart; b_t and bf_2tf both fill
// flangeSlenderness, each for its own shapes.
constexpr std::array<Column, 25> kColumns{{
    {"kind", nullptr, Applies::None},
    {"name", nullptr, Applies::None},
    {"W", &SteelShape::weight, Applies::All},
    {"A", &SteelShape::A, Applies::All},
    {"d", &SteelShape::d, Applies::All},
    {"bf", &SteelShape::bf, Applies::All},
    {"tw", &SteelShape::tw, Applies::All},
    {"tf", &SteelShape::tf, Applies::All},
    {"kdes", &SteelShape::kdes, Applies::All},
    {"bf_2tf", &SteelShape::flangeSlenderness, Applies::Beams},
    {"b_t", &SteelShape::flangeSlenderness, Applies::Channels},
    {"h_tw", &SteelShape::htw, Applies::All},
    {"Ix", &SteelShape::Ix, Applies::All},
    {"Zx", &SteelShape::Zx, Applies::All},
    {"Sx", &SteelShape::Sx, Applies::All},
    {"rx", &SteelShape::rx, Applies::All},
    {"Iy", &SteelShape::Iy, Applies::All},
    {"Zy", &SteelShape::Zy, Applies::All},
    {"Sy", &SteelShape::Sy, Applies::All},
    {"ry", &SteelShape::ry, Applies::All},
    {"J", &SteelShape::J, Applies::All},
    {"Cw", &SteelShape::Cw, Applies::All},
    {"rts", &SteelShape::rts, Applies::All},
    {"ho", &SteelShape::ho, Applies::All},
    {"x", &SteelShape::x, Applies::Channels},
}};

bool applies(Applies applies, SteelShapeType type)
{
    switch (applies) {
    case Applies::All: return true;
    case Applies::Beams: return !isChannel(type);
    case Applies::Channels: return isChannel(type);
    case Applies::None: return false;
    }
    return false;
}

// The type a row's kind and name give: the name starts with its type and a digit.
std::optional<SteelShapeType> typeOf(std::string_view kind, std::string_view name)
{
    auto startsWith = [&](std::string_view prefix) {
        return name.size() > prefix.size() && name.substr(0, prefix.size()) == prefix &&
               std::isdigit(static_cast<unsigned char>(name[prefix.size()]));
    };
    if (kind == "W" && startsWith("W")) return SteelShapeType::W;
    if (kind == "S" && startsWith("S")) return SteelShapeType::S;
    if (kind == "C" && startsWith("C")) return SteelShapeType::C;
    if (kind == "C" && startsWith("MC")) return SteelShapeType::MC;
    return std::nullopt;
}

std::string withoutBlanksInUpperCase(std::string_view text)
{
    std::string out;
    for (const char c : text)
        if (c != ' ' && c != '\t') out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// One line's items; nullopt at the end of the text or at a broken quote.
std::optional<std::vector<ListItem>> nextLine(ListReader& reader)
{
    std::vector<ListItem> items;
    while (auto item = reader.next()) {
        items.push_back(std::move(*item));
        if (!reader.lineContinues()) break;
    }
    if (items.empty() || reader.malformed()) return std::nullopt;
    return items;
}

class RowReader {
public:
    RowReader(const std::string& fileName, int line) : fileName_(fileName), line_(line) {}

    std::string fault(std::string_view what) const
    {
        std::string message = "The steel design table ";
        message.append(inQuotes(fileName_))
            .append(" is damaged at line ")
            .append(std::to_string(line_))
            .append(": ")
            .append(what)
            .append(".");
        return message;
    }

    // The shape on the line, or the message refusing it.
    std::optional<SteelShape> shape(const std::vector<ListItem>& items, std::string& message) const
    {
        if (items.size() == 1 && items[0].isEmpty()) {
            message = fault("it is blank");
            return std::nullopt;
        }
        if (items.size() != kColumns.size()) {
            message = fault("it has " + std::to_string(items.size()) + " columns, not " +
                            std::to_string(kColumns.size()));
            return std::nullopt;
        }
        SteelShape shape;
        shape.name = items[1].text;
        const auto type = typeOf(items[0].text, shape.name);
        if (!type) {
            message = fault("kind " + inQuotes(items[0].text) + " and name " + inQuotes(shape.name) +
                            " are not a W, S, C or MC shape");
            return std::nullopt;
        }
        shape.type = *type;
        for (std::size_t i = 2; i < kColumns.size(); ++i) {
            const Column& column = kColumns[i];
            const ListItem& item = items[i];
            const std::string where = "column " + std::string(column.name) + " of " + inQuotes(shape.name);
            if (!applies(column.applies, shape.type)) {
                if (!item.isEmpty()) {
                    message = fault(where + " must be empty, not " + inQuotes(item.text));
                    return std::nullopt;
                }
                continue;
            }
            const auto value = item.quoted ? std::nullopt : parseNumber(item.text);
            if (!value || !(*value > 0) || !std::isfinite(*value)) {
                message = fault(where + " must be a positive number, not " + inQuotes(item.text));
                return std::nullopt;
            }
            shape.*column.field = *value;
        }
        return shape;
    }

private:
    const std::string& fileName_;
    int line_;
};

std::string headerLine()
{
    std::string header;
    for (const Column& column : kColumns) {
        if (!header.empty()) header += ',';
        header += column.name;
    }
    return header;
}

}  // namespace

std::string_view shapeTypeText(SteelShapeType type)
{
    switch (type) {
    case SteelShapeType::W: return "W";
    case SteelShapeType::S: return "S";
    case SteelShapeType::C: return "C";
    case SteelShapeType::MC: return "MC";
    }
    return "";
}

bool isChannel(SteelShapeType type) { return type == SteelShapeType::C || type == SteelShapeType::MC; }

const SteelShape* SteelDesignTable::find(std::string_view name) const
{
    for (const SteelShape& shape : shapes)
        if (shape.name == name) return &shape;
    const std::string wanted = withoutBlanksInUpperCase(name);
    for (const SteelShape& shape : shapes)
        if (withoutBlanksInUpperCase(shape.name) == wanted) return &shape;
    return nullptr;
}

SteelDesignRead readSteelDesignTable(std::string_view text, const std::string& fileName)
{
    ListReader reader{std::string(text)};
    SteelDesignRead read;
    const auto header = nextLine(reader);
    std::string headerText;
    for (const ListItem& item : header.value_or(std::vector<ListItem>{})) {
        if (!headerText.empty()) headerText += ',';
        headerText += item.text;
    }
    if (headerText != headerLine()) {
        read.message = RowReader(fileName, 1).fault("the first line must name the columns " + headerLine());
        return read;
    }
    SteelDesignTable table;
    std::unordered_set<std::string> names;
    int nextLineNumber = 2;
    while (auto items = nextLine(reader)) {
        const RowReader row(fileName, items->front().line);
        auto shape = row.shape(*items, read.message);
        if (!shape) return read;
        if (!names.insert(shape->name).second) {
            read.message = row.fault(inQuotes(shape->name) + " is listed twice");
            return read;
        }
        table.shapes.push_back(std::move(*shape));
        nextLineNumber = items->front().line + 1;
    }
    if (reader.malformed()) {
        // A quote never spans lines, so the broken one stands on the line after the last shape.
        read.message = RowReader(fileName, nextLineNumber).fault("a quoted item is not closed");
        return read;
    }
    if (table.shapes.empty()) {
        read.message = RowReader(fileName, 2).fault("it lists no shapes");
        return read;
    }
    read.table = std::move(table);
    return read;
}

std::vector<std::string> steelDesignTableLocations(const std::string& programDir)
{
    return dataFileLocations(programDir, kSteelDesignFileName);
}

SteelDesignRead loadSteelDesignTable(const std::vector<std::string>& locations)
{
    for (const std::string& location : locations) {
        std::error_code ec;
        if (!std::filesystem::exists(location, ec)) continue;
        const std::string path = shownPath(location);
        const auto text = readWholeFile(location, kMaxTableBytes);
        if (!text) return {std::nullopt, "The steel design table " + inQuotes(path) + " could not be read."};
        return readSteelDesignTable(*text, path);
    }
    std::string message = "The steel design table ";
    message.append(inQuotes(kSteelDesignFileName)).append(" was not found. It was looked for in:");
    for (const std::string& location : locations) message.append("\n").append(shownPath(location));
    return {std::nullopt, message};
}

}  // namespace spanrix
