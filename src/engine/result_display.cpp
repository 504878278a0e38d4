#include "engine/result_display.h"

#include <algorithm>
#include <cmath>

#include "engine/moments.h"
#include "engine/result_quantities.h"
#include "model/number_format.h"
#include "model/units.h"

namespace spanrix {

namespace {

std::string shown(double v, int sigFigs, const char* suffix) { return displayText(v, sigFigs) + suffix; }

std::string shown(double v, const ShownUnit& unit, int sigFigs)
{
    return shown(v / unit.divisor, sigFigs, unit.suffix);
}

}  // namespace

ShownUnit momentUnit(double size, bool metric)
{
    if (metric) return {1, " N-m"};
    // Moments above 1000 lb-in read better in lb-ft.
    if (size >= 1000) return {kFeetToInches, " lb.-ft."};
    return {1, " lb.-in."};
}

ShownUnit shearUnit(double size, bool metric)
{
    if (size >= 1000) return {1000, metric ? " kN" : " kips"};
    return {1, metric ? " N" : " lb."};
}

ShownUnit stressUnit(double size, bool metric)
{
    if (metric) {
        if (size >= 1000000) return {1000000, " MPa"};
        if (size >= 1000) return {1000, " kPa"};
        return {1, " Pa"};
    }
    if (size >= 10000) return {1000, " ksi"};
    return {1, " psi"};
}

ShownUnit locationUnit(const ResultBasis& basis)
{
    if (basis.metricUnits) return {1, " m"};
    if (basis.useInches) return {1, " in."};
    return {kFeetToInches, " ft."};
}

const char* deflectionSuffix(const ResultBasis& basis) { return basis.metricUnits ? " mm" : " in."; }

std::vector<std::string> longestValueTexts(int sigFigs)
{
    const std::string number = longestDisplayText(sigFigs);
    std::vector<std::string> texts;
    auto add = [&](const char* suffix) {
        const std::string text = number + suffix;
        if (std::find(texts.begin(), texts.end(), text) == texts.end()) texts.push_back(text);
    };
    for (bool metric : {false, true}) {
        // Sizes on every side of each unit switch.
        for (double size : {0.0, 1e3, 1e4, 1e6}) {
            add(momentUnit(size, metric).suffix);
            add(shearUnit(size, metric).suffix);
            add(stressUnit(size, metric).suffix);
        }
        for (bool inches : {false, true}) {
            ResultBasis basis;
            basis.metricUnits = metric;
            basis.useInches = inches;
            add(locationUnit(basis).suffix);
            add(deflectionSuffix(basis));
        }
    }
    add(kSlopeSuffix);
    return texts;
}

double shownDeflection(double v, const ResultBasis& basis)
{
    const double d = -v / basis.flexuralRigidity();
    return basis.metricUnits ? 1000 * d : d;
}

double shownSlope(double v, const ResultBasis& basis, double pi)
{
    return v / basis.flexuralRigidity() * 180 / pi;
}

ResultBasis resultBasis(const BeamModel& model) { return resultBasis(model, calculationGrid(model)); }

ResultBasis resultBasis(const BeamModel& model, const CalculationGrid& grid)
{
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
    return momentLabelText(v, std::abs(v), metric, sigFigs);
}

std::string shearText(double v, bool metric, int sigFigs)
{
    return shearLabelText(v, std::abs(v), metric, sigFigs);
}

std::string stressText(double v, bool metric, int sigFigs)
{
    return stressLabelText(v, std::abs(v), metric, sigFigs);
}

std::string deflectionText(double v, const ResultBasis& basis, int sigFigs)
{
    return shownText(resultQuantity(Quantity::Deflection), v, std::abs(v), basis, kPi, sigFigs);
}

std::string slopeText(double v, const ResultBasis& basis, double pi, int sigFigs)
{
    return shownText(resultQuantity(Quantity::Slope), v, std::abs(v), basis, pi, sigFigs);
}

std::string locationText(double x, const ResultBasis& basis, int sigFigs)
{
    return shown(x, locationUnit(basis), sigFigs);
}

MaxValueTexts maxValueTexts(const PeakValues& p, const ResultBasis& basis, int sigFigs)
{
    MaxValueTexts t;
    for (const ResultQuantity& q : kResultQuantities) {
        const Peak& peak = p.*q.peak;
        t[q.id] = {shownText(q, peak.value, std::abs(peak.value), basis, kPiMaxWindow, sigFigs),
                   locationText(peak.x, basis, sigFigs)};
    }
    return t;
}

std::string gridPeakNote(const PeakValues& grid, const PeakValues& exact, const ResultBasis& basis,
                         int sigFigs)
{
    constexpr double kCloseEnough = 0.005;
    // The first that misses, so the line stays short; the window it names shows them all.
    for (Quantity id : {Quantity::Moment, Quantity::Deflection, Quantity::Slope}) {
        const ResultQuantity& q = resultQuantity(id);
        const Peak& peak = exact.*q.peak;
        const double e = std::abs(peak.value);
        if (std::abs(std::abs((grid.*q.peak).value) - e) > kCloseEnough * e)
            return "Between calculation points the largest " + std::string(q.key) + " is " +
                   shownText(q, peak.value, e, basis, kPiMaxWindow, sigFigs) + " at " +
                   locationText(peak.x, basis, sigFigs) + ": see Display > Exact Maximum Values.";
    }
    return {};
}

bool isOnBeam(double x, const ResultBasis& basis)
{
    const double halfInterval = basis.pointCount > 0 ? basis.beamLength / basis.intervals / 2 : 0;
    return x >= 0 && x <= basis.beamLength + halfInterval;
}

int nearestPoint(double x, const ResultBasis& basis)
{
    const double i = roundHalfEven(basis.intervals * x / basis.beamLength);
    // Half an interval past the end rounds past the last point the run filled.
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
    if (!isOnBeam(x, basis)) return {std::nullopt, std::string(kInvalidLocationMessage)};

    const size_t slot = static_cast<size_t>(nearestPoint(x, basis)) + 1;
    PointValueTexts t;
    for (const ResultQuantity& q : kResultQuantities) {
        const double v = (results.*q.samples)[slot];
        t[q.id] = shownText(q, v, std::abs(v), basis, kPiPointWindow, sigFigs);
    }
    return {t, std::nullopt};
}

namespace {

// Moment, shear and stress switch their units on the size and the unit system alone.
std::string switchedText(Quantity q, double v, double size, bool metric, int sigFigs)
{
    ResultBasis basis;
    basis.metricUnits = metric;
    return shownText(resultQuantity(q), v, size, basis, kPi, sigFigs);
}

}  // namespace

std::string momentLabelText(double v, double peak, bool metric, int sigFigs)
{
    return switchedText(Quantity::Moment, v, peak, metric, sigFigs);
}

std::string shearLabelText(double v, double peak, bool metric, int sigFigs)
{
    return switchedText(Quantity::Shear, v, peak, metric, sigFigs);
}

std::string stressLabelText(double v, double peak, bool metric, int sigFigs)
{
    return switchedText(Quantity::Stress, v, peak, metric, sigFigs);
}

std::string deflectionLabelText(double v, const ResultBasis& basis, int sigFigs)
{
    const double i = basis.momentOfInertia, e = basis.modulusE;
    return shown(basis.metricUnits ? 1000 * v / i / e : v / i / e, sigFigs, deflectionSuffix(basis));
}

}  // namespace spanrix
