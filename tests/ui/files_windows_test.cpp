// The file road through the real windows: Save, Retrieve and Import, the start-up dialog's
// Retrieve Load File, the command line and a dropped file.

#include <QComboBox>
#include <QDropEvent>
#include <QFocusEvent>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QUrl>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app_driver.h"
#include "files/load_file.h"
#include "ui/files/directory_browser.h"
#include "ui/dialogs/init_dialog.h"
#include "ui/files/file_commands.h"
#include "ui/files/file_window.h"

namespace spanrix {
namespace {

namespace fs = std::filesystem;

class FileWindows : public testing::AppDriver {
protected:
    FileWindows()
    {
        dir = fs::temp_directory_path() / ("spanrix-files-" + std::to_string(getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir / "sub");
    }
    ~FileWindows() override
    {
        std::error_code ec;
        fs::permissions(dir, fs::perms::owner_all, ec);
        fs::remove_all(dir, ec);
    }

    // A beam with every kind of feature, one of them removed, and section properties.
    void buildBeam()
    {
        startBeam(false, "20");
        addSupport("", true);
        addSupport("20");
        addPointLoad("1000", "5");
        addDistLoad("-10", "-30", "2", "12", "pi");
        addMoment("500", "15");
        addPointLoad("200", "8");
        prompts.replies.push_back(std::string("6"));
        loading().action("removefeature")->trigger();
        setSection("100", "", "5");
        ASSERT_EQ(model().numFeatures, 6);
        ASSERT_TRUE(prompts.messages().empty()) << prompts.lastMessage();
    }

    std::vector<std::string> captions()
    {
        std::vector<std::string> out;
        for (int row = 1; row <= loading().legend().rowCount(); ++row)
            for (int i = 0; i < 4; ++i) out.push_back((*loading().legend().group(row))[i].caption);
        return out;
    }

    FileWindow* show(const char* command, const char* name)
    {
        state().currentDir = dir.string();
        loading().action(command)->trigger();
        return qobject_cast<FileWindow*>(find(name));
    }

    QStringList listed(QWidget* window, const char* list)
    {
        QStringList names;
        auto* l = window->findChild<QListWidget*>(list);
        for (int i = 0; l && i < l->count(); ++i) names << l->item(i)->text();
        return names;
    }

    void pick(QWidget* window, const QString& name)
    {
        auto* l = window->findChild<QListWidget*>("flist");
        const auto items = l->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(items[0]).center());
    }

