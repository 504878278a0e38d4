#include "design/self_weight.h"

#include "model/units.h"

namespace spanrix::design {

double shapeWeightPerLength(const SteelShape& shape, bool metric)
{
    const double poundsPerInch = shape.weight / kFeetToInches;
    return metric ? poundsPerInch * kPoundToNewton / kInchToMetre : poundsPerInch;
}

std::string unknownSectionMessage(const std::string& name)
{
    return "Unknown section \"" + name + "\": it is not in the steel design data.";
}

SelfWeight selfWeightOf(const BeamModel& model, const SteelDesignTable* table)
{
    const DesignSettings& d = model.design;
    if (!d.includeSelfWeight) return {};
    if (d.sectionName.empty()) return {d.weightPerLength, std::nullopt};
    const SteelShape* shape = table ? table->find(d.sectionName) : nullptr;
    if (!shape) return {0, unknownSectionMessage(d.sectionName)};
    return {shapeWeightPerLength(*shape, model.metricUnits), std::nullopt};
}

}  // namespace spanrix::design
