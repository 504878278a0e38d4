#include "ui/dialogs/support_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPalette>
#include <QVBoxLayout>

#include "ui/dialogs/dialog_widgets.h"
#include "ui/help/input_tips.h"

namespace spanrix {

using namespace dialogs;

SupportDialog::SupportDialog(AppContext& context, LoadingWindow& loading)
    : FeatureDialog(FeatureKind::Support, context, loading, "Add Support", "Add Support")
{
    setObjectName("support_info");

    auto* label1 = label(this, "Label1", "Location of support (from left edge of beam)");
    suploc_ = textBox(this, "suploc", "0");

    engframe1_ = frame(this, "engframe1");
    stackOptions(engframe1_, {&feet_, "feet", "feet"}, {&inch_, "inch", "inches"});
    met_ = label(this, "met", "m");

    frame1_ = new QGroupBox("Type of Support", this);
    frame1_->setObjectName("Frame1");
    stackOptions(frame1_, {&simple_, "simple", "Simple support"}, {&cantilever_, "cantilever", "Cantilever support"});

    auto* grid = new QGridLayout;
    grid->addWidget(label1, 0, 0, 1, 3);
    grid->addWidget(suploc_, 1, 0);
    grid->addWidget(engframe1_, 1, 1);
    grid->addWidget(met_, 1, 2);
    grid->addWidget(frame1_, 2, 0, 1, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(makeButtons());
    firstField_ = suploc_;
    locationField_ = suploc_;

    watchText(suploc_, &TouchedFields::location);
    watchOption(feet_, &TouchedFields::lengthUnit);
    watchOption(inch_, &TouchedFields::lengthUnit);
    connect(simple_, &QRadioButton::clicked, this, [this] { showType(); });
    connect(cantilever_, &QRadioButton::clicked, this, [this] { showType(); });
    explainInputs(*this);
}

FeatureEntry SupportDialog::entry() const
{
    FeatureEntry e;
    e.location = suploc_->text().toStdString();
    e.options.feet = feet_->isChecked();
    e.cantilever = cantilever_->isChecked();
    return e;
}

void SupportDialog::setEntry(const FeatureEntry& e)
{
    suploc_->setText(QString::fromStdString(e.location));
    (e.options.feet ? feet_ : inch_)->setChecked(true);
    (e.cantilever ? cantilever_ : simple_)->setChecked(true);
    showType();
}

void SupportDialog::showUnitControls(bool metric)
{
    metric_ = metric;
    showType();
}

void SupportDialog::setEditMode(bool editing)
{
    // Only simple supports are edited, and a support keeps its type.
    for (QWidget* w : {static_cast<QWidget*>(frame1_), static_cast<QWidget*>(simple_),
                       static_cast<QWidget*>(cantilever_)})
        w->setEnabled(!editing);
}

void SupportDialog::showType()
{
    const bool simple = !cantilever_->isChecked();
    suploc_->setEnabled(simple);
    QPalette palette = suploc_->palette();
    palette.setColor(QPalette::Base, simple ? QPalette().color(QPalette::Base)
                                            : QPalette().color(QPalette::Button));
    suploc_->setPalette(palette);
    engframe1_->setEnabled(simple);
    met_->setEnabled(simple);
    engframe1_->setVisible(simple && !metric_);
    met_->setVisible(simple && metric_);
}

}  // namespace spanrix
