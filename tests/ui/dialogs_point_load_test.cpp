#include <QFrame>

#include "dialogs_fixture.h"
#include "forms/feature_entry.h"
#include "model/number_format.h"
#include "ui/dialogs/feature_dialog.h"

namespace spanrix::testing {
namespace {

using PointLoadDialogTest = DialogsTest;

TEST_F(PointLoadDialogTest, ControlsCaptionsDefaultsAndUnitFrames)
{
    QDialog* d = openAdd("addpointload", "load_info");
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->isVisible());
    EXPECT_FALSE(d->isModal());
    EXPECT_EQ(d->windowTitle(), "Add Point Load");
    EXPECT_EQ(text(d, "Label1"), "Load Magnitude");
    EXPECT_EQ(text(d, "Label2"), "Load Location (from left edge of beam)");
    EXPECT_EQ(text(d, "loadmag"), "0");
    EXPECT_EQ(text(d, "loadloc"), "0");
    EXPECT_EQ(text(d, "poundlabel"), "lb.");
    EXPECT_EQ(text(d, "feet"), "feet");
    EXPECT_EQ(text(d, "inch"), "inches");
    EXPECT_EQ(text(d, "kg"), "kg");
    EXPECT_EQ(text(d, "N"), "N");
    EXPECT_EQ(text(d, "Label5"), "m");
    EXPECT_EQ(text(d, "Command1"), "Add Load");
    EXPECT_EQ(text(d, "Command2"), "Cancel");
    EXPECT_TRUE(checked(d, "feet"));
    EXPECT_TRUE(checked(d, "N"));
    EXPECT_FALSE(control<QFrame>(d, "engframe")->isHidden());
    EXPECT_FALSE(control<QWidget>(d, "poundlabel")->isHidden());
    EXPECT_TRUE(control<QFrame>(d, "metframe")->isHidden());

