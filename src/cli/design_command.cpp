#include "cli/design_command.h"

#include <filesystem>
#include <iostream>
#include <optional>
#include <system_error>

#include <nlohmann/json.hpp>

#include "cli/exit_status.h"
#include "cli/help.h"
#include "cli/options.h"
#include "cli/output.h"
#include "design/beam_check.h"
#include "files/load_file.h"
#include "files/steel_design_table.h"
#include "model/number_format.h"

namespace spanrix::cli {

namespace {

using Json = nlohmann::ordered_json;
using namespace spanrix::design;

const std::vector<OptionSpec> kOptions = {
    {"--section", OptionKind::Value},     {"--fy", OptionKind::Value},
    {"--method", OptionKind::Value},      {"--bracing", OptionKind::Value},
    {"--cb", OptionKind::Value},          {"--live-limit", OptionKind::Value},
    {"--total-limit", OptionKind::Value}, {"--case", OptionKind::RepeatedValue},
    {"--self-weight", OptionKind::Flag},  {"--weight", OptionKind::Value},
    {"--all", OptionKind::Flag},
};

struct CaseChoice {
    int feature = 0;
    LoadCase loadCase = LoadCase::D;
};

struct DesignRequest {
    std::string file;
    std::optional<std::string> section;
    SteelCheckSettings settings;
    std::vector<CaseChoice> cases;
    bool selfWeight = false;
    std::optional<double> weight;
    bool all = false;
};

std::optional<std::string> readNumber(const ParsedOptions& options, std::string_view name, double& target,
                                      bool positive)
{
    const auto text = options.value(name);
    if (!text) return std::nullopt;
    const auto value = parseNumber(*text);
    if (!value || (positive && !(*value > 0)))
        return std::string(name) + " must be " + (positive ? "a positive number" : "a number") + ", not '" +
               *text + "'";
    target = *value;
    return std::nullopt;
}

// Fills the request, or returns the usage error.
std::optional<std::string> readRequest(const ParsedOptions& options, DesignRequest& request)
{
    if (options.operands.empty()) return "no FILE given";
    if (options.operands.size() > 1) return "more than one FILE given";
    request.file = options.operands.front();
    request.section = options.value("--section");
    SteelCheckSettings& s = request.settings;
    if (options.value("--fy")) {
        double fy = 0;
        if (auto error = readNumber(options, "--fy", fy, true)) return error;
        s.yieldStress = fy;
    }
    if (const auto text = options.value("--method")) {
        const auto method = methodFromName(*text);
        if (!method) return "--method must be lrfd or asd, not '" + *text + "'";
        s.method = *method;
    }
    if (const auto text = options.value("--bracing")) {
        if (*text == "continuous") {
            s.bracing = Bracing::Continuous;
        } else {
            std::string_view rest = *text;
            while (true) {
                const std::size_t comma = rest.find(',');
                const auto x = parseNumber(rest.substr(0, comma));
                if (!x) return "--bracing must be continuous or positions X1,X2,..., not '" + *text + "'";
                s.bracePoints.push_back(*x);
                if (comma == std::string_view::npos) break;
                rest.remove_prefix(comma + 1);
            }
        }
    }
    if (const auto text = options.value("--cb")) {
        if (*text != "diagram" && *text != "1") return "--cb must be diagram or 1, not '" + *text + "'";
        s.cb = *text == "1" ? CbMode::One : CbMode::Diagram;
    }
    if (auto error = readNumber(options, "--live-limit", s.liveLimit, true)) return error;
    if (auto error = readNumber(options, "--total-limit", s.totalLimit, true)) return error;
    for (const std::string& text : options.values("--case")) {
        const std::size_t equals = text.find('=');
        const auto feature = parseNumber(std::string_view(text).substr(0, equals));
        const auto loadCase = equals == std::string::npos ? std::nullopt : loadCaseFromName(text.substr(equals + 1));
        if (!feature || *feature != roundHalfEven(*feature) || !loadCase)
            return "--case must be N=C, a feature number and one of D, L, Lr, S, W, not '" + text + "'";
        request.cases.push_back({static_cast<int>(std::min(*feature, 1e6)), *loadCase});
    }
    request.selfWeight = options.has("--self-weight");
    if (options.value("--weight")) {
        if (request.selfWeight) return "--self-weight and --weight cannot be given together";
        double w = 0;
        if (auto error = readNumber(options, "--weight", w, false)) return error;
        request.weight = w;
    }
    request.all = options.has("--all");
    return std::nullopt;
}

// Puts each chosen load in its case, or returns the usage error for a number that is not a
// load of the beam.
std::optional<std::string> applyCases(BeamModel& model, const std::vector<CaseChoice>& cases)
{
    for (const CaseChoice& c : cases) {
        const bool row = c.feature >= 1 && c.feature <= model.numFeatures;
        const FeatureKind kind = row ? featureKind(model, c.feature) : FeatureKind::None;
        const int k = row ? featureIndex(model, c.feature) : 0;
        if (kind == FeatureKind::None || kind == FeatureKind::Support || !isLive(model, kind, k))
            return "--case " + std::to_string(c.feature) + ": feature " + std::to_string(c.feature) +
                   " is not a load of the beam";
        setLoadCase(model, kind, k, c.loadCase);
    }
    return std::nullopt;
}

std::string programDirectory()
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(".") : exe.parent_path().string();
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

int refused(const std::string& message, int status = kExitRefused)
{
    std::cerr << message << "\n";
    return status;
}

}  // namespace

int runDesign(const std::vector<std::string>& words)
{
    const OptionsOutcome parsed = parseOptions(words, kOptions);
    if (parsed.usageError) return usageError(*parsed.usageError, kDesignSynopsis);
    if (parsed.options.help) return printHelp();
    DesignRequest request;
    if (const auto error = readRequest(parsed.options, request)) return usageError(*error, kDesignSynopsis);

    BeamModel model;
    const OpenOutcome opened = openLoadFile(request.file, model);
    if (!opened.ok()) return refused(*opened.error, kExitFileAccess);
    if (const auto error = applyCases(model, request.cases)) return usageError(*error, kDesignSynopsis);

    const std::string section = request.section.value_or(model.design.sectionName);
    if (section.empty())
        return refused("No section to check: give --section NAME, a W, S, C or MC shape such as \"W18 X 50\".");
    const SteelDesignRead table = loadSteelDesignTable(steelDesignTableLocations(programDirectory()));
    if (!table.table) return refused(table.message, kExitFileAccess);
    const SteelShape* shape = table.table->find(section);
    if (shape == nullptr) return refused("The section \"" + section + "\" is not in the steel design data.");

    const bool selfWeight = request.selfWeight || model.design.includeSelfWeight;
    const double weight = request.weight.value_or(
        selfWeight ? designSection(*shape, model.metricUnits).weightPerLength : 0.0);
    const SteelCheckRun run = checkSteelBeam(model, *shape, request.settings, weight);
    if (!run.result) return refused(run.refusal);
    std::cout << resultJson(*run.result, request.all).dump() << "\n";
    return flushOutput() ? kExitSuccess : kExitFileAccess;
}

}  // namespace spanrix::cli