    // A real double click: the first click's press and release, then the double click.
    void doubleClick(QListWidget* list, QListWidgetItem* item)
    {
        const QPoint at = list->visualItemRect(item).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    std::string fileText(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    AppState& state() { return app.context().state; }

    fs::path dir;
};

TEST_F(FileWindows, SaveReinitialiseOpenGivesTheSameBeam)
{
    buildBeam();
    const BeamModel built = model();
    const std::vector<std::string> builtCaptions = captions();

    // Wildcards are refused before anything is written.
    FileWindow* save = show("saveloadcfg", "Saveload");
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(boxText(save, "Savename"), "loadcfg");
    type(save, "Savename", "be*m");
    press(save, "savebutton");
    EXPECT_EQ(prompts.lastMessage(), "A file name may not contain * or ?.");
    EXPECT_TRUE(save->isVisible());
    EXPECT_FALSE(fs::exists(dir / "be*m.lod"));
    // So is a name that would make a hidden file.
    type(save, "Savename", "");
    press(save, "savebutton");
    EXPECT_EQ(prompts.lastMessage(), "A file name may not be empty or start with a point.");
    EXPECT_FALSE(fs::exists(dir / ".lod"));

    type(save, "Savename", "beam");
    QTest::keyClick(save->findChild<QLineEdit*>("Savename"), Qt::Key_Return);
    settle();
    EXPECT_EQ(find("Saveload"), nullptr);
    ASSERT_EQ(fileText(dir / "beam.lod"), loadFileText(built));
    EXPECT_EQ(loading().windowTitle(), "Spanrix: Loading Screen - beam.lod[*]");

    // Back to the first beam through Reinitialize (No) and Open.
    loading().action("reinitialize")->trigger();
    EXPECT_EQ(model().numFeatures, 0);
    EXPECT_EQ(loading().windowTitle(), "Spanrix: Loading Screen[*]");
    FileWindow* retrieve = show("openloadcfg", "getload");
    ASSERT_NE(retrieve, nullptr);
    EXPECT_EQ(retrieve->windowTitle(), "Retrieve Load Configuration");
    EXPECT_EQ(listed(retrieve, "flist"), QStringList{"beam.lod"});
    pick(retrieve, "beam.lod");
    EXPECT_EQ(boxText(retrieve, "loadfile"), "beam.lod");
    prompts.clear();
    press(retrieve, "loadbutton");
    settle();
    EXPECT_TRUE(prompts.messages().empty()) << prompts.lastMessage();
    EXPECT_EQ(find("getload"), nullptr);
    EXPECT_EQ(loadFileText(model()), loadFileText(built));
    EXPECT_EQ(model(), built);
    EXPECT_EQ(captions(), builtCaptions);
    EXPECT_EQ(legendText("blank61"), "");
    EXPECT_EQ(loading().windowTitle(), "Spanrix: Loading Screen - beam.lod[*]");

    // Saving onto it asks; No writes nothing and keeps the window, Yes replaces the file.
    addPointLoad("300", "9");
    save = show("saveloadcfg", "Saveload");
    EXPECT_EQ(listed(save, "filelist"), QStringList{"beam.lod"});
    type(save, "Savename", "beam.lod");
    prompts.clear();
    prompts.answers = {false};
    press(save, "savebutton");
    EXPECT_EQ(prompts.shown.back().text, "File exists.  Do you wish to overwrite?");
    EXPECT_EQ(fileText(dir / "beam.lod"), loadFileText(built));
    EXPECT_TRUE(save->isVisible());
    prompts.answers = {true};
    press(save, "savebutton");
    settle();
    EXPECT_EQ(fileText(dir / "beam.lod"), loadFileText(model()));
    EXPECT_EQ(find("Saveload"), nullptr);
}

TEST_F(FileWindows, ATypedPathSavesIntoItsFolderAndTheWindowsFollow)
{
    startBeam(false, "20");
    addSupport("0");

    // A missing folder is refused; nothing is written and the window stays.
    FileWindow* save = show("saveloadcfg", "Saveload");
    ASSERT_NE(save, nullptr);
    type(save, "Savename", "missing/twospan");
    press(save, "savebutton");
    EXPECT_EQ(prompts.lastMessage(), "The folder " + (dir / "missing").string() + " does not exist.");
    EXPECT_TRUE(save->isVisible());
    EXPECT_FALSE(fs::exists(dir / "missing"));

    // Relative to the shown directory; the next window opens in the file's folder.
    type(save, "Savename", "sub/twospan");
    press(save, "savebutton");
    settle();
    EXPECT_EQ(fileText(dir / "sub" / "twospan.lod"), loadFileText(model()));
    EXPECT_EQ(state().currentDir, (dir / "sub").string());
    EXPECT_EQ(loading().windowTitle(), "Spanrix: Loading Screen - twospan.lod[*]");
    loading().action("openloadcfg")->trigger();
    FileWindow* retrieve = qobject_cast<FileWindow*>(find("getload"));
    ASSERT_NE(retrieve, nullptr);
    EXPECT_EQ(retrieve->browser().directory().toStdString(), (dir / "sub").string());
    EXPECT_EQ(listed(retrieve, "flist"), QStringList{"twospan.lod"});
    retrieve->close();

    // Absolute.
    save = show("saveloadcfg", "Saveload");
    type(save, "Savename", QString::fromStdString((dir / "sub" / "abs").string()));
    press(save, "savebutton");
    settle();
    EXPECT_TRUE(fs::exists(dir / "sub" / "abs.lod"));
}

TEST_F(FileWindows, RecentFilesOutliveTheProgramAndForgetFilesThatNoLongerOpen)
{
    startBeam(false, "20");
    addSupport("0");
    const QString settings = QString::fromStdString((dir / "settings.ini").string());
    const auto lod = [this](int i) { return dir / ("beam" + std::to_string(i) + ".lod"); };
    for (int i = 1; i <= 9; ++i) {
        addPointLoad(QString::number(i), "1");
        ASSERT_EQ(writeLoadFile(lod(i).string(), model()), std::nullopt);
    }
    const std::string second = fileText(lod(2));
    {
        testing::ScriptedPrompts quiet;
        SpanrixApp earlier(quiet, settings);
        earlier.startWithFile(lod(1).string());
        for (int i = 2; i <= 9; ++i) earlier.fileCommands().openFile(lod(i).string(), FileLayout::Current);
        earlier.fileCommands().openFile(lod(2).string(), FileLayout::Current);
        ASSERT_TRUE(quiet.messages().empty()) << quiet.lastMessage();
    }

    SpanrixApp later(prompts, settings);
    later.start();
    ASSERT_TRUE(later.initDialog().accept_continue());
    QMenu* menu = later.loadingWindow().action("openrecent")->menu();
    emit menu->aboutToShow();
    QStringList texts;
    for (QAction* a : menu->actions()) texts << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(texts, (QStringList{"&1 beam2.lod", "&2 beam9.lod", "&3 beam8.lod", "&4 beam7.lod",
                                  "&5 beam6.lod", "&6 beam5.lod", "&7 beam4.lod", "&8 beam3.lod",
                                  "-", "&Clear Recent Files"}));
    EXPECT_EQ(menu->actions()[0]->toolTip().toStdString(), dir.string());

    // Chosen, it opens as Open does: an edited beam is asked about first (Cancel keeps it),
    // and the file comes first.
    fs::remove(lod(9));
    later.context().document.change("Change Resolution", [](AppState& s) { s.model.resolution = 500; });
    menu->actions()[0]->trigger();
    ASSERT_FALSE(prompts.shown.empty());
    EXPECT_EQ(prompts.shown.back().kind, "save question");
    EXPECT_EQ(later.context().state.model.numFeatures, 0);
    prompts.saveChoices = {SaveChoice::Discard};
    menu->actions()[0]->trigger();
    EXPECT_EQ(loadFileText(later.context().state.model), second);
    EXPECT_EQ(later.loadingWindow().windowTitle(), "Spanrix: Loading Screen - beam2.lod[*]");

    // Gone: the message says why, the beam stays and the list forgets it.
    emit menu->aboutToShow();
    menu->actions()[1]->trigger();
    EXPECT_EQ(prompts.lastMessage(), "File access error");
    EXPECT_EQ(prompts.shown.back().informative, lod(9).string() + ": no such file");
    EXPECT_EQ(loadFileText(later.context().state.model), second);
    EXPECT_EQ(menu->actions()[1]->text(), "&2 beam8.lod");

    later.loadingWindow().action("clearrecent")->trigger();
    EXPECT_EQ(menu->actions(), QList<QAction*>{later.loadingWindow().action("clearrecent")});
    EXPECT_FALSE(later.loadingWindow().action("clearrecent")->isEnabled());
    later.loadingWindow().hide();
}

TEST_F(FileWindows, ImportReadsAVersionOneBeam)
{
    startBeam(true, "10");
    // Version 1: line 3 has no unit flag, a distributed load one intensity.
    std::ofstream(dir / "OLD1.LOD", std::ios::binary)
        << "1,2,0,2,1,2,0,2,5,\r\n120,100,0,0,0,10,0\r\n5,100,2.9E+07,10000,#FALSE#\r\n"
           "-100,60\r\n-10,12,48\r\n0,0,120\r\n0,\"simp\"\r\n120,\"simp\"\r\n"
           "\"su1\",\"ft\",\"lb\"\r\n\"su2\",\"ft\",\"lb\"\r\n\"pt1\",\"ft\",\"lb\"\r\n"
           "\"di1\",\"ft\",\"pf\"\r\n\"di2\",\"ft\",\"pf\"\r\n";
    BeamModel expected = model();
    ASSERT_TRUE(importVersion1File((dir / "OLD1.LOD").string(), expected).ok());

    FileWindow* import = show("importloadcfg", "importload");
    ASSERT_NE(import, nullptr);
    EXPECT_EQ(import->windowTitle(), "Import Version 1 File");
    auto* flist = import->findChild<QListWidget*>("flist");
    ASSERT_EQ(listed(import, "flist"), QStringList{"OLD1.LOD"});
    doubleClick(flist, flist->item(0));
    settle();
    EXPECT_TRUE(prompts.messages().empty()) << prompts.lastMessage();
    EXPECT_EQ(find("importload"), nullptr);
    EXPECT_EQ(loadFileText(model()), loadFileText(expected));
    EXPECT_EQ(model(), expected);
    EXPECT_FALSE(model().metricUnits);
    EXPECT_EQ(model().distLoadEndMag[1], -10.0);
    EXPECT_TRUE(loading().action("metricunits")->isEnabled());
    EXPECT_FALSE(loading().action("englishunits")->isEnabled());
    EXPECT_EQ(legendText("dloadlab1"), "start=120 lb./ft., 1 ft.");
    EXPECT_EQ(legendText("blank51"), "");
    EXPECT_EQ(legendText("loadlab1"), "100 lb.");
}

TEST_F(FileWindows, FailedSaveIntoAProtectedFolderKeepsTheWindow)
{
    buildBeam();
    // A folder that refuses new files even to root.
    FileWindow* save = show("saveloadcfg", "Saveload");
    ASSERT_TRUE(save->browser().setDirectory("/proc"));
    type(save, "Savename", "beam");
    press(save, "savebutton");
    EXPECT_EQ(prompts.lastMessage(), "Could not save /proc/beam.lod.");
    EXPECT_TRUE(save->isVisible());
    EXPECT_EQ(boxText(save, "Savename"), "beam");
    press(save, "cancelbutton");
}

TEST_F(FileWindows, FailedSaveIntoAReadOnlyFolderKeepsTheFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "Running as root, whom permission bits do not stop; "
                        "FailedSaveIntoAProtectedFolderKeepsTheWindow covers a failed save.";
    buildBeam();
    std::ofstream(dir / "beam.lod") << "old";
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    FileWindow* save = show("saveloadcfg", "Saveload");
    type(save, "Savename", "beam");
    prompts.answers = {true};
    press(save, "savebutton");
    EXPECT_EQ(prompts.lastMessage(), "Could not save " + (dir / "beam.lod").string() + ".");
    EXPECT_TRUE(save->isVisible());
    EXPECT_EQ(fileText(dir / "beam.lod"), "old");
    press(save, "cancelbutton");
}

// Failed loads, filters, an unreadable folder and the directory the windows share.
TEST_F(FileWindows, RetrieveWindowListsChoosesAndRefuses)
{
    startBeam(false, "10");
    addSupport("0");
    const BeamModel before = model();
    prompts.saveChoices.assign(2, SaveChoice::Discard);  // the edited beam may go
    for (const char* name : {"a.lod", "B.lod", "notes.txt", "x.c", ".hidden.lod"})
        std::ofstream(dir / name) << "x";
    std::ofstream(dir / "b.lod") << "51,0,0,0,0,0,0,0,0,\r\n";
    FileWindow* retrieve = show("openloadcfg", "getload");
    ASSERT_NE(retrieve, nullptr);
    EXPECT_EQ(listed(retrieve, "flist"), (QStringList{"B.lod", "a.lod", "b.lod"}));

    // Nothing selected, then a damaged file: the beam stays as it was.
    prompts.clear();
    press(retrieve, "loadbutton");
    pick(retrieve, "b.lod");
    press(retrieve, "loadbutton");
    EXPECT_EQ(prompts.messages(), std::vector<std::string>(2, std::string(kFileAccessError)));
    EXPECT_EQ(prompts.shown.back().informative,
              (dir / "b.lod").string() + ": line 1: the number of point loads, 51, is not from 0 to 50");
    EXPECT_TRUE(retrieve->isVisible());
    EXPECT_EQ(model(), before);
    EXPECT_EQ(legendText("featlabel1"), "Feature 1");

    auto* filetype = retrieve->findChild<QComboBox*>("filetype");
    EXPECT_EQ(filetype->currentText(), "*.lod (Spanrix files)");
    filetype->setCurrentIndex(1);
    emit filetype->activated(1);
    EXPECT_EQ(listed(retrieve, "flist").size(), 5);
    filetype->lineEdit()->clear();
    QTest::keyClicks(filetype->lineEdit(), "*.tx");
    EXPECT_EQ(listed(retrieve, "flist").size(), 5);
    EXPECT_EQ(boxText(retrieve, "loadfile"), "b.lod");
    QTest::keyClicks(filetype->lineEdit(), "t");
    EXPECT_EQ(listed(retrieve, "flist"), QStringList{"notes.txt"});
    EXPECT_EQ(boxText(retrieve, "loadfile"), "");  // b.lod is no longer listed
    filetype->lineEdit()->clear();
    QTest::keyClicks(filetype->lineEdit(), "*.c");
    EXPECT_EQ(listed(retrieve, "flist"), QStringList{"notes.txt"});
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(filetype, &leave);
    EXPECT_EQ(listed(retrieve, "flist"), QStringList{"x.c"});

    prompts.clear();
    EXPECT_FALSE(retrieve->browser().setDirectory(QString::fromStdString((dir / "gone").string())));
    EXPECT_EQ(prompts.lastMessage(), "Could not read " + (dir / "gone").string() + ".");
    EXPECT_EQ(retrieve->browser().directory().toStdString(), dir.string());

    // Moving into a subdirectory here is where the Save window opens next.
    auto* dirlist = retrieve->findChild<QListWidget*>("dirlist");
    const auto sub = dirlist->findItems("sub", Qt::MatchExactly);
    ASSERT_EQ(sub.size(), 1);
    doubleClick(dirlist, sub[0]);
    press(retrieve, "cancelbutton");
    settle();
    loading().action("saveloadcfg")->trigger();
    auto* save = qobject_cast<FileWindow*>(find("Saveload"));
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->browser().directory().toStdString(), (dir / "sub").string());
    EXPECT_FALSE(save->findChild<QComboBox*>("drivelist")->currentText().isEmpty());
    press(save, "cancelbutton");
}

TEST_F(FileWindows, RetrieveLoadFileAtStartUp)
{
    // Even a refused length opens the Retrieve window; the file then sets the length.
    app.start();
    QWidget* properties = find("properties");
    type(properties, "Length", "0");
    press(properties, "Command2");
    EXPECT_EQ(prompts.lastMessage(), "Enter a positive non-zero value for beam length.");
    FileWindow* retrieve = qobject_cast<FileWindow*>(find("getload"));
    ASSERT_NE(retrieve, nullptr);
    EXPECT_TRUE(properties->isVisible());
    ASSERT_TRUE(retrieve->browser().setDirectory(SPANRIX_SOURCE_DIR "/examples"));
    pick(retrieve, "propped_cantilever.lod");
    press(retrieve, "loadbutton");
    settle();
    EXPECT_FALSE(properties->isVisible());
    EXPECT_TRUE(loading().isVisible());
    EXPECT_EQ(model().beamLength, 144.0);
    EXPECT_EQ(legendText("sloadtitle1"), "Cantilever Support");
}

TEST_F(FileWindows, DroppedFileReplacesTheBeamAndEndsAStaleEdit)
{
    buildBeam();
    std::ofstream(dir / "other.lod") << fileText(SPANRIX_SOURCE_DIR "/examples/simply_supported_point_load.lod");
    prompts.replies.push_back(std::string("3"));
    loading().action("editfeature")->trigger();
    QWidget* edit = find("load_info");
    ASSERT_TRUE(edit && edit->isVisible());
    BeamModel expected = model();
    ASSERT_TRUE(openLoadFile((dir / "other.lod").string(), expected).ok());
    ASSERT_EQ(expected.featureId[3], "pt1");  // the row the edit holds

    const auto drop = [this](const fs::path& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path.string()))});
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&loading(), &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent dropped(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&loading(), &dropped);
        return true;
    };
    std::ofstream(dir / "notes.txt") << "x";
    EXPECT_FALSE(drop(dir / "notes.txt"));
    prompts.saveChoices.push_back(SaveChoice::Discard);
    ASSERT_TRUE(drop(dir / "other.lod"));
    EXPECT_EQ(model(), expected);
    EXPECT_EQ(loading().windowTitle(), "Spanrix: Loading Screen - other.lod[*]");
    EXPECT_EQ(state().currentDir, dir.string());

    // The edit was opened on the old beam's point load; the new one's stays as read.
    prompts.clear();
    type(edit, "loadmag", "5");
    press(edit, "Command1");
    EXPECT_EQ(prompts.lastMessage(), "Invalid feature number.");
    EXPECT_FALSE(edit->isVisible());
    expected.editingFeature = false;
    EXPECT_EQ(model(), expected);
}

