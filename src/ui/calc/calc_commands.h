#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>
#include <string_view>

#include "engine/result_display.h"
#include "ui/calc/diagrams.h"
#include "ui/save_name.h"

namespace spanrix {

struct AppContext;
class CalculationsWindow;
class LoadingWindow;
class MaxValuesDialog;
class PointValuesDialog;
class ShearWindow;

// The Run Calculations and Change Resolution commands of the loading screen, and the
// calculations screen they open: its diagrams, its menu and the two value windows.
// Lives as long as the loading screen (it is its child).
class CalcCommands : public QObject {
    Q_OBJECT

public:
    CalcCommands(LoadingWindow& loading, AppContext& context);
    ~CalcCommands() override;

    // `runcalc`: the checks, the analysis, the reaction captions, then the calculations
    // screen shown, cleared, and the three diagrams drawn.
    void runCalculations();
    // `changerltn`: the resolution of the next run.
    void changeResolution();
    // The calculations screen's redraw with new units or figures: clear, analyse, draw.
    void recalculate();

    // The value windows, application modal but not blocking the caller; each deletes
    // itself when closed.
    MaxValuesDialog* showMaxValues();
    PointValuesDialog* showPointValues();
    // "Exact Maximum Values": the exact solution's peaks of the last run, modal as well.
    MaxValuesDialog* showExactMaxValues();
    // "Shear Force Diagram": the modeless shear window, redrawn with every redraw of the
    // screen and closed with it.
    ShearWindow* showShearDiagram();
    ShearWindow* shearWindow() const;

    // The save dialog of the export commands; tests put a scripted one in its place.
    void setSaveNameChooser(SaveNameChooser chooser) { chooseSaveName_ = std::move(chooser); }

    // The calculations screen, or nullptr while it is not open.
    CalculationsWindow* screen() const;
    const ResultBasis& basis() const { return basis_; }
    // What the screen's diagrams were drawn from, to draw them again for printing;
    // nullopt while it shows none (not open, or blank after a refused repeat).
    std::optional<DiagramInput> shownDiagrams() const;

    // The screen's `printcalc` command, installed by its owner.
    void setPrintCommand(std::function<void()> command) { printCommand_ = std::move(command); }

private:
    bool analyseAndLabel(bool withChecks);
    CalculationsWindow& openScreen();
    void clearScreen(CalculationsWindow& screen);
    void drawDiagrams();
    // The diagrams of the last run again, at the screen's geometry now.
    void drawShownDiagrams();
    void exportResults();
    void saveDiagrams();
    void showingResults(bool shown);
    void changeSignificantFigures();
    void convertUnits(std::string_view direction);

    LoadingWindow& loading_;
    AppContext& context_;
    QPointer<CalculationsWindow> screen_;
    QPointer<ShearWindow> shear_;
    SaveNameChooser chooseSaveName_ = platformSaveDialog();
    ResultBasis basis_;
    PeakValues exactPeaks_;  // of the same run as basis_
    bool diagramsShown_ = false;
    int diagramSigFigs_ = 0;
    std::string diagramNote_;  // under the diagrams when the grid misses an exact peak
    std::function<void()> printCommand_;
};

// Wires the loading screen's Run Calculations and Change Resolution commands; the
// calculations screen is created on the first run.
CalcCommands* installCalcCommands(LoadingWindow& loading, AppContext& context);

}  // namespace spanrix
