// spanrix-cli: analyses a saved beam without the windows, for scripts and checks.

#include <algorithm>
#include <cstdio>
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/arguments.h"
#include "cli/batch_run.h"
#include "cli/exit_status.h"
#include "cli/report_command.h"
#include "engine/analysis.h"
#include "engine/exact.h"
#include "engine/result_display.h"
#include "engine/result_quantities.h"
#include "files/load_file.h"
#include "files/results_csv.h"
#include "model/beam_model.h"
#include "model/number_format.h"

namespace {

using namespace spanrix;
using namespace spanrix::cli;
using Json = nlohmann::ordered_json;  // keeps the keys in the order --help shows

const std::string kUsage =
    "Usage: spanrix-cli analyze FILE [--v1] [--resolution N] [--at X]... [--exact]\n"
    "                               [--csv OUT.csv]\n"
    "       spanrix-cli analyze FILE FILE... [--v1] [--resolution N] [--at X]... [--exact]\n"
    "       " + std::string(cli::kReportSynopsis) + "\n"
    "       spanrix-cli --help\n";

constexpr std::string_view kHelp =
    "Analyses the beam of a load configuration file (.lod) and prints the results as one\n"
    "JSON object on standard output. Given several files, it analyses each in turn and\n"
    "prints one JSON object per line (JSON Lines) in the order given, each starting with\n"
    "\"file\":FILE; a file that fails gives {\"file\":FILE,\"error\":message} and the\n"
    "others still run.\n"
    "\n"
    "Options:\n"
    "  --v1            read FILE as a version-1 load file\n"
    "  --resolution N  use N calculation intervals (a whole number from 10 to 200000)\n"
    "                  instead of the resolution saved in the file\n"
    "  --at X          also report the values at the calculation point nearest X, a\n"
    "                  location from 0 to the beam length (or up to half an interval\n"
    "                  past its end); may be given more than once\n"
    "  --exact         also report the exact solution: the true extremes anywhere on\n"
    "                  the beam and the values at each --at X itself, from the closed-form\n"
    "                  elastic curve, whatever the resolution\n"
    "  --csv OUT.csv   also write the values at every calculation point to OUT.csv: a\n"
    "                  header row, then x,moment,shear,stress,slope,deflection per point;\n"
    "                  \"-\" writes them to standard output instead of the JSON (one FILE)\n"
    "  --help          show this text\n"
    "\n"
    "All values are in the internal units of the file's unit system: inches, lb, lb-in\n"
    "and psi (english) or metres, N, N-m and Pa (metric). Support forces are positive\n"
    "upward; a cantilever's fixing moment is the moment it applies to the beam,\n"
    "counterclockwise positive; the shear force is the sum of the forces left of the\n"
    "point, upward positive; slope is in radians; deflection is positive downward.\n"
    "\n"
    "Output:\n"
    "  {\"units\":\"english\"|\"metric\",\"beamLength\":L,\"resolution\":N,\n"
    "   \"reactions\":[{\"feature\":row,\"support\":k,\"type\":\"simp\"|\"cant\",\"location\":s,\n"
    "                 \"force\":R,\"moment\":M or null}, ...],\n"
    "   \"peaks\":{\"moment\":{\"value\":v,\"x\":x},\"stress\":{...},\"slope\":{...},\n"
    "            \"deflection\":{...},\"shear\":{...}},\n"
    "   \"at\":[{\"x\":x,\"moment\":m,\"stress\":s,\"slope\":t,\"deflection\":d,\n"
    "          \"shear\":v}, ...],\n"
    "   \"exact\":{\"peaks\":{...},\"at\":[...]}}\n"
    "  \"exact\" comes with --exact only; its peaks and values have the fields above.\n"
    "\n"
    "The deflection of a beam on simple supports is found by repeated passes; after\n"
    "1000 passes without meeting the tolerance the last pass is reported, with a\n"
    "warning on standard error.\n"
    "\n"
    "Exit status: 0 success, 2 usage error, 3 file access error (FILE unreadable or\n"
    "OUT.csv not written), 4 beam refused by the analysis (its message on standard\n"
    "error); with several files, the highest of theirs.\n";

struct AnalyzeRequest {
    std::vector<std::string> files;
    bool version1 = false;
    std::optional<float> resolution;
    std::vector<double> at;
    bool exact = false;
    std::optional<std::string> csv;  // "-": standard output
};

struct ParsedArguments {
    bool help = false;
    AnalyzeRequest request;
    std::optional<std::string> usageError;
};

std::optional<float> resolutionArgument(std::string_view text)
{
    const auto value = parseNumber(text);
    if (!value || !isUsableResolution(*value)) return std::nullopt;
    return static_cast<float>(*value);
}

ParsedArguments parseArguments(const std::vector<std::string>& args)
{
    ParsedArguments parsed;
    auto refuse = [&](std::string message) {
        parsed.usageError = std::move(message);
        return parsed;
    };
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            parsed.help = true;
            return parsed;
        }
    }
    if (args.empty()) return refuse("no command given");
    if (args[0] != "analyze") return refuse("unknown command '" + args[0] + "'");

    AnalyzeRequest& request = parsed.request;
    bool optionsEnded = false;  // after "--" even "-name" is a FILE
    for (size_t i = 1; i < args.size(); ++i) {
        if (!optionsEnded && args[i] == "--") {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded) {
            request.files.push_back(args[i]);
            continue;
        }
        const OptionWord word = splitOption(args[i]);
        const std::string& arg = word.name;
        const std::optional<std::string>& attached = word.attached;
        auto value = [&]() -> std::optional<std::string> {
            if (attached) return attached;
            if (i + 1 < args.size()) return args[++i];
            return std::nullopt;
        };
        if (arg == "--v1" && !attached) {
            request.version1 = true;
        } else if (arg == "--exact" && !attached) {
            request.exact = true;
        } else if (arg == "--resolution") {
            const auto text = value();
            if (!text) return refuse("--resolution needs a value");
            request.resolution = resolutionArgument(*text);
            if (!request.resolution)
                return refuse("--resolution must be a whole number from 10 to 200000, not '" +
                              *text + "'");
        } else if (arg == "--at") {
            const auto text = value();
            if (!text) return refuse("--at needs a value");
            const auto x = parseNumber(*text);
            if (!x) return refuse("--at must be a number, not '" + *text + "'");
            request.at.push_back(*x);
        } else if (arg == "--csv") {
            request.csv = value();
            if (!request.csv || request.csv->empty()) return refuse("--csv needs a file name");
        } else if (arg.size() > 1 && arg[0] == '-') {
            return refuse("unknown option '" + args[i] + "'");
        } else {
            request.files.push_back(arg);
        }
    }
    if (request.files.empty()) return refuse("no FILE given");
    if (request.csv && request.files.size() > 1) return refuse("--csv takes a single FILE");
    return parsed;
}

