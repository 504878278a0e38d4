#pragma once

// The strength of a rolled W, S, C or MC beam to AISC 360-16: flexure about the strong axis
// (yielding, lateral-torsional buckling, flange local buckling; Chapter F), shear in the web
// (G2.1) and the moment gradient factor Cb (F1-1). Pure functions in one consistent set of
// units: inches, pounds and psi, or metres, newtons and pascals.

#include <optional>
#include <string>
#include <string_view>

#include "files/steel_design_table.h"
#include "model/steel_check_settings.h"

namespace spanrix::design {

// The shape's design properties in the beam's unit system (metres exactly 0.0254 an inch).
struct DesignSection {
    std::string name;
    SteelShapeType type = SteelShapeType::W;
    double d = 0, tw = 0, Zx = 0, Sx = 0, Ix = 0, Iy = 0, ry = 0, J = 0, Cw = 0, rts = 0, ho = 0;
    double flangeSlenderness = 0;  // bf/2tf, or b/t of a channel
    double htw = 0;                // web slenderness h/tw
    double weightPerLength = 0;    // lb/in or N/m
};
DesignSection designSection(const SteelShape& shape, bool metricUnits);

// E = 29,000 ksi, in psi or Pa.
double steelModulus(bool metricUnits);

// The grade a shape's type is checked in unless another is chosen: A992 for W, A36 for S,
// C and MC; and its Fy in psi or Pa.
const SteelGrade& defaultGrade(SteelShapeType type);
double gradeYieldStress(const SteelGrade& grade, bool metricUnits);
// The refusal of a typed Fy (psi or Pa) outside the range the check allows.
std::optional<std::string> yieldStressRefusal(double fy, bool metricUnits);

enum class FlexureLimitState { Yielding, LateralTorsionalBuckling, FlangeLocalBuckling };
std::string_view limitStateText(FlexureLimitState state);  // "lateral-torsional buckling"

struct FlexureStrength {
    double Mp = 0;  // plastic moment Fy Zx
    double Lp = 0;  // limiting laterally unbraced length for yielding (F2-5)
    double Lr = 0;  // limiting unbraced length for inelastic buckling (F2-6)
    double Lb = 0;
    double Cb = 1;
    double Mn = 0;         // nominal flexural strength
    double available = 0;  // phi_b Mn (LRFD) or Mn / Omega_b (ASD)
    FlexureLimitState limitState = FlexureLimitState::Yielding;
};

// Why the section cannot be checked by these provisions at this Fy, in words a user reads:
// a channel whose flange is not compact, or a web that is not compact. nullopt when it can.
std::optional<std::string> flexureRefusal(const DesignSection& section, double fy, double e);

// The available flexural strength for an unbraced length Lb and a factor Cb.
FlexureStrength flexuralStrength(const DesignSection& section, double fy, double e, double lb,
                                 double cb, Method method);

// Cb = 12.5 Mmax / (2.5 Mmax + 3 MA + 4 MB + 3 MC) from the absolute moments: the largest in
// the segment and those at its quarter, middle and three-quarter points (F1-1). 1.0 when the
// segment carries no moment.
double momentGradientFactor(double mMax, double mA, double mB, double mC);

struct ShearStrength {
    double Vn = 0;   // 0.6 Fy Aw Cv1
    double Cv1 = 1;  // web shear strength coefficient
    double available = 0;
};
ShearStrength shearStrength(const DesignSection& section, double fy, double e, Method method);

}  // namespace spanrix::design
