#include "report/report.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "engine/result_quantities.h"
#include "model/number_format.h"
#include "model/units.h"

namespace spanrix {

namespace {

constexpr double kMm4PerM4 = 1e12;
constexpr double kPaPerMPa = 1e6;
constexpr double kMmPerM = 1e3;

// The quantities of the maximum values and the values at a point, in the report's order.
constexpr Quantity kReportedQuantities[] = {Quantity::Moment, Quantity::Stress, Quantity::Deflection,
                                        Quantity::Slope};

const std::string kIndent(4, ' ');
const std::string kEntryIndent(8, ' ');

std::string rule(const std::string& indent, size_t dashes) { return indent + std::string(dashes, '-'); }

// The report writes every line through this, so blank lines read as what they are.
class Lines {
public:
    void add(std::string line) { lines_.push_back(std::move(line)); }
    void blank(int count = 1)
    {
        for (int i = 0; i < count; ++i) lines_.emplace_back();
    }
    // Two blank lines, the section's heading and its rule, one blank line.
    void section(const std::string& heading, size_t dashes)
    {
        blank(2);
        add(kIndent + heading);
        add(rule(kIndent, dashes));
        blank();
    }
    std::vector<std::string> take() { return std::move(lines_); }

private:
    std::vector<std::string> lines_;
};

class ReportWriter {
public:
    ReportWriter(const ReportData& data, const ReportChoices& choices)
        : d_(data), m_(data.model), c_(choices)
    {
    }

    void header(Lines& out) const;
    void beamProperties(Lines& out) const;
    void loadConfiguration(Lines& out) const;
    void maximumValues(Lines& out) const;
    void exactMaximumValues(Lines& out) const;
    void pointValues(Lines& out) const;
    void loadCombinations(Lines& out) const;

private:
    void loadCaseLines(Lines& out, const design::CombinationsRun* run) const;
    void combinationLines(Lines& out, const design::CombinationsRun& run,
                          const design::CombinationResult& r) const;
    void extremeLines(Lines& out, const design::CombinationsRun& run,
                      const design::QuantityBounds& bounds, bool named) const;
    static void maximumLine(Lines& out, const MaxValueTexts& texts, Quantity q);
    // One line per live entry of the kind, in slot order.
    template <class EntryLine>
    void liveLines(Lines& out, FeatureKind kind, EntryLine entryLine) const
    {
        const int count = std::min(featureCount(m_, kind), featureCapacity(kind));
        for (int k = 1; k <= count; ++k)
            if (isLive(m_, kind, k)) out.add(entryLine(k));
    }
    static void maximumLines(Lines& out, const MaxValueTexts& texts);
    std::string shown(double v, const char* unit) const { return displayText(v, d_.sigFigs) + unit; }
    // A feature's location: metres, or inches when it was typed in inches, else feet.
    std::string place(double x, const std::string& lengthUnit) const
    {
        if (m_.metricUnits) return shown(x, " m");
        if (lengthUnit == "in") return shown(x, " in.");
        return shown(x / kFeetToInches, " ft.");
    }
    // The feature-table row whose key names entry k of the kind; 0 when none does.
    int rowOf(FeatureKind kind, int k) const;
    const std::string& forceUnit(int row) const
    {
        return m_.featureForceUnit[static_cast<size_t>(row)];
    }
    const std::string& lengthUnit(int row) const
    {
        return m_.featureLengthUnit[static_cast<size_t>(row)];
    }

    std::string pointLoadLine(int k) const;
    std::string distLoadLine(int k) const;
    std::string momentLine(int k) const;
    std::string supportLine(int k, const std::map<int, std::string>& reactions) const;
    std::map<int, std::string> reactionTexts() const;
    std::map<int, std::string> reactionTexts(const ReactionSolution& reactions) const;

