#include "ui/calc/point_values_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "ui/dialogs/dialog_widgets.h"
#include "ui/prompts.h"

namespace spanrix {

namespace {

QLineEdit* resultBox(const char* name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    return box;
}

}  // namespace

PointValuesDialog::PointValuesDialog(const ResultSet& results, const ResultBasis& basis,
                                     int sigFigs, Prompts& prompts, QWidget* parent)
    : QDialog(parent), results_(results), basis_(basis), sigFigs_(sigFigs), prompts_(prompts)
{
    setObjectName("pointvalues");
    setWindowTitle("Point Values");

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel("Location (x=?)", this), 0, 0);
    loc_ = new QLineEdit(this);
    loc_->setObjectName("loc");
    grid->addWidget(loc_, 0, 1);

    auto* met = new QLabel("m", this);
    met->setObjectName("met");
    auto* engframe = new QGroupBox(this);
    engframe->setObjectName("engframe");
    auto* inches = new QRadioButton("in.", engframe);
    inches->setObjectName("in");
    feet_ = new QRadioButton("ft.", engframe);
    feet_->setObjectName("ft");
    feet_->setChecked(true);
    auto* units = new QHBoxLayout(engframe);
    units->addWidget(inches);
    units->addWidget(feet_);
    // Metric locations are typed in metres; English ones in the unit chosen here.
    met->setVisible(basis.metricUnits);
    engframe->setVisible(!basis.metricUnits);
    grid->addWidget(met, 0, 2);
    grid->addWidget(engframe, 0, 3);

    grid->addWidget(new QLabel("Value", this), 1, 1);
    mom_ = resultBox("mom", this);
    str_ = resultBox("str", this);
    def_ = resultBox("def", this);
    slope_ = resultBox("slope", this);
    const std::pair<const char*, QLineEdit*> rows[] = {
        {"Bending Moment", mom_}, {"Bending Stress", str_}, {"Deflection", def_}, {"Slope", slope_}};
    int r = 2;
    const std::vector<std::string> longest = longestValueTexts(sigFigs);
    for (const auto& [caption, box] : rows) {
        dialogs::fitLongest(box, longest);
        grid->addWidget(new QLabel(caption, this), r, 0);
        grid->addWidget(box, r, 1, 1, 3);
        ++r;
    }

    auto* find = new QPushButton("Find Values", this);
    find->setObjectName("Command2");
    auto* close = new QPushButton("Close", this);
    close->setObjectName("Command1");
    // Enter clicks the focused button, and Find Values from anywhere else in the window.
    find->setDefault(true);
    grid->addWidget(find, r, 1);
    grid->addWidget(close, r, 3);

    connect(find, &QPushButton::clicked, this, &PointValuesDialog::findValues);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

void PointValuesDialog::findValues()
{
    const PointLookup found =
        findPointValues(loc_->text().toStdString(), feet_->isChecked(), results_, basis_, sigFigs_);
    if (found.message) {
        prompts_.message(*found.message);
        return;
    }
    const std::pair<QLineEdit*, const std::string&> shown[] = {
        {mom_, found.values->mom}, {str_, found.values->str}, {def_, found.values->def},
        {slope_, found.values->slope}};
    for (const auto& [box, text] : shown) {
        box->setText(QString::fromStdString(text));
        box->setCursorPosition(0);  // the sign first, should the box ever be narrower
    }
}

}  // namespace spanrix
