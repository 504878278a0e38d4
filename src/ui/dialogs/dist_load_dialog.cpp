#include "ui/dialogs/dist_load_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/dialogs/dialog_widgets.h"
#include "ui/help/input_tips.h"

namespace spanrix {

using namespace dialogs;

DistLoadDialog::DistLoadDialog(AppContext& context, LoadingWindow& loading)
    : FeatureDialog(FeatureKind::DistLoad, context, loading, "Add Distributed Load", "Add Load")
{
    setObjectName("distload_info");

    auto* label3 = label(this, "Label3", "Start");
    auto* label4 = label(this, "Label4", "End");
    auto* label1 = label(this, "Label1", "Load Magnitude");
    loadmag0_ = textBox(this, "loadmag0", "0");
    loadmag1_ = textBox(this, "loadmag1", "0");
    auto* label2 = label(this, "Label2", "Load Location (from left edge of beam)");
    loadstart_ = textBox(this, "loadstart", "0");
    loadend_ = textBox(this, "loadend", "0");

    engframe1_ = frame(this, "engframe1");
    stackOptions(engframe1_, {&pi_, "pi", "lb/in"}, {&pf_, "pf", "lb/ft"});

    engframe2_ = frame(this, "engframe2");
    stackOptions(engframe2_, {&feet_, "feet", "feet"}, {&inch_, "inch", "inches"});

    metframe_ = frame(this, "metframe");
    stackOptions(metframe_, {&kg_, "kg", "kg/m"}, {&n_, "N", "N/m"}, label(metframe_, "Label5", "m"));

    auto* grid = new QGridLayout;
    grid->addWidget(label3, 0, 1);
    grid->addWidget(label4, 0, 2);
    grid->addWidget(label1, 1, 0);
    grid->addWidget(loadmag0_, 1, 1);
    grid->addWidget(loadmag1_, 1, 2);
    grid->addWidget(engframe1_, 1, 3);
    grid->addWidget(label2, 2, 0);
    grid->addWidget(loadstart_, 2, 1);
    grid->addWidget(loadend_, 2, 2);
    grid->addWidget(engframe2_, 2, 3);
    grid->addWidget(metframe_, 1, 4, 2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(makeButtons());
    firstField_ = loadmag0_;
    locationField_ = loadstart_;

    watchText(loadmag0_, &TouchedFields::magnitude);
    watchText(loadmag1_, &TouchedFields::endMagnitude);
    watchText(loadstart_, &TouchedFields::location);
    watchText(loadend_, &TouchedFields::endLocation);
    watchOption(feet_, &TouchedFields::lengthUnit);
    watchOption(inch_, &TouchedFields::lengthUnit);
    for (QRadioButton* o : {pi_, pf_, kg_, n_}) watchOption(o, &TouchedFields::forceUnit);
    explainInputs(*this);
}

FeatureEntry DistLoadDialog::entry() const
{
    FeatureEntry e;
    e.magnitude = loadmag0_->text().toStdString();
    e.endMagnitude = loadmag1_->text().toStdString();
    e.location = loadstart_->text().toStdString();
    e.endLocation = loadend_->text().toStdString();
    e.options.feet = feet_->isChecked();
    e.options.perFoot = pf_->isChecked();
    e.options.kg = kg_->isChecked();
    return e;
}

void DistLoadDialog::setEntry(const FeatureEntry& e)
{
    loadmag0_->setText(QString::fromStdString(e.magnitude));
    loadmag1_->setText(QString::fromStdString(e.endMagnitude));
    loadstart_->setText(QString::fromStdString(e.location));
    loadend_->setText(QString::fromStdString(e.endLocation));
    (e.options.feet ? feet_ : inch_)->setChecked(true);
    (e.options.perFoot ? pf_ : pi_)->setChecked(true);
    (e.options.kg ? kg_ : n_)->setChecked(true);
}

void DistLoadDialog::showUnitControls(bool metric)
{
    engframe1_->setVisible(!metric);
    engframe2_->setVisible(!metric);
    metframe_->setVisible(metric);
}

}  // namespace spanrix
