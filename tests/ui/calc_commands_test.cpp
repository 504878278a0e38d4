#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "ui/app_context.h"
#include "ui/calc/calc_commands.h"
#include "ui/calc/calculations_window.h"
#include "ui/calc/max_values_dialog.h"
#include "ui/calc/point_values_dialog.h"
#include "ui/calc/shear_window.h"
#include "ui/loading/loading_window.h"
#include "ui/qt_surface.h"
#include "loading_fixtures.h"
#include "model/number_format.h"
#include "scripted_prompts.h"

namespace spanrix {
namespace {

using testing::addPointLoad;
using testing::addSupport;

// A loading screen with the calculation commands installed, as the application wires it.
class CalcCommandsTest : public ::testing::Test {
protected:
    CalcCommandsTest() : context(prompts)
    {
        context.state = testing::exampleState();  // 100 ft beam
        BeamModel& m = context.state.model;
        m.modulusE = 29e6f;
        m.momentOfInertia = 100.0f;
        m.fiberDistance = 5.0f;
        loading = std::make_unique<LoadingWindow>(context);
        m.resolution = 100.0f;  // after the loading screen's own start value
        commands = installCalcCommands(*loading, context);
    }

    BeamModel& model() { return context.state.model; }
    void run() { loading->action("runcalc")->trigger(); }
    QAction* screenItem(const char* name) { return commands->screen()->action(name); }

    testing::ScriptedPrompts prompts;
    AppContext context;
    std::unique_ptr<LoadingWindow> loading;
    CalcCommands* commands = nullptr;
};

TEST_F(CalcCommandsTest, RunChecksRefuseBeamsThatCannotBeAnalysed)
{
    model().fiberDistance = 0.0f;
    addSupport(model(), 0);
    run();
    EXPECT_EQ(prompts.lastMessage(), "Enter beam properties before calculating deflection.");
    EXPECT_EQ(commands->screen(), nullptr);

    model().fiberDistance = 5.0f;
    run();
    EXPECT_EQ(prompts.lastMessage(), "Beam is unstable.  Add more support.");

    // A second simple support that was removed still leaves the beam unstable.
    addSupport(model(), 1200);
    model().supportLoc[2] = -1;
    prompts.clear();
    run();
    EXPECT_EQ(prompts.messages(), std::vector<std::string>{"Beam is unstable.  Add more support."});
    EXPECT_EQ(commands->screen(), nullptr);
}

TEST_F(CalcCommandsTest, RunWithoutSupportIsRefused)
{
    addPointLoad(model(), 100, 600);
    run();
    EXPECT_EQ(prompts.lastMessage(), "Add support to beam before calculating reactions.");
}

TEST_F(CalcCommandsTest, SimpleSupportAndLeftCantileverRunInEitherOrder)
{
    for (bool cantileverFirst : {false, true}) {
        resetModel(model());
        model().modulusE = 29e6f;
        model().momentOfInertia = 100.0f;
        model().fiberDistance = 5.0f;
        if (cantileverFirst) addSupport(model(), 0, "cant");
        addSupport(model(), 600);
        if (!cantileverFirst) addSupport(model(), 0, "cant");
        addPointLoad(model(), 1000, 1200);
        prompts.clear();
        run();
        EXPECT_TRUE(prompts.messages().empty()) << prompts.lastMessage();
        ASSERT_NE(commands->screen(), nullptr);
        EXPECT_TRUE(commands->screen()->isVisible());
    }
}

TEST_F(CalcCommandsTest, RunWritesReactionsAndOpensTheCalculationsScreen)
{
    addSupport(model(), 0);
    addSupport(model(), 1200);
    addPointLoad(model(), 1000, 600);
    loading->drawSketch(13);
    run();
    ASSERT_TRUE(prompts.messages().empty()) << prompts.lastMessage();

    const LegendLabel& reaction = (*loading->legend().group(1))[LegendGroup::Second];
    EXPECT_EQ(reaction.caption, "500 lb.");
    EXPECT_EQ(reaction.colour, kReactionColour);
    EXPECT_TRUE(reaction.bold);

    CalculationsWindow* screen = commands->screen();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->objectName(), "momdisplay");
    EXPECT_EQ(screen->windowTitle(), "Spanrix: Calculations Screen[*]");
    EXPECT_TRUE(screen->windowState() & Qt::WindowMaximized);
    EXPECT_FALSE(screenItem("englishunits")->isEnabled());
    EXPECT_TRUE(screenItem("metricunits")->isEnabled());
    EXPECT_EQ(screenItem("point")->text(), "Show Values at a &Point");

