#include <QFrame>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>
#include <filesystem>
#include <functional>
#include <fstream>
#include <unistd.h>

#include "dialogs_fixture.h"
#include "files/section_catalogue.h"
#include "model/section_calculator.h"

namespace spanrix::testing {
namespace {

namespace fs = std::filesystem;

// The beam properties dialog with its calculator or chooser opened by its button.
class SectionHelpersTest : public DialogsTest {
protected:
    SectionHelpersTest()
    {
        catalogue = fs::temp_directory_path() / ("spanrix-beams-" + std::to_string(::getpid()) + ".lst");
        context.catalogueLocations = {catalogue.string()};
    }
    ~SectionHelpersTest() override { fs::remove(catalogue); }

    // Opens the beam properties, then the helper by its button.
    QDialog* openHelper(const char* button, const char* name)
    {
        props = openBeamProperties();
        return reopenHelper(button, name);
    }

    // Opens the helper again from the beam properties still open.
    QDialog* reopenHelper(const char* button, const char* name)
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        click(props, button);
        auto* helper = props->findChild<QDialog*>(name);
        EXPECT_NE(helper, nullptr) << name;
        if (helper) {
            EXPECT_TRUE(helper->isModal() && helper->isVisible());
        }
        return helper;
    }

    // A catalogue of W beams and angles only, with one damaged entry.
    void writeCatalogue()
    {
        std::ofstream(catalogue) << "Entries: name, Ixx, cx, Iyy, cy, E or M\n"
                                    "W BEAMS\nW12 X 26,204,6.1,17.3,3.245,E\nW8 X 10,30.8,3.95,2.09,1.995,E\n\n"
                                    "ANGLE\nOne,1,1,2,0.5,E\nBroken,1,x,1,1,E\n";
    }

    static QListWidget* list(QDialog* chooser, int kind)
    {
        return control<QListWidget>(chooser, QStringLiteral("values(%1)").arg(kind).toLatin1());
    }

    static void pickTab(QDialog* chooser, int kind)
    {
        QTabBar* bar = control<QTabWidget>(chooser, "EngTab")->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(kind).center());
    }

    static void pickEntry(QDialog* chooser, int kind, int row)
    {
        pickTab(chooser, kind);
        QListWidget* l = list(chooser, kind);
        QTest::mouseClick(l->viewport(), Qt::LeftButton, Qt::NoModifier,
                          l->visualItemRect(l->item(row)).center());
    }

    static QStringList values(QDialog* chooser)
    {
        return {text(chooser, "moi(0)"), text(chooser, "moi(1)"), text(chooser, "distc(0)"),
                text(chooser, "distc(1)")};
    }

    static bool shown(QWidget* parent, const char* name) { return !control(parent, name)->isHidden(); }
    static bool enabled(QWidget* parent, const char* name) { return control(parent, name)->isEnabled(); }

    fs::path catalogue;
    QDialog* props = nullptr;
};

