#include <QCheckBox>
#include <QFile>
#include <QComboBox>
#include <QListWidget>
#include <QTableWidget>
#include <QTemporaryDir>

#include "app_driver.h"
#include "pdf_printing.h"
#include "engine/result_display.h"
#include "files/design_file.h"
#include "ui/design/design_commands.h"
#include "ui/files/file_commands.h"
#include "ui/report/report_commands.h"
#include "ui/qt_surface.h"

namespace spanrix::testing {
namespace {

// The design windows on the worked example of a 35 ft simple span of a W18 X 50 under a
// uniform dead load of 450 lb/ft and a uniform live load of 750 lb/ft.
class DesignWindowsTest : public AppDriver {
protected:
    void SetUp() override
    {
        startBeam(false, "35");
        addSupport("0");
        addSupport("35");
        addDistLoad("450", "450", "0", "35", "pf");
        addDistLoad("750", "750", "0", "35", "pf");
    }

    QWidget* open(const char* item)
    {
        loading().action(item)->trigger();
        return find(item);
    }

    void chooseSection(const QString& name)
    {
        QWidget* props = openDialog("beamproperties", "BeamProp");
        ASSERT_NE(props, nullptr);
        press(props, "Command4");
        QWidget* chooser = find("choose_beam");
        ASSERT_NE(chooser, nullptr);
        auto* list = chooser->findChild<QListWidget*>("values(0)");
        const auto items = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1);
        list->setCurrentItem(items.front());
        press(chooser, "acceptx");
        press(props, "Command1");
    }

    static bool drawn(QWidget* window, const char* surface)
    {
        const QImage& image = window->findChild<QtSurface*>(surface)->image();
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2)
                if (image.pixel(x, y) != qRgb(255, 255, 255)) return true;
        return false;
    }

    static QString cell(QWidget* window, const char* table, int row, int column)
    {
        auto* t = window->findChild<QTableWidget*>(table);
        return t->item(row, column) ? t->item(row, column)->text() : QString();
    }
};

TEST_F(DesignWindowsTest, CasesSectionCombinationsAndSteelCheckThroughTheirWindows)
{
    chooseSection("W18 X 50");
    EXPECT_EQ(model().design.sectionName, "W18 X 50");
    EXPECT_EQ(model().momentOfInertia, 800.0f);

    // Load cases: one row per load, set one by one and for a selection at once.
    QWidget* cases = open("loadcases");
    ASSERT_NE(cases, nullptr);
    auto* list = cases->findChild<QTableWidget*>("caselist");
    ASSERT_EQ(list->rowCount(), 2);
    EXPECT_EQ(cell(cases, "caselist", 1, 0), "4");
    EXPECT_EQ(cell(cases, "caselist", 1, 1), "Dist. Load");
    list->selectAll();
    cases->findChild<QComboBox*>("selectedcase")->setCurrentIndex(3);
    press(cases, "applycase");
    EXPECT_EQ(model().distLoadCase[1], LoadCase::S);
    EXPECT_EQ(model().distLoadCase[2], LoadCase::S);
    cases->findChild<QComboBox*>("case3")->setCurrentIndex(0);
    cases->findChild<QComboBox*>("case4")->setCurrentIndex(1);
    EXPECT_EQ(model().distLoadCase[1], LoadCase::D);
    EXPECT_EQ(model().distLoadCase[2], LoadCase::L);
    // Each change is a step of the document: undo gives the selection's S back.
    EXPECT_TRUE(app.context().document.isModified());
    loading().action("undo")->trigger();
    EXPECT_EQ(model().distLoadCase[2], LoadCase::S);
    EXPECT_EQ(cases->findChild<QComboBox*>("case4")->currentIndex(), 3);
    loading().action("redo")->trigger();
    EXPECT_EQ(model().distLoadCase[2], LoadCase::L);
    // The section brings its own weight; none is typed.
    EXPECT_FALSE(cases->findChild<QLineEdit*>("weight")->isEnabled());

    // Combinations: those the cases present leave, with wL^2/8 of the governing one.
    QWidget* combinations = open("combinations");
    ASSERT_NE(combinations, nullptr);
    auto* table = combinations->findChild<QTableWidget*>("combinationtable");
    QStringList names;
    for (int r = 0; r < table->rowCount(); ++r) names << cell(combinations, "combinationtable", r, 0);
    EXPECT_EQ(names, (QStringList{"1.4D", "1.2D + 1.6L", "1.2D + L", "1.2D", "0.9D"}));
    const double mu = 1740.0 / 12 * 420 * 420 / 8;
    const int figs = app.context().state.sigFigs;
    EXPECT_TRUE(cell(combinations, "combinationtable", 1, 3).toStdString() == momentText(mu, false, figs) ||
                cell(combinations, "combinationtable", 1, 5).toStdString() == momentText(-mu, false, figs));
    EXPECT_TRUE(drawn(combinations, "momentenvelope"));
    EXPECT_TRUE(drawn(combinations, "shearenvelope"));
    combinations->findChild<QComboBox*>("method")->setCurrentIndex(1);
    EXPECT_EQ(cell(combinations, "combinationtable", 1, 0), "D + L");

    // The steel check: continuously braced it passes; braced at the third points
    // lateral-torsional buckling governs the middle segment.
    QWidget* check = open("steelcheck");
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(check->findChild<QComboBox*>("section")->currentText(), "W18 X 50");
    choose(check, "continuous");
    press(check, "check");
    auto* verdict = check->findChild<QLabel*>("verdict");
    EXPECT_TRUE(verdict->text().startsWith("W18 X 50 passes: ")) << verdict->text().toStdString();
    EXPECT_EQ(check->findChild<QTableWidget*>("checktable")->rowCount(), 4);
    EXPECT_TRUE(drawn(check, "governingmoment"));
    choose(check, "atpoints");
    type(check, "bracepoints", "11.6667, 23.3333");
    press(check, "check");
    EXPECT_TRUE(cell(check, "checktable", 0, 8).contains("lateral-torsional buckling"));
    EXPECT_EQ(model().design.steelCheck.bracePoints.size(), 2u);

    // A heavier beam is checked again at once, and the windows follow.
    addPointLoad("60000", "17.5");
    EXPECT_TRUE(verdict->text().contains("fails")) << verdict->text().toStdString();
    EXPECT_EQ(list->rowCount(), 3);

    // The print dialog offers the check once it has run.
    loading().action("printload")->trigger();
    QWidget* print = find("print_info");
    ASSERT_NE(print, nullptr);
    EXPECT_TRUE(print->findChild<QCheckBox*>("SteelCheck")->isEnabled());
    press(print, "Command1");

    // Printed, the combinations are those of the beam's design method.
    settle();  // the closed print dialog is gone
    check->findChild<QComboBox*>("method")->setCurrentIndex(1);
    press(check, "check");
    loading().action("runcalc")->trigger();
    QTemporaryDir out;
    const QString pdf = out.filePath("report.pdf");
    loading().findChild<ReportCommands*>()->setPrinterChooser(std::make_unique<PdfChooser>(pdf));
    calcItem("printcalc")->trigger();
    print = find("print_info");
    ASSERT_NE(print, nullptr);
    auto* combinationsBox = print->findChild<QCheckBox*>("LoadCombinations");
    ASSERT_TRUE(combinationsBox->isEnabled());
    combinationsBox->setChecked(true);
    press(print, "Command2");
    const QString report = pdfText(pdf);
    EXPECT_TRUE(report.contains("D + L")) << report.toStdString();
    EXPECT_FALSE(report.contains("1.2D")) << report.toStdString();
    screen()->close();

    // Typing I forgets the section; "Use for Beam Properties" sets it again.
    setSection("900", "", "9");
    EXPECT_EQ(model().design.sectionName, "");
    press(check, "usesection");
    EXPECT_EQ(model().design.sectionName, "W18 X 50");
    EXPECT_EQ(model().momentOfInertia, 800.0f);
    EXPECT_EQ(model().modulusE, 29e6f);
}

