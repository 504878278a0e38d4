#include <QFrame>

#include "dialogs_fixture.h"
#include "forms/feature_entry.h"
#include "model/number_format.h"

namespace spanrix::testing {
namespace {

class BeamPropertiesDialogTest : public DialogsTest {
protected:
    QDialog* open() { return openBeamProperties(); }
};

TEST_F(BeamPropertiesDialogTest, OpeningPutsTheDefaultModulusIntoTheModelEvenIfCancelled)
{
    QDialog* d = open();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->isModal());
    EXPECT_EQ(d->windowTitle(), "Beam Properties");
    EXPECT_EQ(text(d, "Text1"), "Moment of Inertia  (typically denoted as \"I\")");
    EXPECT_EQ(text(d, "Text3"), "Modulus of Elasticity  (typically denoted as \"E\")");
    EXPECT_EQ(text(d, "Text4"), "Distance to farthest fiber  (typically denoted as \"c\")");
    EXPECT_EQ(text(d, "MomOfI"), "0");
    EXPECT_EQ(text(d, "ModE"), "30000000");
    EXPECT_EQ(text(d, "cdist"), "0");
    EXPECT_EQ(text(d, "Label2"), "in.^4");
    EXPECT_EQ(text(d, "Label1"), "psi");
    EXPECT_EQ(text(d, "Label3"), "in.");
    EXPECT_FALSE(control<QFrame>(d, "engframe")->isHidden());
    EXPECT_TRUE(control<QFrame>(d, "metframe")->isHidden());
    click(d, "Command2");
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(model().modulusE, 30000000.0f);
    EXPECT_EQ(model().momentOfInertia, 0.0f);
}

TEST_F(BeamPropertiesDialogTest, MetricInertiaIsStoredInMetresToTheFourth)
{
    model().metricUnits = true;
    QDialog* d = open();
    EXPECT_EQ(text(d, "ModE"), "210");
    EXPECT_EQ(text(d, "Label4"), "mm^4");
    EXPECT_EQ(text(d, "Label5"), "GPa");
    EXPECT_EQ(text(d, "Label6"), "mm");
    EXPECT_TRUE(control<QFrame>(d, "engframe")->isHidden());
    type(d, "MomOfI", "8333000");
    pressEnter(d, "MomOfI");
    EXPECT_TRUE(prompts.messages().empty()) << prompts.lastMessage();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(model().momentOfInertia, 8.333E-06f);
    EXPECT_EQ(model().modulusE, 210e9f);
    EXPECT_EQ(model().fiberDistance, 0.0f);

    d = open();
    EXPECT_EQ(text(d, "MomOfI"), "8330000");
    const BeamModel before = model();
    click(d, "Command1");
    EXPECT_TRUE(model() == before);
}

TEST_F(BeamPropertiesDialogTest, ABoxThatIsNotANumberRefusesTheWholeContinue)
{
    QDialog* d = open();
    const BeamModel before = model();
    type(d, "MomOfI", "100");
    type(d, "cdist", "five");
    click(d, "Command1");
    EXPECT_EQ(prompts.lastMessage(), kNotANumberMessage);
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(model() == before);
    type(d, "cdist", "5");
    click(d, "Command1");
    EXPECT_EQ(model().momentOfInertia, 100.0f);
    EXPECT_EQ(model().fiberDistance, 5.0f);
}

}  // namespace
}  // namespace spanrix::testing