    const ReportData& d_;
    const BeamModel& m_;
    const ReportChoices& c_;
};

void ReportWriter::header(Lines& out) const
{
    const std::string line = rule(kIndent, 114);
    out.blank(2);
    out.add(line);
    out.add(std::string(43, ' ') + "SPANRIX V2.0 REPORT");
    out.add(line);
    out.blank();
    out.add(kIndent + c_.title);
    out.blank();
    out.add(line);
}

void ReportWriter::beamProperties(Lines& out) const
{
    out.section("BEAM PROPERTIES", 31);
    const std::string length = "        Beam Length = ";
    const std::string inertia = "        Moment of Inertia = ";
    const std::string modulus = "        Modulus of Elasticity = ";
    const std::string fiber = "        Distance From Neutral Axis to Furthest Fiber = ";
    if (m_.metricUnits) {
        // The metric length is written as it is held, without rounding.
        out.add(length + numberText(static_cast<double>(m_.beamLength)) + " m");
        out.add(inertia + shown(kMm4PerM4 * double(m_.momentOfInertia), " mm^4"));
        out.add(modulus + shown(double(m_.modulusE) / kPaPerMPa, " MPa"));
        out.add(fiber + shown(kMmPerM * double(m_.fiberDistance), " mm"));
        return;
    }
    out.add(length + shown(m_.beamLength / kFeetToInches, " ft."));
    out.add(inertia + shown(floatDisplayValue(m_.momentOfInertia), " in^4"));
    out.add(modulus + shown(floatDisplayValue(m_.modulusE), " psi"));
    out.add(fiber + shown(floatDisplayValue(m_.fiberDistance), " in."));
}

int ReportWriter::rowOf(FeatureKind kind, int k) const
{
    for (int row = 1; row <= std::min(m_.numFeatures, kMaxFeatures); ++row)
        if (featureKind(m_, row) == kind && featureIndex(m_, row) == k) return row;
    return 0;
}

std::string ReportWriter::pointLoadLine(int k) const
{
    const int row = rowOf(FeatureKind::PointLoad, k);
    const double p = m_.pointLoadMag[k];
    std::string force;
    if (!m_.metricUnits)
        force = shown(p, " lb., x=");
    else if (forceUnit(row) == "N")
        force = shown(p, " N, x=");
    else
        force = shown(p * kNewtonToKg, " kg, x=");
    return kEntryIndent + force + place(m_.pointLoadLoc[k], lengthUnit(row));
}

std::string ReportWriter::distLoadLine(int k) const
{
    const int row = rowOf(FeatureKind::DistLoad, k);
    const std::string& f = forceUnit(row);
    double factor = 1;
    const char* unit = " lb./in., x=";
    if (m_.metricUnits && f == "N") {
        unit = " N/m, x=";
    } else if (m_.metricUnits) {
        factor = kNewtonToKg;
        unit = " kg/m, x=";
    } else if (f != "pi") {
        factor = kFeetToInches;
        unit = " lb./ft., x=";
    }
    const std::string& u = lengthUnit(row);
    return kEntryIndent + "Start=" + shown(m_.distLoadStartMag[k] * factor, unit) +
           place(m_.distLoadStart[k], u) + "; End=" + shown(m_.distLoadEndMag[k] * factor, unit) +
           place(m_.distLoadEnd[k], u);
}

std::string ReportWriter::momentLine(int k) const
{
    const int row = rowOf(FeatureKind::Moment, k);
    const std::string& f = forceUnit(row);
    const double mag = m_.momentMag[k];
    std::string moment;
    if (m_.metricUnits && f == "N")
        moment = shown(mag, " N-m, x=");
    else if (m_.metricUnits)
        moment = shown(mag * kNewtonToKg, " kg-m, x=");
    else if (f == "pi")
        moment = shown(mag, " lb.-in., x=");
    else
        moment = shown(mag / kFeetToInches, " lb.-ft., x=");
    return kEntryIndent + moment + place(m_.momentLoc[k], lengthUnit(row));
}

// The reaction text of each support's feature row, as its legend label shows it.
std::map<int, std::string> ReportWriter::reactionTexts() const
{
    std::map<int, std::string> texts;
    // Reactions of a run in the other unit system, or of a run whose results are no
    // longer shown, would be printed with the wrong units or for another beam.
    if (!c_.supportReactions || d_.basis.pointCount < 1 || d_.basis.metricUnits != m_.metricUnits)
        return texts;
    return reactionTexts(d_.reactions);
}

std::map<int, std::string> ReportWriter::reactionTexts(const ReactionSolution& reactions) const
{
    std::map<int, std::string> texts;
    for (ReactionCaption& c : reactionCaptions(m_, reactions, d_.sigFigs))
        texts.emplace(c.featureRow, ", Reaction=" + std::move(c.caption));
    return texts;
}

std::string ReportWriter::supportLine(int k, const std::map<int, std::string>& reactions) const
{
    const int row = rowOf(FeatureKind::Support, k);
    std::string line = kEntryIndent;
    line += m_.supportType[k] == "simp" ? "Simple support; " : "Cantilever support; ";
    line += place(m_.supportLoc[k], lengthUnit(row));
    if (const auto it = reactions.find(row); it != reactions.end()) line += it->second;
    return line;
}

void ReportWriter::loadConfiguration(Lines& out) const
{
    out.section("LOAD CONFIGURATION", 36);
    auto list = [&](const char* heading, size_t dashes, FeatureKind kind, auto entryLine) {
        out.add(kEntryIndent + heading);
        out.add(rule(kEntryIndent, dashes));
        liveLines(out, kind, entryLine);
    };
    list("Point Loads", 18, FeatureKind::PointLoad, [&](int k) { return pointLoadLine(k); });
    out.blank();
    list("Distributed Loads", 27, FeatureKind::DistLoad, [&](int k) { return distLoadLine(k); });
    out.blank();
    list("Moments", 15, FeatureKind::Moment, [&](int k) { return momentLine(k); });
    out.blank();
    const std::map<int, std::string> reactions = reactionTexts();
    list("Supports", 16, FeatureKind::Support, [&](int k) { return supportLine(k, reactions); });
}

void ReportWriter::maximumValues(Lines& out) const
{
    out.section("MAXIMUM VALUES", 29);
    if (d_.basis.pointCount < 1) return;  // no run to take them from
    maximumLines(out, maxValueTexts(peakValues(d_.results), d_.basis, d_.sigFigs));
}

void ReportWriter::exactMaximumValues(Lines& out) const
{
    out.section("EXACT MAXIMUM VALUES", 35);
    const MaxValueTexts t = maxValueTexts(*d_.exactPeaks, d_.basis, d_.sigFigs);
    maximumLines(out, t);
    maximumLine(out, t, Quantity::Shear);
}

void ReportWriter::maximumLine(Lines& out, const MaxValueTexts& t, Quantity q)
{
    out.add(kEntryIndent + "Maximum " + std::string(resultQuantity(q).caption) + " = " + t[q].value +
            " at x=" + t[q].location);
}

void ReportWriter::maximumLines(Lines& out, const MaxValueTexts& t)
{
    for (Quantity q : kReportedQuantities) maximumLine(out, t, q);
}

void ReportWriter::pointValues(Lines& out) const
{
    const char* unit = d_.basis.metricUnits ? " m)" : c_.feetSelected ? " ft.)" : " in.)";
    out.blank(2);
    // The location as a number, like every other number of the report.
    const auto x = parseNumber(c_.location);
    out.add(kIndent + "VALUES AT A POINT (X=" + (x ? displayText(*x, d_.sigFigs) : c_.location) + unit);
    out.add(rule(kIndent, 46));
    // The same point and display rules as the point-values window.
    const PointLookup found =
        findPointValues(c_.location, c_.feetSelected, d_.results, d_.basis, d_.sigFigs);
    if (!found.values) return;
    out.blank();
    for (Quantity q : kReportedQuantities)
        out.add(kEntryIndent + std::string(resultQuantity(q).caption) + "=" + (*found.values)[q]);
}

void ReportWriter::loadCombinations(Lines& out) const
{
    out.section("LOAD COMBINATIONS", 35);
    const design::CombinationsRun* run = d_.combinations;
    loadCaseLines(out, run);
    if (!run || !*run) return;
    out.blank();
    out.add(kEntryIndent + (run->method == design::Method::Strength
                                ? "Strength Design (LRFD), ASCE 7-16"
                                : "Allowable Stress Design (ASD), ASCE 7-16"));
    const size_t parts = run->solutions->parts.size();
    if (parts > 1)
        out.add(kEntryIndent + "Live loads (L, Lr, S) patterned over parts 1 to " +
                std::to_string(parts) + ", the spans and overhangs from the left");
    for (const design::CombinationResult& r : run->result.combinations) combinationLines(out, *run, r);
    if (run->combinations.empty()) return;
    out.blank();
    out.add(kEntryIndent + "Envelope");
    out.add(rule(kEntryIndent, 8));
    extremeLines(out, *run, run->result.envelope, true);
}

// Every live load with its case, as the load configuration lists it, and the self-weight.
void ReportWriter::loadCaseLines(Lines& out, const design::CombinationsRun* run) const
{
    out.add(kEntryIndent + "Load Cases");
    out.add(rule(kEntryIndent, 10));
    auto list = [&](FeatureKind kind, auto entryLine) {
        liveLines(out, kind, [&](int k) {
            return entryLine(k) + ", Case=" + std::string(loadCaseName(loadCaseOf(m_, kind, k)));
        });
    };
    list(FeatureKind::PointLoad, [&](int k) { return pointLoadLine(k); });
    list(FeatureKind::DistLoad, [&](int k) { return distLoadLine(k); });
    list(FeatureKind::Moment, [&](int k) { return momentLine(k); });
    if (run && run->selfWeight != 0.0) {
        const std::string weight = m_.metricUnits ? shown(run->selfWeight, " N/m")
                                                  : shown(run->selfWeight * kFeetToInches, " lb./ft.");
        const std::string& section = m_.design.sectionName;
        out.add(kEntryIndent + "Self-weight=" + weight + (section.empty() ? "" : " (" + section + ")") +
                ", Case=D");
    }
}

void ReportWriter::combinationLines(Lines& out, const design::CombinationsRun& run,
                                    const design::CombinationResult& r) const
{
    out.blank();
    out.add(kEntryIndent + r.combination.name);
    out.add(rule(kEntryIndent, r.combination.name.size()));
    const std::map<int, std::string> reactions = reactionTexts(r.reactions);
    liveLines(out, FeatureKind::Support, [&](int k) { return supportLine(k, reactions); });
    extremeLines(out, run, r.patterned, false);
}

// The largest and smallest moment, shear and deflection over the patterns, each with its
// place, the pattern that gives it and (named) its combination.
void ReportWriter::extremeLines(Lines& out, const design::CombinationsRun& run,
                                const design::QuantityBounds& bounds, bool named) const
{
    auto line = [&](const char* label, Quantity q, bool max) {
        const design::Bounds& b = bounds[q];
        const design::Extreme& e = max ? b.max : b.min;
        const std::string value =
            shownText(resultQuantity(q), e.value, std::abs(e.value), d_.basis, kPi, d_.sigFigs);
        std::string text = kEntryIndent + label + " = " + value + " at x=" +
                           locationText(e.x, d_.basis, d_.sigFigs);
        const design::Combination& c = run.combinations[static_cast<size_t>(e.combination)];
        if (named) text += ", " + c.name;
        const std::string pattern = design::patternText(e.pattern, c, run.solutions->parts.size());
        if (!pattern.empty()) text += ", " + pattern;
        out.add(text);
    };
    line("Largest Positive Moment", Quantity::Moment, true);
    line("Largest Negative Moment", Quantity::Moment, false);
    line("Largest Positive Shear", Quantity::Shear, true);
    line("Largest Negative Shear", Quantity::Shear, false);
    // Deflection is held downward positive and shown upward positive.
    line("Largest Downward Deflection", Quantity::Deflection, true);
    line("Largest Upward Deflection", Quantity::Deflection, false);
}

// The length of the escape sequence that starts text (at an ESC): a control sequence
// "ESC [ ... final", an operating-system command "ESC ] ... BEL or ESC \", otherwise ESC and
// the character after it.
size_t escapeLength(std::string_view text)
{
    if (text.size() < 2) return text.size();
    size_t i = 2;
    if (text[1] == '[') {
        while (i < text.size() && text[i] >= 0x20 && text[i] <= 0x3F) ++i;  // parameters
        const bool final = i < text.size() && text[i] >= 0x40 && text[i] <= 0x7E;
        return final ? i + 1 : i;
    }
    if (text[1] == ']') {
        for (; i < text.size(); ++i) {
            if (text[i] == '\a') return i + 1;
            if (text[i] == '\x1b' && i + 1 < text.size() && text[i + 1] == '\\') return i + 2;
        }
        return text.size();
    }
    return 2;
}

// The length of the control character or sequence that starts text; 0 when it is printable.
size_t controlLength(std::string_view text)
{
    const auto byte = static_cast<unsigned char>(text[0]);
    if (byte == 0x1B) return escapeLength(text);
    if (text.substr(0, 2) == "\r\n") return 2;  // one line end
    if (byte < 0x20 || byte == 0x7F) return 1;
    // C1 controls, U+0080 to U+009F, in UTF-8.
    if (byte == 0xC2 && text.size() > 1 && static_cast<unsigned char>(text[1]) >= 0x80 &&
        static_cast<unsigned char>(text[1]) <= 0x9F)
        return 2;
    return 0;
}

}  // namespace

std::string printableText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const size_t control = controlLength(text);
        out += control ? ' ' : text.front();
        text.remove_prefix(control ? control : 1);
    }
    return out;
}

