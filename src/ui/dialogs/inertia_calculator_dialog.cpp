#include "ui/dialogs/inertia_calculator_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/number_format.h"
#include "model/section_calculator.h"
#include "ui/app_context.h"
#include "ui/dialogs/dialog_widgets.h"

namespace spanrix {

using namespace dialogs;

namespace {

constexpr int kRowSpacing = 6;

struct DimensionRow {
    const char* labelName;
    const char* caption;
    const char* boxName;
    QLineEdit** box;
    const char* englishUnitName;
    const char* metricUnitName;
};

struct UnitFrames {
    const char* english;
    const char* metric;
};

// A column of unit labels, each as tall as a box so that it stands beside its row.
QFrame* unitColumn(QWidget* parent, const char* name, const QList<const char*>& labelNames,
                   const QString& unit, int rowHeight)
{
    QFrame* f = plainFrame(parent, name);
    auto* layout = new QVBoxLayout(f);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(kRowSpacing);
    for (const char* labelName : labelNames) {
        QLabel* l = label(f, labelName, unit);
        l->setFixedHeight(rowHeight);
        layout->addWidget(l);
    }
    layout->addStretch();
    return f;
}

// The inputs of one section shape: caption and box per row, and the unit of every row in
// an English and a metric frame beside them, one of which the unit system shows.
QFrame* dimensionFrame(QWidget* parent, const char* name, const QList<DimensionRow>& rows,
                       UnitFrames units)
{
    QFrame* f = plainFrame(parent, name);
    auto* grid = new QGridLayout(f);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(kRowSpacing);
    QList<const char*> englishNames;
    QList<const char*> metricNames;
    for (int r = 0; r < rows.size(); ++r) {
        const DimensionRow& row = rows[r];
        grid->addWidget(label(f, row.labelName, row.caption), r, 0);
        *row.box = textBox(f, row.boxName, "");
        grid->addWidget(*row.box, r, 1);
        englishNames << row.englishUnitName;
        metricNames << row.metricUnitName;
    }
    const int rowHeight = (*rows.front().box)->sizeHint().height();
    grid->addWidget(unitColumn(f, units.english, englishNames, "in.", rowHeight), 0, 2, rows.size(), 1);
    grid->addWidget(unitColumn(f, units.metric, metricNames, "mm", rowHeight), 0, 3, rows.size(), 1);
    grid->setColumnMinimumWidth(2, f->fontMetrics().horizontalAdvance("mm^4") + 4);
    return f;
}

}  // namespace

InertiaCalculatorDialog::InertiaCalculatorDialog(AppContext& context, QWidget* parent)
    : SectionHelperDialog(parent), context_(context)
{
    setObjectName("I_calc");
    setWindowTitle("Calculate Moment Of Inertia");
    setModal(true);
    const bool metric = context_.state.model.metricUnits;

    auto* frame1 = new QGroupBox("Cross-section", this);
    frame1->setObjectName("Frame1");
    stackOptions(frame1, {&roundcs_, "roundcs", "Round"}, {&squarecs_, "squarecs", "Rectangular"});
    QFrame* frame2 = frame(this, "Frame2");
    stackOptions(frame2, {&solidcs_, "solidcs", "Solid"}, {&tubecs_, "Tubecs", "Tube"});
    squarecs_->setChecked(true);
    tubecs_->setChecked(true);

    squareFrame_ = makeRectangularInputs();
    roundFrame_ = makeRoundInputs();
    recnote_ = label(this, "recnote", "Bending is assumed to be in the direction of beam height.");
    for (const char* name : {"ID", "IDlab", "idlab2eng", "idlab2met", "Wall", "wallab", "wallab2eng",
                             "wallab2met"})
        tubeOnly_ << findChild<QWidget*>(name);
    englishOnly_ << findChild<QWidget*>("sq_eng_frame") << findChild<QWidget*>("round_eng_frame");
    metricOnly_ << findChild<QWidget*>("sq_met_frame") << findChild<QWidget*>("round_met_frame");
    QWidget* results = makeResults(metric);

    QPushButton* calculateButton = button(this, "Calculate", "Calculate");
    calculateButton->setDefault(true);  // Enter in a dimension box calculates
    accept_ = button(this, "Accept", "Use These Values");
    accept_->setEnabled(false);  // until there is a result to use
    QPushButton* cancel = button(this, "Cancel", "Cancel");

    auto* options = new QHBoxLayout;
    options->addWidget(frame1);
    options->addWidget(frame2);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {calculateButton, accept_, cancel}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(options);
    layout->addWidget(squareFrame_);
    layout->addWidget(roundFrame_);
    layout->addWidget(recnote_);
    layout->addWidget(results);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (QWidget* w : englishOnly_) w->setVisible(!metric);
    for (QWidget* w : metricOnly_) w->setVisible(metric);
    showSectionInputs();

    connect(roundcs_, &QRadioButton::toggled, this, &InertiaCalculatorDialog::showSectionInputs);
    connect(solidcs_, &QRadioButton::toggled, this, &InertiaCalculatorDialog::showSectionInputs);
    for (QRadioButton* o : {roundcs_, squarecs_, solidcs_, tubecs_})
        connect(o, &QRadioButton::toggled, this, &InertiaCalculatorDialog::clearResults);
    for (QLineEdit* box : {wth_, ht_, wall_, od_, id_})
        connect(box, &QLineEdit::textChanged, this, &InertiaCalculatorDialog::clearResults);
    connect(calculateButton, &QPushButton::clicked, this, &InertiaCalculatorDialog::calculate);
    connect(accept_, &QPushButton::clicked, this, [this] {
        emit valuesAccepted(dispmoi_->text(), cbox_->text());
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* InertiaCalculatorDialog::makeRectangularInputs()
{
    return dimensionFrame(this, "square_frame",
                          {{"widlab", "Width", "Wth", &wth_, "Label4", "Label7"},
                           {"hlab", "Height", "Ht", &ht_, "Label5", "Label8"},
                           {"wallab", "Wall Thickness", "Wall", &wall_, "wallab2eng", "wallab2met"}},
                          {"sq_eng_frame", "sq_met_frame"});
}

QWidget* InertiaCalculatorDialog::makeRoundInputs()
{
    return dimensionFrame(this, "round_frame",
                          {{"ODlab", "Outer Diameter", "OD", &od_, "Label13", "Label12"},
                           {"IDlab", "Inner Diameter", "ID", &id_, "idlab2eng", "idlab2met"}},
                          {"round_eng_frame", "round_met_frame"});
}

QWidget* InertiaCalculatorDialog::makeResults(bool metric)
{
    QFrame* frame4 = frame(this, "Frame4");
    auto* grid = new QGridLayout(frame4);
    dispmoi_ = textBox(frame4, "dispmoi", "");
    cbox_ = textBox(frame4, "cbox", "");
    fitLongest(dispmoi_, {longestDisplayText(std::max(context_.state.sigFigs, kMinInertiaFigures))});
    fitLongest(cbox_, {longestDisplayText(kMaxSigFigs)});  // c is shown unrounded
    const struct {
        const char* labelName;
        const char* caption;
        QLineEdit* box;
        const char* englishName;
        const char* englishUnit;
        const char* metricName;
        const char* metricUnit;
    } rows[] = {
        {"Label10", "Moment of Inertia", dispmoi_, "inch", "in.^4", "mm", "mm^4"},
        {"Label1", "Distance From Neutral Axis to Farthest Fiber", cbox_, "in2", "in.", "mm2", "mm"},
    };
    int r = 0;
    for (const auto& row : rows) {
        row.box->setReadOnly(true);
        grid->addWidget(label(frame4, row.labelName, row.caption), r, 0);
        grid->addWidget(row.box, r, 1);
        QLabel* english = label(frame4, row.englishName, row.englishUnit);
        QLabel* metricUnit = label(frame4, row.metricName, row.metricUnit);
        english->setVisible(!metric);
        metricUnit->setVisible(metric);
        grid->addWidget(english, r, 2);
        grid->addWidget(metricUnit, r, 3);
        ++r;
    }
    return frame4;
}

void InertiaCalculatorDialog::showSectionInputs()
{
    const bool round = roundcs_->isChecked();
    roundFrame_->setVisible(round);
    squareFrame_->setVisible(!round);
    recnote_->setVisible(!round);
    for (QWidget* w : tubeOnly_) w->setEnabled(tubecs_->isChecked());
    // Typing goes to the first dimension of the section shown.
    QLineEdit* first = round ? od_ : wth_;
    first->setFocus(Qt::OtherFocusReason);
    first->selectAll();
}

void InertiaCalculatorDialog::clearResults()
{
    dispmoi_->clear();
    cbox_->clear();
    accept_->setEnabled(false);
}

void InertiaCalculatorDialog::calculate()
{
    SectionDimensions dims;
    dims.round = roundcs_->isChecked();
    dims.tube = tubecs_->isChecked();
    dims.width = wth_->text().toStdString();
    dims.height = ht_->text().toStdString();
    dims.wall = wall_->text().toStdString();
    dims.outerDiameter = od_->text().toStdString();
    dims.innerDiameter = id_->text().toStdString();
    const SectionCalculation result = calculateSection(dims, context_.state.sigFigs);
    if (!result.results) {
        context_.prompts.message(result.refusal);
        return;
    }
    dispmoi_->setText(QString::fromStdString(result.results->inertia));
    cbox_->setText(QString::fromStdString(result.results->fiber));
    accept_->setEnabled(true);
}

}  // namespace spanrix
