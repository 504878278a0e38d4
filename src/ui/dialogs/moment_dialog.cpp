#include "ui/dialogs/moment_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/dialogs/dialog_widgets.h"
#include "ui/help/input_tips.h"

namespace spanrix {

using namespace dialogs;

MomentDialog::MomentDialog(AppContext& context, LoadingWindow& loading)
    : FeatureDialog(FeatureKind::Moment, context, loading, "Add Moment", "Add Moment")
{
    setObjectName("moment_info");

    auto* label1 = label(this, "Label1", "Moment Magnitude");
    loadmag_ = textBox(this, "loadmag", "0");
    auto* label2 = label(this, "Label2", "Moment Location (from left edge of beam)");
    loadloc_ = textBox(this, "loadloc", "0");

    engframe1_ = frame(this, "engframe1");
    stackOptions(engframe1_, {&pf_, "pf", "lb-ft"}, {&pi_, "pi", "lb-in"});

    engframe2_ = frame(this, "engframe2");
    stackOptions(engframe2_, {&feet_, "feet", "feet"}, {&inch_, "inch", "inches"});

    metframe_ = frame(this, "metframe");
    stackOptions(metframe_, {&kg_, "kg", "kg-m"}, {&n_, "N", "N-m"}, label(metframe_, "Label4", "m"));

    auto* grid = new QGridLayout;
    grid->addWidget(label1, 0, 0);
    grid->addWidget(loadmag_, 1, 0);
    grid->addWidget(engframe1_, 1, 1);
    grid->addWidget(label2, 2, 0);
    grid->addWidget(loadloc_, 3, 0);
    grid->addWidget(engframe2_, 3, 1);
    grid->addWidget(metframe_, 0, 2, 4, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(makeButtons());
    firstField_ = loadmag_;
    locationField_ = loadloc_;

    watchText(loadmag_, &TouchedFields::magnitude);
    watchText(loadloc_, &TouchedFields::location);
    watchOption(feet_, &TouchedFields::lengthUnit);
    watchOption(inch_, &TouchedFields::lengthUnit);
    for (QRadioButton* o : {pi_, pf_, kg_, n_}) watchOption(o, &TouchedFields::forceUnit);
    explainInputs(*this);
}

FeatureEntry MomentDialog::entry() const
{
    FeatureEntry e;
    e.magnitude = loadmag_->text().toStdString();
    e.location = loadloc_->text().toStdString();
    e.options.feet = feet_->isChecked();
    e.options.perFoot = pf_->isChecked();
    e.options.kg = kg_->isChecked();
    return e;
}

void MomentDialog::setEntry(const FeatureEntry& e)
{
    loadmag_->setText(QString::fromStdString(e.magnitude));
    loadloc_->setText(QString::fromStdString(e.location));
    (e.options.feet ? feet_ : inch_)->setChecked(true);
    (e.options.perFoot ? pf_ : pi_)->setChecked(true);
    (e.options.kg ? kg_ : n_)->setChecked(true);
}

void MomentDialog::showUnitControls(bool metric)
{
    engframe1_->setVisible(!metric);
    engframe2_->setVisible(!metric);
    metframe_->setVisible(metric);
}

}  // namespace spanrix
