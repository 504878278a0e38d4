#include "design/steel_check_text.h"

#include "model/number_format.h"

namespace spanrix::design {

namespace {

// Display units of the check: the internal value times the factor, then the suffix.
struct DisplayUnit {
    double factor;
    std::string_view suffix;
};

DisplayUnit momentUnit(bool metric) { return metric ? DisplayUnit{1e-3, " kN-m"} : DisplayUnit{1.0 / 12000, " kip-ft"}; }
DisplayUnit forceUnit(bool metric) { return metric ? DisplayUnit{1e-3, " kN"} : DisplayUnit{1e-3, " kips"}; }
DisplayUnit deflectionUnit(bool metric) { return metric ? DisplayUnit{1e3, " mm"} : DisplayUnit{1, " in."}; }
DisplayUnit stressUnit(bool metric) { return metric ? DisplayUnit{1e-6, " MPa"} : DisplayUnit{1e-3, " ksi"}; }
DisplayUnit positionUnit(const BeamModel& m)
{
    if (m.metricUnits) return {1, " m"};
    return m.useInches ? DisplayUnit{1, " in."} : DisplayUnit{1.0 / 12, " ft"};
}

std::string shown(double value, DisplayUnit unit, int sigFigs)
{
    std::string text = displayText(value * unit.factor, sigFigs);
    text += unit.suffix;
    return text;
}

std::string checkTitle(DesignCheckKind kind)
{
    switch (kind) {
    case DesignCheckKind::Flexure: return "Flexure";
    case DesignCheckKind::Shear: return "Shear";
    case DesignCheckKind::DeflectionLive: return "Live load deflection";
    case DesignCheckKind::DeflectionTotal: return "Total load deflection";
    }
    return "";
}

std::string lowerFirst(std::string text)
{
    if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z') text[0] = static_cast<char>(text[0] - 'A' + 'a');
    return text;
}

std::string bracingText(const SteelCheckSettings& settings, const BeamModel& model, int sigFigs)
{
    if (settings.bracing == Bracing::Continuous) return "continuous";
    if (settings.bracePoints.empty()) return "at the supports";
    std::string text = "at the supports and at x = ";
    for (std::size_t i = 0; i < settings.bracePoints.size(); ++i) {
        if (i > 0) text += ", ";
        text += shown(settings.bracePoints[i], positionUnit(model), sigFigs);
    }
    return text;
}

}  // namespace

std::string whereText(const DesignCheckLine& line, const BeamModel& model, int sigFigs)
{
    const DisplayUnit unit = positionUnit(model);
    if (line.kind == DesignCheckKind::Shear) return "x = " + shown(line.x, unit, sigFigs);
    std::string text = line.kind == DesignCheckKind::Flexure ? "segment " : "span ";
    text += shown(line.where.from, unit, sigFigs);
    text += " to ";
    text += shown(line.where.to, unit, sigFigs);
    return text;
}

CheckValueTexts checkValueTexts(const DesignCheckLine& line, Method method, const BeamModel& model,
                                int sigFigs)
{
    const bool metric = model.metricUnits;
    const bool lrfd = method == Method::Strength;
    CheckValueTexts t;
    t.check = checkTitle(line.kind);
    t.ratio = displayText(line.ratio, sigFigs);
    t.verdict = line.passes() ? "OK" : "FAILS";
    switch (line.kind) {
    case DesignCheckKind::Flexure:
        t.demand = (lrfd ? "Mu = " : "Ma = ") + shown(line.demand, momentUnit(metric), sigFigs);
        t.capacity = (lrfd ? "phiMn = " : "Mn/Omega = ") + shown(line.capacity, momentUnit(metric), sigFigs);
        break;
    case DesignCheckKind::Shear:
        t.demand = (lrfd ? "Vu = " : "Va = ") + shown(line.demand, forceUnit(metric), sigFigs);
        t.capacity = (lrfd ? "phiVn = " : "Vn/Omega = ") + shown(line.capacity, forceUnit(metric), sigFigs);
        break;
    case DesignCheckKind::DeflectionLive:
    case DesignCheckKind::DeflectionTotal:
        t.demand = "deflection = " + shown(line.demand, deflectionUnit(metric), sigFigs);
        t.capacity = "allowed = " + shown(line.capacity, deflectionUnit(metric), sigFigs);
        break;
    }
    if (line.flexure) {
        const FlexureStrength& f = *line.flexure;
        const DisplayUnit at = positionUnit(model);
        t.detail = std::string(limitStateText(f.limitState)) + ", Lb = " + shown(f.Lb, at, sigFigs) +
                   ", Lp = " + shown(f.Lp, at, sigFigs) + ", Lr = " + shown(f.Lr, at, sigFigs) +
                   ", Cb = " + displayText(f.Cb, sigFigs);
    }
    return t;
}

std::string verdictText(const SteelCheckResult& result, const BeamModel& model, int sigFigs)
{
    const DesignCheckLine* line = result.verdictLine();
    if (line == nullptr) return {};
    return result.section + (result.pass ? " passes: " : " fails: ") + lowerFirst(checkTitle(line->kind)) +
           " governs at " + displayText(line->ratio, sigFigs) + " (" + line->combination + ", " +
           whereText(*line, model, sigFigs) + ")";
}

std::vector<std::string> steelCheckReportLines(const BeamModel& model, const SteelCheckSettings& settings,
                                               const SteelCheckRun& run, int sigFigs)
{
    const std::string indent(8, ' ');
    std::vector<std::string> lines{"", "", "    STEEL DESIGN CHECK", "    " + std::string(36, '-'), ""};
    lines.push_back(indent + "Section: " + (run.section.empty() ? std::string("none chosen") : run.section));
    if (run.yieldStress > 0)
        lines.push_back(indent + "Steel: Fy = " + shown(run.yieldStress, stressUnit(model.metricUnits), sigFigs) +
                        ", E = " + shown(steelModulus(model.metricUnits), stressUnit(model.metricUnits), sigFigs));
    lines.push_back(indent + "Method: " +
                    (settings.method == Method::Strength ? "strength design (LRFD)" : "allowable stress design (ASD)"));
    lines.push_back(indent + "Bracing of the compression flange: " + bracingText(settings, model, sigFigs));
    lines.push_back(indent + "Cb: " + (settings.cb == CbMode::Diagram ? "from the moment diagram" : "1.0"));
    lines.push_back(indent + "Deflection limits: live load span/" + numberText(settings.liveLimit) +
                    ", total load span/" + numberText(settings.totalLimit));
    lines.emplace_back();
    if (!run.result) {
        lines.push_back(indent + run.refusal);
        return lines;
    }
    for (const DesignCheckLine& line : run.result->governing) {
        const CheckValueTexts t = checkValueTexts(line, settings.method, model, sigFigs);
        std::string text = indent + t.check + ": " + line.combination + ", " + whereText(line, model, sigFigs);
        if (line.kind != DesignCheckKind::Shear)
            text += ", x = " + shown(line.x, positionUnit(model), sigFigs);
        text += ", " + t.demand + ", " + t.capacity + ", ratio " + t.ratio + ", " + t.verdict;
        lines.push_back(text);
        if (!t.detail.empty()) lines.push_back(indent + "    " + t.detail);
    }
    lines.emplace_back();
    lines.push_back(indent + verdictText(*run.result, model, sigFigs));
    return lines;
}

}  // namespace spanrix::design
