// The print dialog through the real windows, printing to a PDF file that poppler reads back.

#include <QCheckBox>
#include <QGroupBox>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include "app_driver.h"
#include "files/load_file.h"
#include "ui/report/print_dialog.h"
#include "ui/report/report_commands.h"

namespace spanrix {
namespace {

// Stands for the system print dialog: prints to a PDF file, or is cancelled.
class PdfChooser : public PrinterChooser {
public:
    PdfChooser(QString file, bool accept, int& asked)
        : file_(std::move(file)), accept_(accept), asked_(asked)
    {
    }
    bool choose(QPrinter& printer, QWidget*) override
    {
        ++asked_;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file_);
        return accept_;
    }

private:
    QString file_;
    bool accept_;
    int& asked_;
};

QString poppler(const QString& tool, const QStringList& args)
{
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(30000)) return "<" + tool + " did not finish>";
    return QString::fromUtf8(p.readAllStandardOutput());
}

class ReportPrinting : public testing::AppDriver {
protected:
    ReportCommands& commands() { return *loading().findChild<ReportCommands*>(); }

    void printTo(const QString& file, bool accept = true)
    {
        commands().setPrinterChooser(std::make_unique<PdfChooser>(file, accept, asked));
    }

    QCheckBox* box(QWidget* d, const char* name) { return d->findChild<QCheckBox*>(name); }
    QWidget* control(QWidget* d, const char* name) { return d->findChild<QWidget*>(name); }
    void tick(QWidget* d, const char* name)
    {
        QTest::mouseClick(box(d, name), Qt::LeftButton, {}, QPoint(4, 4));
    }

    // The propped cantilever example, opened into the model, drawn and analysed.
    void openExampleAndRun()
    {
        startBeam(false, "10");
        ASSERT_TRUE(openLoadFile(SPANRIX_SOURCE_DIR "/examples/propped_cantilever.lod", model()).ok());
        loading().rebuildLegend();
        loading().drawSketch(13);
        loading().action("runcalc")->trigger();
        ASSERT_TRUE(prompts.messages().empty()) << prompts.lastMessage();
    }

    // Whether the dialog has closed (and gone).
    bool closed()
    {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return find("print_info") == nullptr;
    }

    QTemporaryDir dir;
    int asked = 0;
};

TEST_F(ReportPrinting, FromTheLoadingScreenTheResultBoxesAreOff)
{
    startBeam(false, "10");
    loading().action("printload")->trigger();
    QWidget* d = find("print_info");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(commands().printSource(), PrintSource::Load);
    EXPECT_EQ(d->windowTitle(), "Print");
    EXPECT_TRUE(d->isModal());
    const std::pair<const char*, const char*> boxes[] = {
        {"BeamProp", "Beam Properties"}, {"LoadText", "Text"}, {"LoadImage", "Graphic Image"},
        {"SupReac", "Support Reactions"}, {"MaxVal", "Maximum Values"},
        {"PtVal", "Values at a Point"}, {"CalcImage", "Graphic Image"}};
    for (const auto& [name, caption] : boxes) {
        ASSERT_NE(box(d, name), nullptr) << name;
        EXPECT_EQ(box(d, name)->text(), caption);
        EXPECT_FALSE(box(d, name)->isChecked()) << name;
    }
    EXPECT_EQ(d->findChild<QGroupBox*>("Loadframe")->title(), "Load Configuration");
    EXPECT_EQ(d->findChild<QGroupBox*>("Calcframe")->title(), "Calculations");
    EXPECT_EQ(d->findChild<QLabel*>("Label1")->text(), "Title of Report");
    EXPECT_EQ(boxText(d, "title"), "");
    EXPECT_EQ(d->focusWidget(), control(d, "title"));  // typing goes to the title
    for (const char* off : {"Calcframe", "CalcImage", "MaxVal", "PtVal", "SupReac", "locframe",
                            "loclab", "loctext", "inch", "feet", "met"})
        EXPECT_FALSE(control(d, off)->isEnabled()) << off;
    EXPECT_TRUE(d->findChild<QRadioButton*>("feet")->isChecked());
    EXPECT_TRUE(d->findChild<QLabel*>("met")->isHidden());
    tick(d, "LoadText");
    EXPECT_FALSE(control(d, "SupReac")->isEnabled());  // no reactions without a run
    tick(d, "LoadText");

    // Nothing chosen: nothing goes to a printer, and the dialog closes. Enter presses the
    // focused button.
    printTo(dir.filePath("none.pdf"));
    control(d, "Command2")->setFocus();
    QTest::keyClick(control(d, "Command2"), Qt::Key_Return);
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(closed());
    loading().action("printload")->trigger();
    press(find("print_info"), "Command1");
    EXPECT_TRUE(closed());
}

