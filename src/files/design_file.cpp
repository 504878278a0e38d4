#include "files/design_file.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

#include <nlohmann/json.hpp>

#include "design/combinations.h"
#include "files/text_file.h"

namespace spanrix {

namespace {

using Json = nlohmann::ordered_json;

// A design file is a few tens of kilobytes at full capacity.
constexpr std::uintmax_t kMaxDesignFileBytes = 4u * 1024u * 1024u;

// A float as the shortest decimal that reads back as the same float ("8.995", not the
// double 8.994999885559082 it holds), so the file shows what the user typed.
Json single(float v)
{
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, v);
    double shortest = v;
    std::from_chars(text, written.ptr, shortest);
    return shortest;
}

Json maybe(const MaybeNumber& n) { return n.isSet() ? Json(static_cast<double>(n)) : Json(nullptr); }
Json loadCase(LoadCase c) { return std::string(loadCaseName(c)); }

constexpr std::string_view kContinuous = "continuous";
constexpr std::string_view kAtPoints = "points";

Json steelCheckJson(const SteelCheckSettings& s)
{
    return {{"section", s.section},
            {"yieldStress", s.yieldStress ? Json(*s.yieldStress) : Json(nullptr)},
            {"method", design::methodName(s.method)},
            {"bracing", s.bracing == Bracing::Continuous ? kContinuous : kAtPoints},
            {"bracePoints", s.bracePoints},
            {"cb", cbModeName(s.cb)},
            {"liveLimit", s.liveLimit},
            {"totalLimit", s.totalLimit}};
}

// Point loads and moments alike: a magnitude at a location, in a case.
static_assert(kMaxPointLoads == kMaxMoments);
using LoadSlots = Slots<kMaxPointLoads>;
using CaseSlots = std::array<LoadCase, kMaxPointLoads + 1>;

Json placedLoadsJson(int count, const LoadSlots& magnitude, const LoadSlots& location,
                     const CaseSlots& cases)
{
    Json out = Json::array();
    for (int i = 1; i <= count; ++i)
        out.push_back({{"magnitude", maybe(magnitude[static_cast<size_t>(i)])},
                       {"location", maybe(location[static_cast<size_t>(i)])},
                       {"case", loadCase(cases[static_cast<size_t>(i)])}});
    return out;
}

Json modelJson(const BeamModel& m)
{
    Json j;
    j["format"] = kDesignFormatName;
    j["version"] = kDesignFormatVersion;
    j["units"] = m.metricUnits ? "metric" : "english";
    j["useInches"] = m.useInches;
    j["beamLength"] = maybe(m.beamLength);
    j["resolution"] = single(m.resolution);
    j["section"] = {{"momentOfInertia", single(m.momentOfInertia)},
                    {"modulusE", single(m.modulusE)},
                    {"fiberDistance", single(m.fiberDistance)}};
    j["largestMagnitudes"] = {{"pointLoad", maybe(m.maxPointLoadMag)},
                              {"previousPointLoad", maybe(m.prevMaxPointLoadMag)},
                              {"moment", maybe(m.maxMomentMag)},
                              {"previousMoment", maybe(m.prevMaxMomentMag)},
                              {"distributedLoad", maybe(m.maxDistLoadMag)},
                              {"previousDistributedLoad", maybe(m.prevMaxDistLoadMag)}};
    j["shown"] = {{"pointLoads", m.shownPointLoads},
                  {"distributedLoads", m.shownDistLoads},
                  {"moments", m.shownMoments},
                  {"supports", m.shownSupports}};
    j["pointLoads"] = placedLoadsJson(m.numPointLoads, m.pointLoadMag, m.pointLoadLoc, m.pointLoadCase);
    Json& dists = j["distributedLoads"] = Json::array();
    for (int i = 1; i <= m.numDistLoads; ++i) {
        const auto k = static_cast<size_t>(i);
        dists.push_back({{"startMagnitude", m.distLoadStartMag[k]},
                         {"endMagnitude", m.distLoadEndMag[k]},
                         {"start", maybe(m.distLoadStart[k])},
                         {"end", maybe(m.distLoadEnd[k])},
                         {"case", loadCase(m.distLoadCase[k])}});
    }
    j["moments"] = placedLoadsJson(m.numMoments, m.momentMag, m.momentLoc, m.momentCase);
    Json& supports = j["supports"] = Json::array();
    for (int i = 1; i <= m.numSupports; ++i)
        supports.push_back({{"location", maybe(m.supportLoc[i])},
                            {"type", m.supportType[static_cast<size_t>(i)]}});
    Json& features = j["features"] = Json::array();
    for (int n = 1; n <= m.numFeatures; ++n) {
        const auto r = static_cast<size_t>(n);
        features.push_back({{"id", m.featureId[r]},
                            {"lengthUnit", m.featureLengthUnit[r]},
                            {"forceUnit", m.featureForceUnit[r]}});
    }
    j["design"] = {{"section", m.design.sectionName},
                   {"selfWeight", m.design.includeSelfWeight},
                   {"weightPerLength", m.design.weightPerLength},
                   {"steelCheck", steelCheckJson(m.design.steelCheck)}};
    return j;
}

// What is wrong with the file, said once where it is found.
struct Fault : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reads the members of one object, naming each by its path in a fault.
class Fields {
public:
    Fields(const Json& object, std::string path) : object_(object), path_(std::move(path))
    {
        if (!object_.is_object()) throw Fault(where() + " must be an object");
    }

