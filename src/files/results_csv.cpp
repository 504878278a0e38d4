#include "files/results_csv.h"

#include <array>
#include <cmath>
#include <functional>
#include <numbers>

#include "files/text_file.h"
#include "model/number_format.h"

namespace spanrix {

namespace {

struct Column {
    std::string header;
    const std::vector<double>* values;  // nullptr: the point's position
    std::function<double(double)> shown;
};

// "moment" and " lb.-ft." make "moment (lb.-ft.)".
std::string header(const char* name, const char* suffix)
{
    std::string unit = suffix;
    if (!unit.empty() && unit.front() == ' ') unit.erase(0, 1);
    return std::string(name) + " (" + unit + ")";
}

std::function<double(double)> dividedBy(double divisor)
{
    return [divisor](double v) { return v / divisor; };
}

std::array<Column, 6> shownColumns(const ResultSet& r, const ResultBasis& b)
{
    const bool metric = b.metricUnits;
    const ShownUnit at = locationUnit(b);
    const ShownUnit moment = momentUnit(std::abs(r.peakMoment), metric);
    const ShownUnit shear = shearUnit(std::abs(r.peakShear), metric);
    const ShownUnit stress = stressUnit(std::abs(r.peakStress), metric);
    return {{
        {header("x", at.suffix), nullptr, dividedBy(at.divisor)},
        {header("moment", moment.suffix), &r.momentAt, dividedBy(moment.divisor)},
        {header("shear", shear.suffix), &r.shearAt, dividedBy(shear.divisor)},
        {header("stress", stress.suffix), &r.stressAt, dividedBy(stress.divisor)},
        // The windows keep their short values of pi; fifteen figures need the full one.
        {header("slope", kSlopeSuffix), &r.slopeAt,
         [&b](double v) { return shownSlope(v, b, std::numbers::pi); }},
        {header("deflection", deflectionSuffix(b)), &r.deflectionAt,
         [&b](double v) { return shownDeflection(v, b); }},
    }};
}

std::array<Column, 6> internalColumns(const ResultSet& r, const ResultBasis& b)
{
    const bool metric = b.metricUnits;
    const double ei = b.flexuralRigidity();
    const auto same = [](double v) { return v; };
    const auto overEI = [ei](double v) { return v / ei; };
    return {{
        {metric ? "x (m)" : "x (in)", nullptr, same},
        {metric ? "moment (N-m)" : "moment (lb-in)", &r.momentAt, same},
        {metric ? "shear (N)" : "shear (lb)", &r.shearAt, same},
        {metric ? "stress (Pa)" : "stress (psi)", &r.stressAt, same},
        {"slope (rad)", &r.slopeAt, overEI},
        {metric ? "deflection (m)" : "deflection (in)", &r.deflectionAt, overEI},
    }};
}

}  // namespace

std::string resultsCsvText(const ResultSet& results, const ResultBasis& basis, ResultUnits units)
{
    const std::array<Column, 6> columns =
        units == ResultUnits::Shown ? shownColumns(results, basis) : internalColumns(results, basis);
    std::string text;
    auto endRow = [&text] {
        text.back() = '\r';  // the last separator
        text += '\n';
    };
    for (const Column& c : columns) text += c.header + ',';
    endRow();
    const double dx = basis.beamLength / basis.intervals;
    for (int i = 0; i < basis.pointCount; ++i) {
        const auto slot = static_cast<size_t>(i) + 1;
        for (const Column& c : columns) {
            const double v = c.values ? (*c.values)[slot] : static_cast<double>(i) * dx;
            text += numberText(c.shown(v));
            text += ',';
        }
        endRow();
    }
    return text;
}

std::optional<std::string> writeResultsCsv(const std::string& path, const ResultSet& results,
                                           const ResultBasis& basis, ResultUnits units)
{
    return writeFileSafely(path, resultsCsvText(results, basis, units));
}

}  // namespace spanrix
