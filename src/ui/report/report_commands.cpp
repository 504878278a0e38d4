#include "ui/report/report_commands.h"

#include "design/self_weight.h"

#include "design/steel_check_text.h"
#include "ui/app_context.h"
#include "ui/calc/calc_commands.h"
#include "ui/calc/calculations_window.h"
#include "ui/loading/loading_window.h"

namespace spanrix {

ReportCommands::ReportCommands(LoadingWindow& loading, CalcCommands& calc, AppContext& context)
    : QObject(&loading), loading_(loading), calc_(calc), context_(context),
      chooser_(std::make_unique<SystemPrinterChooser>())
{
    loading_.setCommand("printload", [this] { openPrintDialog(PrintSource::Load); });
    calc_.setPrintCommand([this] { openPrintDialog(PrintSource::Calc); });
}

ReportCommands::~ReportCommands() = default;

void ReportCommands::setPrinterChooser(std::unique_ptr<PrinterChooser> chooser)
{
    chooser_ = std::move(chooser);
}

PrintDialog* ReportCommands::openPrintDialog(PrintSource source)
{
    printSource_ = source;
    const AppState& state = context_.state;
    // Results count only while the calculations screen shows them.
    const std::optional<DiagramInput> shown =
        source == PrintSource::Calc ? calc_.shownDiagrams() : std::nullopt;
    const ResultBasis& basis = shown ? calc_.basis() : noRun_;
    // The dialog is modal: the beam and its analysis cannot change while it is open.
    const std::shared_ptr<const Analysis> analysis = shown ? calc_.shownAnalysis() : nullptr;
    PrintMaterial material{
        {state.model, analysis ? analysis->reactions : noReactions_,
         analysis ? analysis->results : noResults_, basis, state.sigFigs},
        loadingScreenImage(state, loading_.legend()),
        calculationsScreenImage(state.geometry, shown),
        shown ? basis.metricUnits : state.model.metricUnits,
    };
    combinations_ = {};
    if (shown) {
        const SteelDesignRead& table = context_.steelDesignTable();
        const design::SelfWeight weight =
            design::selfWeightOf(state.model, table.table ? &*table.table : nullptr);
        // The beam's design method, which the Combinations and Steel Design Check windows
        // open with.
        if (!weight.refusal)
            combinations_ =
                design::runCombinations(state.model, state.model.design.steelCheck.method, weight.perLength);
        if (combinations_) material.data.combinations = &combinations_;
    }
    if (context_.lastSteelCheck)
        material.data.steelCheckLines =
            design::steelCheckReportLines(state.model, state.model.design.steelCheck, *context_.lastSteelCheck, state.sigFigs);
    QWidget* parent = source == PrintSource::Calc && calc_.screen()
        ? static_cast<QWidget*>(calc_.screen())
        : static_cast<QWidget*>(&loading_);
    // The chooser is looked up when Print is pressed, so a replaced one is never left behind.
    auto choose = [this](QPrinter& printer, QWidget* owner) { return chooser_->choose(printer, owner); };
    auto* dialog = new PrintDialog(source, std::move(material), context_.prompts, choose, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
    return dialog;
}

ReportCommands* installReportCommands(LoadingWindow& loading, CalcCommands& calc,
                                      AppContext& context)
{
    return new ReportCommands(loading, calc, context);
}

}  // namespace spanrix
