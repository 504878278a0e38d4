#pragma once

#include <array>
#include <concepts>
#include <optional>
#include <string>
#include <string_view>

namespace spanrix {

inline constexpr int kMaxPointLoads = 50;
inline constexpr int kMaxDistLoads = 50;
inline constexpr int kMaxMoments = 50;
inline constexpr int kMaxSupports = 20;
inline constexpr int kMaxFeatures = kMaxPointLoads + kMaxDistLoads + kMaxMoments + kMaxSupports;

// A number the file format can hold as "never set" (an empty item). It reads as 0
// until assigned, and behaves as a double everywhere else.
class MaybeNumber {
public:
    constexpr MaybeNumber() = default;
    constexpr MaybeNumber(double v) : value_(v), set_(true) {}  // NOLINT: implicit by design
    constexpr MaybeNumber& operator=(double v) { value_ = v; set_ = true; return *this; }
    constexpr operator double() const { return value_; }  // NOLINT: implicit by design
    constexpr bool isSet() const { return set_; }
    // Exact comparison (value and set state) only between two MaybeNumbers; comparing with
    // a double compares the values, as for any number.
    template <typename T>
        requires std::same_as<T, MaybeNumber>
    friend constexpr bool operator==(const T& a, const T& b)
    {
        return a.value_ == b.value_ && a.set_ == b.set_;
    }

private:
    double value_ = 0.0;
    bool set_ = false;
};

enum class FeatureKind { None, PointLoad, DistLoad, Moment, Support };

// The load case of a load, by its ASCE 7 symbol: dead, live, roof live, snow, wind. Every
// load starts as dead load; the original run takes all loads together, whatever their case.
enum class LoadCase { D, L, Lr, S, W };
inline constexpr int kLoadCaseCount = 5;
inline constexpr std::array<LoadCase, kLoadCaseCount> kLoadCases{
    LoadCase::D, LoadCase::L, LoadCase::Lr, LoadCase::S, LoadCase::W};
// "D", "L", "Lr", "S", "W".
std::string_view loadCaseName(LoadCase c);
std::optional<LoadCase> loadCaseFromName(std::string_view name);
inline constexpr size_t caseSlot(LoadCase c) { return static_cast<size_t>(c); }

// What a design check adds to the beam: the catalogue section the beam properties came
// from (its name as the design data writes it, empty when I or c was typed) and the
// section's own weight as a dead load. With no section, the typed weight per length
// (internal units: lb/in or N/m) serves instead.
struct DesignSettings {
    std::string sectionName;
    bool includeSelfWeight = false;
    double weightPerLength = 0.0;

    bool operator==(const DesignSettings&) const = default;
};

// The two-letter key prefix of a kind: "pt", "di", "mo", "su".
std::string_view kindCode(FeatureKind kind);
FeatureKind kindFromCode(std::string_view code);

// Slot arrays are numbered from 1 as users see them; index 0 is never used.
template <int N>
using Slots = std::array<MaybeNumber, N + 1>;

// The one in-memory beam. All values are in the internal units of the active system
// (inch, lb, lb/in, lb-in, psi / metre, N, N/m, N-m, Pa).
struct BeamModel {
    bool metricUnits = false;
    bool useInches = false;
    MaybeNumber beamLength;

    int numPointLoads = 0;
    int shownPointLoads = 0;
    Slots<kMaxPointLoads> pointLoadMag{};
    Slots<kMaxPointLoads> pointLoadLoc{};

    int numDistLoads = 0;
    int shownDistLoads = 0;
    Slots<kMaxDistLoads> distLoadStart{};
    Slots<kMaxDistLoads> distLoadEnd{};
    std::array<double, kMaxDistLoads + 1> distLoadStartMag{};
    std::array<double, kMaxDistLoads + 1> distLoadEndMag{};

    int numMoments = 0;
    int shownMoments = 0;
    Slots<kMaxMoments> momentMag{};
    Slots<kMaxMoments> momentLoc{};

    int numSupports = 0;
    int shownSupports = 0;
    Slots<kMaxSupports> supportLoc{};              // -1 marks a removed support
    std::array<std::string, kMaxSupports + 1> supportType{};  // "simp" or "cant"