TEST_F(ReportPrinting, AFullReportOfAnExampleBeamIsOnePdf)
{
    openExampleAndRun();
    calcItem("printcalc")->trigger();
    QWidget* d = find("print_info");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(commands().printSource(), PrintSource::Calc);
    EXPECT_TRUE(control(d, "SupReac")->isEnabled());
    tick(d, "LoadText");
    EXPECT_TRUE(control(d, "SupReac")->isEnabled());
    EXPECT_FALSE(control(d, "loctext")->isEnabled());
    tick(d, "PtVal");
    for (const char* on : {"locframe", "loclab", "loctext", "inch", "feet"})
        EXPECT_TRUE(control(d, on)->isEnabled()) << on;
    EXPECT_FALSE(control(d, "engframe")->isHidden());
    for (const char* name : {"BeamProp", "LoadImage", "SupReac", "MaxVal", "CalcImage"}) tick(d, name);
    type(d, "title", "Propped cantilever check");

    // A location beyond the beam is refused before anything is printed.
    const QString pdf = dir.filePath("report.pdf");
    printTo(pdf, false);
    type(d, "loctext", "13");
    press(d, "Command2");
    EXPECT_EQ(prompts.lastMessage(), "Invalid location.");
    EXPECT_EQ(asked, 0);
    // Cancelling the system print dialog prints nothing and comes back.
    type(d, "loctext", "6");
    press(d, "Command2");
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(QFile::exists(pdf));
    ASSERT_EQ(find("print_info"), d);

    printTo(pdf);
    press(d, "Command2");
    EXPECT_TRUE(closed());
    ASSERT_TRUE(QFile::exists(pdf));

    const QString info = poppler("pdfinfo", {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression("Title: +Propped cantilever check")))
        << info.toStdString();
    const int pages = QRegularExpression("Pages: +(\\d+)").match(info).captured(1).toInt();
    ASSERT_GE(pages, 3) << info.toStdString();
    auto page = [&](int n) {
        const QString number = QString::number(n);
        return poppler("pdftotext", {"-layout", "-f", number, "-l", number, pdf, "-"});
    };
    // The two screens first, each a page of its own, then the text.
    EXPECT_TRUE(page(1).contains("Beam Length is 12 ft.")) << page(1).toStdString();
    EXPECT_TRUE(page(1).contains("Cantilever Support"));
    EXPECT_FALSE(page(1).contains("REPORT"));
    EXPECT_TRUE(page(2).contains("BENDING STRESS")) << page(2).toStdString();
    EXPECT_FALSE(page(2).contains("REPORT"));
    const QString text = poppler("pdftotext", {"-layout", "-f", "3", pdf, "-"});
    for (const char* expected :
         {"SPANRIX V2.0 REPORT", "Propped cantilever check", "BEAM PROPERTIES",
          "Beam Length = 12 ft.", "LOAD CONFIGURATION",
          "Start=50 lb./in., x=0 ft.; End=50 lb./in., x=12 ft.",
          "Cantilever support; 0 ft., Reaction=4500 lb., 130000 lb.-in.",
          "Simple support; 12 ft., Reaction=2700 lb.", "MAXIMUM VALUES",
          "Maximum Bending Moment = -10800 lb.-ft. at x=0 ft.", "VALUES AT A POINT (X=6 ft.)",
          "Bending Moment=5400 lb.-ft."})
        EXPECT_TRUE(text.contains(expected)) << expected << "\n" << text.toStdString();
    EXPECT_TRUE(text.trimmed().endsWith(QString::fromStdString(reportDate())))
        << text.toStdString();
}

TEST_F(ReportPrinting, APrinterThatRefusesTheJobIsReported)
{
    startBeam(false, "10");
    loading().action("printload")->trigger();
    QWidget* d = find("print_info");
    ASSERT_NE(d, nullptr);
    type(d, "title", "x");
    printTo(dir.filePath("missing/folder/report.pdf"));
    press(d, "Command2");
    EXPECT_EQ(prompts.lastMessage(), kPrintFailedMessage);
    EXPECT_EQ(find("print_info"), d);
}

}  // namespace
}  // namespace spanrix