    const Json& member(std::string_view key) const
    {
        const auto it = object_.find(key);
        if (it == object_.end()) throw Fault(where(key) + " is missing");
        return *it;
    }
    Fields object(std::string_view key) const { return Fields(member(key), pathOf(key)); }
    const Json& array(std::string_view key, int capacity) const
    {
        const Json& a = member(key);
        if (!a.is_array()) throw Fault(where(key) + " must be a list");
        if (a.size() > static_cast<size_t>(capacity))
            throw Fault(where(key) + " holds more than " + std::to_string(capacity) + " entries");
        return a;
    }
    double number(std::string_view key) const
    {
        const Json& v = member(key);
        if (!v.is_number()) throw Fault(where(key) + " must be a number");
        return v.get<double>();
    }
    MaybeNumber maybeNumber(std::string_view key) const
    {
        if (member(key).is_null()) return {};
        return number(key);
    }
    float single(std::string_view key) const
    {
        const double v = number(key);
        if (std::abs(v) > std::numeric_limits<float>::max())
            throw Fault(where(key) + " is beyond the range of a section property");
        return static_cast<float>(v);
    }
    int count(std::string_view key, int capacity) const
    {
        const Json& v = member(key);
        if (!v.is_number_integer() || v.get<std::int64_t>() < 0 || v.get<std::int64_t>() > capacity)
            throw Fault(where(key) + " must be a whole number from 0 to " + std::to_string(capacity));
        return v.get<int>();
    }
    bool has(std::string_view key) const { return object_.find(key) != object_.end(); }
    bool flag(std::string_view key) const
    {
        const Json& v = member(key);
        if (!v.is_boolean()) throw Fault(where(key) + " must be true or false");
        return v.get<bool>();
    }
    std::string text(std::string_view key) const
    {
        const Json& v = member(key);
        if (!v.is_string()) throw Fault(where(key) + " must be a text");
        return v.get<std::string>();
    }
    LoadCase loadCase(std::string_view key) const
    {
        const auto c = loadCaseFromName(text(key));
        if (!c) throw Fault(where(key) + " must be one of D, L, Lr, S, W");
        return *c;
    }
    // A member's path from the file's top ("design.steelCheck.method"), and as a fault names it.
    std::string pathOf(std::string_view key) const
    {
        std::string w = path_;
        if (!key.empty()) w += (w.empty() ? "" : ".") + std::string(key);
        return w;
    }
    std::string where(std::string_view key = {}) const { return "\"" + pathOf(key) + "\""; }

private:
    const Json& object_;
    std::string path_;
};

// The entries of a list, each an object named by its place ("pointLoads[2]", from 1).
template <typename ReadEntry>
void readEntries(const Fields& root, std::string_view key, int capacity, ReadEntry readEntry)
{
    const Json& list = root.array(key, capacity);
    for (size_t i = 0; i < list.size(); ++i)
        readEntry(static_cast<int>(i) + 1,
                  Fields(list[i], std::string(key) + "[" + std::to_string(i + 1) + "]"));
}

// Bound so that a damaged file cannot ask for any amount of memory.
constexpr int kMaxBracePoints = 1000;

void readSteelCheck(const Fields& f, SteelCheckSettings& s)
{
    s.section = f.text("section");
    const MaybeNumber yieldStress = f.maybeNumber("yieldStress");
    s.yieldStress = yieldStress.isSet() ? std::optional<double>(yieldStress) : std::nullopt;
    const auto method = design::methodFromName(f.text("method"));
    if (!method) throw Fault(f.where("method") + " must be lrfd or asd");
    s.method = *method;
    const std::string bracing = f.text("bracing");
    if (bracing != kContinuous && bracing != kAtPoints) throw Fault(f.where("bracing") + " must be continuous or points");
    s.bracing = bracing == kContinuous ? Bracing::Continuous : Bracing::AtPoints;
    const Json& points = f.array("bracePoints", kMaxBracePoints);
    s.bracePoints.clear();
    for (const Json& x : points) {
        if (!x.is_number()) throw Fault(f.where("bracePoints") + " must list numbers");
        s.bracePoints.push_back(x.get<double>());
    }
    const auto cb = cbModeFromName(f.text("cb"));
    if (!cb) throw Fault(f.where("cb") + " must be diagram or 1");
    s.cb = *cb;
    s.liveLimit = f.number("liveLimit");
    s.totalLimit = f.number("totalLimit");
}

void readPlacedLoads(const Fields& f, std::string_view key, int& count, LoadSlots& magnitude,
                     LoadSlots& location, CaseSlots& cases)
{
    readEntries(f, key, kMaxPointLoads, [&](int i, const Fields& e) {
        const auto k = static_cast<size_t>(i);
        count = i;
        magnitude[k] = e.maybeNumber("magnitude");
        location[k] = e.maybeNumber("location");
        cases[k] = e.loadCase("case");
    });
}

void readModel(const Fields& f, BeamModel& m)
{
    const std::string units = f.text("units");
    if (units != "english" && units != "metric") throw Fault(f.where("units") + " must be english or metric");
    m.metricUnits = units == "metric";
    m.useInches = f.flag("useInches");
    m.beamLength = f.maybeNumber("beamLength");
    m.resolution = f.single("resolution");
    const Fields section = f.object("section");
    m.momentOfInertia = section.single("momentOfInertia");
    m.modulusE = section.single("modulusE");
    m.fiberDistance = section.single("fiberDistance");
    const Fields largest = f.object("largestMagnitudes");
    m.maxPointLoadMag = largest.maybeNumber("pointLoad");
    m.prevMaxPointLoadMag = largest.maybeNumber("previousPointLoad");
    m.maxMomentMag = largest.maybeNumber("moment");
    m.prevMaxMomentMag = largest.maybeNumber("previousMoment");
    m.maxDistLoadMag = largest.maybeNumber("distributedLoad");
    m.prevMaxDistLoadMag = largest.maybeNumber("previousDistributedLoad");
    const Fields shown = f.object("shown");
    m.shownPointLoads = shown.count("pointLoads", kMaxPointLoads);
    m.shownDistLoads = shown.count("distributedLoads", kMaxDistLoads);
    m.shownMoments = shown.count("moments", kMaxMoments);
    m.shownSupports = shown.count("supports", kMaxSupports);

    readPlacedLoads(f, "pointLoads", m.numPointLoads, m.pointLoadMag, m.pointLoadLoc, m.pointLoadCase);
    readEntries(f, "distributedLoads", kMaxDistLoads, [&m](int i, const Fields& e) {
        const auto k = static_cast<size_t>(i);
        m.numDistLoads = i;
        m.distLoadStartMag[k] = e.number("startMagnitude");
        m.distLoadEndMag[k] = e.number("endMagnitude");
        m.distLoadStart[k] = e.maybeNumber("start");
        m.distLoadEnd[k] = e.maybeNumber("end");
        m.distLoadCase[k] = e.loadCase("case");
    });
    readPlacedLoads(f, "moments", m.numMoments, m.momentMag, m.momentLoc, m.momentCase);
    readEntries(f, "supports", kMaxSupports, [&m](int i, const Fields& e) {
        m.numSupports = i;
        m.supportLoc[i] = e.maybeNumber("location");
        m.supportType[static_cast<size_t>(i)] = e.text("type");
    });
    readEntries(f, "features", kMaxFeatures, [&m](int n, const Fields& e) {
        const auto r = static_cast<size_t>(n);
        m.numFeatures = n;
        m.featureId[r] = e.text("id");
        m.featureLengthUnit[r] = e.text("lengthUnit");
        m.featureForceUnit[r] = e.text("forceUnit");
    });
    if (const int row = firstInvalidFeatureRow(m))
        throw Fault("\"features[" + std::to_string(row) + "].id\" names no feature of the file");

    const Fields design = f.object("design");
    m.design.sectionName = design.text("section");
    m.design.includeSelfWeight = design.flag("selfWeight");
    m.design.weightPerLength = design.number("weightPerLength");
    // Files written before the steel check had settings keep its defaults.
    if (design.has("steelCheck")) readSteelCheck(design.object("steelCheck"), m.design.steelCheck);
}

// A damaged file is a "File access error" with its reason; other refusals say it all.
OpenOutcome refused(std::string message, std::string reason = {})
{
    return OpenOutcome{std::move(message), std::move(reason), {}, BeamFileFormat::Design};
}

}  // namespace

