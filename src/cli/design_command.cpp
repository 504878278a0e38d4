#include "cli/design_command.h"

#include <iostream>
#include <optional>

#include "cli/combinations_json.h"
#include "cli/exit_status.h"
#include "cli/help.h"
#include "cli/options.h"
#include "cli/output.h"
#include "design/beam_check.h"
#include "design/self_weight.h"
#include "files/design_file.h"
#include "model/number_format.h"

namespace spanrix::cli {

namespace {

using namespace spanrix::design;

// The check's own options and the load-case options the commands share (but a method of
// combinations, which the check's --method chooses).
std::vector<OptionRule> designOptions()
{
    std::vector<OptionRule> rules = withCombinationOptions({
        {"--fy", OptionKind::Value},
        {"--method", OptionKind::Value},
        {"--bracing", OptionKind::Value},
        {"--cb", OptionKind::Value},
        {"--live-limit", OptionKind::Value},
        {"--total-limit", OptionKind::Value},
        {"--all", OptionKind::Flag},
    });
    std::erase_if(rules, [](const OptionRule& r) { return r.name == "--combinations"; });
    return rules;
}

std::optional<std::string> readNumber(const ParsedOptions& options, std::string_view name, double& target)
{
    const auto text = options.value(name);
    if (!text) return std::nullopt;
    const auto value = parseNumber(*text);
    if (!value || !(*value > 0)) return std::string(name) + " must be a positive number, not '" + *text + "'";
    target = *value;
    return std::nullopt;
}

// Sets what the options give over the settings a file holds, or returns the usage error.
std::optional<std::string> applySteelOptions(const ParsedOptions& options, SteelCheckSettings& s)
{
    if (options.value("--fy")) {
        double fy = 0;
        if (auto error = readNumber(options, "--fy", fy)) return error;
        s.yieldStress = fy;
    }
    if (const auto text = options.value("--method")) {
        const auto method = methodFromName(*text);
        if (!method) return "--method must be lrfd or asd, not '" + *text + "'";
        s.method = *method;
    }
    if (const auto text = options.value("--bracing")) {
        s.bracing = *text == "continuous" ? Bracing::Continuous : Bracing::AtPoints;
        s.bracePoints.clear();
        for (std::string_view rest = *text; s.bracing == Bracing::AtPoints;) {
            const std::size_t comma = rest.find(',');
            const auto x = parseNumber(rest.substr(0, comma));
            if (!x) return "--bracing must be continuous or positions X1,X2,..., not '" + *text + "'";
            s.bracePoints.push_back(*x);
            if (comma == std::string_view::npos) break;
            rest.remove_prefix(comma + 1);
        }
    }
    if (const auto text = options.value("--cb")) {
        const auto cb = cbModeFromName(*text);
        if (!cb) return "--cb must be diagram or 1, not '" + *text + "'";
        s.cb = *cb;
    }
    if (auto error = readNumber(options, "--live-limit", s.liveLimit)) return error;
    return readNumber(options, "--total-limit", s.totalLimit);
}

Json stretchJson(const BeamStretch& s) { return Json::array({s.from, s.to}); }

Json patternJson(const LoadPattern& pattern)
{
    Json out = Json::object();
    for (const auto& [c, parts] : pattern) out[std::string(loadCaseName(c))] = parts;
    return out;
}

Json lineJson(const DesignCheckLine& l)
{
    Json out;
    out["check"] = checkKindName(l.kind);
    const bool deflection = l.kind == DesignCheckKind::DeflectionLive || l.kind == DesignCheckKind::DeflectionTotal;
    if (!deflection) out["combination"] = l.combination;
    if (l.kind == DesignCheckKind::Flexure) {
        out["pattern"] = patternJson(l.pattern);
        out["segment"] = stretchJson(l.where);
    }
    if (deflection) out["span"] = stretchJson(l.where);
    out["x"] = l.x;
    out["demand"] = l.demand;
    out["capacity"] = l.capacity;
    out["ratio"] = l.ratio;
    if (l.flexure) {
        out["limitState"] = limitStateText(l.flexure->limitState);
        out["Lb"] = l.flexure->Lb;
        out["Lp"] = l.flexure->Lp;
        out["Lr"] = l.flexure->Lr;
        out["Cb"] = l.flexure->Cb;
    }
    return out;
}

Json resultJson(const SteelCheckResult& r, bool all)
{
    Json out;
    out["section"] = r.section;
    out["method"] = methodName(r.method);
    out["Fy"] = r.yieldStress;
    out["checks"] = Json::array();
    for (const DesignCheckLine& l : all ? r.lines : r.governing) out["checks"].push_back(lineJson(l));
    const DesignCheckLine* governing = r.verdictLine();
    out["governing"] = {{"check", governing ? checkKindName(governing->kind) : ""},
                        {"ratio", governing ? governing->ratio : 0.0}};
    out["pass"] = r.pass;
    return out;
}

}  // namespace

int runDesign(const std::vector<std::string>& words)
{
    const OptionsOutcome parsed = parseOptions(words, designOptions());
    if (parsed.usageError) return usageError(*parsed.usageError, kDesignSynopsis);
    const ParsedOptions& options = parsed.options;
    if (options.help) return printHelp();
    CombinationRequest loads;
    SteelCheckSettings checked;  // the options' own faults, found before any file is read
    std::optional<std::string> error = singleFileError(options);
    if (!error) error = applySteelOptions(options, checked);
    if (!error) error = readCombinationRequest(options, loads);
    if (error) return usageError(*error, kDesignSynopsis);

    BeamModel model;
    const OpenOutcome opened = openBeamFile(options.operands.front(), model);
    if (!opened.ok()) return refused(*opened.error, kExitFileAccess, opened.reason);
    SteelCheckSettings settings = model.design.steelCheck;
    applySteelOptions(options, settings);
    // The section checked: the one given, else the check's own, else the beam's.
    const std::string fileSection =
        settings.section.empty() ? model.design.sectionName : settings.section;
    if (const auto failure = applyCombinationRequest(loads, model)) {
        if (failure->usage) return usageError(failure->message, kDesignSynopsis);
        return refused(failure->message, failure->status);
    }
    const std::string section = loads.section ? model.design.sectionName : fileSection;
    if (section.empty())
        return refused("No section to check: give --section NAME, a W, S, C or MC shape such as \"W18 X 50\".");
    const SteelDesignRead& data = steelDesignData();
    if (!data.table) return refused(data.message, kExitFileAccess);
    const SteelShape* shape = data.table->find(section);
    if (shape == nullptr) return refused(unknownSectionMessage(section));

    // A weight given on the command line is the one used, a section named or not.
    const SelfWeight selfWeight = selfWeightOf(model, &*data.table);
    if (!loads.weight && selfWeight.refusal) return refused(*selfWeight.refusal);
    const SteelCheckRun run = checkSteelBeam(model, *shape, settings, loads.weight.value_or(selfWeight.perLength));
    if (!run.result) return refused(run.refusal);
    std::cout << resultJson(*run.result, options.has("--all")).dump() << "\n";
    return flushOutput() ? kExitSuccess : kExitFileAccess;
}

}  // namespace spanrix::cli