    screenItem("showloading")->trigger();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(commands->screen(), nullptr);
}

TEST_F(CalcCommandsTest, RunAndRecalculateBothStartOnACleanScreen)
{
    addSupport(model(), 0);
    addSupport(model(), 1200);
    run();
    QtSurface& surface = commands->screen()->surface();
    const QRgb marked = qRgb(1, 2, 3);
    surface.backingImage().setPixel(2, 2, marked);
    run();
    EXPECT_EQ(surface.image().pixel(2, 2), qRgb(255, 255, 255));

    surface.backingImage().setPixel(2, 2, marked);
    prompts.replies.push_back("4");  // new significant figures: recalculate
    screenItem("changesignificantfigures")->trigger();
    EXPECT_EQ(context.state.sigFigs, 4);
    EXPECT_EQ(surface.image().pixel(2, 2), qRgb(255, 255, 255));
}

TEST_F(CalcCommandsTest, ConvertingOnTheScreenRecalculatesInTheNewUnits)
{
    addSupport(model(), 0);
    addSupport(model(), 1200);
    addPointLoad(model(), 1000, 600);
    run();
    screenItem("metricunits")->trigger();
    EXPECT_TRUE(model().metricUnits);
    EXPECT_TRUE(commands->basis().metricUnits);
    EXPECT_FALSE(screenItem("metricunits")->isEnabled());
    EXPECT_TRUE(screenItem("englishunits")->isEnabled());
    EXPECT_NEAR(context.results.peakMoment, 300000 * 4.448222 * 0.0254, 1e-3);
}

TEST_F(CalcCommandsTest, LargeLoadsRunWithoutAConvergenceQuestion)
{
    // The rounding left after a correction stays above the absolute tolerance, but is a
    // tiny share of the deflection.
    model().beamLength = 100;
    model().resolution = 10;
    addSupport(model(), 0);
    addSupport(model(), 60.7);
    addPointLoad(model(), 1e20, 100);
    run();
    EXPECT_TRUE(prompts.shown.empty()) << prompts.lastMessage();
    ASSERT_NE(commands->screen(), nullptr);
    EXPECT_TRUE(commands->screen()->action("max")->isEnabled());
}

TEST_F(CalcCommandsTest, ChangeResolution)
{
    prompts.replies = {"300000", "abc", std::nullopt, "5000"};
    loading->action("changerltn")->trigger();
    EXPECT_EQ(model().resolution, 200000.0f);
    EXPECT_EQ(prompts.lastMessage(), "Resolution too large.\rResolution set to 200,000.");
    EXPECT_EQ(prompts.shown.front().title, "Change Resolution");
    prompts.clear();
    loading->action("changerltn")->trigger();
    loading->action("changerltn")->trigger();
    EXPECT_EQ(model().resolution, 200000.0f);
    EXPECT_TRUE(prompts.messages().empty());
    loading->action("changerltn")->trigger();
    EXPECT_EQ(model().resolution, 5000.0f);
}

// The value windows over a 100 ft beam at N = 100 (points every 12 in.) whose moment at
// point i is 10 * i lb-in.
class ValueWindowsTest : public CalcCommandsTest {
protected:
    void SetUp() override
    {
        addSupport(model(), 0);
        addSupport(model(), 1200);
        run();
        for (int i = 0; i <= 100; ++i) context.results.momentAt[static_cast<size_t>(i) + 1] = 10.0 * i;
    }
    std::string momentAt(const char* typed, bool inches = false)
    {
        PointValuesDialog* w = commands->showPointValues();
        if (inches) w->findChild<QRadioButton*>("in")->setChecked(true);
        w->findChild<QLineEdit*>("loc")->setText(typed);
        w->findChild<QPushButton*>("Command2")->click();
        const std::string shown = w->findChild<QLineEdit*>("mom")->text().toStdString();
        w->close();
        return shown;
    }
};

TEST_F(ValueWindowsTest, MaximumValues)
{
    context.results.peakMoment = 1000;
    context.results.peakMomentLoc = 600;
    MaxValuesDialog* w = commands->showMaxValues();
    EXPECT_EQ(w->objectName(), "maxvalues");
    EXPECT_TRUE(w->isModal());
    EXPECT_EQ(w->findChild<QLineEdit*>("maxmo")->text(), "83.3 lb.-ft.");
    EXPECT_EQ(w->findChild<QLineEdit*>("locmaxmo")->text(), "50 ft.");
    w->findChild<QPushButton*>("Command1")->click();
    EXPECT_FALSE(w->isVisible());
}

TEST_F(ValueWindowsTest, PointValuesReadTheNearestPoint)
{
    EXPECT_EQ(momentAt("0"), "0 lb.-in.");
    EXPECT_EQ(momentAt("100"), "83.3 lb.-ft.");  // point N
    EXPECT_EQ(momentAt("5"), "50 lb.-in.");      // 60 in. = point 5
    EXPECT_EQ(momentAt("66", true), "60 lb.-in.");  // halfway 5..6 goes to 6
    EXPECT_EQ(momentAt("54", true), "40 lb.-in.");  // halfway 4..5 goes to 4
    EXPECT_TRUE(prompts.messages().empty());

    EXPECT_EQ(momentAt("100.6"), "");  // more than half an interval past the end
    EXPECT_EQ(momentAt("five"), "");
    EXPECT_EQ(prompts.messages(), (std::vector<std::string>{"Invalid location.", std::string(kNotANumberMessage)}));
}

// A box shows its whole value, sign first, however many figures are shown.
TEST_F(ValueWindowsTest, ResultBoxesHoldTheLongestValue)
{
    context.results.momentAt[6] = -8.88888888888888e-300;
    for (int figures : {3, 15}) {
        context.state.sigFigs = figures;
        PointValuesDialog* w = commands->showPointValues();
        w->findChild<QLineEdit*>("loc")->setText("5");
        w->findChild<QPushButton*>("Command2")->click();
        w->layout()->activate();
        auto* mom = w->findChild<QLineEdit*>("mom");
        EXPECT_EQ(mom->text().front(), '-');
        EXPECT_GT(mom->width(), mom->fontMetrics().horizontalAdvance(mom->text()) + 4) << figures;
        EXPECT_EQ(mom->cursorPosition(), 0);
        w->close();
    }
}

TEST_F(ValueWindowsTest, EnterInLocationFindsValuesAndMetricHidesTheUnitChoice)
{
    PointValuesDialog* w = commands->showPointValues();
    EXPECT_FALSE(w->findChild<QGroupBox*>("engframe")->isHidden());
    EXPECT_TRUE(w->findChild<QRadioButton*>("ft")->isChecked());
    auto* loc = w->findChild<QLineEdit*>("loc");
    loc->setText("1");
    QTest::keyClick(loc, Qt::Key_Return);
    EXPECT_EQ(w->findChild<QLineEdit*>("mom")->text(), "10 lb.-in.");
    w->close();

    screenItem("metricunits")->trigger();
    w = commands->showPointValues();
    EXPECT_TRUE(w->findChild<QGroupBox*>("engframe")->isHidden());
    EXPECT_FALSE(w->findChild<QLabel*>("met")->isHidden());
    w->close();
}

// A simple span of 100 ft with 1000 lb at midspan, run at N = 100.
class ResultExtrasTest : public CalcCommandsTest {
protected:
    void SetUp() override
    {
        addSupport(model(), 0);
        addSupport(model(), 1200);
        addPointLoad(model(), 1000, 600);
        run();
        commands->setSaveNameChooser([this](const SaveNameRequest& r) {
            asked.push_back(r.caption.toStdString());
            std::optional<std::string> name = names.front();
            names.pop_front();
            return name;
        });
    }
    std::string inDir(const char* name) const { return dir.filePath(name).toStdString(); }
    QByteArray bytesOf(const std::string& path) const
    {
        QFile f(QString::fromStdString(path));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    std::deque<std::optional<std::string>> names;
    std::vector<std::string> asked;
};

TEST_F(ResultExtrasTest, ShearWindowIsModelessFollowsTheScreenAndClosesWithIt)
{
    screenItem("sheardiagram")->trigger();
    ShearWindow* w = commands->shearWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->objectName(), "sheardisplay");
    EXPECT_EQ(w->windowTitle(), "Spanrix: Shear Force Diagram");
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowModality(), Qt::NonModal);
    EXPECT_EQ(w->findChild<QLineEdit*>("maxshear")->text(), "500 lb.");
    EXPECT_EQ(w->findChild<QLineEdit*>("locmaxshear")->text(), "1 ft.");
    const QImage& image = w->surface().image();
    int black = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) black += image.pixel(x, y) == qRgb(0, 0, 0);
    EXPECT_GT(black, 1000);  // the curve and the title

    screenItem("metricunits")->trigger();
    EXPECT_EQ(w->findChild<QLineEdit*>("maxshear")->text(), "2.22 kN");

    screenItem("showloading")->trigger();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(commands->shearWindow(), nullptr);
}

