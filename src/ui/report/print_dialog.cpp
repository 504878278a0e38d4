#include "ui/report/print_dialog.h"

#include <QCheckBox>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <initializer_list>

#include "ui/dialogs/dialog_widgets.h"
#include "ui/prompts.h"
#include "drawing/report_printing.h"
#include "ui/help/input_tips.h"

namespace spanrix {

namespace {

QCheckBox* checkBox(QWidget* parent, const char* name, const char* caption)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    return box;
}

void enable(std::initializer_list<QWidget*> widgets, bool on)
{
    for (QWidget* w : widgets) w->setEnabled(on);
}

// A box greyed out after it was ticked does not count.
bool ticked(const QCheckBox* box) { return box->isChecked() && box->isEnabled(); }

QGroupBox* groupBox(QWidget* parent, const char* name, const char* caption)
{
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    return box;
}

}  // namespace

bool SystemPrinterChooser::choose(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

std::string reportDate()
{
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

PrintDialog::PrintDialog(PrintSource source, PrintMaterial material, Prompts& prompts,
                         ChoosePrinter choosePrinter, QWidget* parent)
    : QDialog(parent), source_(source), material_(std::move(material)), prompts_(prompts),
      choosePrinter_(std::move(choosePrinter))
{
    using dialogs::label;
    setObjectName("print_info");
    setWindowTitle("Print");

    auto* layout = new QVBoxLayout(this);
    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(label(this, "Label1", "Title of Report"));
    title_ = dialogs::textBox(this, "title", "");
    titleRow->addWidget(title_, 1);
    layout->addLayout(titleRow);
    beamProp_ = checkBox(this, "BeamProp", "Beam Properties");
    layout->addWidget(beamProp_);

    auto* loadFrame = groupBox(this, "Loadframe", "Load Configuration");
    auto* loadBoxes = new QVBoxLayout(loadFrame);
    loadText_ = checkBox(loadFrame, "LoadText", "Text");
    loadImage_ = checkBox(loadFrame, "LoadImage", "Graphic Image");
    supReac_ = checkBox(loadFrame, "SupReac", "Support Reactions");
    for (QWidget* w : {loadText_, loadImage_, supReac_}) loadBoxes->addWidget(w);

    calcFrame_ = groupBox(this, "Calcframe", "Calculations");
    auto* calcBoxes = new QVBoxLayout(calcFrame_);
    maxVal_ = checkBox(calcFrame_, "MaxVal", "Maximum Values");
    ptVal_ = checkBox(calcFrame_, "PtVal", "Values at a Point");
    calcImage_ = checkBox(calcFrame_, "CalcImage", "Graphic Image");
    for (QWidget* w : {maxVal_, ptVal_, calcImage_}) calcBoxes->addWidget(w);

    auto* frames = new QHBoxLayout;
    frames->addWidget(loadFrame);
    frames->addWidget(calcFrame_);
    layout->addLayout(frames);

    // Only a check that has been run can be printed.
    auto* designFrame = groupBox(this, "Designframe", "Design");
    auto* designBoxes = new QVBoxLayout(designFrame);
    loadCombinations_ = checkBox(designFrame, "LoadCombinations", "Load Combinations");
    loadCombinations_->setEnabled(material_.data.combinations != nullptr);
    designBoxes->addWidget(loadCombinations_);
    steelCheck_ = checkBox(designFrame, "SteelCheck", "Steel Design Check");
    steelCheck_->setEnabled(!material_.data.steelCheckLines.empty());
    designBoxes->addWidget(steelCheck_);
    layout->addWidget(designFrame);

    locFrame_ = groupBox(this, "locframe", "");
    auto* locRow = new QHBoxLayout(locFrame_);
    locLabel_ = label(locFrame_, "loclab", "Location");
    locText_ = dialogs::textBox(locFrame_, "loctext", "");
    engFrame_ = groupBox(locFrame_, "engframe", "");
    auto* engRow = new QHBoxLayout(engFrame_);
    inch_ = dialogs::option(engFrame_, "inch", "in.");
    feet_ = dialogs::option(engFrame_, "feet", "ft.");
    feet_->setChecked(true);
    engRow->addWidget(inch_);
    engRow->addWidget(feet_);
    met_ = label(locFrame_, "met", "m");
    locRow->addWidget(locLabel_);
    locRow->addWidget(locText_, 1);
    locRow->addWidget(engFrame_);
    locRow->addWidget(met_);
    layout->addWidget(locFrame_);
    enable({locFrame_, locLabel_, locText_, inch_, feet_, met_}, false);
    met_->setVisible(false);

    auto* buttons = new QHBoxLayout;
    auto* print = dialogs::button(this, "Command2", "Print");
    auto* cancel = dialogs::button(this, "Command1", "Cancel");
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    // A report from the loading screen has no results to print.
    if (source_ == PrintSource::Load)
        enable({calcFrame_, calcImage_, maxVal_, ptVal_, supReac_}, false);

    connect(loadText_, &QCheckBox::toggled, this, &PrintDialog::loadTextClicked);
    connect(ptVal_, &QCheckBox::toggled, this, &PrintDialog::pointValuesClicked);
    connect(print, &QPushButton::clicked, this, &PrintDialog::print);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    title_->setFocus(Qt::OtherFocusReason);  // opens ready for the report's title
    explainInputs(*this);
}

void PrintDialog::loadTextClicked()
{
    supReac_->setEnabled(source_ == PrintSource::Calc && loadText_->isChecked());
}

void PrintDialog::pointValuesClicked()
{
    if (!ptVal_->isChecked()) {
        enable({locText_, locLabel_, locFrame_, inch_, feet_, met_}, false);
        return;
    }
    enable({locFrame_, locLabel_, locText_}, true);
    const bool metric = material_.metricUnits;
    engFrame_->setVisible(!metric);
    met_->setVisible(metric);
    if (metric)
        met_->setEnabled(true);
    else
        enable({inch_, feet_}, true);
}

ReportChoices PrintDialog::choices() const
{
    ReportChoices c;
    c.title = title_->text().toStdString();
    c.beamProperties = ticked(beamProp_);
    c.loadConfiguration = ticked(loadText_);
    c.supportReactions = ticked(supReac_);
    c.maximumValues = ticked(maxVal_);
    c.pointValues = ticked(ptVal_);
    c.location = locText_->text().toStdString();
    c.feetSelected = feet_->isChecked();
    c.loadCombinations = ticked(loadCombinations_);
    c.steelDesignCheck = ticked(steelCheck_);
    return c;
}

void PrintDialog::print()
{
    const ReportChoices c = choices();
    if (const auto refusal = reportRefusal(material_.data, c)) {
        prompts_.message(*refusal);
        return;
    }
    ReportDocument document;
    if (ticked(loadImage_)) document.images.push_back(material_.loadingScreen);
    if (ticked(calcImage_)) document.images.push_back(material_.calculationsScreen);
    document.lines = reportLines(material_.data, c, reportDate());
    if (document.empty()) {
        accept();  // nothing chosen: nothing to send to a printer
        return;
    }

    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(c.title.empty() ? QString("Spanrix Report") : QString::fromStdString(c.title));
    printer.setCreator("Spanrix");
    if (!choosePrinter_(printer, this)) return;
    if (!printReport(printer, document) || printer.printerState() == QPrinter::Error) {
        prompts_.message(kPrintFailedMessage);
        return;
    }
    accept();
}

}  // namespace spanrix
