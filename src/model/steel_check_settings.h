#pragma once

// What the steel design check is asked to do: the section, the steel, the design method,
// the bracing of the compression flange, Cb and the deflection limits. Kept with the beam's
// design settings; every value in the beam's internal units.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "design/method.h"

namespace spanrix {

// How the compression flange is braced: all along its length, or at the supports and at
// the positions listed.
enum class Bracing { Continuous, AtPoints };

// Cb from the moment diagram of each segment or 1.0 throughout.
enum class CbMode { Diagram, One };

// The modes as design files and the command line name them: "diagram" and "1".
inline constexpr std::string_view cbModeName(CbMode cb) { return cb == CbMode::Diagram ? "diagram" : "1"; }
inline std::optional<CbMode> cbModeFromName(std::string_view name)
{
    if (name == cbModeName(CbMode::Diagram)) return CbMode::Diagram;
    if (name == cbModeName(CbMode::One)) return CbMode::One;
    return std::nullopt;
}

struct SteelCheckSettings {
    // The shape checked, a name of the steel design table; empty: the section the beam
    // properties came from.
    std::string section;
    // Yield stress in psi or Pa; unset: the default grade of the section's type.
    std::optional<double> yieldStress;
    design::Method method = design::Method::Strength;
    Bracing bracing = Bracing::AtPoints;
    std::vector<double> bracePoints;  // besides the supports; beam positions, internal units
    CbMode cb = CbMode::Diagram;
    double liveLimit = 360;   // span / liveLimit under the live loads
    double totalLimit = 240;  // span / totalLimit under D + L + Lr + S

    bool operator==(const SteelCheckSettings&) const = default;
};

// The steels offered by name, with Fy in each unit system (metric: the grade's own MPa).
struct SteelGrade {
    std::string_view name;
    double ksi;
    double mpa;
};
inline constexpr std::array<SteelGrade, 3> kSteelGrades{{
    {"A992", 50, 345},
    {"A36", 36, 250},
    {"A572 Gr. 50", 50, 345},
}};

// A typed Fy must lie within these (psi, or Pa in metric units).
inline constexpr double kMinYieldKsi = 30;
inline constexpr double kMaxYieldKsi = 70;
inline constexpr double kMinYieldMpa = 207;
inline constexpr double kMaxYieldMpa = 483;

}  // namespace spanrix