TEST_F(FileWindows, CommandLineOpensAFile)
{
    app.startWithFile(SPANRIX_SOURCE_DIR "/examples/propped_cantilever.lod");
    EXPECT_TRUE(prompts.messages().empty()) << prompts.lastMessage();
    EXPECT_TRUE(loading().isVisible());
    EXPECT_FALSE(find("properties")->isVisible());
    EXPECT_EQ(model().numFeatures, 3);
    EXPECT_EQ(loading().windowTitle(), "Spanrix: Loading Screen - propped_cantilever.lod[*]");

    QProcess help;
    help.start(SPANRIX_GUI_PATH, {"--help"});
    ASSERT_TRUE(help.waitForFinished(10000));
    EXPECT_EQ(help.exitCode(), 0);
    EXPECT_TRUE(help.readAllStandardOutput().contains("Usage: spanrix [FILE.lod]"));
}

TEST_F(FileWindows, CommandLineFileThatCannotBeReadKeepsTheDefaultBeam)
{
    app.startWithFile((dir / "missing.lod").string());
    EXPECT_EQ(prompts.messages(), std::vector<std::string>{std::string(kFileAccessError)});
    EXPECT_TRUE(loading().isVisible());
    EXPECT_EQ(model().beamLength, 1200.0);
    EXPECT_EQ(model().numFeatures, 0);
    EXPECT_EQ(loading().windowTitle(), "Spanrix: Loading Screen[*]");
}

TEST_F(FileWindows, OpeningOverAnEditedNewBeamSavesItFirstThenOpensAndCloses)
{
    buildBeam();
    const BeamModel built = model();
    fs::copy_file(SPANRIX_SOURCE_DIR "/examples/continuous_four_supports.lod", dir / "other.lod");
    FileWindow* retrieve = show("openloadcfg", "getload");
    ASSERT_NE(retrieve, nullptr);
    pick(retrieve, "other.lod");
    prompts.saveChoices = {SaveChoice::Save};
    press(retrieve, "loadbutton");
    // The beam has no file yet: the Save window asks for one, and nothing is opened until then.
    auto* save = qobject_cast<FileWindow*>(find("Saveload"));
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(model(), built);
    type(save, "Savename", "first");
    press(save, "savebutton");
    settle();
    EXPECT_EQ(fileText(dir / "first.lod"), loadFileText(built));
    EXPECT_EQ(loading().windowTitle(), "Spanrix: Loading Screen - other.lod[*]");
    EXPECT_EQ(find("getload"), nullptr);
    EXPECT_EQ(find("Saveload"), nullptr);
}

}  // namespace
}  // namespace spanrix