std::string designFileText(const BeamModel& model) { return modelJson(model).dump(2) + "\n"; }

std::optional<std::string> writeDesignFile(const std::string& path, const BeamModel& model)
{
    // A file that would not open again, or not as this beam, would lose it.
    const std::string text = designFileText(model);
    BeamModel readBack = model;
    if (!readDesignText(text, readBack).ok() || designFileText(readBack) != text)
        return saveFailureMessage(path);
    return writeFileSafely(path, text);
}

OpenOutcome readDesignText(std::string_view text, BeamModel& current)
{
    const std::string fileAccessError(kFileAccessError);
    Json j;
    try {
        j = Json::parse(text);
    } catch (const Json::exception& e) {
        // The parser's own account, which names the place, without its error code. A number
        // too large for a double ("1E999") comes as out_of_range, not parse_error.
        std::string reason = e.what();
        if (const size_t end = reason.find("] "); end != std::string::npos) reason.erase(0, end + 2);
        return refused(fileAccessError, reason);
    }
    BeamModel fresh = current;
    resetModel(fresh);
    try {
        const Fields root(j, "");
        const Json& version = root.member("version");
        if (!version.is_number_integer() || version.get<std::int64_t>() < 1)
            throw Fault("\"version\" must be a whole number from 1");
        if (version.get<std::int64_t>() > kDesignFormatVersion)
            return refused("This design file is of format version " + version.dump() +
                           "; this version of Spanrix reads design files up to version " +
                           std::to_string(kDesignFormatVersion) + ".");
        if (root.text("format") != kDesignFormatName) throw Fault("not a Spanrix design file");
        readModel(root, fresh);
    } catch (const Fault& fault) {
        return refused(fileAccessError, fault.what());
    }
    current = fresh;
    return OpenOutcome{std::nullopt, {}, legendRowsOf(current), BeamFileFormat::Design};
}

bool isDesignText(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && text[first] == '{';
}

OpenOutcome openBeamFile(const std::string& path, BeamModel& current)
{
    std::string problem;
    auto text = readWholeFile(path, kMaxDesignFileBytes, &problem);
    OpenOutcome outcome = !text                 ? OpenOutcome{std::string(kFileAccessError), problem, {}}
                          : isDesignText(*text) ? readDesignText(*text, current)
                                                : readLoadText(std::move(*text), FileLayout::Current, current);
    if (!outcome.ok() && !outcome.reason.empty()) outcome.reason = path + ": " + outcome.reason;
    return outcome;
}

}  // namespace spanrix
