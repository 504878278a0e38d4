#pragma once

#include <QObject>
#include <memory>

#include "design/combinations_run.h"
#include "engine/analysis.h"
#include "engine/result_display.h"
#include "ui/report/print_dialog.h"

namespace spanrix {

struct AppContext;
class CalcCommands;
class LoadingWindow;

// The two print commands: the loading screen's `printload` and the calculations screen's
// `printcalc` set `printSource` and open `print_info`. Lives as long as the loading
// screen (it is its child).
class ReportCommands : public QObject {
    Q_OBJECT

public:
    ReportCommands(LoadingWindow& loading, CalcCommands& calc, AppContext& context);
    ~ReportCommands() override;

    // Application modal but not blocking the caller; deletes itself when closed.
    PrintDialog* openPrintDialog(PrintSource source);

    PrintSource printSource() const { return printSource_; }
    // Tests put a chooser there that prints to a PDF file without a modal dialog.
    void setPrinterChooser(std::unique_ptr<PrinterChooser> chooser);

private:
    LoadingWindow& loading_;
    CalcCommands& calc_;
    AppContext& context_;
    PrintSource printSource_ = PrintSource::Load;
    std::unique_ptr<PrinterChooser> chooser_;
    // What a report without shown results reads.
    ResultBasis noRun_;
    ReactionSolution noReactions_;
    ResultSet noResults_{0};
    // The strength combinations of the printed beam, kept while its dialog is open.
    design::CombinationsRun combinations_;
};

ReportCommands* installReportCommands(LoadingWindow& loading, CalcCommands& calc,
                                      AppContext& context);

}  // namespace spanrix