bool printsReportText(const ReportChoices& c)
{
    return !c.title.empty() || c.beamProperties || c.loadConfiguration || c.maximumValues ||
           c.pointValues || c.loadCombinations || c.steelDesignCheck;
}

std::optional<std::string> reportRefusal(const ReportData& data, const ReportChoices& choices)
{
    if (!choices.pointValues) return std::nullopt;
    return findPointValues(choices.location, choices.feetSelected, data.results, data.basis,
                           data.sigFigs)
        .message;
}

std::vector<std::string> reportLines(const ReportData& data, const ReportChoices& choices,
                                     std::string_view date)
{
    if (!printsReportText(choices)) return {};
    const ReportWriter writer(data, choices);
    Lines out;
    writer.header(out);
    if (choices.beamProperties) writer.beamProperties(out);
    if (choices.loadConfiguration) writer.loadConfiguration(out);
    if (choices.maximumValues) writer.maximumValues(out);
    if (data.exactPeaks) writer.exactMaximumValues(out);
    if (choices.pointValues) writer.pointValues(out);
    if (choices.loadCombinations) writer.loadCombinations(out);
    if (choices.steelDesignCheck)
        for (const std::string& line : data.steelCheckLines) out.add(line);
    out.blank(2);
    out.add(std::string(date));
    return out.take();
}

}  // namespace spanrix
