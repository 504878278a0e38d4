#include "ui/calc/calc_commands.h"

#include <QAction>
#include <QMenu>
#include <cmath>

#include "engine/analysis.h"
#include "engine/exact.h"
#include "model/number_format.h"
#include "model/units.h"
#include "ui/app_context.h"
#include "ui/calc/calculations_window.h"
#include "ui/calc/diagrams.h"
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
}

CalcCommands::~CalcCommands() { delete screen_.data(); }

CalculationsWindow* CalcCommands::screen() const { return screen_; }

std::optional<DiagramInput> CalcCommands::shownDiagrams() const
{
    if (!screen_ || !diagramsShown_) return std::nullopt;
    return DiagramInput{screen_->geometry(), basis_, context_.results, diagramSigFigs_};
}

bool CalcCommands::analyseAndLabel(bool withChecks)
{
    Prompts& prompts = context_.prompts;
    const ContinueQuestion askContinue = [&prompts] {
        return prompts.askYesNo(notConvergingText(), std::string(kNotConvergingTitle));
    };
    const BeamModel& model = context_.state.model;
    if (const auto refusal = withChecks ? checkBeam(model) : std::nullopt) {
        prompts.message(*refusal);
        return false;
    }
    if (const auto failure = analyse(model, context_.reactions, context_.results, askContinue)) {
        // The analysis may have got as far as the results: the value windows no longer
        // describe what the screen shows.
        showingResults(false);
        prompts.message(*failure);
        return false;
    }
    basis_ = resultBasis(model);
    exactPeaks_ = exactPeaks(exactSolution(model, context_.reactions));
    for (const ReactionCaption& c : reactionCaptions(model, context_.reactions, context_.state.sigFigs))
        loading_.showReactionCaption(c.featureRow, c.caption);
    return true;
}

void CalcCommands::showingResults(bool shown)
{
    // The value windows read the last results; once a repeat was refused the screen is
    // blank and those results no longer describe the beam.
    diagramsShown_ = shown;
    if (!screen_) return;
    for (const char* item : {"max", "point", "exactmax", "sheardiagram", "exportcsv", "saveimages"})
        screen_->action(item)->setEnabled(shown);
    if (!shown && shear_) shear_->close();
}

void CalcCommands::runCalculations()
{
    if (!analyseAndLabel(true)) return;
    // A screen still open from the last run shows its diagrams: start clean, as a fresh one.
    if (screen_) clearScreen(*screen_);
    drawDiagrams();
}

void CalcCommands::clearScreen(CalculationsWindow& screen)
{
    clearResultScreen(screen.surface());
    screen.surface().clear();  // also the part of the image the window does not show now
}

void CalcCommands::recalculate()
{
    CalculationsWindow& screen = openScreen();
    clearScreen(screen);
    if (!analyseAndLabel(false)) return;
    drawDiagrams();
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
            if (diagramsShown_) drawShownDiagrams();
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
        w->wire("changesignificantfigures", this, [this] { changeSignificantFigures(); });
        // The loading screen may have converted the model while this screen was open.
        connect(w->action("unitmenu")->menu(), &QMenu::aboutToShow, this,
                [this] { screen_->syncUnitItems(context_.state.model.metricUnits); });
        w->wire("metricunits", this, [this] { convertUnits(kEnglishToMetric); });
        w->wire("englishunits", this, [this] { convertUnits(kMetricToEnglish); });
        // The help window and the about box are the loading screen's own commands.
        for (const auto& [item, loadingItem] : {std::pair{"Docsx", "docsx"}, std::pair{"aboutsx", "aboutsx"}}) {
            const QString target = loadingItem;
            w->wire(item, this, [this, target] { loading_.action(target)->trigger(); });
        }
    }
    screen_->syncUnitItems(context_.state.model.metricUnits);
    if (!screen_->isVisible()) screen_->showMaximized();
    screen_->raise();
    screen_->activateWindow();
    return *screen_;
}

void CalcCommands::drawDiagrams()
{
    openScreen();
    diagramSigFigs_ = context_.state.sigFigs;
    diagramNote_ = gridPeakNote(peakValues(context_.results), exactPeaks_, basis_, diagramSigFigs_);
    drawShownDiagrams();
    if (shear_) shear_->showResults(context_.results, basis_, diagramSigFigs_);
    showingResults(true);
}

void CalcCommands::drawShownDiagrams()
{
    QtSurface& surface = screen_->surface();
    const ScreenGeometry& g = screen_->geometry();
    surface.ensureTwipsSize(g.workAreaWidth, g.workAreaHeight);
    surface.setForeColor(kBlack);
    drawResultDiagrams(surface, {g, basis_, context_.results, diagramSigFigs_});
    drawDiagramNote(surface, g, diagramNote_);
}

ShearWindow* CalcCommands::showShearDiagram()
{
    if (!shear_) {
        const QSize area = loading_.workArea();
        shear_ = new ShearWindow(screenGeometry(area.width(), area.height()), screen_);
    }
    shear_->showResults(context_.results, basis_, diagramSigFigs_);
    shear_->show();
    shear_->raise();
    shear_->activateWindow();
    return shear_;
}

ShearWindow* CalcCommands::shearWindow() const { return shear_; }

void CalcCommands::exportResults()
{
    exportResultsCsv({screen_, chooseSaveName_, context_.prompts, context_.state.currentDir},
                     context_.results, basis_);
}

void CalcCommands::saveDiagrams()
{
    if (const auto shown = shownDiagrams())
        saveDiagramImage({screen_, chooseSaveName_, context_.prompts, context_.state.currentDir},
                         screen_->surface(), *shown);
}

void CalcCommands::changeSignificantFigures()
{
    if (loading_.askSignificantFigures()) recalculate();
}

void CalcCommands::convertUnits(std::string_view direction)
{
    loading_.convertUnits(std::string(direction));
    if (screen_) screen_->syncUnitItems(context_.state.model.metricUnits);
    recalculate();
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
    const int sigFigs = context_.state.sigFigs;
    return showModal(
        new MaxValuesDialog(maxValueTexts(peakValues(context_.results), basis_, sigFigs), sigFigs,
                            screen_));
}

MaxValuesDialog* CalcCommands::showExactMaxValues()
{
    const int sigFigs = context_.state.sigFigs;
    return showModal(
        MaxValuesDialog::exact(maxValueTexts(exactPeaks_, basis_, sigFigs), sigFigs, screen_));
}

PointValuesDialog* CalcCommands::showPointValues()
{
    auto* dialog = new PointValuesDialog(context_.results, basis_, context_.state.sigFigs,
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
