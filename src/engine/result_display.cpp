#include "engine/result_display.h"

#include <cmath>

#include "engine/moments.h"
#include "model/number_format.h"
#include "model/units.h"

namespace spanrix {

namespace {

std::string shown(double v, int sigFigs, const char* suffix) { return displayText(v, sigFigs) + suffix; }

// Moments above 1000 lb-in read better in lb-ft; the switch is made on `size`.
std::string momentWithSwitch(double v, double size, bool metric, int sigFigs)
{
    if (metric) return shown(v, sigFigs, " N-m");
    if (size >= 1000) return shown(v / kFeetToInches, sigFigs, " lb.-ft.");
    return shown(v, sigFigs, " lb.-in.");
}

std::string stressWithSwitch(double v, double size, bool metric, int sigFigs)
{
    if (metric) {
        if (size >= 1000000) return shown(v / 1000000, sigFigs, " MPa");
        if (size >= 1000) return shown(v / 1000, sigFigs, " kPa");
        return shown(v, sigFigs, " Pa");
    }
    if (size >= 10000) return shown(v / 1000, sigFigs, " ksi");
    return shown(v, sigFigs, " psi");
}

}  // namespace

ResultBasis resultBasis(const BeamModel& model)
{
    const CalculationGrid grid = calculationGrid(model);
    ResultBasis b;
    b.beamLength = grid.length;
    b.intervals = grid.intervals;
    b.pointCount = grid.pointCount;
    b.metricUnits = model.metricUnits;
    b.useInches = model.useInches;
    b.momentOfInertia = model.momentOfInertia;
    b.modulusE = model.modulusE;
    return b;
}

std::string momentText(double v, bool metric, int sigFigs)
{
    return momentWithSwitch(v, std::abs(v), metric, sigFigs);
}

std::string stressText(double v, bool metric, int sigFigs)
{
    return stressWithSwitch(v, std::abs(v), metric, sigFigs);
}

std::string deflectionText(double v, const ResultBasis& basis, int sigFigs)
{
    const double ei = basis.flexuralRigidity();
    if (basis.metricUnits) return shown(1000 * (-v / ei), sigFigs, " mm");
    return shown(-v / ei, sigFigs, " in.");
}

std::string slopeText(double v, const ResultBasis& basis, double pi, int sigFigs)
{
    return shown(v / basis.flexuralRigidity() * 180 / pi, sigFigs, " degrees");
}

std::string locationText(double x, const ResultBasis& basis, int sigFigs)
{
    if (basis.metricUnits) return shown(x, sigFigs, " m");
    if (basis.useInches) return shown(x, sigFigs, " in.");
    return shown(x / kFeetToInches, sigFigs, " ft.");
}

MaxValueTexts maxValueTexts(const ResultSet& r, const ResultBasis& basis, int sigFigs)
{
    MaxValueTexts t;
    t.maxmo = momentText(r.peakMoment, basis.metricUnits, sigFigs);
    t.locmaxmo = locationText(r.peakMomentLoc, basis, sigFigs);
    t.maxstr = stressText(r.peakStress, basis.metricUnits, sigFigs);
    t.locmaxstr = locationText(r.peakStressLoc, basis, sigFigs);
    t.maxdef = deflectionText(r.peakDeflection, basis, sigFigs);
    t.locmaxdef = locationText(r.peakDeflectionLoc, basis, sigFigs);
    t.maxslope = slopeText(r.peakSlope, basis, kPiMaxWindow, sigFigs);
    t.locmaxslope = locationText(r.peakSlopeLoc, basis, sigFigs);
    return t;
}

int nearestPoint(double x, const ResultBasis& basis)
{
    const double i = roundHalfEven(basis.intervals * x / basis.beamLength);
    // A fractional resolution can round past the last point the run filled.
    const double last = basis.pointCount - 1;
    if (!(i >= 0)) return 0;
    return static_cast<int>(i > last ? last : i);
}

PointLookup findPointValues(std::string_view locText, bool feetSelected, const ResultSet& results,
                            const ResultBasis& basis, int sigFigs)
{
    const auto typed = parseNumber(locText);
    if (!typed) return {std::nullopt, std::string(kNotANumberMessage)};
    if (basis.pointCount < 1) return {std::nullopt, std::string(kInvalidLocationMessage)};
    double x = *typed;
    if (!basis.metricUnits && feetSelected) x *= kFeetToInches;
    if (x < 0 || x > basis.beamLength) return {std::nullopt, std::string(kInvalidLocationMessage)};

    const size_t slot = static_cast<size_t>(nearestPoint(x, basis)) + 1;
    PointValueTexts t;
    t.mom = momentText(results.momentAt[slot], basis.metricUnits, sigFigs);
    t.str = stressText(results.stressAt[slot], basis.metricUnits, sigFigs);
    t.def = deflectionText(results.deflectionAt[slot], basis, sigFigs);
    t.slope = slopeText(results.slopeAt[slot], basis, kPiPointWindow, sigFigs);
    return {t, std::nullopt};
}

std::string momentLabelText(double v, double peak, bool metric, int sigFigs)
{
    return momentWithSwitch(v, peak, metric, sigFigs);
}

std::string stressLabelText(double v, double peak, bool metric, int sigFigs)
{
    return stressWithSwitch(v, peak, metric, sigFigs);
}

std::string deflectionLabelText(double v, const ResultBasis& basis, int sigFigs)
{
    const double i = basis.momentOfInertia, e = basis.modulusE;
    if (basis.metricUnits) return shown(1000 * v / i / e, sigFigs, " mm");
    return shown(v / i / e, sigFigs, " in.");
}

}  // namespace spanrix
