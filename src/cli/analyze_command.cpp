#include "cli/analyze_command.h"

#include <algorithm>
#include <iostream>
#include <optional>

#include <nlohmann/json.hpp>

#include "cli/batch_run.h"
#include "cli/combinations_json.h"
#include "cli/exit_status.h"
#include "cli/help.h"
#include "cli/options.h"
#include "cli/output.h"
#include "cli/result_json.h"
#include "engine/analysis.h"
#include "engine/exact.h"
#include "engine/result_display.h"
#include "engine/result_quantities.h"
#include "files/design_file.h"
#include "files/load_file.h"
#include "files/results_csv.h"
#include "files/text_file.h"
#include "model/beam_model.h"
#include "model/number_format.h"

namespace spanrix::cli {

namespace {

const std::vector<OptionRule> kOptions = withCombinationOptions({
    {"--v1", OptionKind::Flag},
    {"--exact", OptionKind::Flag},
    {"--resolution", OptionKind::Value},
    {"--at", OptionKind::RepeatedValue},
    {"--csv", OptionKind::Value},
});

struct AnalyzeRequest {
    std::vector<std::string> files;
    bool version1 = false;
    std::optional<float> resolution;
    std::vector<double> at;
    bool exact = false;
    std::optional<std::string> csv;  // "-": standard output
    CombinationRequest combinations;
};

// Fills the request, or returns the usage error.
std::optional<std::string> readRequest(const ParsedOptions& options, AnalyzeRequest& request)
{
    request.files = options.operands;
    request.version1 = options.has("--v1");
    request.exact = options.has("--exact");
    if (const auto text = options.value("--resolution")) {
        const auto n = parseNumber(*text);
        if (!n || !isUsableResolution(*n))
            return "--resolution must be a whole number from 10 to 200000, not '" + *text + "'";
        request.resolution = static_cast<float>(*n);
    }
    for (const std::string& text : options.values("--at")) {
        const auto x = parseNumber(text);
        if (!x) return "--at must be a number, not '" + text + "'";
        request.at.push_back(*x);
    }
    if (auto error = readCombinationRequest(options, request.combinations)) return error;
    request.csv = options.value("--csv");
    if (request.csv && request.csv->empty()) return "--csv needs a file name";
    if (request.files.empty()) return "no FILE given";
    if (request.csv && request.files.size() > 1) return "--csv takes a single FILE";
    if (request.csv && *request.csv != "-" && sameFile(*request.csv, request.files.front()))
        return "--csv names the input file '" + request.files.front() + "'";
    return std::nullopt;
}

Json resolutionValue(float resolution)
{
    const double n = resolution;
    if (n == roundHalfEven(n)) return static_cast<long long>(n);
    return n;
}

Json valuesJson(double x, const SectionValues& v, double ei)
{
    Json entry;
    entry["x"] = x;
    for (const ResultQuantity& q : kResultQuantities) entry[q.key] = internalValue(q, v.*q.section, ei);
    return entry;
}

// The values at the calculation point nearest x, as "Values at a Point" finds it.
Json valuesAt(const ResultBasis& basis, const ResultSet& res, double x, double ei)
{
    return valuesJson(x, sampledValues(res, static_cast<size_t>(nearestPoint(x, basis)) + 1), ei);
}

// The closed-form solution: its true peaks and the values at each x itself.
Json exactJson(const ExactSolution& exact, const std::vector<double>& at, double ei)
{
    Json out;
    out["peaks"] = peaksJson(exactPeaks(exact), ei);
    out["at"] = Json::array();
    for (double x : at) out["at"].push_back(valuesJson(x, exactValuesAt(exact, x), ei));
    return out;
}

// What analysing one file came to: the results object, or a failure with its message.
struct FileOutcome {
    int status = kExitSuccess;
    Json result;
    std::string error;
    bool usage = false;  // the failure is a usage error: the usage text goes with it
    std::string detail;  // why a file was refused, after its message
};

FileOutcome failed(int status, std::string message, bool usage = false, std::string detail = {})
{
    return {status, Json(), std::move(message), usage, std::move(detail)};
}

// The warning of a run that did not converge names the file when there are several.
FileOutcome analyzeFile(const AnalyzeRequest& request, const std::string& file,
                        const std::string& warningPrefix)
{
    BeamModel model;
    const OpenOutcome opened = request.version1 ? importVersion1File(file, model)
                                                : openBeamFile(file, model);
    if (!opened.ok()) return failed(kExitFileAccess, *opened.error, false, opened.reason);
    if (const auto failure = applyCombinationRequest(request.combinations, model))
        return failed(failure->status, failure->message, failure->usage);
    if (request.resolution) model.resolution = *request.resolution;
    const double length = model.beamLength;
    const ResultBasis basis = resultBasis(model);
    for (double x : request.at) {
        if (!isOnBeam(x, basis))
            return failed(kExitUsage, "--at " + numberText(x) + " lies outside the beam (0 to " +
                                          numberText(length) + ")",
                          true);
    }

    const AnalysisOutcome run = runBatch(model, warningPrefix);
    if (!run) return failed(kExitRefused, run.refusal);
    const Analysis& analysis = *run.analysis;
    const ResultSet& results = analysis.results;

    if (request.csv) {
        if (*request.csv == "-") {
            std::cout << resultsCsvText(results, basis, ResultUnits::Internal);
        } else if (const auto failure =
                       writeResultsCsv(*request.csv, results, basis, ResultUnits::Internal)) {
            return failed(kExitFileAccess, *failure);
        }
    }

    const double ei = basis.flexuralRigidity();  // slope and deflection are held times E*I
    FileOutcome outcome;
    Json& out = outcome.result;
    out["units"] = model.metricUnits ? "metric" : "english";
    out["beamLength"] = length;
    out["resolution"] = resolutionValue(model.resolution);
    out["reactions"] = reactionsJson(model, analysis.reactions);
    out["peaks"] = peaksJson(peakValues(results), ei);
    out["at"] = Json::array();
    for (double x : request.at) out["at"].push_back(valuesAt(basis, results, x, ei));
    if (request.exact) out["exact"] = exactJson(analysis.exact(), request.at, ei);
    if (request.combinations.method) {
        const CombinationsOutcome combined = runRequestedCombinations(request.combinations, model);
        if (combined.failure) return failed(combined.failure->status, combined.failure->message);
        out.update(combinationsJson(model, combined.run));
    }
    return outcome;
}

// JSON text that stays valid whatever bytes a file's name holds: those that are not UTF-8
// are written as U+FFFD.
std::string jsonLine(const Json& value)
{
    return value.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}

// One file: the results object alone, or the failure on standard error.
int analyzeOne(const AnalyzeRequest& request)
{
    const FileOutcome outcome = analyzeFile(request, request.files.front(), "");
    if (outcome.usage) return usageError(outcome.error, kAnalyzeSynopsis);
    if (outcome.status != kExitSuccess) return refused(outcome.error, outcome.status, outcome.detail);
    if (request.csv != "-") std::cout << jsonLine(outcome.result);
    return flushOutput() ? kExitSuccess : kExitFileAccess;
}

// Several files: one line each, in order; the exit status is the worst of theirs. Each
// line is sent on its way before the next file runs, and output that fails ends the batch.
int analyzeEach(const AnalyzeRequest& request)
{
    int worst = kExitSuccess;
    for (const std::string& file : request.files) {
        const FileOutcome outcome = analyzeFile(request, file, file + ": ");
        Json line;
        line["file"] = file;
        if (outcome.status == kExitSuccess)
            line.update(outcome.result);
        else
            line["error"] = outcome.error;
        if (!outcome.detail.empty()) line["detail"] = outcome.detail;
        std::cout << jsonLine(line);
        if (!flushOutput()) return kExitFileAccess;
        worst = std::max(worst, outcome.status);
    }
    return worst;
}

}  // namespace

int runAnalyze(const std::vector<std::string>& words)
{
    const OptionsOutcome parsed = parseOptions(words, kOptions);
    if (parsed.usageError) return usageError(*parsed.usageError, kAnalyzeSynopsis);
    if (parsed.options.help) return printHelp();
    AnalyzeRequest request;
    if (const auto error = readRequest(parsed.options, request)) return usageError(*error, kAnalyzeSynopsis);
    // A CSV file that could not be written is refused before the work, not after it.
    if (request.csv && *request.csv != "-" && !canSave(*request.csv)) return kExitFileAccess;

    return request.files.size() == 1 ? analyzeOne(request) : analyzeEach(request);
}

}  // namespace spanrix::cli
