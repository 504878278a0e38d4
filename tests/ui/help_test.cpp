#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <algorithm>

#include "app_driver.h"
#include "model/geometry.h"
#include "ui/help/help_texts.h"
#include "ui/help/system_info.h"
#include "ui/qt_surface.h"
#include "ui/work_area.h"

namespace spanrix {
namespace {

class HelpTest : public testing::AppDriver {
protected:
    HelpTest()
    {
        startBeam(false, "20");
        addSupport("0");
        addSupport("20");
        addPointLoad("1000", "10");
        setSection("100", "", "5");
    }

    QWidget* openFrom(QAction* item, const char* window)
    {
        item->trigger();
        QWidget* w = find(window);
        EXPECT_NE(w, nullptr) << window;
        if (w) {
            EXPECT_TRUE(w->isVisible() && w->isModal()) << window;
        }
        return w;
    }

    // Opens the help window and the about box from the item pair of a screen and closes
    // them with their own buttons.
    void openAndCloseBoth(QAction* docs, QAction* about)
    {
        QWidget* help = openFrom(docs, "Help");
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(help->windowTitle(), "Spanrix Help");
        press(help, "Command1");
        EXPECT_FALSE(help->isVisible());

        QWidget* box = openFrom(about, "About");
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), "Spanrix v1.1");
        press(box, "cmdOK");
        EXPECT_FALSE(box->isVisible());
    }

    QWidget* openAbout() { return openFrom(loading().action("aboutsx"), "About"); }
};

TEST_F(HelpTest, HelpAndAboutOpenAndCloseFromBothScreensLeavingThemUnchanged)
{
    const BeamModel before = model();
    const QImage sketch = loading().surface().image();
    openAndCloseBoth(loading().action("docsx"), loading().action("aboutsx"));
    EXPECT_EQ(loading().surface().image(), sketch);
    EXPECT_EQ(model(), before);

    // Centred on the work area the start-up dialog recorded.
    QWidget* help = find("Help");
    const ScreenGeometry& g = app.context().state.geometry;
    const double px = help->logicalDpiX() / double(kTwipsPerInch);
    EXPECT_NEAR(help->x() - workAreaPixels().x(), (g.workAreaWidth * px - help->width()) / 2, 1.0);

    loading().action("runcalc")->trigger();
    ASSERT_NE(screen(), nullptr) << prompts.lastMessage();
    auto* results = screen()->findChild<QtSurface*>();
    const QImage diagrams = results->image();
    const BeamModel analysed = model();
    openAndCloseBoth(calcItem("Docsx"), calcItem("aboutsx"));
    EXPECT_TRUE(screen()->isVisible());
    EXPECT_EQ(results->image(), diagrams);
    EXPECT_EQ(model(), analysed);
    EXPECT_TRUE(prompts.messages().empty()) << prompts.lastMessage();
}

TEST_F(HelpTest, HelpDescribesEveryCommandOfBothScreens)
{
    QWidget* help = openFrom(loading().action("docsx"), "Help");
    ASSERT_NE(help, nullptr);
    auto* top = help->findChild<QTabWidget*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(top, nullptr);
    QStringList pages;
    for (int i = 0; i < top->count(); ++i) pages << top->tabText(i);
    EXPECT_EQ(pages, QStringList({"Description of Menu Items", "Suggested Use of Program",
                                  "Miscellaneous Notes", "Version History"}));

    auto* screens = qobject_cast<QTabWidget*>(top->widget(0));
    ASSERT_NE(screens, nullptr);
    ASSERT_EQ(screens->count(), 2);
    const QStringList menuPages[] = {
        {"File", "Feature", "Beam", "Calculation", "Display", "Units", "Help"},
        {"File", "Calculate", "Display", "Units", "Help"},
    };
    for (int s = 0; s < 2; ++s) {
        auto* menus = qobject_cast<QTabWidget*>(screens->widget(s));
        ASSERT_NE(menus, nullptr);
        QStringList captions;
        for (int m = 0; m < menus->count(); ++m) {
            captions << menus->tabText(m);
            auto* commands = qobject_cast<QTabWidget*>(menus->widget(m));
            ASSERT_NE(commands, nullptr);
            EXPECT_GT(commands->count(), 0);
            for (int c = 0; c < commands->count(); ++c) {
                auto* text = qobject_cast<QLabel*>(commands->widget(c));
                ASSERT_NE(text, nullptr);
                EXPECT_FALSE(text->text().isEmpty())
                    << "no description of " << commands->tabText(c).toStdString() << " on "
                    << screens->tabText(s).toStdString();
            }
        }
        EXPECT_EQ(captions, menuPages[s]);
    }

    // Printing from the loading screen prints its picture and the load configuration only.
    auto* loadingFile = qobject_cast<QTabWidget*>(qobject_cast<QTabWidget*>(screens->widget(0))->widget(0));
    QString printLoad;
    for (int c = 0; c < loadingFile->count(); ++c)
        if (loadingFile->tabText(c).remove('&') == "Print Load Configuration")
            printLoad = qobject_cast<QLabel*>(loadingFile->widget(c))->text();
    EXPECT_TRUE(printLoad.contains("loading screen's picture and the load configuration"))
        << printLoad.toStdString();
    EXPECT_TRUE(printLoad.contains("No results")) << printLoad.toStdString();

    // No description is left behind by a command that has gone.
    for (const ScreenHelp& screenHelp : screenHelp())
        for (const MenuHelp& line : screenHelp.lines)
            EXPECT_TRUE(std::ranges::any_of(screenHelp.menu, [&](const MenuEntry& e) { return e.name == line.name; }))
                << line.name;
}

