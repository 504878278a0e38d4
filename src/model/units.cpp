#include "model/units.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace spanrix {

namespace {

struct UnitEntry {
    FeatureKind kind;  // None: a length code, valid for every kind
    std::string_view code;
    double displayFactor;
};

// The one table of unit codes: stored value times the factor gives the value in that unit.
constexpr UnitEntry kUnits[] = {
    {FeatureKind::None, "in", 1.0},
    {FeatureKind::None, "ft", 1.0 / kFeetToInches},
    {FeatureKind::None, "m", 1.0},
    {FeatureKind::PointLoad, "lb", 1.0},
    {FeatureKind::PointLoad, "N", 1.0},
    {FeatureKind::PointLoad, "kg", kNewtonToKg},
    {FeatureKind::DistLoad, "pi", 1.0},
    {FeatureKind::DistLoad, "pf", kFeetToInches},
    {FeatureKind::DistLoad, "N", 1.0},
    {FeatureKind::DistLoad, "kg", kNewtonToKg},
    {FeatureKind::Moment, "pi", 1.0},
    {FeatureKind::Moment, "pf", 1.0 / kFeetToInches},
    {FeatureKind::Moment, "N", 1.0},
    {FeatureKind::Moment, "kg", kNewtonToKg},
    {FeatureKind::Support, "lb", 1.0},
};

const UnitEntry* find(FeatureKind kind, std::string_view code)
{
    for (const UnitEntry& u : kUnits)
        if (u.kind == kind && u.code == code) return &u;
    return nullptr;
}

}  // namespace

double displayFactor(FeatureKind kind, std::string_view code)
{
    const UnitEntry* u = find(kind, code);
    return u ? u->displayFactor : 1.0;
}

double shownValue(FeatureKind kind, std::string_view code, double stored)
{
    // Feet and lb-ft divide by 12 and kilograms multiply by the stored inverse, so the
    // shown value is formed exactly the way the factor table reads.
    if (code == "ft" || (kind == FeatureKind::Moment && code == "pf")) return stored / kFeetToInches;
    return stored * displayFactor(kind, code);
}

double storedValue(FeatureKind kind, std::string_view code, double typed)
{
    if (code == "kg") return typed * kKgToNewton;
    if (code == "ft" || (kind == FeatureKind::Moment && code == "pf")) return typed * kFeetToInches;
    if (kind == FeatureKind::DistLoad && code == "pf") return typed / kFeetToInches;
    return typed / displayFactor(kind, code);
}

namespace {

// The length and force factors of one direction.
struct Factors {
    double length;
    double force;
};

// Section properties are held as floats; a converted value beyond their range becomes an
// infinity of its sign rather than an undefined conversion.
float toSectionFloat(double v)
{
    constexpr double kMax = std::numeric_limits<float>::max();
    if (v > kMax) return std::numeric_limits<float>::infinity();
    if (v < -kMax) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(v);
}

void scaleModel(BeamModel& m, Factors f)
{
    const double len = f.length;
    const double force = f.force;
    m.beamLength = m.beamLength * len;
    m.maxPointLoadMag = m.maxPointLoadMag * force;
    m.prevMaxPointLoadMag = m.prevMaxPointLoadMag * force;
    m.maxMomentMag = m.maxMomentMag * force * len;
    m.prevMaxMomentMag = m.prevMaxMomentMag * force * len;
    m.maxDistLoadMag = m.maxDistLoadMag * force / len;
    m.prevMaxDistLoadMag = m.prevMaxDistLoadMag * force / len;
    m.fiberDistance = toSectionFloat(double(m.fiberDistance) * len);
    m.momentOfInertia = toSectionFloat(double(m.momentOfInertia) * std::pow(len, 4));
    m.modulusE = toSectionFloat(double(m.modulusE) * force / std::pow(len, 2));
    for (int i = 1; i <= std::min(m.numPointLoads, kMaxPointLoads); ++i) {
        m.pointLoadMag[i] = m.pointLoadMag[i] * force;
        m.pointLoadLoc[i] = m.pointLoadLoc[i] * len;
    }
    for (int i = 1; i <= std::min(m.numDistLoads, kMaxDistLoads); ++i) {
        m.distLoadStartMag[i] = m.distLoadStartMag[i] * force / len;
        m.distLoadEndMag[i] = m.distLoadEndMag[i] * force / len;
        m.distLoadStart[i] = m.distLoadStart[i] * len;
        m.distLoadEnd[i] = m.distLoadEnd[i] * len;
    }
    for (int i = 1; i <= std::min(m.numMoments, kMaxMoments); ++i) {
        m.momentMag[i] = m.momentMag[i] * force * len;
        m.momentLoc[i] = m.momentLoc[i] * len;
    }
    for (int i = 1; i <= std::min(m.numSupports, kMaxSupports); ++i)
        if (m.supportLoc[i] != -1.0) m.supportLoc[i] = m.supportLoc[i] * len;
    m.design.weightPerLength = m.design.weightPerLength * force / len;
}

}  // namespace

bool convertUnitSystem(BeamModel& m, std::string_view direction)
{
    if (direction == kEnglishToMetric && !m.metricUnits) {
        m.metricUnits = true;
        scaleModel(m, {kInchToMetre, kPoundToNewton});
        const std::string metre = "m", newton = "N";
        for (int n = 1; n <= std::min(m.numFeatures, kMaxFeatures); ++n) {
            m.featureLengthUnit[n] = metre;
            m.featureForceUnit[n] = newton;
        }
        return true;
    }
    if (direction == kMetricToEnglish && m.metricUnits) {
        m.metricUnits = false;
        scaleModel(m, {kMetreToInch, kNewtonToPound});
        const std::string inch = "in", perInch = "pi", pound = "lb";
        for (int n = 1; n <= std::min(m.numFeatures, kMaxFeatures); ++n) {
            const FeatureKind kind = featureKind(m, n);
            m.featureLengthUnit[n] = inch;
            m.featureForceUnit[n] =
                (kind == FeatureKind::DistLoad || kind == FeatureKind::Moment) ? perInch : pound;
        }
        return true;
    }
    return false;
}

}  // namespace spanrix
