#include <QFrame>
#include <QGroupBox>

#include "dialogs_fixture.h"
#include "forms/feature_entry.h"

namespace spanrix::testing {
namespace {

using DistLoadDialogTest = DialogsTest;
using MomentDialogTest = DialogsTest;
using SupportDialogTest = DialogsTest;

TEST_F(DistLoadDialogTest, ControlsAndDefaults)
{
    QDialog* d = openAdd("adddistload", "distload_info");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->windowTitle(), "Add Distributed Load");
    EXPECT_EQ(text(d, "Label3"), "Start");
    EXPECT_EQ(text(d, "Label4"), "End");
    for (const char* box : {"loadmag0", "loadmag1", "loadstart", "loadend"}) EXPECT_EQ(text(d, box), "0");
    EXPECT_EQ(text(d, "pi"), "lb/in");
    EXPECT_EQ(text(d, "pf"), "lb/ft");
    EXPECT_EQ(text(d, "kg"), "kg/m");
    EXPECT_EQ(text(d, "N"), "N/m");
    EXPECT_TRUE(checked(d, "pf"));
    EXPECT_TRUE(checked(d, "feet"));
    EXPECT_TRUE(checked(d, "N"));
    EXPECT_EQ(text(d, "Command1"), "Add Load");
    EXPECT_FALSE(control<QFrame>(d, "engframe1")->isHidden());
    EXPECT_FALSE(control<QFrame>(d, "engframe2")->isHidden());
    EXPECT_TRUE(control<QFrame>(d, "metframe")->isHidden());
}

TEST_F(DistLoadDialogTest, PoundsPerFootAreStoredPerInchAndReopenAsTyped)
{
    QDialog* d = openAdd("adddistload", "distload_info");
    type(d, "loadmag0", "12");
    type(d, "loadmag1", "24");
    type(d, "loadstart", "0");
    type(d, "loadend", "100");
    pressEnter(d, "loadend");
    EXPECT_TRUE(prompts.messages().empty()) << prompts.lastMessage();
    ASSERT_EQ(model().numDistLoads, 1);
    EXPECT_EQ(model().distLoadStartMag[1], 1.0);
    EXPECT_EQ(model().distLoadEndMag[1], 2.0);
    EXPECT_EQ(double(model().distLoadEnd[1]), 1200.0);
    EXPECT_EQ(model().featureForceUnit[1], "pf");

    editFeature(1);
    EXPECT_EQ(text(d, "loadmag0"), "12");
    EXPECT_EQ(text(d, "loadmag1"), "24");
    EXPECT_EQ(text(d, "loadend"), "100");
    EXPECT_TRUE(checked(d, "pf"));
    // Start equal to the end is refused; the edit stays open and the model as it was.
    const BeamModel before = model();
    type(d, "loadstart", "100");
    click(d, "Command1");
    EXPECT_EQ(prompts.lastMessage(), kInvalidStartLocation);
    EXPECT_TRUE(model() == before);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->windowTitle(), "Edit Feature 1");
    type(d, "loadstart", "50");
    click(d, "Command1");
    EXPECT_EQ(double(model().distLoadStart[1]), 600.0);
    EXPECT_EQ(model().distLoadEndMag[1], 2.0);
    EXPECT_FALSE(model().editingFeature);
}

TEST_F(MomentDialogTest, PoundFeetAreStoredInPoundInches)
{
    QDialog* d = openAdd("addmoment", "moment_info");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->windowTitle(), "Add Moment");
    EXPECT_EQ(text(d, "Command1"), "Add Moment");
    EXPECT_EQ(text(d, "Label1"), "Moment Magnitude");
    EXPECT_EQ(text(d, "pf"), "lb-ft");
    EXPECT_EQ(text(d, "N"), "N-m");
    EXPECT_TRUE(checked(d, "pf"));
    type(d, "loadmag", "0");
    click(d, "Command1");
    EXPECT_EQ(prompts.lastMessage(), kNonZeroMoment);
    type(d, "loadmag", "100");
    type(d, "loadloc", "100");
    click(d, "Command1");
    EXPECT_EQ(double(model().momentMag[1]), 1200.0);
    EXPECT_EQ(double(model().momentLoc[1]), 1200.0);
    EXPECT_EQ(model().featureForceUnit[1], "pf");

    editFeature(1);
    EXPECT_EQ(text(d, "loadmag"), "100");
    EXPECT_TRUE(checked(d, "pf"));
    click(d, "Command2");
    EXPECT_EQ(d->windowTitle(), "Add Moment");
    EXPECT_EQ(text(d, "Command1"), "Add Moment");
}