    click(d, "Command2");
    EXPECT_FALSE(d->isVisible());
    model().metricUnits = true;
    command("addpointload");
    EXPECT_TRUE(control<QFrame>(d, "engframe")->isHidden());
    EXPECT_TRUE(control<QWidget>(d, "poundlabel")->isHidden());
    EXPECT_FALSE(control<QFrame>(d, "metframe")->isHidden());
}

TEST_F(PointLoadDialogTest, AddInFeetWithEnterStoresInchesAndBuildsTheLegend)
{
    QDialog* d = openAdd("addpointload", "load_info");
    type(d, "loadmag", "-500");
    type(d, "loadloc", "10");
    pressEnter(d, "loadloc");
    EXPECT_TRUE(prompts.messages().empty()) << prompts.lastMessage();
    EXPECT_FALSE(d->isVisible());
    ASSERT_EQ(model().numPointLoads, 1);
    EXPECT_EQ(model().featureId[1], "pt1");
    EXPECT_EQ(double(model().pointLoadLoc[1]), 120.0);
    EXPECT_EQ(double(model().pointLoadMag[1]), -500.0);
    EXPECT_EQ(model().featureForceUnit[1], "lb");
    EXPECT_EQ(model().featureLengthUnit[1], "ft");
    EXPECT_NE(loading->legendLabel("featlabel1"), nullptr);

    // The next opening starts from the defaults again.
    command("addpointload");
    EXPECT_EQ(text(d, "loadmag"), "0");
    EXPECT_EQ(text(d, "loadloc"), "0");
}

TEST_F(PointLoadDialogTest, RefusalsKeepTheDialogTheTextAndTheModel)
{
    QDialog* d = openAdd("addpointload", "load_info");
    click(d, "inch");
    const BeamModel before = model();
    struct Case {
        const char* magnitude;
        const char* location;
        std::string_view message;
    };
    for (const Case& c : {Case{"5", "1200.001", kInvalidLoadLocation},
                          Case{"5", "-0.001", kInvalidLoadLocation},
                          Case{"5", "", kNotANumberMessage},
                          Case{"5", "ten", kNotANumberMessage},
                          Case{"0", "10", kNonZeroLoad},
                          Case{"", "10", kNotANumberMessage},
                          Case{"5 lb", "10", kNotANumberMessage},
                          Case{"1,000", "10", kNotANumberMessage}}) {
        type(d, "loadmag", c.magnitude);
        type(d, "loadloc", c.location);
        click(d, "Command1");
        EXPECT_EQ(prompts.lastMessage(), c.message);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(text(d, "loadloc"), c.location);
        EXPECT_EQ(text(d, "loadmag"), c.magnitude);
        EXPECT_TRUE(model() == before);
    }
    prompts.clear();
    type(d, "loadmag", "5");
    type(d, "loadloc", "1200");
    click(d, "Command1");
    EXPECT_TRUE(prompts.messages().empty());
    EXPECT_EQ(double(model().pointLoadLoc[1]), 1200.0);
}

TEST_F(PointLoadDialogTest, AFullKindIsRefusedWithTheCapacityMessage)
{
    FeatureEntry e;
    e.magnitude = "1";
    for (int i = 0; i < kMaxPointLoads; ++i) ASSERT_FALSE(addFeature(model(), FeatureKind::PointLoad, e));
    QDialog* d = openAdd("addpointload", "load_info");
    type(d, "loadmag", "5");
    const BeamModel before = model();
    click(d, "Command1");
    EXPECT_EQ(prompts.lastMessage(), "Maximum of 50 point loads reached.");
    EXPECT_TRUE(model() == before);
}

TEST_F(PointLoadDialogTest, KilogramLoadReopensInKilogramsAndSubmitKeepsItBitForBit)
{
    model().metricUnits = true;
    model().beamLength = 10.0;
    QDialog* d = openAdd("addpointload", "load_info");
    click(d, "kg");
    type(d, "loadmag", "10");
    type(d, "loadloc", "3.33333333");
    click(d, "Command1");
    ASSERT_EQ(model().numPointLoads, 1);
    EXPECT_EQ(double(model().pointLoadMag[1]), 10 * 9.80665);  // 98.0665 N
    EXPECT_EQ(model().featureForceUnit[1], "kg");

    click(d, "N");  // a stray option left behind must not leak into the edit
    editFeature(1);
    ASSERT_TRUE(d->isVisible());
    EXPECT_TRUE(model().editingFeature);
    EXPECT_EQ(d->windowTitle(), "Edit Feature 1");
    EXPECT_EQ(text(d, "Command1"), "Submit");
    EXPECT_EQ(text(d, "loadmag"), "10");
    EXPECT_EQ(text(d, "loadloc"), "3.33");
    EXPECT_TRUE(checked(d, "kg"));

    const BeamModel before = model();
    click(d, "Command1");
    EXPECT_TRUE(prompts.messages().empty()) << prompts.lastMessage();
    EXPECT_FALSE(d->isVisible());
    EXPECT_FALSE(model().editingFeature);
    EXPECT_TRUE(model().pointLoadMag == before.pointLoadMag);
    EXPECT_TRUE(model().pointLoadLoc == before.pointLoadLoc);
    EXPECT_EQ(model().featureForceUnit[1], "kg");
    EXPECT_EQ(d->windowTitle(), "Add Point Load");
    EXPECT_EQ(text(d, "Command1"), "Add Load");
    ASSERT_NE(loading->legendLabel("loadlab1"), nullptr);
    EXPECT_EQ(loading->legendLabel("loadlab1")->text(), "10 kg");
}

TEST_F(PointLoadDialogTest, ChangingOnlyTheLengthOptionReinterpretsTheLocation)
{
    QDialog* d = openAdd("addpointload", "load_info");
    type(d, "loadmag", "-500");
    type(d, "loadloc", "10");
    click(d, "Command1");
    editFeature(1);
    EXPECT_TRUE(checked(d, "feet"));
    EXPECT_EQ(text(d, "loadloc"), "10");
    click(d, "inch");
    click(d, "Command1");
    EXPECT_EQ(double(model().pointLoadLoc[1]), 10.0);
    EXPECT_EQ(double(model().pointLoadMag[1]), -500.0);
    EXPECT_EQ(model().featureLengthUnit[1], "in");
    EXPECT_EQ(loading->legendLabel("loadlab2_1")->text(), "x=10 in.");
}

TEST_F(PointLoadDialogTest, EditingTheMaximumDownLowersTheTracker)
{
    QDialog* d = openAdd("addpointload", "load_info");
    for (const char* magnitude : {"100", "-50", "30"}) {
        command("addpointload");
        type(d, "loadmag", magnitude);
        type(d, "loadloc", "5");
        click(d, "Command1");
    }
    ASSERT_EQ(double(model().maxPointLoadMag), 100.0);
    editFeature(1);
    type(d, "loadmag", "20");
    pressEnter(d, "loadmag");
    EXPECT_EQ(double(model().pointLoadMag[1]), 20.0);
    EXPECT_EQ(double(model().maxPointLoadMag), 50.0);
}

TEST_F(PointLoadDialogTest, CancelAndRefusedOpeningsLeaveEditMode)
{
    QDialog* d = openAdd("addpointload", "load_info");
    type(d, "loadmag", "7");
    click(d, "Command1");
    editFeature(1);
    type(d, "loadmag", "99");
    const BeamModel before = [&] { BeamModel m = model(); m.editingFeature = false; return m; }();
    click(d, "Command2");
    EXPECT_FALSE(d->isVisible());
    EXPECT_FALSE(model().editingFeature);
    EXPECT_TRUE(model() == before);
    EXPECT_EQ(d->windowTitle(), "Add Point Load");
    EXPECT_EQ(text(d, "Command1"), "Add Load");

    // A removed load, or a row beyond the table, cannot be edited; the dialog stays closed.
    auto* feature = qobject_cast<FeatureDialog*>(d);
    ASSERT_NE(feature, nullptr);
    model().pointLoadMag[1] = 0.0;
    for (int row : {1, 2}) {
        prompts.clear();
        model().editingFeature = true;  // as the Edit Feature command leaves it
        feature->edit_feature(row, FeatureDialog::EditStep::Open);
        EXPECT_EQ(prompts.lastMessage(), "Invalid feature number.");
        EXPECT_FALSE(d->isVisible());
        EXPECT_FALSE(model().editingFeature);
        EXPECT_FALSE(feature->isEditing());
    }
}

}  // namespace
}  // namespace spanrix::testing
