#include "ui/calc/calc_commands.h"

#include <QAction>
#include <QMenu>
#include <cmath>

#include "engine/analysis.h"
#include "model/number_format.h"
#include "model/units.h"
#include "ui/app_context.h"
#include "ui/calc/calculations_window.h"
#include "drawing/diagrams.h"
#include "ui/calc/max_values_dialog.h"
#include "ui/calc/point_values_dialog.h"
#include "ui/calc/result_export.h"
#include "ui/calc/shear_window.h"
#include "ui/loading/loading_window.h"
#include "ui/qt_surface.h"

namespace spanrix {

CalcCommands::CalcCommands(LoadingWindow& loading, AppContext& context)
    : QObject(&loading), loading_(loading), context_(context)
{
    loading_.setCommand("runcalc", [this] { runCalculations(); });
    loading_.setCommand("changerltn", [this] { changeResolution(); });
    // The document has repeated the analysis already; the screen only shows it.
    connect(&context_.document, &BeamDocument::changed, this, [this] {
        if (screen_) showAnalysis();
    });
    // The screen's windows name the beam's file and show when it differs from it.
    connect(&context_.document, &BeamDocument::savedStateChanged, this, &CalcCommands::nameTheFile);
}

CalcCommands::~CalcCommands() { delete screen_.data(); }

CalculationsWindow* CalcCommands::screen() const { return screen_; }

void CalcCommands::nameTheFile()
{
    const BeamDocument& document = context_.document;
    if (screen_) screen_->showFile(document.fileName(), document.isModified());
    if (shear_) shear_->showFile(document.fileName());
}

std::shared_ptr<const Analysis> CalcCommands::shownAnalysis() const
{
    return screen_ ? context_.document.analysis().analysis : nullptr;
}

std::optional<DiagramInput> CalcCommands::shownDiagrams() const
{
    const auto shown = shownAnalysis();
    if (!shown) return std::nullopt;
    return DiagramInput{screen_->geometry(), basis_, shown->results, context_.state.sigFigs};
}

void CalcCommands::showingResults(bool shown)
{
    // A blank screen offers no values: the last ones described another beam.
    for (const char* item : {"max", "point", "exactmax", "sheardiagram", "exportcsv", "saveimages", "printcalc"})
        screen_->action(item)->setEnabled(shown);
    if (!shown && shear_) shear_->close();
}

void CalcCommands::runCalculations()
{
    Prompts& prompts = context_.prompts;
    const ContinueQuestion askContinue = [&prompts] {
        return prompts.askYesNo(notConvergingText(), std::string(kNotConvergingTitle));
    };
    const AnalysisOutcome& outcome = context_.document.analyse(RunChecks::Full, askContinue);
    if (!outcome) {
        prompts.message(outcome.refusal);
        if (screen_) showAnalysis();
        return;
    }
    openScreen();
    showAnalysis();
}

void CalcCommands::showAnalysis()
{
    CalculationsWindow& screen = *screen_;
    QtSurface& surface = screen.surface();
    // The screen's own geometry, from the size it has now.
    const ScreenGeometry& g = screen.geometry();
    surface.ensureTwipsSize(g.workAreaWidth, g.workAreaHeight);
    // Every redraw starts clean, also the part of the image the window does not show now.
    clearResultScreen(surface);
    surface.clear();
    const AnalysisOutcome& outcome = context_.document.analysis();
    if (!outcome) {
        drawRefusal(surface, outcome.refusal);
        showingResults(false);
        return;
    }
    const Analysis& analysis = *outcome.analysis;
    const BeamModel& model = context_.document.model();
    const int sigFigs = context_.state.sigFigs;
    basis_ = resultBasis(model);
    loading_.showReactionCaptions(reactionCaptions(model, analysis.reactions, sigFigs));
    drawResultDiagrams(surface, {g, basis_, analysis.results, sigFigs});
    drawDiagramNote(surface, g, gridPeakNote(peakValues(analysis.results), exactPeaks(analysis.exact()), basis_, sigFigs));
    if (shear_) shear_->showResults(analysis.results, basis_, sigFigs);
    showingResults(true);
}

void CalcCommands::changeResolution()
{
    const float current = context_.state.model.resolution;
    const auto reply = context_.prompts.input(resolutionPromptText(current),
                                              std::string(kResolutionTitle),
                                              resolutionDefaultReply(current));
    const ResolutionReply read = readResolutionReply(
        reply ? std::optional<std::string_view>(*reply) : std::nullopt, current);
    if (read.newResolution && *read.newResolution != current)
        context_.document.change("Change Resolution",
                                 [&read](AppState& s) { s.model.resolution = *read.newResolution; });
    if (read.message) context_.prompts.message(*read.message);
}

CalculationsWindow& CalcCommands::openScreen()
{
    if (!screen_) {
        screen_ = new CalculationsWindow(loading_.workArea());
        CalculationsWindow* w = screen_;
        connect(w, &CalculationsWindow::laidOut, this, [this] {
            showAnalysis();
        });
        w->wire("printcalc", this, [this] {
            if (printCommand_) printCommand_();
        });
        w->wire("max", this, [this] { showMaxValues(); });
        w->wire("point", this, [this] { showPointValues(); });
        w->wire("sheardiagram", this, [this] { showShearDiagram(); });
        w->wire("exactmax", this, [this] { showExactMaxValues(); });
        w->wire("exportcsv", this, [this] { exportResults(); });
        w->wire("saveimages", this, [this] { saveDiagrams(); });
        w->wire("redrawscreen", this, [this] { loading_.drawSketch(13); });
        w->wire("changesignificantfigures", this, [this] { loading_.askSignificantFigures(); });
        // The loading screen may have converted the model while this screen was open.
        connect(w->action("unitmenu")->menu(), &QMenu::aboutToShow, this,
                [this] { screen_->syncUnitItems(context_.state.model.metricUnits); });
        w->wire("save", this, [this] { loading_.action("save")->trigger(); });
        w->wire("metricunits", this, [this] { convertUnits(UnitConversion::EnglishToMetric); });
        w->wire("englishunits", this, [this] { convertUnits(UnitConversion::MetricToEnglish); });
        // The help window, the about box and the design windows are the loading screen's
        // own commands.
        for (const auto& [item, loadingItem] :
             {std::pair{"Docsx", "docsx"}, std::pair{"aboutsx", "aboutsx"}, std::pair{"loadcases", "loadcases"},
              std::pair{"combinations", "combinations"}, std::pair{"steelcheck", "steelcheck"}}) {
            const QString target = loadingItem;
            w->wire(item, this, [this, target] { loading_.action(target)->trigger(); });
        }
        // Results stay current only while they are shown.
        context_.document.keepResultsCurrent(true);
        connect(w, &QObject::destroyed, this, [this] { context_.document.keepResultsCurrent(false); });
    }
    screen_->syncUnitItems(context_.state.model.metricUnits);
    nameTheFile();
    if (!screen_->isVisible()) screen_->showMaximized();
    screen_->raise();
    screen_->activateWindow();
    return *screen_;
}

ShearWindow* CalcCommands::showShearDiagram()
{
    const auto shown = shownAnalysis();
    if (!shown) return nullptr;
    if (!shear_) {
        const QSize area = loading_.workArea();
        shear_ = new ShearWindow(screenGeometry(area.width(), area.height()), screen_);
        nameTheFile();
    }
    shear_->showResults(shown->results, basis_, context_.state.sigFigs);
    shear_->show();
    shear_->raise();
    shear_->activateWindow();
    return shear_;
}

ShearWindow* CalcCommands::shearWindow() const { return shear_; }

void CalcCommands::exportResults()
{
    if (const auto shown = shownAnalysis())
        exportResultsCsv({screen_, chooseSaveName_, context_.prompts, context_.state.currentDir},
                         shown->results, basis_);
}

void CalcCommands::saveDiagrams()
{
    if (const auto shown = shownDiagrams())
        saveDiagramImage({screen_, chooseSaveName_, context_.prompts, context_.state.currentDir},
                         screen_->surface(), *shown);
}

void CalcCommands::convertUnits(UnitConversion direction)
{
    loading_.convertUnits(direction);
    if (screen_) screen_->syncUnitItems(context_.state.model.metricUnits);
}

namespace {

MaxValuesDialog* showModal(MaxValuesDialog* dialog)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
    return dialog;
}

}  // namespace

MaxValuesDialog* CalcCommands::showMaxValues()
{
    const auto shown = shownAnalysis();
    if (!shown) return nullptr;
    const int sigFigs = context_.state.sigFigs;
    return showModal(
        new MaxValuesDialog(maxValueTexts(peakValues(shown->results), basis_, sigFigs), sigFigs,
                            screen_));
}

MaxValuesDialog* CalcCommands::showExactMaxValues()
{
    const auto shown = shownAnalysis();
    if (!shown) return nullptr;
    const int sigFigs = context_.state.sigFigs;
    return showModal(MaxValuesDialog::exact(maxValueTexts(exactPeaks(shown->exact()), basis_, sigFigs),
                                            sigFigs, screen_));
}

PointValuesDialog* CalcCommands::showPointValues()
{
    const auto shown = shownAnalysis();
    if (!shown) return nullptr;
    // Modal: the beam cannot change while it reads these results.
    auto* dialog = new PointValuesDialog(shown, basis_, context_.state.sigFigs,
                                         context_.prompts, screen_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
    return dialog;
}

CalcCommands* installCalcCommands(LoadingWindow& loading, AppContext& context)
{
    return new CalcCommands(loading, context);
}

}  // namespace spanrix
