#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/moments.h"
#include "engine/quantity.h"
#include "engine/results.h"
#include "model/beam_model.h"

namespace spanrix {

// The maximum-values window and the point-values window write pi differently; both are
// kept so each window shows the digits it always has.
inline constexpr double kPiMaxWindow = 3.1415927;
inline constexpr double kPiPointWindow = 3.14159265;

inline constexpr std::string_view kInvalidLocationMessage = "Invalid location.";

// What the shown results were computed for, taken right after each analysis. The value
// windows and the diagrams read this rather than the live model, so a later change on the
// loading screen (units, section, resolution, length) cannot be mixed into old numbers.
struct ResultBasis {
    double beamLength = 0;
    double intervals = 0;  // N
    int pointCount = 0;    // points 0..pointCount-1 in slots 1..pointCount
    bool metricUnits = false;
    bool useInches = false;
    float momentOfInertia = 0;
    float modulusE = 0;

    // E*I as the value windows divide by it.
    double flexuralRigidity() const
    {
        return static_cast<double>(momentOfInertia) * static_cast<double>(modulusE);
    }
};

ResultBasis resultBasis(const BeamModel& model, const CalculationGrid& grid);
// The same before a run, from the grid the model's resolution gives.
ResultBasis resultBasis(const BeamModel& model);

// A unit a quantity is shown in: the shown number is the value divided by `divisor`,
// followed by `suffix` (with its leading blank).
struct ShownUnit {
    double divisor;
    const char* suffix;
};

// The unit of each quantity, switched on `size`: |v| for one value, the peak magnitude
// for a diagram's labels. Shear is shown in lb. or kips, N or kN.
ShownUnit momentUnit(double size, bool metric);
ShownUnit shearUnit(double size, bool metric);
ShownUnit stressUnit(double size, bool metric);
// Positions: metres, inches, or feet.
ShownUnit locationUnit(const ResultBasis& basis);

// Deflection and slope as the value windows show them: v is E*I times the value; the
// deflection is turned upward positive, in millimetres or inches, the slope in degrees.
double shownDeflection(double v, const ResultBasis& basis);
double shownSlope(double v, const ResultBasis& basis, double pi);
const char* deflectionSuffix(const ResultBasis& basis);
inline constexpr const char* kSlopeSuffix = " degrees";

// Display rules of the value windows; v is the value as the results hold it. Each unit
// switch is made on |v|.
std::string momentText(double v, bool metric, int sigFigs);
std::string shearText(double v, bool metric, int sigFigs);
std::string stressText(double v, bool metric, int sigFigs);
// v is E*I times the deflection, positive downward; shown upward positive.
std::string deflectionText(double v, const ResultBasis& basis, int sigFigs);
// v is E*I times the slope; shown in degrees.
std::string slopeText(double v, const ResultBasis& basis, double pi, int sigFigs);
// A position on the beam (internal units) in metres, inches or feet.
std::string locationText(double x, const ResultBasis& basis, int sigFigs);

// What the value windows' boxes must have room for: the longest number text at sigFigs
// figures followed by each unit suffix they use, one text per suffix.
std::vector<std::string> longestValueTexts(int sigFigs);

// Each peak as the maximum-values windows and the report show it: the value, and where.
struct ValueAndPlace {
    std::string value, location;
};
using MaxValueTexts = PerQuantity<ValueAndPlace>;
MaxValueTexts maxValueTexts(const PeakValues& peaks, const ResultBasis& basis, int sigFigs);

// The line under the diagrams when the grid's largest moment, deflection or slope misses
// the exact one by more than 0.5 % of it (a coarse grid, supports between its points): the
// first such exact value with where it is, in the shown units. Empty when the grid is close.
std::string gridPeakNote(const PeakValues& grid, const PeakValues& exact, const ResultBasis& basis,
                         int sigFigs);

// Whether x (internal units) is a location on the beam: from 0 to the beam length, or past
// the end by at most half a calculation interval (it then takes the last point). A length
// converted between unit systems can hold a little less than what the user types for it.
bool isOnBeam(double x, const ResultBasis& basis);

// The calculation point nearest to x (internal units), halves to even, kept within the
// points the last run filled.
int nearestPoint(double x, const ResultBasis& basis);

// "Find Values" of the point-values window. locText is what the user typed; feetSelected
// says the English feet option is chosen. Either the texts or the refusal.
using PointValueTexts = PerQuantity<std::string>;
struct PointLookup {
    std::optional<PointValueTexts> values;
    std::optional<std::string> message;
};
PointLookup findPointValues(std::string_view locText, bool feetSelected, const ResultSet& results,
                            const ResultBasis& basis, int sigFigs);

// Labels of the result diagrams. The unit switches of the value labels are made on the
// diagram's peak magnitude, not on the label's own value.
std::string momentLabelText(double v, double peak, bool metric, int sigFigs);
std::string shearLabelText(double v, double peak, bool metric, int sigFigs);
std::string stressLabelText(double v, double peak, bool metric, int sigFigs);
std::string deflectionLabelText(double v, const ResultBasis& basis, int sigFigs);

}  // namespace spanrix
