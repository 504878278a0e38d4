#pragma once

#include <QDialog>
#include <functional>

#include "report/report.h"
#include "drawing/screen_images.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QRadioButton;

namespace spanrix {

class Prompts;

// Which screen opened the print dialog: a report from the loading screen has no results.
enum class PrintSource { Load, Calc };

// The system's print dialog, behind a seam so tests choose a PDF file without a modal box.
class PrinterChooser {
public:
    virtual ~PrinterChooser() = default;
    // Lets the user set up `printer` (a printer the system knows, or a PDF file); false
    // when the user cancels.
    virtual bool choose(QPrinter& printer, QWidget* parent) = 0;
};

// Qt's print dialog: the CUPS printers and printing to a PDF file.
class SystemPrinterChooser : public PrinterChooser {
public:
    bool choose(QPrinter& printer, QWidget* parent) override;
};

// What the dialog prints from.
struct PrintMaterial {
    ReportData data;
    ScreenImage loadingScreen;
    ScreenImage calculationsScreen;
    bool metricUnits;  // the location is typed in metres
};

inline constexpr const char* kPrintFailedMessage = "The report could not be printed.";

// `print_info`: what to print, then the system print dialog, then one print job of the
// chosen screen images and the text report.
class PrintDialog : public QDialog {
    Q_OBJECT

public:
    // choosePrinter runs the system print dialog (a PrinterChooser's choose).
    using ChoosePrinter = std::function<bool(QPrinter&, QWidget*)>;
    PrintDialog(PrintSource source, PrintMaterial material, Prompts& prompts,
                ChoosePrinter choosePrinter, QWidget* parent = nullptr);

    ReportChoices choices() const;

public slots:
    // `Command2`: refuses a bad location, asks for the printer, prints and closes. A
    // cancelled or failed print leaves the dialog open.
    void print();

private:
    void loadTextClicked();
    void pointValuesClicked();

    PrintSource source_;
    PrintMaterial material_;
    Prompts& prompts_;
    ChoosePrinter choosePrinter_;

    QLineEdit* title_;
    QCheckBox* beamProp_;
    QCheckBox* loadText_;
    QCheckBox* loadImage_;
    QCheckBox* supReac_;
    QGroupBox* calcFrame_;
    QCheckBox* maxVal_;
    QCheckBox* ptVal_;
    QCheckBox* calcImage_;
    QGroupBox* locFrame_;
    QLabel* locLabel_;
    QLineEdit* locText_;
    QGroupBox* engFrame_;
    QRadioButton* inch_;
    QRadioButton* feet_;
    QLabel* met_;
    QCheckBox* loadCombinations_;
    QCheckBox* steelCheck_;
};

// The report's date: today in the system's short date form.
std::string reportDate();

}  // namespace spanrix
