#include "forms/feature_entry.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/number_format.h"
#include "model/units.h"

namespace spanrix {

namespace {

// Codes the typed values are read in, by the selected options and the active system.
std::string readLengthCode(const BeamModel& m, const FeatureEntry& e)
{
    if (m.metricUnits) return "m";
    return e.options.feet ? "ft" : "in";
}

std::string readForceCode(const BeamModel& m, FeatureKind kind, const FeatureEntry& e)
{
    if (kind == FeatureKind::Support) return "";
    if (m.metricUnits) return e.options.kg ? "kg" : "N";
    if (kind == FeatureKind::PointLoad) return "lb";
    return e.options.perFoot ? "pf" : "pi";
}

// The typed text in internal units; nullopt when it is not a number or the conversion
// leaves the finite range (a number, so the box's own check refuses it).
std::optional<double> readValue(std::string_view text, FeatureKind kind, std::string_view code)
{
    const auto typed = parseNumber(text);
    if (!typed) return std::nullopt;
    const double stored = storedValue(kind, code, *typed);
    if (!std::isfinite(stored)) return std::nullopt;
    return stored;
}

// One feature's values in internal units: magnitude and location, or the start and end
// intensities and locations of a distributed load.
struct Values {
    double magnitude = 0.0;
    double endMagnitude = 0.0;
    double location = 0.0;
    double endLocation = 0.0;
};

// Which values the entry supplies: all of them on Add, the touched ones on Submit.
struct Sources {
    bool magnitude = true;
    bool endMagnitude = true;
    bool location = true;
    bool endLocation = true;
};

Sources sourcesOf(const TouchedFields& t)
{
    return {t.magnitude || t.forceUnit, t.endMagnitude || t.forceUnit, t.location || t.lengthUnit,
            t.endLocation || t.lengthUnit};
}

Values storedValues(const BeamModel& m, FeatureKind kind, int k)
{
    switch (kind) {
    case FeatureKind::PointLoad: return {m.pointLoadMag[k], 0.0, m.pointLoadLoc[k], 0.0};
    case FeatureKind::DistLoad:
        return {m.distLoadStartMag[k], m.distLoadEndMag[k], m.distLoadStart[k], m.distLoadEnd[k]};
    case FeatureKind::Moment: return {m.momentMag[k], 0.0, m.momentLoc[k], 0.0};
    case FeatureKind::Support: return {0.0, 0.0, m.supportLoc[k], 0.0};
    case FeatureKind::None: break;
    }
    return {};
}

void storeValues(BeamModel& m, FeatureKind kind, int k, const Values& v, const Sources& from)
{
    switch (kind) {
    case FeatureKind::PointLoad:
        if (from.magnitude) m.pointLoadMag[k] = v.magnitude;
        if (from.location) m.pointLoadLoc[k] = v.location;
        break;
    case FeatureKind::DistLoad:
        if (from.magnitude) m.distLoadStartMag[k] = v.magnitude;
        if (from.endMagnitude) m.distLoadEndMag[k] = v.endMagnitude;
        if (from.location) m.distLoadStart[k] = v.location;
        if (from.endLocation) m.distLoadEnd[k] = v.endLocation;
        break;
    case FeatureKind::Moment:
        if (from.magnitude) m.momentMag[k] = v.magnitude;
        if (from.location) m.momentLoc[k] = v.location;
        break;
    case FeatureKind::Support:
        if (from.location) m.supportLoc[k] = v.location;
        break;
    case FeatureKind::None: break;
    }
}

struct Checked {
    Values values;
    std::optional<std::string> refusal;
};

// Reads the values the entry supplies over `base` and applies the kind's checks in their
// fixed order. Each box read is first checked to hold a number at all.
Checked readAndCheck(const BeamModel& m, FeatureKind kind, const FeatureEntry& e,
                     const Values& base, const Sources& from)
{
    const std::string lengthCode = readLengthCode(m, e);
    const std::string forceCode = readForceCode(m, kind, e);
    auto length = [&](bool fromEntry, const std::string& text, double stored) {
        return fromEntry ? readValue(text, FeatureKind::None, lengthCode)
                         : std::optional<double>(stored);
    };
    auto force = [&](bool fromEntry, const std::string& text, double stored) {
        return fromEntry ? readValue(text, kind, forceCode) : std::optional<double>(stored);
    };
    const double beamLength = m.beamLength;
    auto outside = [&](const std::optional<double>& x) {
        return !x || *x < 0.0 || *x > beamLength;
    };
    auto refuse = [](std::string_view message) { return Checked{{}, std::string(message)}; };
    auto notANumber = [](bool fromEntry, const std::string& text) {
        return fromEntry && !parseNumber(text);
    };

    Checked out;
    switch (kind) {
    case FeatureKind::PointLoad:
    case FeatureKind::Moment: {
        const bool point = kind == FeatureKind::PointLoad;
        if (notANumber(from.location, e.location)) return refuse(kNotANumberMessage);
        const auto loc = length(from.location, e.location, base.location);
        if (outside(loc)) return refuse(point ? kInvalidLoadLocation : kInvalidMomentLocation);
        if (notANumber(from.magnitude, e.magnitude)) return refuse(kNotANumberMessage);
        const auto mag = force(from.magnitude, e.magnitude, base.magnitude);
        if (!mag || *mag == 0.0) return refuse(point ? kNonZeroLoad : kNonZeroMoment);
        out.values = {*mag, 0.0, *loc, 0.0};
        break;
    }
    case FeatureKind::DistLoad: {
        if (notANumber(from.location, e.location)) return refuse(kNotANumberMessage);
        const auto start = length(from.location, e.location, base.location);
        if (!start || *start < 0.0 || *start >= beamLength) return refuse(kInvalidStartLocation);
        if (notANumber(from.endLocation, e.endLocation)) return refuse(kNotANumberMessage);
        const auto end = length(from.endLocation, e.endLocation, base.endLocation);
        if (!end || *end <= *start || *end > beamLength) return refuse(kInvalidEndLocation);
        if (notANumber(from.magnitude, e.magnitude) || notANumber(from.endMagnitude, e.endMagnitude))
            return refuse(kNotANumberMessage);
        const auto s = force(from.magnitude, e.magnitude, base.magnitude);
        const auto f = force(from.endMagnitude, e.endMagnitude, base.endMagnitude);
        if (!s || !f || (*s == 0.0 && *f == 0.0)) return refuse(kNonZeroLoad);
        out.values = {*s, *f, *start, *end};
        break;
    }
    case FeatureKind::Support: {
        // A cantilever's place follows from the rules, never from the (ignored) text.
        if (e.cantilever) break;
        if (notANumber(from.location, e.location)) return refuse(kNotANumberMessage);
        const auto loc = length(from.location, e.location, base.location);
        if (outside(loc)) return refuse(kInvalidSupportLocation);
        out.values.location = *loc;
        break;
    }
    case FeatureKind::None: return refuse(kDialogInvalidFeatureNumber);
    }
    return out;
}

// The magnitude that the tracker compares: a distributed load's larger end.
double trackedMagnitude(FeatureKind kind, const Values& v)
{
    if (kind == FeatureKind::DistLoad)
        return std::max(std::abs(v.magnitude), std::abs(v.endMagnitude));
    return v.magnitude;
}

// Type of the support standing at x, the last in slot order; empty when none stands there.
std::string supportTypeAt(const BeamModel& m, double x)
{
    std::string type;
    for (int i = 1; i <= m.numSupports; ++i)
        if (m.supportLoc[i] == x) type = m.supportType[i];
    return type;
}

// The placement rules of a new support. For a simple support `location` is the typed one;
// for a cantilever it is chosen here.
std::optional<std::string> placeSupport(const BeamModel& m, bool cantilever, double& location)
{
    int cantilevers = 0;
    for (int i = 1; i <= m.numSupports; ++i) {
        if (m.supportType[i] == "cant" && m.supportLoc[i] >= 0.0) ++cantilevers;
        if (!cantilever && m.supportLoc[i] == location) return std::string(kSupportExists);
    }
    if (!cantilever) return std::nullopt;
    if (cantilevers > 1) return std::string(kCantileverAtEnds);
    const double beamLength = m.beamLength;
    const std::string left = supportTypeAt(m, 0.0);
    if (left.empty()) {
        location = 0.0;
    } else if (left == "simp") {
        return std::string(kFirstCantileverLeft);
    } else if (supportTypeAt(m, beamLength).empty()) {
        location = beamLength;
    } else {
        return std::string(kCantileverAtEnds);
    }
    return std::nullopt;
}

}  // namespace

std::string lengthUnitCode(const BeamModel& model, FeatureKind kind, const FeatureEntry& entry)
{
    if (kind == FeatureKind::Support && (model.metricUnits || entry.cantilever)) return "";
    return readLengthCode(model, entry);
}

std::string forceUnitCode(const BeamModel& model, FeatureKind kind, const FeatureEntry& entry)
{
    if (kind == FeatureKind::Support) return model.metricUnits ? "" : "lb";
    return readForceCode(model, kind, entry);
}

std::optional<std::string> addFeature(BeamModel& model, FeatureKind kind, const FeatureEntry& entry)
{
    if (auto full = capacityRefusal(model, kind)) return full;
    Checked checked = readAndCheck(model, kind, entry, Values{}, Sources{});
    if (checked.refusal) return checked.refusal;
    Values& v = checked.values;
    if (kind == FeatureKind::Support) {
        if (auto refusal = placeSupport(model, entry.cantilever, v.location)) return refusal;
    } else {
        raiseTracker(model, kind, trackedMagnitude(kind, v));
    }
    const int k = appendFeature(model, kind, forceUnitCode(model, kind, entry),
                                lengthUnitCode(model, kind, entry));
    storeValues(model, kind, k, v, Sources{});
    if (kind == FeatureKind::Support) model.supportType[k] = entry.cantilever ? "cant" : "simp";
    return std::nullopt;
}

std::string locationFieldText(const BeamModel& model, bool feet, double location, int sigFigs)
{
    FeatureEntry entry;
    entry.options.feet = feet;
    return displayText(shownValue(FeatureKind::None, readLengthCode(model, entry), location), sigFigs);
}

EditOpening openFeatureEdit(const BeamModel& model, FeatureKind kind, int row, int sigFigs)
{
    EditOpening out;
    const int k = (row >= 1 && row <= model.numFeatures && featureKind(model, row) == kind)
                      ? featureIndex(model, row)
                      : 0;
    if (!isLive(model, kind, k)) {
        out.refusal = kDialogInvalidFeatureNumber;
        return out;
    }
    if (kind == FeatureKind::Support && model.supportType[k] == "cant") {
        out.refusal = kCannotMoveCantilever;
        return out;
    }
    out.edit = {kind, row, k, holdsMaximum(model, kind, k)};

    // Options follow the unit codes; the texts are shown in the units so selected.
    FeatureEntry& form = out.form;
    const bool metric = model.metricUnits;
    const std::string& force = model.featureForceUnit[row];
    form.options.feet = !metric && model.featureLengthUnit[row] != "in";
    form.options.perFoot = !metric && force == "pf";
    form.options.kg = metric && force == "kg";
    const std::string forceCode = readForceCode(model, kind, form);
    auto lengthText = [&](double stored) {
        return locationFieldText(model, form.options.feet, stored, sigFigs);
    };
    auto forceText = [&](double stored) {
        return displayText(shownValue(kind, forceCode, stored), sigFigs);
    };
    const Values v = storedValues(model, kind, k);
    form.location = lengthText(v.location);
    if (kind != FeatureKind::Support) form.magnitude = forceText(v.magnitude);
    if (kind == FeatureKind::DistLoad) {
        form.endLocation = lengthText(v.endLocation);
        form.endMagnitude = forceText(v.endMagnitude);
    }
    return out;
}

bool editStillValid(const BeamModel& model, const FeatureEdit& edit)
{
    if (edit.row < 1 || edit.row > model.numFeatures) return false;
    if (featureKind(model, edit.row) != edit.kind || featureIndex(model, edit.row) != edit.index)
        return false;
    if (!isLive(model, edit.kind, edit.index)) return false;
    return edit.kind != FeatureKind::Support || model.supportType[edit.index] == "simp";
}

std::optional<std::string> submitFeatureEdit(BeamModel& model, const FeatureEdit& edit,
                                             const FeatureEntry& entry,
                                             const TouchedFields& touched)
{
    if (!editStillValid(model, edit)) return std::string(kDialogInvalidFeatureNumber);
    const FeatureKind kind = edit.kind;
    const int k = edit.index;
    // Only simple supports are edited; the type options play no part.
    FeatureEntry e = entry;
    e.cantilever = false;
    const Sources from = sourcesOf(touched);
    const Checked checked = readAndCheck(model, kind, e, storedValues(model, kind, k), from);
    if (checked.refusal) return checked.refusal;
    const Values& v = checked.values;

    if (kind == FeatureKind::Support) {
        // Two supports at one point would leave the reactions without a solution.
        for (int i = 1; i <= model.numSupports; ++i)
            if (i != k && model.supportLoc[i] >= 0.0 && model.supportLoc[i] == v.location)
                return std::string(kSupportExists);
    } else {
        raiseTracker(model, kind, trackedMagnitude(kind, v));
    }
    storeValues(model, kind, k, v, from);

    // The unit codes follow the options. In the metric system only point loads record a
    // length code of their own; the force side of a support never changes.
    if (!model.metricUnits || kind == FeatureKind::PointLoad)
        model.featureLengthUnit[edit.row] = readLengthCode(model, e);
    if (kind != FeatureKind::Support) model.featureForceUnit[edit.row] = readForceCode(model, kind, e);

    if (edit.wasMaximum && kind != FeatureKind::Support) recomputeTracker(model, kind);
    return std::nullopt;
}

namespace {

// Metric boxes show mm^4, GPa and mm; the model holds m^4, Pa and m.
constexpr double kMm4PerM4 = 1e12;
constexpr double kPaPerGPa = 1e9;
constexpr double kMmPerM = 1e3;
constexpr float kDefaultModulusPsi = 30000000.0f;
constexpr double kDefaultModulusGPa = 210.0;

}  // namespace

BeamPropertyTexts loadBeamProperties(BeamModel& model, int sigFigs)
{
    const bool metric = model.metricUnits;
    auto text = [&](double shown) { return displayText(shown, sigFigs); };
    BeamPropertyTexts texts;
    if (metric) {
        texts = {text(kMm4PerM4 * double(model.momentOfInertia)),
                 text(double(model.modulusE) / kPaPerGPa), text(kMmPerM * double(model.fiberDistance))};
    } else {
        texts = {text(floatDisplayValue(model.momentOfInertia)),
                 text(floatDisplayValue(model.modulusE)),
                 text(floatDisplayValue(model.fiberDistance))};
    }
    if (parseNumber(texts.modulus).value_or(0.0) == 0.0) {
        if (metric) {
            texts.modulus = "210";
            model.modulusE = static_cast<float>(kDefaultModulusGPa * kPaPerGPa);
        } else {
            texts.modulus = "30000000";
            model.modulusE = kDefaultModulusPsi;
        }
    }
    return texts;
}

std::optional<std::string> storeBeamProperties(BeamModel& model, const BeamPropertyTexts& texts,
                                               const BeamPropertyEdits& edits)
{
    const bool metric = model.metricUnits;
    bool numbers = true;
    bool inRange = true;
    // Converted in double, then narrowed to float only when it fits.
    auto read = [&](bool edited, const std::string& text, auto toModel, float current) {
        if (!edited) return current;
        const auto typed = parseNumber(text);
        if (!typed) {
            numbers = false;
            return current;
        }
        const double v = metric ? toModel(*typed) : *typed;
        if (!(std::abs(v) <= double(std::numeric_limits<float>::max()))) {
            inRange = false;
            return current;
        }
        return static_cast<float>(v);
    };
    const float inertia = read(edits.inertia, texts.inertia,
                               [](double mm4) { return mm4 / kMm4PerM4; }, model.momentOfInertia);
    const float modulus = read(edits.modulus, texts.modulus,
                               [](double gpa) { return kPaPerGPa * gpa; }, model.modulusE);
    const float fiber = read(edits.fiber, texts.fiber, [](double mm) { return mm / kMmPerM; },
                             model.fiberDistance);
    if (!numbers) return std::string(kNotANumberMessage);
    if (!inRange) return std::string(kBeamPropertiesRefusal);
    model.momentOfInertia = inertia;
    model.modulusE = modulus;
    model.fiberDistance = fiber;
    return std::nullopt;
}

}  // namespace spanrix
