// The screens a user trusts: both show the current state, legends stay readable, the main
// windows restore to the work area, and every dialog works from the keyboard.

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

#include "app_driver.h"
#include "model/number_format.h"
#include "ui/calc/calculations_window.h"
#include "ui/loading/legend.h"
#include "ui/qt_surface.h"
#include "ui/work_area.h"

namespace spanrix::testing {
namespace {

class Screens : public AppDriver {
protected:
    // 20 ft on supports at both ends (features 1 and 2), 1000 lb at midspan (feature 3).
    void simpleBeam()
    {
        startBeam(false, "20");
        addSupport("0");
        addSupport("20");
        addPointLoad("1000", "10");
        setSection("100", "", "5");
    }
    void run() { loading().action("runcalc")->trigger(); }
    void command(const char* name, const char* reply)
    {
        prompts.replies.push_back(std::string(reply));
        loading().action(name)->trigger();
    }
    std::string reaction(int row)
    {
        const LegendGroup* g = loading().legend().group(row);
        return g ? (*g)[LegendGroup::Second].caption : "<no group>";
    }
    std::vector<QLabel*> shownLabels()
    {
        std::vector<QLabel*> out;
        for (QLabel* l : loading().surface().findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            if (!l->isHidden()) out.push_back(l);
        return out;
    }
    void expectNoLabelCoversAnother(const char* legend)
    {
        const auto labels = shownLabels();
        for (size_t i = 0; i < labels.size(); ++i)
            for (size_t j = i + 1; j < labels.size(); ++j)
                EXPECT_FALSE(labels[i]->geometry().intersects(labels[j]->geometry()))
                    << legend << ": " << labels[i]->text().toStdString() << " / "
                    << labels[j]->text().toStdString();
    }
    void key(QWidget* window, const char* control, Qt::Key k)
    {
        QTest::keyClick(window->findChild<QWidget*>(control), k);
    }
    // Typing at once replaces the first field's text.
    void expectFocusIn(QWidget* window, const char* box)
    {
        auto* edit = qobject_cast<QLineEdit*>(window->focusWidget());
        ASSERT_NE(edit, nullptr) << box;
        EXPECT_EQ(edit->objectName(), box);
        EXPECT_EQ(edit->selectedText(), edit->text()) << box;
    }
};

TEST_F(Screens, ARunWithTheScreenOpenLeavesNothingOfTheOldDiagrams)
{
    simpleBeam();
    run();
    addPointLoad("5000", "4");
    run();
    const QImage again = find<CalculationsWindow>("momdisplay")->surface().image();
    calcItem("showloading")->trigger();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    run();
    EXPECT_TRUE(again == find<CalculationsWindow>("momdisplay")->surface().image());
}

TEST_F(Screens, ReactionsGoWithEveryChangeOfTheModel)
{
    simpleBeam();
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"add", [&] { addPointLoad("100", "2"); }},
        {"edit", [&] {
             command("editfeature", "3");
             type(find("load_info"), "loadmag", "2000");
             press(find("load_info"), "Command1");
         }},
        {"remove", [&] { command("removefeature", "3"); }},
        {"properties", [&] { setSection("200", "", "5"); }},
        {"resolution", [&] { command("changerltn", "5000"); }},
        {"opened file", [&] { loading().rebuildLegend(); }},
    };
    for (const auto& [change, make] : changes) {
        run();
        ASSERT_NE(reaction(1), "") << change;
        make();
        EXPECT_EQ(reaction(1) + reaction(2), "") << change;
    }
    // An edit opened and cancelled, or an entry refused, changes nothing.
    run();
    command("editfeature", "1");
    press(find("support_info"), "Command2");
    addPointLoad("0", "5");
    EXPECT_NE(reaction(1), "");
    prompts.saveChoices.push_back(SaveChoice::Discard);
    loading().action("reinitialize")->trigger();  // answered No
    EXPECT_EQ(reaction(1), "<no group>");
}

TEST_F(Screens, CrowdedLegendsStepAsideAndOthersKeepTheirPlaces)
{
    simpleBeam();
    run();
    const double px = loading().surface().pixelsPerTwipX(), py = loading().surface().pixelsPerTwipY();
    for (QLabel* l : shownLabels()) {
        const LegendLabel* record = loading().legend().find(l->objectName().toStdString());
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(l->y(), qRound(record->top * py)) << record->name;
        // Centred where placed, a reaction under its support too.
        EXPECT_NEAR(l->x() + l->width() / 2.0, (record->left + record->width / 2) * px, 1.0) << record->name;
    }

    loading().action("reinitialize")->trigger();
    addDistLoad("100", "100", "0", "10");
    addMoment("500", "5");  // the middle of the largest distributed load
    expectNoLabelCoversAnother("moment on a distributed load");

    loading().action("reinitialize")->trigger();
    for (const char* at : {"9.5", "10", "10.5"}) addPointLoad(at == QString("10") ? "800" : "1000", at);
    expectNoLabelCoversAnother("point loads half a foot apart");

    loading().action("reinitialize")->trigger();
    for (int x = 0; x < 20; ++x) addSupport(QString::number(x));
    setSection("100", "", "5");
    run();
    expectNoLabelCoversAnother("20 supports a foot apart");
}

TEST_F(Screens, MainWindowsRestoreToTheWorkArea)
{
    simpleBeam();
    run();
    for (QWidget* w : {static_cast<QWidget*>(&loading()), screen()}) {
        EXPECT_TRUE(w->isMaximized()) << w->objectName().toStdString();
        w->showNormal();
        QApplication::processEvents();
        EXPECT_EQ(w->frameGeometry(), workAreaPixels()) << w->objectName().toStdString();
    }
}

TEST_F(Screens, DialogsOpenInTheirFirstFieldAndEnterSubmitsFromAnywhere)
{
    app.start();
    QWidget* start = find("properties");
    expectFocusIn(start, "Length");
    QTest::keyClicks(start->focusWidget(), "20");
    key(start, "feet", Qt::Key_Return);
    EXPECT_EQ(double(model().beamLength), 240.0);

    for (const auto& [command, dialog, first] :
         {std::tuple{"addpointload", "load_info", "loadmag"}, {"adddistload", "distload_info", "loadmag0"},
          {"addmoment", "moment_info", "loadmag"}, {"addsupport", "support_info", "suploc"}}) {
        QWidget* d = openDialog(command, dialog);
        expectFocusIn(d, first);
        d->findChild<QWidget*>("Command2")->setFocus();
        key(d, "Command2", Qt::Key_Return);  // the focused button, Cancel
        EXPECT_FALSE(d->isVisible()) << dialog;
        // Reopened after the focus had moved on, it starts from its first field again.
        expectFocusIn(openDialog(command, dialog), first);
        key(d, "Command2", Qt::Key_Escape);
        EXPECT_FALSE(d->isVisible()) << dialog;
    }

    QWidget* support = openDialog("addsupport", "support_info");
    choose(support, "cantilever");
    key(support, "cantilever", Qt::Key_Return);
    EXPECT_EQ(model().supportType[1], "cant");
    QWidget* properties = openDialog("beamproperties", "BeamProp");
    expectFocusIn(properties, "MomOfI");
    QTest::keyClicks(properties->focusWidget(), "100");
    key(properties, "cdist", Qt::Key_Return);
    EXPECT_EQ(model().momentOfInertia, 100.0f);
}

TEST_F(Screens, TextThatIsNoNumberGetsOneMessageInEveryBox)
{
    app.start();
    type(find("properties"), "Length", "1,000");
    press(find("properties"), "Command1");
    EXPECT_EQ(prompts.lastMessage(), kNotANumberMessage);
    type(find("properties"), "Length", "20");
    press(find("properties"), "Command1");

    using Boxes = std::vector<std::pair<const char*, const char*>>;  // box, a number it takes
    const std::tuple<const char*, const char*, Boxes> dialogs[] = {
        {"addpointload", "load_info", {{"loadmag", "5"}, {"loadloc", "1"}}},
        {"adddistload", "distload_info", {{"loadmag0", "5"}, {"loadmag1", "5"}, {"loadstart", "1"}, {"loadend", "2"}}},
        {"addmoment", "moment_info", {{"loadmag", "5"}, {"loadloc", "1"}}},
        {"addsupport", "support_info", {{"suploc", "1"}}},
        {"beamproperties", "BeamProp", {{"MomOfI", "100"}, {"ModE", "3E7"}, {"cdist", "5"}}}};
    for (const auto& [command, name, boxes] : dialogs) {
        for (const auto& [bad, unused] : boxes) {
            QWidget* d = openDialog(command, name);
            const BeamModel before = model();
            for (const auto& [box, good] : boxes) type(d, box, box == bad ? "abc" : good);
            prompts.clear();
            press(d, "Command1");
            EXPECT_EQ(prompts.lastMessage(), kNotANumberMessage) << bad;
            EXPECT_TRUE(d->isVisible() && model() == before) << bad;
            press(d, "Command2");
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
}

}  // namespace
}  // namespace spanrix::testing