TEST_F(SectionHelpersTest, CalculatorResultsAreStoredByContinue)
{
    QDialog* calc = openHelper("Command3", "I_calc");
    ASSERT_NE(calc, nullptr);
    EXPECT_EQ(text(props, "Command3"), "Calculate");
    EXPECT_EQ(calc->windowTitle(), "Calculate Moment Of Inertia");
    EXPECT_TRUE(checked(calc, "squarecs") && checked(calc, "Tubecs"));
    EXPECT_TRUE(shown(calc, "square_frame") && shown(calc, "recnote") && shown(calc, "sq_eng_frame"));
    EXPECT_FALSE(shown(calc, "round_frame") || shown(calc, "sq_met_frame") || shown(calc, "mm"));
    EXPECT_EQ(text(calc, "inch"), "in.^4");
    EXPECT_FALSE(enabled(calc, "Accept"));  // nothing to use yet
    EXPECT_EQ(calc->focusWidget(), calc->findChild<QWidget*>("Wth"));

    type(calc, "Wth", "4");
    type(calc, "Ht", "6");
    type(calc, "Wall", "2");
    click(calc, "Calculate");
    EXPECT_EQ(prompts.lastMessage(), kInvalidDimensions);
    EXPECT_EQ(text(calc, "dispmoi"), "");

    click(calc, "solidcs");
    for (const char* name : {"Wall", "wallab", "wallab2eng", "ID", "IDlab", "idlab2eng"})
        EXPECT_FALSE(enabled(calc, name)) << name;
    click(calc, "roundcs");
    EXPECT_TRUE(shown(calc, "round_frame") && shown(calc, "round_eng_frame"));
    EXPECT_FALSE(shown(calc, "square_frame") || shown(calc, "recnote"));
    type(calc, "OD", "2");
    pressEnter(calc, "OD");  // Enter calculates
    EXPECT_EQ(text(calc, "dispmoi"), "0.785398");
    EXPECT_EQ(text(calc, "cbox"), "1");
    // Results belong to their section: a change of shape or of a dimension withdraws them.
    for (const auto& change : std::vector<std::function<void()>>{
             [&] { click(calc, "squarecs"); }, [&] { type(calc, "OD", "3"); }}) {
        change();
        EXPECT_EQ(text(calc, "dispmoi"), "");
        EXPECT_EQ(text(calc, "cbox"), "");
        EXPECT_FALSE(enabled(calc, "Accept"));
        click(calc, "roundcs");
        type(calc, "OD", "2");
        pressEnter(calc, "OD");
        EXPECT_TRUE(enabled(calc, "Accept"));
    }
    EXPECT_EQ(text(calc, "dispmoi"), "0.785398");
    // Enter presses the focused button, not the default Calculate.
    QWidget* use = calc->findChild<QWidget*>("Accept");
    use->setFocus();
    QTest::keyClick(use, Qt::Key_Return);
    EXPECT_FALSE(calc->isVisible());
    EXPECT_EQ(text(props, "MomOfI"), "0.785398");
    EXPECT_EQ(text(props, "cdist"), "1");
    click(props, "Command1");
    EXPECT_EQ(model().momentOfInertia, 0.785398f);
    EXPECT_EQ(model().fiberDistance, 1.0f);
    EXPECT_EQ(prompts.messages().size(), 1u);
}

TEST_F(SectionHelpersTest, MetricCalculatorWorksInMillimetres)
{
    model().metricUnits = true;
    QDialog* calc = openHelper("Command3", "I_calc");
    ASSERT_NE(calc, nullptr);
    EXPECT_TRUE(shown(calc, "sq_met_frame") && shown(calc, "mm") && shown(calc, "mm2"));
    EXPECT_FALSE(shown(calc, "sq_eng_frame") || shown(calc, "inch"));
    click(calc, "solidcs");
    type(calc, "Wth", "100");
    type(calc, "Ht", "200");
    click(calc, "Calculate");
    EXPECT_EQ(text(calc, "dispmoi"), "66666700");
    click(calc, "Accept");
    click(props, "Command1");
    EXPECT_EQ(model().momentOfInertia, static_cast<float>(66666700.0 / 1e12));
    EXPECT_EQ(model().fiberDistance, 0.1f);
}

