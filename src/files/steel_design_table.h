#pragma once

// The steel design table "steel-design-properties.csv": the properties of every rolled W,
// S, C and MC shape that a steel design check needs, in English units (in, in^2, in^3,
// in^4, in^6, lb/ft), exactly as the shapes database gives them.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spanrix {

inline constexpr std::string_view kSteelDesignFileName = "steel-design-properties.csv";

// W wide flange, S American standard beam, C American standard channel, MC miscellaneous
// channel. The file's kind column holds C for both channels; the name tells them apart.
enum class SteelShapeType { W, S, C, MC };

std::string_view shapeTypeText(SteelShapeType type);
bool isChannel(SteelShapeType type);

// One shape. Tabulated values are kept as doubles: they only feed the design arithmetic.
struct SteelShape {
    std::string name;  // as the section catalogue writes it: "W18 X 50", "MC18 X 58"
    SteelShapeType type = SteelShapeType::W;
    double weight = 0;  // nominal weight, lb/ft
    double A = 0;       // area, in^2
    double d = 0;       // depth, in
    double bf = 0;      // flange width, in
    double tw = 0;      // web thickness, in
    double tf = 0;      // flange thickness, in
    double kdes = 0;    // outer face of the flange to the web toe of the fillet, in
    // Flange slenderness: bf/(2 tf) for W and S, b/t (b = bf) for channels.
    double flangeSlenderness = 0;
    double htw = 0;  // web slenderness h/tw
    double Ix = 0, Zx = 0, Sx = 0, rx = 0;
    double Iy = 0, Zy = 0, Sy = 0, ry = 0;
    double J = 0;    // torsional constant, in^4
    double Cw = 0;   // warping constant, in^6
    double rts = 0;  // effective radius of gyration for lateral-torsional buckling, in
    double ho = 0;   // distance between flange centroids, in
    double x = 0;    // channels: back of the web to the centroid, in (0 for W and S)

    bool operator==(const SteelShape&) const = default;
};

struct SteelDesignTable {
    std::vector<SteelShape> shapes;  // in file order

    // The shape of that name: exactly as written, else ignoring blanks and letter case
    // ("w18x50"). nullptr when there is none.
    const SteelShape* find(std::string_view name) const;
};

// Reads the table strictly: the header line exactly, then one shape a line with every
// column its type needs holding a positive number (the one strict number parser), the
// columns that do not apply to it empty, and no name twice. The first fault refuses the
// whole table with a message naming fileName, the line and what is wrong.
struct SteelDesignRead {
    std::optional<SteelDesignTable> table;
    std::string message;  // why the table was refused; empty when it was read
};
SteelDesignRead readSteelDesignTable(std::string_view text, const std::string& fileName);

// Where the table is looked for: the places of the section catalogue, first found wins.
std::vector<std::string> steelDesignTableLocations(const std::string& programDir);

// The table from the first location that exists, or why there is none: not found (naming
// every place looked in), unreadable, or damaged.
SteelDesignRead loadSteelDesignTable(const std::vector<std::string>& locations);

}  // namespace spanrix
