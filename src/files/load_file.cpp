#include "files/load_file.h"

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "files/data_files.h"
#include "files/list_notation.h"
#include "files/text_file.h"
#include "model/number_format.h"

namespace spanrix {

namespace fs = std::filesystem;

namespace {

// A load file of full capacity is a few tens of kilobytes; anything far larger is not one,
// and reading it whole would only waste memory.
constexpr std::uintmax_t kMaxLoadFileBytes = 4u * 1024u * 1024u;

// Where the reading stands, for a file that ends too early: "after 4 of 5 features".
using Progress = std::string;

// Moves on to the next part of the file, unless reading failed in an earlier one.
void enter(const FieldReader& in, Progress& where, std::string part)
{
    if (in.ok()) where = std::move(part);
}

// The line each record started on, by kind, from slot 1; for reasons that name a feature.
struct RecordLines {
    std::vector<int> pointLoads, distLoads, moments, supports, features;
};

void checkCount(FieldReader& in, int count, int capacity, std::string_view what)
{
    if (in.ok() && (count < 0 || count > capacity))
        in.fail("the " + std::string(what) + ", " + std::to_string(count) + ", is not from 0 to " +
                std::to_string(capacity));
}

void readCounts(FieldReader& in, BeamModel& m, Progress& where)
{
    enter(in, where, "within its first line");
    in.readInt16(m.numPointLoads);
    in.readInt16(m.numDistLoads);
    in.readInt16(m.numMoments);
    in.readInt16(m.numSupports);
    in.readInt16(m.shownPointLoads);
    in.readInt16(m.shownDistLoads);
    in.readInt16(m.shownMoments);
    in.readInt16(m.shownSupports);
    in.readInt16(m.numFeatures);
    in.skip();  // the always-empty tenth item

    // Every loop below is bounded by these, and every array by its capacity.
    const struct {
        int count;
        int capacity;
        const char* what;
    } counts[] = {
        {m.numPointLoads, kMaxPointLoads, "number of point loads"},
        {m.numDistLoads, kMaxDistLoads, "number of distributed loads"},
        {m.numMoments, kMaxMoments, "number of moments"},
        {m.numSupports, kMaxSupports, "number of supports"},
        {m.shownPointLoads, kMaxPointLoads, "number of point loads shown"},
        {m.shownDistLoads, kMaxDistLoads, "number of distributed loads shown"},
        {m.shownMoments, kMaxMoments, "number of moments shown"},
        {m.shownSupports, kMaxSupports, "number of supports shown"},
        {m.numFeatures, kMaxFeatures, "number of features"},
    };
    for (const auto& c : counts) checkCount(in, c.count, c.capacity, c.what);
}

void readLengthAndMaxima(FieldReader& in, BeamModel& m, Progress& where)
{
    enter(in, where, "within the beam length line");
    in.read(m.beamLength);
    in.read(m.maxPointLoadMag);
    in.read(m.prevMaxPointLoadMag);
    in.read(m.maxMomentMag);
    in.read(m.prevMaxMomentMag);
    in.read(m.maxDistLoadMag);
    in.read(m.prevMaxDistLoadMag);
}

void readSection(FieldReader& in, BeamModel& m, FileLayout layout, Progress& where)
{
    enter(in, where, "within the section properties line");
    in.read(m.fiberDistance);
    in.read(m.momentOfInertia);
    in.read(m.modulusE);
    in.read(m.resolution);
    in.read(m.useInches);
    if (layout == FileLayout::Current) {
        in.read(m.metricUnits);
        return;
    }
    m.metricUnits = false;  // version 1 knew only English units
    // A sixth item on this line is the unit flag of a current file: reading on would shift
    // every later item into the wrong field.
    if (in.ok() && in.items().lineContinues())
        in.fail("the section properties line has more than 5 items, as a current file's has, "
                "not a version-1 file's");
}

// Reads `count` records of one kind, noting the line each starts on.
template <typename ReadOne>
void readRecords(FieldReader& in, int count, std::string_view records, std::vector<int>& lines,
                 Progress& where, ReadOne readOne)
{
    lines.assign(1, 0);
    for (int i = 1; i <= count && in.ok(); ++i) {
        enter(in, where,
              "after " + std::to_string(i - 1) + " of " + std::to_string(count) + " " +
                  std::string(records));
        lines.push_back(in.items().line());
        readOne(i);
    }
}

void readFeatures(FieldReader& in, BeamModel& m, FileLayout layout, RecordLines& lines,
                  Progress& where)
{
    readRecords(in, m.numPointLoads, "point loads", lines.pointLoads, where, [&](int i) {
        in.read(m.pointLoadMag[i]);
        in.read(m.pointLoadLoc[i]);
    });
    readRecords(in, m.numDistLoads, "distributed loads", lines.distLoads, where, [&](int i) {
        in.read(m.distLoadStartMag[i]);
        if (layout == FileLayout::Current) in.read(m.distLoadEndMag[i]);
        in.read(m.distLoadStart[i]);
        in.read(m.distLoadEnd[i]);
        if (layout == FileLayout::Version1) m.distLoadEndMag[i] = m.distLoadStartMag[i];
    });
    readRecords(in, m.numMoments, "moments", lines.moments, where, [&](int i) {
        in.read(m.momentMag[i]);
        in.read(m.momentLoc[i]);
    });
    readRecords(in, m.numSupports, "supports", lines.supports, where, [&](int i) {
        in.read(m.supportLoc[i]);
        in.read(m.supportType[i]);
    });
    readRecords(in, m.numFeatures, "features", lines.features, where, [&](int n) {
        in.read(m.featureId[n]);
        in.read(m.featureLengthUnit[n]);
        in.read(m.featureForceUnit[n]);
    });
}

std::string atLine(int line) { return "line " + std::to_string(line) + ": "; }

// A key must name a slot its kind's count on line 1 covers: a slot beyond it was never
// read, and would turn into a live feature at x = 0 (removed features keep their slot, so
// files this program writes never hold such keys). A key of an unknown kind is kept (it
// gets a blank legend row) as long as the rest of it is a number.
std::optional<std::string> keyProblem(const BeamModel& m, int n)
{
    const FeatureKind kind = featureKind(m, n);
    const std::string& key = m.featureId[n];
    if (kind == FeatureKind::None) {
        if (key.size() > 2 && parseNumber(std::string_view(key).substr(2)).has_value())
            return std::nullopt;
        return "feature " + std::to_string(n) + " has the key " + inQuotes(key) +
               ", which is not a kind and a number";
    }
    const int k = featureIndex(m, n);
    if (k >= 1 && k <= featureCount(m, kind)) return std::nullopt;
    return "feature " + std::to_string(n) + " has the key " + inQuotes(key) +
           ", but the file holds " + std::to_string(featureCount(m, kind)) + " of its kind";
}

// What the feature dialogs would have refused: a position off the beam, a distributed
// load that does not end after its start, two live supports at one position, a cantilever
// away from the ends. Positions may lie outside by rounding: a length converted between
// unit systems can end a hair short of a position converted with it.
std::optional<std::string> featureProblem(const BeamModel& m, const RecordLines& lines)
{
    const double length = m.beamLength;
    const double slack = 1e-9 * std::abs(length);
    auto onBeam = [&](double x) { return x >= -slack && x <= length + slack; };
    auto offBeam = [&](int line, std::string what, int k, double x) {
        return atLine(line) + what + " " + std::to_string(k) + " at " + numberText(x) +
               " lies outside the beam (0 to " + numberText(length) + ")";
    };
    for (int k = 1; k <= m.numPointLoads; ++k)
        if (isLive(m, FeatureKind::PointLoad, k) && !onBeam(m.pointLoadLoc[k]))
            return offBeam(lines.pointLoads[k], "point load", k, m.pointLoadLoc[k]);
    for (int k = 1; k <= m.numDistLoads; ++k) {
        if (!isLive(m, FeatureKind::DistLoad, k)) continue;
        const double start = m.distLoadStart[k];
        const double end = m.distLoadEnd[k];
        if (!onBeam(start)) return offBeam(lines.distLoads[k], "distributed load", k, start);
        if (!onBeam(end)) return offBeam(lines.distLoads[k], "distributed load", k, end);
        if (end <= start)
            return atLine(lines.distLoads[k]) + "distributed load " + std::to_string(k) +
                   " ends at " + numberText(end) + ", not after its start at " + numberText(start);
    }
    for (int k = 1; k <= m.numMoments; ++k)
        if (isLive(m, FeatureKind::Moment, k) && !onBeam(m.momentLoc[k]))
            return offBeam(lines.moments[k], "moment", k, m.momentLoc[k]);
    for (int k = 1; k <= m.numSupports; ++k) {
        if (!isLive(m, FeatureKind::Support, k)) continue;
        const double x = m.supportLoc[k];
        const std::string& type = m.supportType[k];
        const std::string support = "support " + std::to_string(k);
        if (type != "simp" && type != "cant")
            return atLine(lines.supports[k]) + support + " has the type " + inQuotes(type) +
                   ", not \"simp\" or \"cant\"";
        if (!onBeam(x)) return offBeam(lines.supports[k], "support", k, x);
        if (type == "cant" && std::abs(x) > slack && std::abs(x - length) > slack)
            return atLine(lines.supports[k]) + "cantilever " + support + " at " + numberText(x) +
                   " is not at an end of the beam";
        for (int j = 1; j < k; ++j)
            if (isLive(m, FeatureKind::Support, j) && m.supportLoc[j] == x)
                return atLine(lines.supports[k]) + "supports " + std::to_string(j) + " and " +
                       std::to_string(k) + " both stand at " + numberText(x);
    }
    for (int n = 1; n <= m.numFeatures; ++n)
        if (auto problem = keyProblem(m, n)) return atLine(lines.features[n]) + *problem;
    return std::nullopt;
}

OpenOutcome failure(std::string reason)
{
    return OpenOutcome{std::string(kFileAccessError), std::move(reason), {}};
}

// The reason of a failed read; an early end says how far the file got.
std::string reasonOf(const FieldFailure& failure, const Progress& where, bool emptyText)
{
    if (failure.kind != FieldFailure::Kind::EndOfText) return describe(failure);
    if (emptyText) return "the file is empty";
    return "the file ends " + where;
}

OpenOutcome readLoadFile(const std::string& path, FileLayout layout, BeamModel& current)
{
    std::string problem;
    auto text = readWholeFile(path, kMaxLoadFileBytes, &problem);
    OpenOutcome outcome =
        text ? readLoadText(std::move(*text), layout, current) : failure(std::move(problem));
    if (!outcome.ok()) outcome.reason = path + ": " + outcome.reason;
    return outcome;
}

void writeModel(ListWriter& out, const BeamModel& m)
{
    out.integer(m.numPointLoads);
    out.integer(m.numDistLoads);
    out.integer(m.numMoments);
    out.integer(m.numSupports);
    out.integer(m.shownPointLoads);
    out.integer(m.shownDistLoads);
    out.integer(m.shownMoments);
    out.integer(m.shownSupports);
    out.integer(m.numFeatures);
    out.empty();
    out.endLine();

    out.number(m.beamLength);
    out.number(m.maxPointLoadMag);
    out.number(m.prevMaxPointLoadMag);
    out.number(m.maxMomentMag);
    out.number(m.prevMaxMomentMag);
    out.number(m.maxDistLoadMag);
    out.number(m.prevMaxDistLoadMag);
    out.endLine();

    out.number(m.fiberDistance);
    out.number(m.momentOfInertia);
    out.number(m.modulusE);
    out.number(m.resolution);
    out.flag(m.useInches);
    out.flag(m.metricUnits);
    out.endLine();

    for (int i = 1; i <= m.numPointLoads; ++i) {
        out.number(m.pointLoadMag[i]);
        out.number(m.pointLoadLoc[i]);
        out.endLine();
    }
    for (int i = 1; i <= m.numDistLoads; ++i) {
        out.number(m.distLoadStartMag[i]);
        out.number(m.distLoadEndMag[i]);
        out.number(m.distLoadStart[i]);
        out.number(m.distLoadEnd[i]);
        out.endLine();
    }
    for (int i = 1; i <= m.numMoments; ++i) {
        out.number(m.momentMag[i]);
        out.number(m.momentLoc[i]);
        out.endLine();
    }
    for (int i = 1; i <= m.numSupports; ++i) {
        out.number(m.supportLoc[i]);
        out.text(m.supportType[i]);
        out.endLine();
    }
    for (int n = 1; n <= m.numFeatures; ++n) {
        out.text(m.featureId[n]);
        out.text(m.featureLengthUnit[n]);
        out.text(m.featureForceUnit[n]);
        out.endLine();
    }
}

}  // namespace

std::string loadFileText(const BeamModel& model)
{
    ListWriter out;
    writeModel(out, model);
    return out.result();
}

std::optional<std::string> savableLoadFileText(const BeamModel& model)
{
    ListWriter out;
    writeModel(out, model);
    if (!out.readsBack()) return std::nullopt;
    return out.result();
}

std::optional<std::string> writeLoadFile(const std::string& path, const BeamModel& model)
{
    // A file that could not be opened again would lose the beam as surely as no file.
    const std::optional<std::string> text = savableLoadFileText(model);
    if (!text) return saveFailureMessage(path);
    return writeFileSafely(path, *text);
}

OpenOutcome readLoadText(std::string text, FileLayout layout, BeamModel& current)
{
    BeamModel fresh = current;
    resetModel(fresh);

    const bool emptyText = text.empty();
    ListReader items(std::move(text));
    FieldReader in(items);
    Progress where;
    RecordLines lines;
    readCounts(in, fresh, where);
    // The loops below trust the counts.
    if (in.ok()) {
        readLengthAndMaxima(in, fresh, where);
        readSection(in, fresh, layout, where);
        readFeatures(in, fresh, layout, lines, where);
    }
    if (!in.ok()) return failure(reasonOf(*in.failure(), where, emptyText));
    if (auto problem = featureProblem(fresh, lines)) return failure(std::move(*problem));

    current = fresh;
    return OpenOutcome{std::nullopt, {}, legendRowsOf(current)};
}

int firstInvalidFeatureRow(const BeamModel& model)
{
    for (int n = 1; n <= model.numFeatures; ++n)
        if (keyProblem(model, n)) return n;
    return 0;
}

std::vector<LegendRow> legendRowsOf(const BeamModel& m)
{
    std::vector<LegendRow> rows;
    rows.reserve(static_cast<size_t>(m.numFeatures));
    for (int n = 1; n <= m.numFeatures; ++n) {
        LegendRow row;
        row.row = n;
        row.kind = featureKind(m, n);
        row.index = featureIndex(m, n);
        row.live = isLive(m, row.kind, row.index);
        rows.push_back(row);
    }
    return rows;
}

OpenOutcome openLoadFile(const std::string& path, BeamModel& current)
{
    return readLoadFile(path, FileLayout::Current, current);
}

OpenOutcome importVersion1File(const std::string& path, BeamModel& current)
{
    return readLoadFile(path, FileLayout::Version1, current);
}

}  // namespace spanrix
