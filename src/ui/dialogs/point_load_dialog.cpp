#include "ui/dialogs/point_load_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/dialogs/dialog_widgets.h"
#include "ui/help/input_tips.h"

namespace spanrix {

using namespace dialogs;

PointLoadDialog::PointLoadDialog(AppContext& context, LoadingWindow& loading)
    : FeatureDialog(FeatureKind::PointLoad, context, loading, "Add Point Load", "Add Load")
{
    setObjectName("load_info");

    auto* label1 = label(this, "Label1", "Load Magnitude");
    loadmag_ = textBox(this, "loadmag", "0");
    poundlabel_ = label(this, "poundlabel", "lb.");
    auto* label2 = label(this, "Label2", "Load Location (from left edge of beam)");
    loadloc_ = textBox(this, "loadloc", "0");

    engframe_ = frame(this, "engframe");
    stackOptions(engframe_, {&feet_, "feet", "feet"}, {&inch_, "inch", "inches"});

    metframe_ = frame(this, "metframe");
    stackOptions(metframe_, {&kg_, "kg", "kg"}, {&n_, "N", "N"}, label(metframe_, "Label5", "m"));

    auto* grid = new QGridLayout;
    grid->addWidget(label1, 0, 0);
    grid->addWidget(loadmag_, 1, 0);
    grid->addWidget(poundlabel_, 1, 1);
    grid->addWidget(label2, 2, 0);
    grid->addWidget(loadloc_, 3, 0);
    grid->addWidget(engframe_, 3, 1);
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
    watchOption(kg_, &TouchedFields::forceUnit);
    watchOption(n_, &TouchedFields::forceUnit);
    explainInputs(*this);
}

FeatureEntry PointLoadDialog::entry() const
{
    FeatureEntry e;
    e.magnitude = loadmag_->text().toStdString();
    e.location = loadloc_->text().toStdString();
    e.options.feet = feet_->isChecked();
    e.options.kg = kg_->isChecked();
    return e;
}

void PointLoadDialog::setEntry(const FeatureEntry& e)
{
    loadmag_->setText(QString::fromStdString(e.magnitude));
    loadloc_->setText(QString::fromStdString(e.location));
    (e.options.feet ? feet_ : inch_)->setChecked(true);
    (e.options.kg ? kg_ : n_)->setChecked(true);
}

void PointLoadDialog::showUnitControls(bool metric)
{
    poundlabel_->setVisible(!metric);
    engframe_->setVisible(!metric);
    metframe_->setVisible(metric);
}

}  // namespace spanrix
