// The beam document through the real windows: results that follow every change, the
// question before an edited beam is lost, Save and the modified mark, undo and redo.

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app_driver.h"
#include "pdf_printing.h"
#include "files/load_file.h"
#include "ui/calc/calculations_window.h"
#include "ui/files/file_commands.h"
#include "ui/qt_surface.h"
#include "ui/report/print_dialog.h"
#include "ui/report/report_commands.h"

namespace spanrix {
namespace {

namespace fs = std::filesystem;

std::string fileText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class BeamDocumentTest : public testing::AppDriver {
protected:
    void command(const char* name, const char* reply)
    {
        prompts.replies.push_back(std::string(reply));
        loading().action(name)->trigger();
    }
    void editLoad(const char* row, const char* magnitude)
    {
        command("editfeature", row);
        type(find("load_info"), "loadmag", magnitude);
        press(find("load_info"), "Command1");
    }
    void closeScreen()
    {
        calcItem("showloading")->trigger();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QImage screenImage() { return find<CalculationsWindow>("momdisplay")->surface().image(); }
    std::vector<std::string> captions()
    {
        std::vector<std::string> out;
        for (int row = 1; row <= loading().legend().rowCount(); ++row)
            for (int i = 0; i < 4; ++i) out.push_back((*loading().legend().group(row))[i].caption);
        return out;
    }
    bool drop(const fs::path& path)
    {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path.string()))});
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&loading(), &enter);
        QDropEvent dropped(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&loading(), &dropped);
        return enter.isAccepted();
    }
    int saveQuestions() const
    {
        return int(std::count_if(prompts.shown.begin(), prompts.shown.end(),
                                 [](const auto& s) { return s.kind == "save question"; }));
    }

    QTemporaryDir temp;
    fs::path dir{temp.path().toStdString()};
};

TEST_F(BeamDocumentTest, TheOpenScreenFollowsEveryChangeAsAFreshRunWouldDrawIt)
{
    simpleBeam();
    loading().action("runcalc")->trigger();
    const QImage before = screenImage();
    editLoad("3", "2000");
    const QImage live = screenImage();
    EXPECT_FALSE(live == before);
    EXPECT_EQ(loading().legend().group(1)->labels[LegendGroup::Second].caption, "1000 lb.");
    closeScreen();
    loading().action("runcalc")->trigger();
    EXPECT_TRUE(live == screenImage());  // no pixel of the old diagrams

    // The last support removed: blank, with the refusal, and nothing to read off it.
    command("removefeature", "2");
    const char* resultItems[] = {"max", "point", "exactmax", "exportcsv", "saveimages", "printcalc", "sheardiagram"};
    for (const char* item : resultItems) EXPECT_FALSE(calcItem(item)->isEnabled()) << item;
    EXPECT_TRUE(prompts.messages().empty()) << prompts.lastMessage();
    const QImage blank = screenImage();
    EXPECT_FALSE(blank == live);
    // Put back, it fills in by itself as the same beam run afresh.
    addSupport("20");
    for (const char* item : resultItems) EXPECT_TRUE(calcItem(item)->isEnabled()) << item;
    EXPECT_TRUE(screenImage() == live);
}

TEST_F(BeamDocumentTest, APrintAfterAnEditDescribesTheEditedBeam)
{
    simpleBeam();
    loading().action("runcalc")->trigger();
    editLoad("3", "2000");
    const QString pdf = QString::fromStdString((dir / "report.pdf").string());
    loading().findChild<ReportCommands*>()->setPrinterChooser(std::make_unique<testing::PdfChooser>(pdf));
    calcItem("printcalc")->trigger();
    QWidget* d = find("print_info");
    ASSERT_NE(d, nullptr);
    for (const char* box : {"LoadText", "SupReac"})
        QTest::mouseClick(d->findChild<QWidget*>(box), Qt::LeftButton, {}, QPoint(4, 4));
    press(d, "Command2");
    const QString report = testing::pdfText(pdf);
    EXPECT_TRUE(report.contains("2000 lb., x=10 ft.")) << report.toStdString();
    EXPECT_EQ(report.count("Reaction=1000 lb."), 2) << report.toStdString();
}

