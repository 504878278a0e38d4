#include "cli/report_command.h"

#include <QGuiApplication>
#include <QPdfWriter>
#include <clocale>
#include <ctime>
#include <iostream>
#include <memory>
#include <optional>

#include "cli/arguments.h"
#include "cli/batch_run.h"
#include "cli/exit_status.h"
#include "engine/analysis.h"
#include "engine/exact.h"
#include "files/load_file.h"
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

struct ReportRequest {
    std::string file;
    std::string title;
    std::optional<std::string> pdf;
    std::optional<std::string> at;
    bool exact = false;
};

int refuse(const std::string& message)
{
    std::cerr << "spanrix-cli: " << message << "\nUsage: " << kReportSynopsis << "\n";
    return kExitUsage;
}

// Fills the request, or returns the usage error.
std::optional<std::string> parse(const std::vector<std::string>& args, ReportRequest& request)
{
    bool haveFile = false;
    std::optional<std::string> title;
    for (size_t i = 1; i < args.size(); ++i) {
        OptionWord word = splitOption(args[i]);  // --option=value or --option value
        const std::string& arg = word.name;
        std::optional<std::string>& value = word.attached;
        std::optional<std::string>* slot = nullptr;
        if (arg == "--title") slot = &title;
        if (arg == "--pdf") slot = &request.pdf;
        if (arg == "--at") slot = &request.at;
        if (arg == "--exact" && !value) {
            request.exact = true;
        } else if (slot) {
            if (!value && i + 1 < args.size()) value = args[++i];
            if (!value) return arg + " needs a value";
            if (*slot) return arg + " given more than once";
            *slot = *value;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return "unknown option '" + args[i] + "'";
        } else if (haveFile) {
            return "more than one FILE given";
        } else {
            request.file = arg;
            haveFile = true;
        }
    }
    if (!haveFile) return std::string("no FILE given");
    request.title = title.value_or("");
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

int writePdf(const Analysed& a, const std::vector<std::string>& lines,
             const ReportRequest& request, int argc, char** argv)
{
    // Drawn offscreen, so a report can be made where there is no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
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

    QPdfWriter writer(QString::fromStdString(*request.pdf));
    writer.setTitle(request.title.empty() ? QString("Spanrix Report")
                                          : QString::fromStdString(request.title));
    writer.setCreator("Spanrix");
    writer.setPageSize(QPageSize(QPageSize::A4));
    if (!printReport(writer, document)) {
        std::cerr << "spanrix-cli: cannot write '" << *request.pdf << "'\n";
        return kExitFileAccess;
    }
    return kExitSuccess;
}

}  // namespace

bool isReportCommand(const std::vector<std::string>& args)
{
    return !args.empty() && args[0] == "report";
}

int runReport(const std::vector<std::string>& args, int argc, char** argv)
{
    ReportRequest request;
    if (const auto error = parse(args, request)) return refuse(*error);

    Analysed a;
    if (const OpenOutcome opened = openLoadFile(request.file, a.state.model); !opened.ok()) {
        std::cerr << *opened.error << "\n";
        return kExitFileAccess;
    }
    AnalysisOutcome run = runBatch(a.state.model);
    if (!run) {
        std::cerr << run.refusal << "\n";
        return kExitRefused;
    }
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
    if (request.exact) data.exactPeaks = exactPeaks(a.analysis->exact);
    if (const auto refusal = reportRefusal(data, choices))
        return refuse("--at " + choices.location + ": " + *refusal);
    const std::vector<std::string> lines = reportLines(data, choices, today());

    if (request.pdf) return writePdf(a, lines, request, argc, argv);
    for (const std::string& line : lines) std::cout << line << "\n";
    std::cout.flush();
    return std::cout ? kExitSuccess : kExitFailure;
}

}  // namespace spanrix::cli
