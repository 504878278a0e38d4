#include "files/load_file.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "files/list_notation.h"
#include "files/text_file.h"
#include "model/number_format.h"

namespace spanrix {

namespace fs = std::filesystem;

namespace {

// A load file of full capacity is a few tens of kilobytes; anything far larger is not one,
// and reading it whole would only waste memory.
constexpr std::uintmax_t kMaxLoadFileBytes = 4u * 1024u * 1024u;

bool withinCapacity(int count, FeatureKind kind)
{
    return count >= 0 && count <= featureCapacity(kind);
}

void readCounts(FieldReader& in, BeamModel& m)
{
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
    if (!in.ok()) return;

    // Every loop below is bounded by these, and every array by its capacity.
    const bool countsFit = withinCapacity(m.numPointLoads, FeatureKind::PointLoad) &&
                           withinCapacity(m.numDistLoads, FeatureKind::DistLoad) &&
                           withinCapacity(m.numMoments, FeatureKind::Moment) &&
                           withinCapacity(m.numSupports, FeatureKind::Support) &&
                           withinCapacity(m.shownPointLoads, FeatureKind::PointLoad) &&
                           withinCapacity(m.shownDistLoads, FeatureKind::DistLoad) &&
                           withinCapacity(m.shownMoments, FeatureKind::Moment) &&
                           withinCapacity(m.shownSupports, FeatureKind::Support) &&
                           m.numFeatures >= 0 && m.numFeatures <= kMaxFeatures;
    if (!countsFit) in.fail();
}

void readLengthAndMaxima(FieldReader& in, BeamModel& m)
{
    in.read(m.beamLength);
    in.read(m.maxPointLoadMag);
    in.read(m.prevMaxPointLoadMag);
    in.read(m.maxMomentMag);
    in.read(m.prevMaxMomentMag);
    in.read(m.maxDistLoadMag);
    in.read(m.prevMaxDistLoadMag);
}

void readSection(FieldReader& in, BeamModel& m, FileLayout layout)
{
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
    if (in.ok() && in.items().lineContinues()) in.fail();
}

void readFeatures(FieldReader& in, BeamModel& m, FileLayout layout)
{
    for (int i = 1; i <= m.numPointLoads; ++i) {
        in.read(m.pointLoadMag[i]);
        in.read(m.pointLoadLoc[i]);
    }
    for (int i = 1; i <= m.numDistLoads; ++i) {
        in.read(m.distLoadStartMag[i]);
        if (layout == FileLayout::Current) in.read(m.distLoadEndMag[i]);
        in.read(m.distLoadStart[i]);
        in.read(m.distLoadEnd[i]);
        if (layout == FileLayout::Version1) m.distLoadEndMag[i] = m.distLoadStartMag[i];
    }
    for (int i = 1; i <= m.numMoments; ++i) {
        in.read(m.momentMag[i]);
        in.read(m.momentLoc[i]);
    }
    for (int i = 1; i <= m.numSupports; ++i) {
        in.read(m.supportLoc[i]);
        in.read(m.supportType[i]);
    }
    for (int n = 1; n <= m.numFeatures; ++n) {
        in.read(m.featureId[n]);
        in.read(m.featureLengthUnit[n]);
        in.read(m.featureForceUnit[n]);
    }
}

// A key must name a slot its kind's count on line 1 covers: a slot beyond it was never
// read, and would turn into a live feature at x = 0 (removed features keep their slot, so
// files this program writes never hold such keys). A key of an unknown kind is kept (it
// gets a blank legend row) as long as the rest of it is a number.
bool keyIsValid(const BeamModel& m, int n)
{
    const FeatureKind kind = featureKind(m, n);
    if (kind == FeatureKind::None) {
        const std::string& key = m.featureId[n];
        return key.size() > 2 && parseNumber(std::string_view(key).substr(2)).has_value();
    }
    const int k = featureIndex(m, n);
    return k >= 1 && k <= featureCount(m, kind);
}

OpenOutcome failure() { return OpenOutcome{std::string(kFileAccessError), {}}; }

OpenOutcome readLoadFile(const std::string& path, FileLayout layout, BeamModel& current)
{
    auto text = readWholeFile(path, kMaxLoadFileBytes);
    if (!text) return failure();
    return readLoadText(std::move(*text), layout, current);
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

    ListReader items(std::move(text));
    FieldReader in(items);
    readCounts(in, fresh);
    if (!in.ok()) return failure();  // the loops below trust the counts
    readLengthAndMaxima(in, fresh);
    readSection(in, fresh, layout);
    readFeatures(in, fresh, layout);
    if (!in.ok()) return failure();
    if (firstInvalidFeatureRow(fresh) != 0) return failure();

    current = fresh;
    return OpenOutcome{std::nullopt, legendRowsOf(current)};
}

int firstInvalidFeatureRow(const BeamModel& model)
{
    for (int n = 1; n <= model.numFeatures; ++n)
        if (!keyIsValid(model, n)) return n;
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
