#include "engine/result_quantities.h"

#include <cmath>

#include "model/number_format.h"

namespace spanrix {

namespace {

double dividedByUnit(double v, const ShownUnit& unit, const ResultBasis&, double)
{
    return v / unit.divisor;
}

}  // namespace

const std::array<ResultQuantity, kQuantityCount> kResultQuantities = {{
    {Quantity::Moment, "moment", "Bending Moment", "lb-in", "N-m", &ResultSet::momentAt,
     &PeakValues::moment, &SectionValues::moment, false,
     [](double size, const ResultBasis& b) { return momentUnit(size, b.metricUnits); },
     dividedByUnit},
    {Quantity::Stress, "stress", "Bending Stress", "psi", "Pa", &ResultSet::stressAt,
     &PeakValues::stress, &SectionValues::stress, false,
     [](double size, const ResultBasis& b) { return stressUnit(size, b.metricUnits); },
     dividedByUnit},
    {Quantity::Slope, "slope", "Slope", "rad", "rad", &ResultSet::slopeAt, &PeakValues::slope,
     &SectionValues::slope, true,
     [](double, const ResultBasis&) { return ShownUnit{1, kSlopeSuffix}; },
     [](double v, const ShownUnit&, const ResultBasis& b, double pi) { return shownSlope(v, b, pi); }},
    {Quantity::Deflection, "deflection", "Deflection", "in", "m", &ResultSet::deflectionAt,
     &PeakValues::deflection, &SectionValues::deflection, true,
     [](double, const ResultBasis& b) { return ShownUnit{1, deflectionSuffix(b)}; },
     [](double v, const ShownUnit&, const ResultBasis& b, double) { return shownDeflection(v, b); }},
    {Quantity::Shear, "shear", "Shear Force", "lb", "N", &ResultSet::shearAt, &PeakValues::shear,
     &SectionValues::shear, false,
     [](double size, const ResultBasis& b) { return shearUnit(size, b.metricUnits); },
     dividedByUnit},
}};

const ResultQuantity& resultQuantity(Quantity q) { return kResultQuantities[static_cast<std::size_t>(q)]; }

std::string shownText(const ResultQuantity& q, double v, double size, const ResultBasis& basis,
                      double pi, int sigFigs)
{
    const ShownUnit unit = q.unit(size, basis);
    return displayText(q.shown(v, unit, basis, pi), sigFigs) + unit.suffix;
}

double internalValue(const ResultQuantity& q, double v, double flexuralRigidity)
{
    return q.heldTimesEI ? v / flexuralRigidity : v;
}

std::string_view internalUnit(const ResultQuantity& q, bool metric)
{
    return metric ? q.metricUnit : q.englishUnit;
}

SectionValues sampledValues(const ResultSet& results, std::size_t slot)
{
    SectionValues v;
    for (const ResultQuantity& q : kResultQuantities) v.*q.section = (results.*q.samples)[slot];
    return v;
}

}  // namespace spanrix