// Each command that throws the beam away, on a beam opened from beam.lod and then edited.
TEST_F(BeamDocumentTest, AnEditedBeamIsAskedAboutBeforeAnyCommandThrowsItAway)
{
    startBeam(false, "20");
    addSupport("0");
    addSupport("20");
    const BeamModel saved = model();
    ASSERT_FALSE(writeLoadFile((dir / "beam.lod").string(), saved));
    addPointLoad("250", "7");
    ASSERT_FALSE(writeLoadFile((dir / "other.lod").string(), model()));
    fs::copy_file(SPANRIX_SOURCE_DIR "/tests/fuzz/corpus/load_file/version1.lod", dir / "old.txt");
    const std::string savedText = fileText(dir / "beam.lod");

    const std::pair<const char*, std::function<void()>> commands[] = {
        {"close", [&] { loading().close(); }},
        {"exit", [&] { loading().action("quitspanrix")->trigger(); }},
        {"open", [&] { app.fileCommands().openFile((dir / "other.lod").string(), FileLayout::Current); }},
        {"import", [&] { app.fileCommands().openFile((dir / "old.txt").string(), FileLayout::Version1); }},
        {"reinitialize", [&] { loading().action("reinitialize")->trigger(); }},
        {"drop", [&] { drop(dir / "other.lod"); }},
    };
    enum class Answer { Unchanged, Cancel, Discard, Save, FailingSave };
    for (const auto& [name, run] : commands) {
        for (Answer answer : {Answer::Unchanged, Answer::Cancel, Answer::Discard, Answer::Save, Answer::FailingSave}) {
            const std::string what = std::string(name) + " " + std::to_string(int(answer));
            fs::remove_all(dir / "beam.lod");
            ASSERT_FALSE(writeLoadFile((dir / "beam.lod").string(), saved));
            if (!loading().isVisible()) loading().show();
            prompts.saveChoices = {SaveChoice::Discard};  // the last round's beam may go
            ASSERT_TRUE(app.fileCommands().openFile((dir / "beam.lod").string(), FileLayout::Current)) << what;
            if (answer != Answer::Unchanged) addPointLoad("500", "5");
            const BeamModel edited = model();
            if (answer == Answer::FailingSave) {
                // Where the file was, a folder: nothing can be written there.
                fs::remove(dir / "beam.lod");
                fs::create_directory(dir / "beam.lod");
            }
            prompts.clear();
            const SaveChoice choice = answer == Answer::Cancel  ? SaveChoice::Cancel
                                      : answer == Answer::Discard ? SaveChoice::Discard
                                                                  : SaveChoice::Save;
            prompts.saveChoices = {choice};
            run();
            const bool wentOn = std::string(name) == "close" || std::string(name) == "exit"
                                    ? !loading().isVisible()
                                    : !(model() == edited);
            if (answer == Answer::Unchanged) {
                EXPECT_EQ(saveQuestions(), 0) << what;
                EXPECT_TRUE(wentOn) << what;
                continue;
            }
            ASSERT_EQ(saveQuestions(), 1) << what;
            EXPECT_EQ(prompts.shown.front().text, "Save changes to beam.lod?") << what;
            EXPECT_EQ(wentOn, answer == Answer::Discard || answer == Answer::Save) << what;
            if (answer == Answer::Save) {
                EXPECT_EQ(fileText(dir / "beam.lod"), loadFileText(edited)) << what;
            }
            if (answer == Answer::FailingSave) {
                EXPECT_EQ(prompts.lastMessage(), "Could not save " + (dir / "beam.lod").string() + ".") << what;
                EXPECT_EQ(model(), edited) << what;
            }
            if (answer == Answer::Cancel) {
                EXPECT_EQ(model(), edited) << what;
                EXPECT_TRUE(loading().isVisible()) << what;
            }
            if (answer == Answer::Discard) {
                EXPECT_EQ(fileText(dir / "beam.lod"), savedText) << what;
            }
        }
    }
}

