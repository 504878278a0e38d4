#include "files/results_csv.h"

#include <cmath>
#include <functional>
#include <vector>

#include "engine/result_quantities.h"

#include "files/text_file.h"
#include "model/number_format.h"
#include "model/units.h"

namespace spanrix {

namespace {

// The columns after the position, in the order the table has always had.
constexpr Quantity kColumns[] = {Quantity::Moment, Quantity::Shear, Quantity::Stress,
                                 Quantity::Slope, Quantity::Deflection};

struct Column {
    std::string header;
    const std::vector<double>* values;  // nullptr: the point's position
    std::function<double(double)> shown;
};

// "moment" and " lb.-ft." make "moment (lb.-ft.)".
std::string header(std::string_view name, std::string_view unit)
{
    if (!unit.empty() && unit.front() == ' ') unit.remove_prefix(1);
    return std::string(name) + " (" + std::string(unit) + ")";
}

std::vector<Column> shownColumns(const ResultSet& r, const ResultBasis& b)
{
    const ShownUnit at = locationUnit(b);
    std::vector<Column> columns{{header("x", at.suffix), nullptr,
                                 [at](double x) { return x / at.divisor; }}};
    const PeakValues peaks = peakValues(r);
    for (Quantity id : kColumns) {
        const ResultQuantity& q = resultQuantity(id);
        // Each column in the unit of its diagram's labels; the windows keep their short
        // values of pi, fifteen figures need the full one.
        const ShownUnit unit = q.unit(std::abs((peaks.*q.peak).value), b);
        columns.push_back({header(q.key, unit.suffix), &(r.*q.samples),
                           [&q, unit, &b](double v) { return q.shown(v, unit, b, kPi); }});
    }
    return columns;
}

std::vector<Column> internalColumns(const ResultSet& r, const ResultBasis& b)
{
    const bool metric = b.metricUnits;
    const double ei = b.flexuralRigidity();
    std::vector<Column> columns{{metric ? "x (m)" : "x (in)", nullptr, [](double x) { return x; }}};
    for (Quantity id : kColumns) {
        const ResultQuantity& q = resultQuantity(id);
        columns.push_back({header(q.key, internalUnit(q, metric)), &(r.*q.samples),
                           [&q, ei](double v) { return internalValue(q, v, ei); }});
    }
    return columns;
}

}  // namespace

std::string resultsCsvText(const ResultSet& results, const ResultBasis& basis, ResultUnits units)
{
    const std::vector<Column> columns =
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