int usageError(const std::string& message)
{
    std::cerr << "spanrix-cli: " << message << "\n" << kUsage;
    return kExitUsage;
}

Json resolutionValue(float resolution)
{
    const double n = resolution;
    if (n == roundHalfEven(n)) return static_cast<long long>(n);
    return n;
}

// One entry per live support in feature-table order, with its solved force and, for a
// cantilever, its fixing moment (M1 belongs to the first cantilever in solver order).
Json reactionsJson(const BeamModel& m, const ReactionSolution& r)
{
    Json out = Json::array();
    for (int row = 1; row <= m.numFeatures; ++row) {
        if (featureKind(m, row) != FeatureKind::Support) continue;
        const int k = featureIndex(m, row);
        if (!isLive(m, FeatureKind::Support, k)) continue;
        int momentSlot = 0;
        for (int j = 1; j <= r.activeSupportCount; ++j) {
            const int solverRow = r.reactionFeature[static_cast<size_t>(j)];
            const bool cantilever = m.supportType[featureIndex(m, solverRow)] == "cant";
            if (cantilever) ++momentSlot;
            if (solverRow != row) continue;
            Json entry;
            entry["feature"] = row;
            entry["support"] = k;
            entry["type"] = m.supportType[k];
            entry["location"] = static_cast<double>(m.supportLoc[k]);
            entry["force"] = r.supportForce(j);
            entry["moment"] = cantilever ? Json(r.reactionVector[static_cast<size_t>(momentSlot)])
                                         : Json(nullptr);
            out.push_back(entry);
            break;
        }
    }
    return out;
}

Json peak(double value, double x) { return Json{{"value", value}, {"x", x}}; }

Json peaksJson(const PeakValues& p, double ei)
{
    Json out;
    for (const ResultQuantity& q : kResultQuantities) {
        const Peak& at = p.*q.peak;
        out[q.key] = peak(internalValue(q, at.value, ei), at.x);
    }
    return out;
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
};

FileOutcome failed(int status, std::string message, bool usage = false)
{
    return {status, Json(), std::move(message), usage};
}

// The warning of a run that did not converge names the file when there are several.
FileOutcome analyzeFile(const AnalyzeRequest& request, const std::string& file,
                        const std::string& warningPrefix)
{
    BeamModel model;
    const OpenOutcome opened = request.version1 ? importVersion1File(file, model)
                                                : openLoadFile(file, model);
    if (!opened.ok()) return failed(kExitFileAccess, *opened.error);
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
    if (request.exact) out["exact"] = exactJson(analysis.exact, request.at, ei);
    return outcome;
}

int finish()
{
    std::cout.flush();
    return std::cout ? kExitSuccess : kExitFailure;
}

// One file: the results object alone, or the failure on standard error.
int analyzeOne(const AnalyzeRequest& request)
{
    const FileOutcome outcome = analyzeFile(request, request.files.front(), "");
    if (outcome.usage) return usageError(outcome.error);
    if (outcome.status != kExitSuccess) {
        std::cerr << outcome.error << "\n";
        return outcome.status;
    }
    if (request.csv != "-") std::cout << outcome.result.dump() << "\n";
    return finish();
}

// Several files: one line each, in order; the exit status is the worst of theirs.
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
        std::cout << line.dump() << "\n";
        worst = std::max(worst, outcome.status);
    }
    return std::max(worst, finish());
}

int analyze(const AnalyzeRequest& request)
{
    return request.files.size() == 1 ? analyzeOne(request) : analyzeEach(request);
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        const ParsedArguments parsed = parseArguments(args);
        if (parsed.help) {
            std::cout << kUsage << "\n" << kHelp << "\n" << cli::kReportHelp;
            return kExitSuccess;
        }
        if (cli::isReportCommand(args)) return cli::runReport(args, argc, argv);
        if (parsed.usageError) return usageError(*parsed.usageError);
        return analyze(parsed.request);
    } catch (const std::exception& e) {
        std::cerr << "spanrix-cli: " << e.what() << "\n";
        return kExitFailure;
    }
}
