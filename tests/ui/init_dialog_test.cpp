#include "ui/dialogs/init_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "scripted_prompts.h"
#include "model/number_format.h"
#include "ui/app_context.h"

namespace spanrix {
namespace {

class InitDialogTest : public ::testing::Test {
protected:
    testing::ScriptedPrompts prompts;
    AppContext context{prompts};
    InitDialog dialog{context};

    template <typename T>
    T* child(const char* name) { return dialog.findChild<T*>(name); }

    // Clicks where a user would: on the option's indicator, not the middle of a wide row.
    void choose(const char* option)
    {
        QRadioButton* b = child<QRadioButton>(option);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    }

    void typeLength(const QString& text)
    {
        QLineEdit* length = child<QLineEdit>("Length");
        length->selectAll();
        QTest::keyClicks(length, text);
    }
};

TEST_F(InitDialogTest, ControlsAndFirstLoad)
{
    dialog.open(true);
    EXPECT_EQ(dialog.objectName(), "properties");
    EXPECT_EQ(dialog.windowTitle(), "Initialize Beam");
    for (const char* name : {"Frame2", "engframe"}) EXPECT_NE(child<QWidget>(name), nullptr) << name;
    EXPECT_EQ(child<QRadioButton>("Met")->text(), "Metric units");
    EXPECT_TRUE(child<QRadioButton>("Eng")->isChecked());
    EXPECT_TRUE(child<QRadioButton>("feet")->isChecked());
    EXPECT_EQ(child<QLabel>("Label1")->text(), "Beam Length");
    EXPECT_EQ(child<QLineEdit>("Length")->text(), "100");
    EXPECT_FALSE(child<QLabel>("meter")->isVisible());
    EXPECT_EQ(child<QPushButton>("Command1")->text(), "Continue");
    EXPECT_EQ(child<QPushButton>("Command2")->text(), "Retrieve Load File");
    EXPECT_TRUE(child<QPushButton>("Command2")->isVisible());
    // The first load already holds a 100 ft beam and sets three figures.
    EXPECT_EQ(context.state.model.beamLength, 1200.0);
    EXPECT_EQ(context.state.sigFigs, 3);
    EXPECT_GT(context.state.geometry.workAreaWidth, 0);
    EXPECT_FALSE(context.state.currentDir.empty());

    QSignalSpy accepted(&dialog, &InitDialog::beamAccepted);
    QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_EQ(context.state.model.beamLength, 1200.0);
    EXPECT_FALSE(context.state.model.useInches);
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(InitDialogTest, InchesAndEnterKey)
{
    dialog.open(true);
    choose("inch");
    typeLength("30");
    QSignalSpy accepted(&dialog, &InitDialog::beamAccepted);
    QTest::keyClick(child<QLineEdit>("Length"), Qt::Key_Return);
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_EQ(context.state.model.beamLength, 30.0);
    EXPECT_TRUE(context.state.model.useInches);
}

TEST_F(InitDialogTest, MetricOptionActsAtOnce)
{
    dialog.open(true);
    choose("Met");
    EXPECT_TRUE(context.state.model.metricUnits);
    EXPECT_TRUE(child<QLabel>("meter")->isVisible());
    EXPECT_FALSE(child<QWidget>("engframe")->isVisible());
    typeLength("20");
    EXPECT_TRUE(dialog.accept_continue());
    EXPECT_EQ(context.state.model.beamLength, 20.0);
}

TEST_F(InitDialogTest, RefusedLengthsChangeNothing)
{
    dialog.open(true);
    for (const char* bad : {"0", "-5", "abc", ""}) {
        typeLength(bad);
        if (QString(bad).isEmpty()) child<QLineEdit>("Length")->clear();
        prompts.clear();
        EXPECT_FALSE(dialog.accept_continue()) << bad;
        EXPECT_EQ(prompts.lastMessage(), parseNumber(bad) ? "Enter a positive non-zero value for beam length."
                                                          : kNotANumberMessage);
        EXPECT_EQ(context.state.model.beamLength, 1200.0);
        EXPECT_TRUE(dialog.isVisible());
    }
}

TEST_F(InitDialogTest, ReopeningShowsTheLengthInFeetAndKeepsItExactly)
{
    dialog.open(true);
    typeLength("10");
    ASSERT_TRUE(dialog.accept_continue());
    context.state.model.beamLength = 120.0000001;
    context.state.sigFigs = 5;
    dialog.open(false);
    EXPECT_EQ(child<QLineEdit>("Length")->text(), "10");
    EXPECT_EQ(context.state.sigFigs, 3);
    EXPECT_FALSE(child<QPushButton>("Command2")->isVisible());
    ASSERT_TRUE(dialog.accept_continue());
    EXPECT_EQ(context.state.model.beamLength, 120.0000001);
}

}  // namespace
}  // namespace spanrix