    // Largest magnitudes, used to scale the sketch.
    MaybeNumber maxPointLoadMag;
    MaybeNumber prevMaxPointLoadMag;
    MaybeNumber maxMomentMag;
    MaybeNumber prevMaxMomentMag;
    MaybeNumber maxDistLoadMag;
    MaybeNumber prevMaxDistLoadMag;

    int numFeatures = 0;
    std::array<std::string, kMaxFeatures + 1> featureId{};
    std::array<std::string, kMaxFeatures + 1> featureForceUnit{};
    std::array<std::string, kMaxFeatures + 1> featureLengthUnit{};

    bool editingFeature = false;

    // Section properties, 0 until entered. Kept as floats: their precision shows in results and files.
    float momentOfInertia = 0.0f;
    float modulusE = 0.0f;
    float fiberDistance = 0.0f;

    // Number of calculation intervals of the next run.
    float resolution = 10000.0f;

    // The case of each load slot; supports belong to none. Load files do not hold them.
    std::array<LoadCase, kMaxPointLoads + 1> pointLoadCase{};
    std::array<LoadCase, kMaxDistLoads + 1> distLoadCase{};
    std::array<LoadCase, kMaxMoments + 1> momentCase{};
    DesignSettings design;

    bool operator==(const BeamModel&) const = default;
};

inline constexpr float kDefaultResolution = 10000.0f;

// Clears every feature (cases included), the feature table, the trackers, the section
// properties with the design settings, and the resolution. Keeps the unit flags, the beam length and the edit flag.
void resetModel(BeamModel& model);

// Current count of a kind, and its capacity.
int featureCount(const BeamModel& model, FeatureKind kind);
int featureCapacity(FeatureKind kind);

// The one capacity check dialogs make before an Add. Returns the refusal message when the
// kind is full, e.g. "Maximum of 50 point loads reached.".
std::optional<std::string> capacityRefusal(const BeamModel& model, FeatureKind kind);

// Appends a feature row with key kindCode + k and the two unit codes; returns k, the new
// slot of the kind, where the caller stores the values. The caller checks capacity first.
int appendFeature(BeamModel& model, FeatureKind kind, std::string_view forceUnit,
                  std::string_view lengthUnit);

// The two halves of the key of feature row n (1..numFeatures). featureIndex is 0 when the
// rest of the key is not a whole number.
FeatureKind featureKind(const BeamModel& model, int n);
int featureIndex(const BeamModel& model, int n);

// Whether slot k of a kind still holds a live feature (removal marks, never deletes).
bool isLive(const BeamModel& model, FeatureKind kind, int k);

// The signed intensity of larger magnitude of a distributed load; on a tie the end
// intensity (sketch and legend) or the start intensity (tracker raise) as chosen.
enum class TieGoesTo { Start, End };
double dominantIntensity(const BeamModel& model, int k, TieGoesTo tie);

// Tracker rules for point loads, distributed loads and moments. raiseTracker is applied
// before the values are stored (the count-was-0 rule uses the count before an append);
// `magnitude` is the signed value (for a distributed load, the dominant intensity).
void raiseTracker(BeamModel& model, FeatureKind kind, double magnitude);
// Sets the tracker and its companion to 0, then the tracker to the largest live magnitude.
void recomputeTracker(BeamModel& model, FeatureKind kind);
// Whether |magnitude| of slot k equals the kind's tracker, i.e. the feature holds the maximum.
bool holdsMaximum(const BeamModel& model, FeatureKind kind, int k);

// The case of load slot k of a kind (D for a support or a slot beyond the capacity), and
// setting it (ignored for a support).
LoadCase loadCaseOf(const BeamModel& model, FeatureKind kind, int k);
void setLoadCase(BeamModel& model, FeatureKind kind, int k, LoadCase c);
// Whether any load holds a case other than D, or any design setting is made: what a load
// file cannot keep.
bool hasDesignData(const BeamModel& model);

// Whether two models describe the same beam: equal but for the edit flag and the legend's
// shown-counts, which follow the screen rather than the beam.
bool sameBeam(const BeamModel& a, const BeamModel& b);

}  // namespace spanrix
