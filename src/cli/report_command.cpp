#include "cli/report_command.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>
#include <clocale>
#include <ctime>
#include <iostream>
#include <memory>
#include <optional>

#include "cli/batch_run.h"
#include "cli/combinations_json.h"
#include "cli/exit_status.h"
#include "cli/help.h"
#include "cli/options.h"
#include "cli/output.h"
#include "engine/analysis.h"
#include "engine/exact.h"
#include "files/design_file.h"
#include "files/load_file.h"
#include "files/text_file.h"
#include "model/app_state.h"
#include "model/number_format.h"
#include "report/report.h"
#include "drawing/legend.h"
#include "drawing/report_printing.h"

namespace spanrix::cli {

namespace {

// The desktop the screens are drawn for on paper: 1600 x 860 pixels at 96 dots per inch.
constexpr int kPaperWorkAreaWidth = 24000;
constexpr int kPaperWorkAreaHeight = 12900;

const std::vector<OptionRule> kOptions = withCombinationOptions({
    {"--title", OptionKind::Value},
    {"--pdf", OptionKind::Value},
    {"--at", OptionKind::Value},
    {"--exact", OptionKind::Flag},
});

struct ReportRequest {
    std::string file;
    std::string title;
    std::optional<std::string> pdf;
    std::optional<std::string> at;
    bool exact = false;
    CombinationRequest combinations;
};

// Fills the request, or returns the usage error.
std::optional<std::string> readRequest(const ParsedOptions& options, ReportRequest& request)
{
    if (auto error = singleFileError(options)) return error;
    request.file = options.operands.front();
    request.title = printableText(options.value("--title").value_or(""));
    request.pdf = options.value("--pdf");
    request.at = options.value("--at");
    request.exact = options.has("--exact");
    if (auto error = readCombinationRequest(options, request.combinations)) return error;
    if (request.pdf && request.pdf->empty()) return "--pdf needs a file name";
    if (request.pdf && sameFile(*request.pdf, request.file))
        return "--pdf names the input file '" + request.file + "'";
    return std::nullopt;
}

// Today in the system's short date form.
std::string today()
{
    std::setlocale(LC_TIME, "");
    const std::time_t now = std::time(nullptr);
    char text[64] = {};
    if (std::strftime(text, sizeof text, "%x", std::localtime(&now)) == 0) return {};
    return text;
}

// The whole of the beam after a run, as the calculations screen holds it.
struct Analysed {
    AppState state;
    std::shared_ptr<const Analysis> analysis;
    ResultBasis basis;
};

// The PDF as bytes, drawn offscreen so a report can be made where there is no display.
// Empty when it could not be drawn.
QByteArray pdfBytes(const Analysed& a, const std::vector<std::string>& lines, const std::string& title)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt reads options from the arguments it is given: none of the user's words are.
    int argc = 1;
    char name[] = "spanrix-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);

    Legend legend(a.state);
    legend.rebuild();
    for (const ReactionCaption& c :
         reactionCaptions(a.state.model, a.analysis->reactions, a.state.sigFigs))
        legend.setReactionCaption(c.featureRow, c.caption);
    const DiagramInput diagrams{a.state.geometry, a.basis, a.analysis->results, a.state.sigFigs};
    const ReportDocument document{
        {loadingScreenImage(a.state, legend), calculationsScreenImage(a.state.geometry, diagrams)},
        lines};

    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return {};
    bool printed = false;
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title.empty() ? QString("Spanrix Report") : QString::fromStdString(title));
        writer.setCreator("Spanrix");
        writer.setPageSize(QPageSize(QPageSize::A4));
        printed = printReport(writer, document);
    }  // the writer finishes the file when it goes
    return printed ? bytes : QByteArray();
}

}  // namespace

int runReport(const std::vector<std::string>& words)
{
    const OptionsOutcome parsed = parseOptions(words, kOptions);
    if (parsed.usageError) return usageError(*parsed.usageError, kReportSynopsis);
    if (parsed.options.help) return printHelp();
    ReportRequest request;
    if (const auto error = readRequest(parsed.options, request)) return usageError(*error, kReportSynopsis);
    // A PDF that could not be written is refused before the work, not after it.
    if (request.pdf && !canSave(*request.pdf)) return kExitFileAccess;

    Analysed a;
    if (const OpenOutcome opened = openBeamFile(request.file, a.state.model); !opened.ok())
        return refused(*opened.error, kExitFileAccess, opened.reason);
    if (const auto failure = applyCombinationRequest(request.combinations, a.state.model)) {
        if (failure->usage) return usageError(failure->message, kReportSynopsis);
        return refused(failure->message, failure->status);
    }
    AnalysisOutcome run = runBatch(a.state.model);
    if (!run) return refused(run.refusal);
    a.analysis = std::move(run.analysis);
    a.state.sigFigs = kDefaultSigFigs;
    a.state.geometry = screenGeometry(kPaperWorkAreaWidth, kPaperWorkAreaHeight);
    a.basis = resultBasis(a.state.model, a.analysis->grid);

    ReportChoices choices;
    choices.title = request.title;
    choices.beamProperties = choices.loadConfiguration = choices.supportReactions = true;
    choices.maximumValues = true;
    choices.pointValues = request.at.has_value();
    choices.location = request.at.value_or("");
    choices.feetSelected = false;  // --at is in the internal unit, inches or metres
    ReportData data{a.state.model, a.analysis->reactions, a.analysis->results, a.basis,
                    a.state.sigFigs};
    if (request.exact) data.exactPeaks = exactPeaks(a.analysis->exact());
    CombinationsOutcome combined;
    if (request.combinations.method) {
        combined = runRequestedCombinations(request.combinations, a.state.model);
        if (combined.failure) return refused(combined.failure->message, combined.failure->status);
        choices.loadCombinations = true;
        data.combinations = &combined.run;
    }
    if (const auto refusal = reportRefusal(data, choices))
        return usageError("--at " + choices.location + ": " + *refusal, kReportSynopsis);
    const std::vector<std::string> lines = reportLines(data, choices, today());

    if (request.pdf) {
        const QByteArray pdf = pdfBytes(a, lines, request.title);
        const auto failure =
            pdf.isEmpty() ? std::optional(saveFailureMessage(*request.pdf))
                          : writeFileSafely(*request.pdf, std::string_view(pdf.constData(),
                                                                            static_cast<size_t>(pdf.size())));
        return failure ? refused(*failure, kExitFileAccess) : kExitSuccess;
    }
    for (const std::string& line : lines) std::cout << line << "\n";
    return flushOutput() ? kExitSuccess : kExitFileAccess;
}

}  // namespace spanrix::cli