TEST_F(ResultExtrasTest, ExactMaximumValuesFromTheDisplayMenu)
{
    screenItem("exactmax")->trigger();
    auto* w = commands->screen()->findChild<MaxValuesDialog*>("exactvalues");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), "Exact Maximum Values");
    EXPECT_TRUE(w->isModal());
    // The load sits on a calculation point, so the moment agrees with the grid's window;
    // the shear peaks right at the support, where the grid's first point cannot see it.
    MaxValuesDialog* grid = commands->showMaxValues();
    for (const char* box : {"maxmo", "locmaxmo", "maxdef", "locmaxdef"})
        EXPECT_EQ(w->findChild<QLineEdit*>(box)->text(), grid->findChild<QLineEdit*>(box)->text())
            << box;
    EXPECT_EQ(grid->findChild<QLineEdit*>("maxshear"), nullptr);
    EXPECT_EQ(w->findChild<QLineEdit*>("maxshear")->text(), "500 lb.");
    EXPECT_EQ(w->findChild<QLineEdit*>("locmaxshear")->text(), "0 ft.");
    grid->close();
    w->findChild<QPushButton*>("Command1")->click();
    EXPECT_FALSE(w->isVisible());
}

TEST_F(ResultExtrasTest, ExportsWriteWhatTheScreenShowsOrSayWhyNot)
{
    names = {inDir("beam.csv"), inDir("diagrams.png"), inDir("diagrams.SVG"), std::nullopt,
             inDir("missing/beam.csv"), "/dev/full"};
    screenItem("exportcsv")->trigger();
    const QList<QByteArray> rows = bytesOf(inDir("beam.csv")).split('\n');
    ASSERT_EQ(rows.size(), 1 + 101 + 1);  // header, N + 1 points, nothing after the last CR LF
    EXPECT_EQ(rows[0].toStdString(),
              "x (ft.),moment (lb.-ft.),shear (lb.),stress (ksi),slope (degrees),deflection (in.)\r");
    EXPECT_EQ(rows[51].left(18).toStdString(), "50,25000,500,15,0,");

    screenItem("saveimages")->trigger();
    QImage png;
    ASSERT_TRUE(png.loadFromData(bytesOf(inDir("diagrams.png")), "PNG"));
    EXPECT_EQ(png.size(), commands->screen()->surface().image().size());

    screenItem("saveimages")->trigger();
    const QByteArray svg = bytesOf(inDir("diagrams.SVG"));
    QXmlStreamReader xml(svg);
    ASSERT_TRUE(xml.readNextStartElement());
    EXPECT_EQ(xml.name(), QString("svg"));
    while (!xml.atEnd()) xml.readNext();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    for (const char* title : {"MOMENT", "BENDING STRESS", "DEFLECTION"}) EXPECT_TRUE(svg.contains(title)) << title;

    screenItem("exportcsv")->trigger();  // cancelled
    EXPECT_TRUE(prompts.messages().empty());
    screenItem("exportcsv")->trigger();
    EXPECT_EQ(prompts.messages(), std::vector<std::string>{"Could not save " + inDir("missing/beam.csv") + "."});
    screenItem("saveimages")->trigger();  // a device is never written in place of a file
    EXPECT_EQ(prompts.lastMessage(), "Could not save /dev/full.");
    EXPECT_EQ(asked, (std::vector<std::string>{"Export Results", "Save Diagrams as Image", "Save Diagrams as Image",
                                               "Export Results", "Export Results", "Save Diagrams as Image"}));
}

}  // namespace
}  // namespace spanrix