TEST_F(SupportDialogTest, CantileverStepsTheLocationAside)
{
    QDialog* d = openAdd("addsupport", "support_info");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->windowTitle(), "Add Support");
    EXPECT_EQ(text(d, "Label1"), "Location of support (from left edge of beam)");
    EXPECT_EQ(control<QGroupBox>(d, "Frame1")->title(), "Type of Support");
    EXPECT_EQ(text(d, "simple"), "Simple support");
    EXPECT_EQ(text(d, "cantilever"), "Cantilever support");
    EXPECT_TRUE(checked(d, "simple"));
    EXPECT_TRUE(control<QWidget>(d, "met")->isHidden());

    click(d, "cantilever");
    EXPECT_FALSE(control<QWidget>(d, "suploc")->isEnabled());
    EXPECT_TRUE(control<QWidget>(d, "engframe1")->isHidden());
    click(d, "simple");
    EXPECT_TRUE(control<QWidget>(d, "suploc")->isEnabled());
    EXPECT_FALSE(control<QWidget>(d, "engframe1")->isHidden());
}

TEST_F(SupportDialogTest, CantileversArePlacedByRule)
{
    QDialog* d = openAdd("addsupport", "support_info");
    type(d, "suploc", "no number needed");  // plays no part for a cantilever
    click(d, "cantilever");
    click(d, "Command1");
    EXPECT_TRUE(prompts.messages().empty()) << prompts.lastMessage();
    command("addsupport");
    click(d, "cantilever");
    click(d, "Command1");
    ASSERT_EQ(model().numSupports, 2);
    EXPECT_EQ(double(model().supportLoc[1]), 0.0);
    EXPECT_EQ(double(model().supportLoc[2]), 1200.0);
    EXPECT_EQ(model().supportType[2], "cant");

    command("addsupport");
    click(d, "cantilever");
    const BeamModel before = model();
    click(d, "Command1");
    EXPECT_EQ(prompts.lastMessage(), kCantileverAtEnds);
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(model() == before);

    // A cantilever cannot be moved.
    click(d, "Command2");
    editFeature(1);
    EXPECT_EQ(prompts.lastMessage(), kCannotMoveCantilever);
    EXPECT_FALSE(d->isVisible());
    EXPECT_FALSE(model().editingFeature);
}

TEST_F(SupportDialogTest, FirstCantileverNeedsAFreeLeftEnd)
{
    QDialog* d = openAdd("addsupport", "support_info");
    click(d, "Command1");  // simple support at 0
    command("addsupport");
    click(d, "cantilever");
    click(d, "Command1");
    EXPECT_EQ(prompts.lastMessage(), kFirstCantileverLeft);
    EXPECT_EQ(model().numSupports, 1);
    click(d, "simple");
    type(d, "suploc", "100.5");
    click(d, "Command1");
    EXPECT_EQ(prompts.lastMessage(), kInvalidSupportLocation);
    type(d, "suploc", "0");
    click(d, "Command1");
    EXPECT_EQ(prompts.lastMessage(), kSupportExists);
    EXPECT_EQ(model().numSupports, 1);
}

TEST_F(SupportDialogTest, EditsMoveSimpleSupportsButNeverOntoAnother)
{
    QDialog* d = openAdd("addsupport", "support_info");
    for (const char* at : {"0", "50"}) {
        command("addsupport");
        type(d, "suploc", at);
        click(d, "Command1");
    }
    ASSERT_EQ(model().numSupports, 2);
    editFeature(2);
    ASSERT_TRUE(d->isVisible());
    EXPECT_EQ(d->windowTitle(), "Edit Feature 2");
    EXPECT_EQ(text(d, "suploc"), "50");
    EXPECT_TRUE(checked(d, "feet"));
    for (const char* name : {"Frame1", "simple", "cantilever"})
        EXPECT_FALSE(control<QWidget>(d, name)->isEnabled()) << name;

    const BeamModel before = model();
    type(d, "suploc", "0");
    click(d, "Command1");
    EXPECT_EQ(prompts.lastMessage(), kSupportExists);
    EXPECT_TRUE(model() == before);
    EXPECT_TRUE(d->isVisible());

    type(d, "suploc", "75");
    click(d, "Command1");
    EXPECT_EQ(double(model().supportLoc[2]), 900.0);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(loading->legendLabel("sloadlab2")->text(), "x=75 ft.");
    command("addsupport");
    for (const char* name : {"Frame1", "simple", "cantilever"})
        EXPECT_TRUE(control<QWidget>(d, name)->isEnabled()) << name;
}

}  // namespace
}  // namespace spanrix::testing
