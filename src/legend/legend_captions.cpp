#include "legend/legend_captions.h"

#include <cmath>

#include "model/number_format.h"
#include "model/units.h"

namespace spanrix {

namespace {

// A number as the legend shows it: absolute, rounded to the display figures.
std::string text(double v, int sigFigs) { return displayText(std::abs(v), sigFigs); }

// "x=" and a location; English lengths in feet or inches by the feature's length code.
std::string locationCaption(const BeamModel& m, double loc, bool inFeet, int sigFigs)
{
    if (m.metricUnits) return "x=" + text(loc, sigFigs) + " m";
    if (inFeet) return "x=" + text(loc / kFeetToInches, sigFigs) + " ft.";
    return "x=" + text(loc, sigFigs) + " in.";
}

LegendCaptions pointLoadCaptions(const BeamModel& m, int k, int f, int sigFigs)
{
    LegendCaptions c;
    c.title = "Point Load";
    const double mag = m.pointLoadMag[k];
    if (m.metricUnits && m.featureForceUnit[f] == "kg")
        c.value = text(mag * kNewtonToKg, sigFigs) + " kg";
    else
        c.value = text(mag, sigFigs) + (m.metricUnits ? " N" : " lb.");
    // Point loads show inches unless typed in feet.
    c.second = locationCaption(m, m.pointLoadLoc[k], m.featureLengthUnit[f] == "ft", sigFigs);
    return c;
}

// One line of a distributed load: "start=2 lb./ft., 0 ft.". The intensity always carries
// its per-length unit, whichever way the caption came to be written.
std::string distLine(const BeamModel& m, const std::string& force, const std::string& length,
                     const char* lead, double intensity, double loc, int sigFigs)
{
    std::string s = lead;
    if (force == "kg") return s + text(intensity * kNewtonToKg, sigFigs) + " kg/m, " + text(loc, sigFigs) + " m";
    if (force == "N" || (m.metricUnits && force != "pi" && force != "pf"))
        return s + text(intensity, sigFigs) + " N/m, " + text(loc, sigFigs) + " m";
    if (force == "pf")
        s += text(intensity * kFeetToInches, sigFigs) + " lb./ft., ";
    else
        s += text(intensity, sigFigs) + " lb./in., ";
    if (length == "ft") return s + text(loc / kFeetToInches, sigFigs) + " ft.";
    return s + text(loc, sigFigs) + " in.";
}

LegendCaptions distLoadCaptions(const BeamModel& m, int k, int f, int sigFigs)
{
    LegendCaptions c;
    c.title = "Dist. Load";
    const std::string& force = m.featureForceUnit[f];
    const std::string& length = m.featureLengthUnit[f];
    c.value = distLine(m, force, length, "start=", m.distLoadStartMag[k], m.distLoadStart[k], sigFigs);
    c.second = distLine(m, force, length, "end=", m.distLoadEndMag[k], m.distLoadEnd[k], sigFigs);
    return c;
}

LegendCaptions momentCaptions(const BeamModel& m, int k, int f, int sigFigs)
{
    LegendCaptions c;
    c.title = "Moment";
    const double mag = m.momentMag[k];
    const std::string& force = m.featureForceUnit[f];
    if (force == "kg")
        c.value = text(mag * kNewtonToKg, sigFigs) + " kg-m";
    else if (force == "N")
        c.value = text(mag, sigFigs) + " N-m";
    else if (force == "pi")
        c.value = text(mag, sigFigs) + " lb.-in.";
    else
        c.value = text(mag / kFeetToInches, sigFigs) + " lb.-ft.";
    // Moments and supports show feet unless typed in inches.
    c.second = locationCaption(m, m.momentLoc[k], m.featureLengthUnit[f] != "in", sigFigs);
    return c;
}

LegendCaptions supportCaptions(const BeamModel& m, int k, int f, int sigFigs)
{
    LegendCaptions c;
    c.title = m.supportType[k] == "simp" ? "Simple Support" : "Cantilever Support";
    c.value = locationCaption(m, m.supportLoc[k], m.featureLengthUnit[f] != "in", sigFigs);
    return c;
}

}  // namespace

std::string featureNumberCaption(int featureRow) { return "Feature " + std::to_string(featureRow); }

LegendCaptions legendCaptions(const BeamModel& model, FeatureKind kind, int k, int featureRow,
                              int sigFigs)
{
    if (kind == FeatureKind::None || k < 1 || k > featureCapacity(kind) || featureRow < 1 ||
        featureRow > kMaxFeatures)
        return {};
    LegendCaptions c;
    switch (kind) {
    case FeatureKind::PointLoad: c = pointLoadCaptions(model, k, featureRow, sigFigs); break;
    case FeatureKind::DistLoad: c = distLoadCaptions(model, k, featureRow, sigFigs); break;
    case FeatureKind::Moment: c = momentCaptions(model, k, featureRow, sigFigs); break;
    case FeatureKind::Support: c = supportCaptions(model, k, featureRow, sigFigs); break;
    case FeatureKind::None: break;
    }
    c.number = featureNumberCaption(featureRow);
    return c;
}

LegendCaptions legendCaptions(const BeamModel& model, int featureRow, int sigFigs)
{
    return legendCaptions(model, featureKind(model, featureRow), featureIndex(model, featureRow),
                          featureRow, sigFigs);
}

std::string beamLengthCaption(const BeamModel& model, int sigFigs)
{
    if (model.metricUnits) return displayText(model.beamLength, sigFigs) + " m.";
    if (model.useInches) return displayText(model.beamLength, sigFigs) + " in.";
    return displayText(model.beamLength / kFeetToInches, sigFigs) + " ft.";
}

std::string sketchLengthText(const BeamModel& model, int sigFigs)
{
    return "Beam Length is " + beamLengthCaption(model, sigFigs);
}

std::string reinitializeQuestion(const BeamModel& model, int sigFigs)
{
    return "Current beam length is " + beamLengthCaption(model, sigFigs) + "  " + "Do you wish " +
           "to change beam length?";
}

FeatureNumberReply readEditFeatureReply(std::string_view reply, int numFeatures)
{
    using Outcome = FeatureNumberReply::Outcome;
    if (reply.empty()) return {};
    const auto v = parseNumber(reply);
    if (!v || *v > numFeatures || *v <= 0) return {Outcome::Invalid, 0};
    const int n = static_cast<int>(roundHalfEven(*v));
    if (n < 1) return {Outcome::Invalid, 0};  // 0.4 passes the range test but names no feature
    return {Outcome::Valid, n};
}

FeatureNumberReply readRemoveFeatureReply(std::string_view reply, int numFeatures)
{
    using Outcome = FeatureNumberReply::Outcome;
    if (reply.empty()) return {};
    const auto v = parseNumber(reply);
    const auto n = v ? toInt16(*v) : std::nullopt;
    if (!n || *n < 1 || *n > numFeatures) return {Outcome::Invalid, 0};
    return {Outcome::Valid, *n};
}

bool markFeatureRemoved(BeamModel& model, int n)
{
    if (n < 1 || n > model.numFeatures) return false;
    const FeatureKind kind = featureKind(model, n);
    const int k = featureIndex(model, n);
    if (k < 1 || k > featureCapacity(kind)) return true;  // nothing of it to mark

    switch (kind) {
    case FeatureKind::PointLoad: {
        const bool heldMax = holdsMaximum(model, kind, k);
        model.pointLoadMag[k] = 0.0;
        if (heldMax) recomputeTracker(model, kind);
        break;
    }
    case FeatureKind::DistLoad: {
        const bool heldMax =
            model.maxDistLoadMag == std::abs(dominantIntensity(model, k, TieGoesTo::End));
        model.distLoadStartMag[k] = 0.0;
        model.distLoadEndMag[k] = 0.0;
        if (heldMax) recomputeTracker(model, kind);
        break;
    }
    case FeatureKind::Moment: {
        const bool heldMax = holdsMaximum(model, kind, k);
        model.momentMag[k] = 0.0;
        if (heldMax) recomputeTracker(model, kind);
        break;
    }
    case FeatureKind::Support: model.supportLoc[k] = -1.0; break;
    case FeatureKind::None: break;
    }
    return true;
}

}  // namespace spanrix
