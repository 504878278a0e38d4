#include "cli/combinations_json.h"

#include <filesystem>

#include "cli/exit_status.h"
#include "design/self_weight.h"
#include "engine/result_quantities.h"
#include "files/steel_design_table.h"
#include "model/number_format.h"

namespace spanrix::cli {

namespace {

using namespace design;

Json factorsJson(const Combination& c)
{
    Json out = Json::object();
    for (LoadCase lc : kLoadCases)
        if (c.factor(lc) != 0.0) out[std::string(loadCaseName(lc))] = c.factor(lc);
    return out;
}

Json patternJson(const Pattern& pattern, const Combination& c, size_t partCount)
{
    Json out = Json::object();
    for (LoadCase lc : kLoadCases) {
        if (!isPatterned(lc) || c.factor(lc) == 0.0) continue;
        Json parts = Json::array();
        for (int part = 1; part <= static_cast<int>(partCount); ++part)
            if (partLoaded(pattern, lc, part)) parts.push_back(part);
        out[std::string(loadCaseName(lc))] = parts;
    }
    return out;
}

// Each quantity's max and min; deflection divided by E*I. withCombination names the
// combination each came from.
Json boundsJson(const QuantityBounds& bounds, const CombinationsRun& run, bool withCombination)
{
    const CaseSolutions& s = *run.solutions;
    Json out;
    for (Quantity q : kEnvelopedQuantities) {
        const ResultQuantity& quantity = resultQuantity(q);
        Json& entry = out[std::string(quantity.key)];
        for (const auto& [key, e] : {std::pair{"max", bounds[q].max}, std::pair{"min", bounds[q].min}}) {
            const Combination& c = run.combinations[static_cast<size_t>(e.combination)];
            Json j;
            j["value"] = internalValue(quantity, e.value, s.flexuralRigidity);
            j["x"] = e.x;
            if (withCombination) j["combination"] = c.name;
            j["pattern"] = patternJson(e.pattern, c, s.parts.size());
            entry[key] = j;
        }
    }
    return out;
}

}  // namespace

const SteelDesignRead& steelDesignData()
{
    static const SteelDesignRead read = [] {
        std::error_code error;
        const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
        return loadSteelDesignTable(steelDesignTableLocations(error ? "" : self.parent_path().string()));
    }();
    return read;
}

std::vector<OptionRule> withCombinationOptions(std::vector<OptionRule> rules)
{
    rules.insert(rules.end(), {{"--combinations", OptionKind::Value},
                               {"--case", OptionKind::RepeatedValue},
                               {"--section", OptionKind::Value},
                               {"--self-weight", OptionKind::Flag},
                               {"--weight", OptionKind::Value}});
    return rules;
}

std::optional<std::string> readCombinationRequest(const ParsedOptions& options,
                                                  CombinationRequest& request)
{
    if (const auto text = options.value("--combinations")) {
        request.method = methodFromName(*text);
        if (!request.method) return "--combinations must be lrfd or asd, not '" + *text + "'";
    }
    for (const std::string& text : options.values("--case")) {
        const size_t equals = text.find('=');
        const auto row = equals == std::string::npos ? std::nullopt : parseNumber(text.substr(0, equals));
        const auto loadCase =
            equals == std::string::npos ? std::nullopt : loadCaseFromName(text.substr(equals + 1));
        if (!row || *row != roundHalfEven(*row) || *row < 1 || *row > kMaxFeatures || !loadCase)
            return "--case must be N=C, N a feature number and C one of D, L, Lr, S, W, not '" +
                   text + "'";
        request.cases.emplace_back(static_cast<int>(*row), *loadCase);
    }
    request.section = options.value("--section");
    request.selfWeight = options.has("--self-weight");
    if (const auto text = options.value("--weight")) {
        request.weight = parseNumber(*text);
        if (!request.weight) return "--weight must be a number, not '" + *text + "'";
        if (request.selfWeight) return "--weight and --self-weight are alternatives";
    }
    return std::nullopt;
}

std::optional<RequestFailure> applyCombinationRequest(const CombinationRequest& request,
                                                      BeamModel& model)
{
    for (const auto& [row, loadCase] : request.cases) {
        const FeatureKind kind = row <= model.numFeatures ? featureKind(model, row) : FeatureKind::None;
        const int k = featureIndex(model, row);
        const bool load = kind == FeatureKind::PointLoad || kind == FeatureKind::DistLoad ||
                          kind == FeatureKind::Moment;
        if (!load || !isLive(model, kind, k))
            return RequestFailure{kExitUsage, "--case " + std::to_string(row) + ": feature " +
                                                  std::to_string(row) + " is not a load",
                                  true};
        setLoadCase(model, kind, k, loadCase);
    }
    if (request.section) {
        const SteelDesignRead& data = steelDesignData();
        if (!data.table) return RequestFailure{kExitRefused, data.message};
        const SteelShape* shape = data.table->find(*request.section);
        if (!shape) return RequestFailure{kExitRefused, unknownSectionMessage(*request.section)};
        model.design.sectionName = shape->name;
    }
    if (request.selfWeight) model.design.includeSelfWeight = true;
    if (request.weight) {
        // A typed weight stands for a section's: it serves only where no section is named.
        model.design.includeSelfWeight = true;
        model.design.weightPerLength = *request.weight;
        if (!request.section) model.design.sectionName.clear();
    }
    return std::nullopt;
}

CombinationsOutcome runRequestedCombinations(const CombinationRequest& request,
                                             const BeamModel& model)
{
    CombinationsOutcome outcome;
    const SteelDesignRead* data = nullptr;
    if (model.design.includeSelfWeight && !model.design.sectionName.empty()) {
        data = &steelDesignData();
        if (!data->table) {
            outcome.failure = RequestFailure{kExitRefused, data->message};
            return outcome;
        }
    }
    const SelfWeight weight = selfWeightOf(model, data ? &*data->table : nullptr);
    if (weight.refusal) {
        outcome.failure = RequestFailure{kExitRefused, *weight.refusal};
        return outcome;
    }
    outcome.run = runCombinations(model, request.method.value_or(Method::Strength), weight.perLength);
    if (!outcome.run) outcome.failure = RequestFailure{kExitRefused, outcome.run.refusal};
    return outcome;
}

Json combinationsJson(const BeamModel& model, const CombinationsRun& run)
{
    const double ei = run.solutions->flexuralRigidity;
    Json out;
    Json& list = out["combinations"] = Json::array();
    for (const CombinationResult& r : run.result.combinations) {
        Json entry;
        entry["name"] = r.combination.name;
        entry["factors"] = factorsJson(r.combination);
        entry["reactions"] = reactionsJson(model, r.reactions);
        entry["peaks"] = peaksJson(r.peaks, ei);
        entry["patterned"] = boundsJson(r.patterned, run, false);
        list.push_back(entry);
    }
    out["envelope"] = run.combinations.empty() ? Json::object()
                                               : boundsJson(run.result.envelope, run, true);
    return out;
}

}  // namespace spanrix::cli
