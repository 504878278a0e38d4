#pragma once

// The result quantities of a run, one row each: what they are called, their units, where a
// run keeps their values and how the windows show them. The value windows, the results
// table, the report, the diagrams and spanrix-cli read them here, so a new quantity is one
// row plus its computation.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/exact.h"
#include "engine/quantity.h"
#include "engine/result_display.h"
#include "engine/results.h"

namespace spanrix {

struct ResultQuantity {
    Quantity id;
    std::string_view key;          // JSON key and results-table column: "moment"
    std::string_view caption;      // as the windows and the report name it: "Bending Moment"
    std::string_view englishUnit;  // the run's own unit, as the results table names it
    std::string_view metricUnit;
    std::vector<double> ResultSet::*samples;  // at every calculation point
    Peak PeakValues::*peak;                   // on the grid or of the exact solution
    double SectionValues::*section;           // at one section
    bool heldTimesEI;                         // slope and deflection: divided by E*I to show
    // The unit a value is shown in, switched on `size`: |v| for one value, the peak
    // magnitude for a diagram's labels or a results-table column.
    ShownUnit (*unit)(double size, const ResultBasis& basis);
    // The number shown for v (as the run holds it) in that unit; pi as the window writes it.
    double (*shown)(double v, const ShownUnit& unit, const ResultBasis& basis, double pi);
};

// Indexed by Quantity.
extern const std::array<ResultQuantity, kQuantityCount> kResultQuantities;

const ResultQuantity& resultQuantity(Quantity q);

// v (as held) shown with its unit, "83.3 lb.-ft.", the unit switched on `size`.
std::string shownText(const ResultQuantity& q, double v, double size, const ResultBasis& basis,
                      double pi, int sigFigs);
// v in the run's own unit: slope in radians, deflection positive downward.
double internalValue(const ResultQuantity& q, double v, double flexuralRigidity);
std::string_view internalUnit(const ResultQuantity& q, bool metric);

// Every quantity at one calculation point slot of the grid.
SectionValues sampledValues(const ResultSet& results, std::size_t slot);

}  // namespace spanrix