TEST_F(DesignWindowsTest, DesignFilesSavedAndOpenedAndALoadFileSaveAsksFirst)
{
    QTemporaryDir dir;
    BeamDocument& document = app.context().document;
    auto setLiveCase = [&](LoadCase c) {
        document.change("Load Case", [c](AppState& s) { setLoadCase(s.model, FeatureKind::DistLoad, 2, c); });
    };
    setLiveCase(LoadCase::L);

    // A load file would drop the cases: No leaves the save window closed.
    prompts.answers.push_back(false);
    loading().action("saveloadcfg")->trigger();
    ASSERT_FALSE(prompts.shown.empty());
    EXPECT_EQ(prompts.shown.back().text, std::string(kLoadFileDropsDesignQuestion));
    EXPECT_EQ(find("Saveload"), nullptr);

    auto* design = loading().findChild<DesignCommands*>();
    const std::string path = dir.filePath("beam").toStdString();
    design->setFileChoosers([&](const SaveNameRequest&) { return std::optional(path + ".spanrix"); },
                            [&](const SaveNameRequest& r) {
                                EXPECT_EQ(r.filter, "Spanrix design (*.spanrix)");
                                return std::optional(path);
                            });
    ASSERT_TRUE(design->saveDesignAs());
    EXPECT_TRUE(loading().windowTitle().contains("beam.spanrix"));
    EXPECT_FALSE(document.isModified());

    // Save writes the design file again, with no question.
    setLiveCase(LoadCase::S);
    const size_t asked = prompts.shown.size();
    loading().action("save")->trigger();
    EXPECT_EQ(prompts.shown.size(), asked);
    BeamModel reread;
    ASSERT_TRUE(openBeamFile(path + ".spanrix", reread).ok());
    EXPECT_EQ(reread.distLoadCase[2], LoadCase::S);

    setLiveCase(LoadCase::D);
    prompts.saveChoices.push_back(SaveChoice::Discard);
    ASSERT_TRUE(design->openDesign());
    EXPECT_EQ(model().distLoadCase[2], LoadCase::S);
    EXPECT_FALSE(document.isModified());

    // A design file is told by its content, whatever its name, and Save keeps it one.
    const std::string renamed = dir.filePath("beam.json").toStdString();
    ASSERT_TRUE(QFile::copy(QString::fromStdString(path + ".spanrix"), QString::fromStdString(renamed)));
    ASSERT_TRUE(app.fileCommands().openFile(renamed, FileLayout::Current));
    setLiveCase(LoadCase::W);
    const size_t before = prompts.shown.size();
    loading().action("save")->trigger();
    EXPECT_EQ(prompts.shown.size(), before);
    ASSERT_TRUE(openBeamFile(renamed, reread).ok());
    EXPECT_EQ(reread.distLoadCase[2], LoadCase::W);
}

}  // namespace
}  // namespace spanrix::testing
