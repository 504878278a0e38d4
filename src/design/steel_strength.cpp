#include "design/steel_strength.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/number_format.h"
#include "model/units.h"

namespace spanrix::design {

namespace {

constexpr double kModulusPsi = 29.0e6;
constexpr double kPsiPerKsi = 1000;
constexpr double kPaPerMpa = 1.0e6;
constexpr double kInchesPerFoot = 12;
// psi to Pa with the factors of the whole-model conversion, so that a converted beam is
// checked against the same E and Fy.
constexpr double kPsiToPascal = kPoundToNewton / (kInchToMetre * kInchToMetre);

constexpr double kPhiFlexure = 0.90;
constexpr double kOmegaFlexure = 1.67;

double available(double nominal, Method method, double phi, double omega)
{
    return method == Method::Strength ? phi * nominal : nominal / omega;
}

// c of F2-8a (doubly symmetric I-shapes) and F2-8b (channels).
double torsionFactor(const DesignSection& s)
{
    return isChannel(s.type) ? s.ho / 2 * std::sqrt(s.Iy / s.Cw) : 1.0;
}

}  // namespace

DesignSection designSection(const SteelShape& shape, bool metricUnits)
{
    const double in = metricUnits ? kInchToMetre : 1.0;
    const double in2 = in * in;
    const double in3 = in2 * in;
    const double in4 = in2 * in2;
    // lb/ft to lb/in, or to N/m.
    const double weight = metricUnits ? kPoundToNewton / (kInchesPerFoot * kInchToMetre) : 1 / kInchesPerFoot;
    return DesignSection{shape.name,         shape.type,       shape.d * in,      shape.tw * in,
                         shape.Zx * in3,     shape.Sx * in3,   shape.Ix * in4,    shape.Iy * in4,
                         shape.ry * in,      shape.J * in4,    shape.Cw * in4 * in2,
                         shape.rts * in,     shape.ho * in,    shape.flangeSlenderness,
                         shape.htw,          shape.weight * weight};
}

double steelModulus(bool metricUnits) { return metricUnits ? kModulusPsi * kPsiToPascal : kModulusPsi; }

const SteelGrade& defaultGrade(SteelShapeType type)
{
    return type == SteelShapeType::W ? kSteelGrades[0] : kSteelGrades[1];
}

double gradeYieldStress(const SteelGrade& grade, bool metricUnits)
{
    return metricUnits ? grade.mpa * kPaPerMpa : grade.ksi * kPsiPerKsi;
}

std::optional<std::string> yieldStressRefusal(double fy, bool metricUnits)
{
    const double scale = metricUnits ? kPaPerMpa : kPsiPerKsi;
    const double low = metricUnits ? kMinYieldMpa : kMinYieldKsi;
    const double high = metricUnits ? kMaxYieldMpa : kMaxYieldKsi;
    if (std::isfinite(fy) && fy >= low * scale && fy <= high * scale) return std::nullopt;
    const std::string unit = metricUnits ? " MPa" : " ksi";
    return "The yield stress Fy must be from " + numberText(low) + " to " + numberText(high) + unit + ".";
}

std::string_view limitStateText(FlexureLimitState state)
{
    switch (state) {
    case FlexureLimitState::Yielding: return "yielding";
    case FlexureLimitState::LateralTorsionalBuckling: return "lateral-torsional buckling";
    case FlexureLimitState::FlangeLocalBuckling: return "flange local buckling";
    }
    return "";
}

std::optional<std::string> flexureRefusal(const DesignSection& s, double fy, double e)
{
    const double root = std::sqrt(e / fy);
    // Only channels with compact flanges are covered by the lateral-torsional buckling
    // provisions for channels; no current channel misses that at Fy up to 50 ksi.
    if (isChannel(s.type) && s.flangeSlenderness > 0.38 * root)
        return "The flange of " + s.name +
               " is not compact at this yield stress, and a channel with a non-compact flange "
               "cannot be checked here. Choose a lower Fy or another section.";
    if (s.htw > 3.76 * root)
        return "The web of " + s.name +
               " is not compact at this yield stress and cannot be checked here. Choose a lower "
               "Fy or another section.";
    return std::nullopt;
}

FlexureStrength flexuralStrength(const DesignSection& s, double fy, double e, double lb, double cb,
                                 Method method)
{
    FlexureStrength f;
    f.Lb = lb;
    f.Cb = cb;
    f.Mp = fy * s.Zx;
    const double root = std::sqrt(e / fy);
    f.Lp = 1.76 * s.ry * root;
    const double jc = s.J * torsionFactor(s) / (s.Sx * s.ho);
    const double stressRatio = 0.7 * fy / e;
    f.Lr = 1.95 * s.rts / stressRatio *
           std::sqrt(jc + std::sqrt(jc * jc + 6.76 * stressRatio * stressRatio));

    f.Mn = f.Mp;
    f.limitState = FlexureLimitState::Yielding;
    if (lb > f.Lp) {
        double ltb = 0;
        if (lb <= f.Lr) {
            ltb = cb * (f.Mp - (f.Mp - 0.7 * fy * s.Sx) * (lb - f.Lp) / (f.Lr - f.Lp));
        } else {
            const double slenderness = (lb / s.rts) * (lb / s.rts);
            const double fcr = cb * std::numbers::pi * std::numbers::pi * e / slenderness *
                               std::sqrt(1 + 0.078 * jc * slenderness);
            ltb = fcr * s.Sx;
        }
        if (ltb < f.Mn) {
            f.Mn = ltb;
            f.limitState = FlexureLimitState::LateralTorsionalBuckling;
        }
    }
    // Flange local buckling of W and S shapes whose flanges are not compact (F3).
    const double lambda = s.flangeSlenderness;
    const double lambdaP = 0.38 * root;
    const double lambdaR = 1.0 * root;
    if (!isChannel(s.type) && lambda > lambdaP) {
        double flb = 0;
        if (lambda <= lambdaR) {
            flb = f.Mp - (f.Mp - 0.7 * fy * s.Sx) * (lambda - lambdaP) / (lambdaR - lambdaP);
        } else {
            const double kc = std::clamp(4 / std::sqrt(s.htw), 0.35, 0.76);
            flb = 0.9 * e * kc * s.Sx / (lambda * lambda);
        }
        if (flb < f.Mn) {
            f.Mn = flb;
            f.limitState = FlexureLimitState::FlangeLocalBuckling;
        }
    }
    f.available = available(f.Mn, method, kPhiFlexure, kOmegaFlexure);
    return f;
}

double momentGradientFactor(double mMax, double mA, double mB, double mC)
{
    const double denominator = 2.5 * mMax + 3 * mA + 4 * mB + 3 * mC;
    return denominator > 0 ? 12.5 * mMax / denominator : 1.0;
}

ShearStrength shearStrength(const DesignSection& s, double fy, double e, Method method)
{
    ShearStrength v;
    const double aw = s.d * s.tw;
    // Rolled I-shapes with stocky webs: no buckling, and the higher resistance factor.
    if (!isChannel(s.type) && s.htw <= 2.24 * std::sqrt(e / fy)) {
        v.Vn = 0.6 * fy * aw;
        v.available = available(v.Vn, method, 1.00, 1.50);
        return v;
    }
    constexpr double kv = 5.34;
    const double limit = 1.10 * std::sqrt(kv * e / fy);
    v.Cv1 = s.htw <= limit ? 1.0 : limit / s.htw;
    v.Vn = 0.6 * fy * aw * v.Cv1;
    v.available = available(v.Vn, method, 0.90, 1.67);
    return v;
}

}  // namespace spanrix::design