// Restores PATH when the test ends, however it ends.
class PathGuard {
public:
    PathGuard() : saved_(qgetenv("PATH")) {}
    ~PathGuard() { qputenv("PATH", saved_); }

private:
    QByteArray saved_;
};

TEST_F(HelpTest, SystemInfoStartsAViewerFromPathOrSaysItIsUnavailable)
{
    PathGuard guard;
    QWidget* box = openAbout();
    ASSERT_NE(box, nullptr);
    qputenv("PATH", "");
    press(box, "cmdSysInfo");
    EXPECT_EQ(prompts.lastMessage(), kSystemInfoUnavailable);

    // A stub of the last viewer of the list, so the whole list is searched.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString marker = dir.filePath("started");
    QFile stub(dir.filePath(kSystemInfoViewers.back()));
    ASSERT_TRUE(stub.open(QIODevice::WriteOnly));
    stub.write(QString("#!/bin/sh\necho started > '%1'\n").arg(marker).toUtf8());
    stub.close();
    stub.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", QFile::encodeName(dir.path()));
    prompts.clear();
    press(box, "cmdSysInfo");
    for (int waited = 0; waited < 5000 && !QFile::exists(marker); waited += 50) QTest::qWait(50);
    EXPECT_TRUE(QFile::exists(marker));
    EXPECT_TRUE(prompts.messages().empty()) << prompts.lastMessage();
}

TEST_F(HelpTest, SlideshowShowsItsPicturesInTurn)
{
    QWidget* box = openAbout();
    ASSERT_NE(box, nullptr);
    QWidget* icon = box->findChild<QLabel*>("picIcon");
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(find("slideshow"), nullptr);  // hidden until asked for
    QTest::mouseDClick(icon, Qt::LeftButton);
    QWidget* show = find("slideshow");
    ASSERT_NE(show, nullptr);
    EXPECT_EQ(show->windowTitle(), "Family Slideshow");

    std::vector<QtSurface*> pictures;
    for (int i = 0; i < 4; ++i)
        pictures.push_back(show->findChild<QtSurface*>(QString("Picture1(%1)").arg(i)));
    ASSERT_EQ(std::ranges::count(pictures, nullptr), 0);
    EXPECT_NE(pictures[0]->image(), pictures[1]->image());  // each its own beam
    const auto shown = [&] {
        int visible = -1;
        for (int i = 0; i < 4; ++i)
            if (pictures[size_t(i)]->isVisibleTo(show)) visible = visible < 0 ? i : 99;
        return visible;
    };
    EXPECT_EQ(shown(), 0);
    std::vector<int> seen;
    for (int n = 0; n < 5; ++n) {
        press(show, "cmdNext");
        seen.push_back(shown());
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 0, 1}));

    press(show, "cmdReturn");
    EXPECT_FALSE(show->isVisible());
    QTest::mouseDClick(icon, Qt::LeftButton);
    press(show, "cmdNext");
    EXPECT_EQ(shown(), 1);  // every opening starts the counter again
}

}  // namespace
}  // namespace spanrix