TEST_F(BeamDocumentTest, SaveWritesTheOpenedFileAndTheTitlesMarkAnEditedBeam)
{
    startBeam(false, "20");
    EXPECT_FALSE(loading().isWindowModified());
    addSupport("0");
    EXPECT_TRUE(loading().isWindowModified());
    // A new beam: Save asks for a name, and its question names "the new beam".
    loading().action("save")->trigger();
    EXPECT_NE(find("Saveload"), nullptr);
    find("Saveload")->close();
    prompts.saveChoices = {SaveChoice::Cancel};
    loading().action("reinitialize")->trigger();
    EXPECT_EQ(prompts.shown.back().text, "Save changes to the new beam?");

    addSupport("20");
    ASSERT_FALSE(writeLoadFile((dir / "beam.lod").string(), model()));
    prompts.saveChoices = {SaveChoice::Discard};
    ASSERT_TRUE(app.fileCommands().openFile((dir / "beam.lod").string(), FileLayout::Current));
    EXPECT_FALSE(loading().isWindowModified());
    addPointLoad("500", "5");
    setSection("100", "", "5");
    loading().action("runcalc")->trigger();
    auto* screen = find<CalculationsWindow>("momdisplay");
    EXPECT_TRUE(loading().isWindowModified());
    EXPECT_TRUE(screen->isWindowModified());
    QAction* save = loading().action("save");
    EXPECT_EQ(save->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(loading().action("saveloadcfg")->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    EXPECT_EQ(calcItem("save")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    calcItem("save")->trigger();
    EXPECT_EQ(fileText(dir / "beam.lod"), loadFileText(model()));
    EXPECT_FALSE(loading().isWindowModified());
    EXPECT_FALSE(screen->isWindowModified());
    EXPECT_EQ(loading().windowTitle(), "Spanrix: Loading Screen - beam.lod[*]");
    // Undone back to the saved beam, the mark goes again.
    addPointLoad("100", "2");
    EXPECT_TRUE(loading().isWindowModified());
    loading().action("undo")->trigger();
    EXPECT_FALSE(loading().isWindowModified());
}

TEST_F(BeamDocumentTest, UndoAndRedoGiveBackTheExactBeamAndLegend)
{
    startBeam(false, "20");
    const BeamModel startUp = model();
    ASSERT_FALSE(loading().action("undo")->isEnabled());
    addSupport("0");
    addDistLoad("2", "3", "0", "10");
    ASSERT_FALSE(writeLoadFile((dir / "beam.lod").string(), model()));
    fs::copy_file(SPANRIX_SOURCE_DIR "/tests/fuzz/corpus/load_file/version1.lod", dir / "old.txt");

    const std::pair<const char*, std::function<void()>> changes[] = {
        {"Add Point Load", [&] { addPointLoad("-300", "4"); }},
        {"Add Distributed Load", [&] { addDistLoad("5", "1", "2", "8"); }},
        {"Add Moment", [&] { addMoment("700", "3"); }},
        {"Add Support", [&] { addSupport("20"); }},
        {"Edit Feature 3", [&] { editLoad("3", "900"); }},
        {"Remove Feature 2", [&] { command("removefeature", "2"); }},
        {"Beam Properties", [&] { setSection("100", "", "5"); }},
        {"Change Resolution", [&] { command("changerltn", "5000"); }},
        {"Convert to Metric", [&] { loading().action("metricunits")->trigger(); }},
        {"Change Significant Figures", [&] { command("significantfigs", "5"); }},
        {"Convert to English", [&] { loading().action("englishunits")->trigger(); }},
        {"Open beam.lod", [&] {
             prompts.saveChoices = {SaveChoice::Discard};
             app.fileCommands().openFile((dir / "beam.lod").string(), FileLayout::Current);
         }},
        {"Import old.txt", [&] {
             prompts.saveChoices = {SaveChoice::Discard};
             app.fileCommands().openFile((dir / "old.txt").string(), FileLayout::Version1);
         }},
        {"Reinitialize", [&] {
             prompts.saveChoices = {SaveChoice::Discard};
             loading().action("reinitialize")->trigger();
         }},
    };
    int steps = 2;
    for (const auto& [name, make] : changes) {
        const BeamModel before = model();
        const auto beforeCaptions = captions();
        const int beforeSigFigs = app.context().state.sigFigs;
        make();
        steps += 1;
        ASSERT_FALSE(model() == before && app.context().state.sigFigs == beforeSigFigs) << name;
        EXPECT_EQ(loading().action("undo")->text(), QString("&Undo ") + name);
        const BeamModel after = model();
        const auto afterCaptions = captions();
        loading().action("undo")->trigger();
        EXPECT_EQ(model(), before) << name;
        EXPECT_EQ(captions(), beforeCaptions) << name;
        EXPECT_EQ(app.context().state.sigFigs, beforeSigFigs) << name;
        EXPECT_EQ(loading().action("redo")->text(), QString("&Redo ") + name);
        loading().action("redo")->trigger();
        EXPECT_EQ(model(), after) << name;
        EXPECT_EQ(captions(), afterCaptions) << name;
    }
    // More than twenty changes, undone one by one, give back the start-up beam.
    for (int i = 0; i < 8; ++i) addPointLoad(QString::number(100 + i), "3");
    steps += 8;
    ASSERT_GE(steps, 20);
    for (int i = 0; i < steps; ++i) loading().action("undo")->trigger();
    EXPECT_FALSE(loading().action("undo")->isEnabled());
    EXPECT_EQ(model(), startUp);
    EXPECT_EQ(loading().legend().rowCount(), 0);
    EXPECT_FALSE(loading().isWindowModified());
}

TEST_F(BeamDocumentTest, TheSessionEndingAsksAboutAnEditedBeamOnly)
{
    startBeam(false, "20");
    EXPECT_TRUE(app.mayEndSession());
    addSupport("0");
    const BeamModel edited = model();
    prompts.saveChoices = {SaveChoice::Cancel};
    EXPECT_FALSE(app.mayEndSession());
    // Save on a beam without a file: the Save window opens and the session waits.
    prompts.saveChoices = {SaveChoice::Save};
    EXPECT_FALSE(app.mayEndSession());
    EXPECT_NE(find("Saveload"), nullptr);
    prompts.saveChoices = {SaveChoice::Discard};
    EXPECT_TRUE(app.mayEndSession());
    EXPECT_EQ(saveQuestions(), 3);
    EXPECT_EQ(model(), edited);
}

}  // namespace
}  // namespace spanrix