TEST_F(SectionHelpersTest, ChooserInEnglishHandsBackTheYyPairAsRead)
{
    writeCatalogue();
    QDialog* chooser = openHelper("Command4", "choose_beam");
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(context.state.sigFigs, 6);
    EXPECT_EQ(chooser->windowTitle(), "Choose Standard Cross-Section");
    QTabWidget* tabs = control<QTabWidget>(chooser, "EngTab");
    ASSERT_EQ(tabs->count(), kSectionKindCount);
    for (int k = 0; k < kSectionKindCount; ++k)
        EXPECT_EQ(tabs->tabText(k).toStdString(), kSectionKinds[k].caption);
    EXPECT_EQ(text(chooser, "note3").toStdString(), kSectionKinds[Angles].note);
    EXPECT_TRUE(shown(chooser, "engframe"));
    EXPECT_FALSE(shown(chooser, "metframe"));
    EXPECT_EQ(text(chooser, "Label34"), "in^4");
    EXPECT_EQ(list(chooser, WBeams)->count(), 2);
    EXPECT_EQ(list(chooser, Angles)->count(), 2);
    for (int k : {SBeams, Channels, UserDefined}) EXPECT_EQ(list(chooser, k)->count(), 0);

    pickEntry(chooser, WBeams, 0);
    EXPECT_EQ(values(chooser), (QStringList{"204", "17.3", "6.1", "3.245"}));
    pickTab(chooser, SBeams);  // an empty list empties the boxes
    EXPECT_EQ(values(chooser), (QStringList{"", "", "", ""}));
    EXPECT_FALSE(enabled(chooser, "acceptx") || enabled(chooser, "accepty"));
    pickTab(chooser, WBeams);  // and the selected entry comes back
    EXPECT_EQ(text(chooser, "moi(0)"), "204");

    pickEntry(chooser, Angles, 1);
    EXPECT_EQ(values(chooser), (QStringList{"", "", "", ""}));
    EXPECT_EQ(prompts.lastMessage(), damagedEntryMessage(Angles, {"Broken", "1", "x", "1", "1", "E"}));

    pickEntry(chooser, WBeams, 0);
    click(chooser, "accepty");
    EXPECT_FALSE(chooser->isVisible());
    EXPECT_EQ(context.state.sigFigs, 3);
    EXPECT_EQ(text(props, "MomOfI"), "17.3");
    EXPECT_EQ(text(props, "cdist"), "3.245");
    click(props, "Command1");
    EXPECT_EQ(model().momentOfInertia, 17.3f);
    EXPECT_EQ(model().fiberDistance, 3.245f);
}

TEST_F(SectionHelpersTest, ChooserInMetricConvertsEnglishEntriesAndCancelLeavesTheDialog)
{
    writeCatalogue();
    model().metricUnits = true;
    QDialog* chooser = openHelper("Command4", "choose_beam");
    ASSERT_NE(chooser, nullptr);
    EXPECT_TRUE(shown(chooser, "metframe"));
    EXPECT_EQ(text(chooser, "Label31"), "10^6  mm^4");
    pickEntry(chooser, Angles, 0);
    EXPECT_EQ(values(chooser), (QStringList{"0.416231", "0.832463", "25.4", "12.7"}));
    click(chooser, "Cancel");
    EXPECT_EQ(context.state.sigFigs, 3);
    EXPECT_EQ(text(props, "MomOfI"), "0");
    EXPECT_EQ(text(props, "cdist"), "0");

    chooser = reopenHelper("Command4", "choose_beam");
    pickEntry(chooser, Angles, 0);
    click(chooser, "acceptx");
    EXPECT_EQ(text(props, "MomOfI"), "416231");
    EXPECT_EQ(text(props, "cdist"), "25.4");
    click(props, "Command1");
    EXPECT_EQ(model().momentOfInertia, static_cast<float>(416231.0 / 1e12));
    EXPECT_EQ(model().fiberDistance, 0.0254f);
}

TEST_F(SectionHelpersTest, ChooserFindsTheShippedCatalogueAndSaysWhereItLookedWhenMissing)
{
    context.catalogueLocations = sectionCatalogueLocations(QCoreApplication::applicationDirPath().toStdString());
    QDialog* chooser = openHelper("Command4", "choose_beam");
    ASSERT_NE(chooser, nullptr);
    EXPECT_TRUE(prompts.messages().empty()) << prompts.lastMessage();
    EXPECT_EQ(list(chooser, WBeams)->count(), 289);
    EXPECT_EQ(text(props, "Command4"), "Choose");
    click(chooser, "Cancel");

    context.catalogueLocations = {catalogue.string()};  // never written
    chooser = reopenHelper("Command4", "choose_beam");
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(prompts.lastMessage(), "The section catalogue \"beams.lst\" was not found; the lists are "
                                     "empty. It was looked for in:\n" + catalogue.string());
    for (int k = 0; k < kSectionKindCount; ++k) EXPECT_EQ(list(chooser, k)->count(), 0);
    click(chooser, "Cancel");
    EXPECT_EQ(context.state.sigFigs, 3);
}

}  // namespace
}  // namespace spanrix::testing
