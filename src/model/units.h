#pragma once

#include <numbers>
#include <string_view>

#include "model/beam_model.h"

namespace spanrix {

// Standard gravity: typed kilograms are stored as newtons multiplied by this.
inline constexpr double kKgToNewton = 9.80665;
// Its display inverse (a stored constant, not a division), for every kilogram the program
// shows: dialogs, legend captions and the report. Its 15-digit form would turn a typed
// 0.5 kg into 0.500000000000001 kg.
inline constexpr double kNewtonToKg = 0.10197162129779283;

inline constexpr double kFeetToInches = 12.0;

// The one full-precision pi. Where a window fixes a rounded value, that value is named
// beside its computation (the section calculator, the sketch, the value windows).
inline constexpr double kPi = std::numbers::pi;

// Factors of the whole-model conversion.
inline constexpr double kInchToMetre = 0.0254;
inline constexpr double kPoundToNewton = 4.448222;
inline constexpr double kMetreToInch = 39.3700787401575;
inline constexpr double kNewtonToPound = 0.224808923655339;

// The unit a feature's value was typed in, by the feature kind and its unit code
// ("in", "ft", "m", "lb", "N", "kg", "pi", "pf").
//   shown = stored * displayFactor; stored = typed / displayFactor.
// Lengths use FeatureKind::None. Unknown codes give 1.
double displayFactor(FeatureKind kind, std::string_view code);
double shownValue(FeatureKind kind, std::string_view code, double stored);
double storedValue(FeatureKind kind, std::string_view code, double typed);

// Directions of convertUnitSystem.
enum class UnitConversion { EnglishToMetric, MetricToEnglish };
inline constexpr UnitConversion kEnglishToMetric = UnitConversion::EnglishToMetric;
inline constexpr UnitConversion kMetricToEnglish = UnitConversion::MetricToEnglish;

// Converts the whole model to the other unit system; nothing happens when the model is
// already in the target system. Returns whether it converted.
bool convertUnitSystem(BeamModel& model, UnitConversion direction);

}  // namespace spanrix
