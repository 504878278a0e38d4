#include "ui/design/combinations_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <cmath>

#include "design/combinations_run.h"
#include "design/self_weight.h"
#include "engine/reactions.h"
#include "engine/result_quantities.h"
#include "model/number_format.h"
#include "model/units.h"
#include "ui/app_context.h"
#include "ui/design/design_widgets.h"
#include "ui/design/envelope_view.h"
#include "ui/dialogs/dialog_widgets.h"
#include "ui/qt_surface.h"

namespace spanrix {

using design::Bounds;
using design::Extreme;

namespace {

const QStringList kColumns{"Combination",    "Factors",  "Reactions", "Largest Moment", "Location",
                           "Smallest Moment", "Location", "Largest Shear", "Location", "Largest Deflection",
                           "Location"};

QString q(const std::string& s) { return QString::fromStdString(s); }

// "1.2 D, 1.6 L": each case the combination holds with its factor.
std::string factorsText(const design::Combination& c)
{
    std::string text;
    for (const LoadCase lc : kLoadCases) {
        if (c.factor(lc) == 0) continue;
        if (!text.empty()) text += ", ";
        text += numberText(c.factor(lc)) + " " + std::string(loadCaseName(lc));
    }
    return text;
}

// The extreme of larger size of the two.
const Extreme& largerOf(const Bounds& b)
{
    return std::abs(b.min.value) > std::abs(b.max.value) ? b.min : b.max;
}

}  // namespace

CombinationsWindow::CombinationsWindow(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context), geometry_(envelopeGeometry(context.state.geometry))
{
    setObjectName("combinations");
    setWindowTitle("Spanrix: Load Combinations");
    setAttribute(Qt::WA_DeleteOnClose);

    method_ = design::methodBox(this, context_.state.model.design.steelCheck.method);
    connect(method_, &QComboBox::currentIndexChanged, this, &CombinationsWindow::refresh);
    refusal_ = new QLabel(this);
    refusal_->setObjectName("refusal");
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel("Method:", this));
    top->addWidget(method_);
    top->addWidget(refusal_, 1);

    table_ = design::resultTable(this, "combinationtable", kColumns);

    moment_ = makeEnvelopeSurface(geometry_, this, "momentenvelope");
    shear_ = makeEnvelopeSurface(geometry_, this, "shearenvelope");

    QPushButton* close = dialogs::button(this, "Command1", "Close");
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel("Envelopes: largest values in black, smallest in green.", this));
    bottom->addStretch();
    bottom->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(table_, 1);
    layout->addWidget(moment_);
    layout->addWidget(shear_);
    layout->addLayout(bottom);
    refresh();
}

void CombinationsWindow::refresh()
{
    table_->setRowCount(0);
    moment_->clear();
    shear_->clear();
    moment_->update();
    shear_->update();

    const BeamModel& m = context_.state.model;
    const int sigFigs = context_.state.sigFigs;
    const SteelDesignRead& data = context_.steelDesignTable();
    const design::SelfWeight weight = design::selfWeightOf(m, data.table ? &*data.table : nullptr);
    if (weight.refusal) {
        refusal_->setText(q(*weight.refusal));
        return;
    }
    const design::CombinationsRun run = design::runCombinations(m, design::chosenMethod(method_), weight.perLength);
    refusal_->setText(run ? QString() : q(run.refusal));
    if (!run) return;

    const ResultBasis basis = envelopeBasis(m, *run.solutions);
    auto extremeCells = [&](int row, int column, const Extreme& e, Quantity what) {
        const std::string value =
            shownText(resultQuantity(what), e.value, std::abs(e.value), basis, kPi, sigFigs);
        table_->setItem(row, column, new QTableWidgetItem(q(value)));
        table_->setItem(row, column + 1, new QTableWidgetItem(q(locationText(e.x, basis, sigFigs))));
    };
    for (const design::CombinationResult& c : run.result.combinations) {
        const int row = table_->rowCount();
        table_->insertRow(row);
        table_->setItem(row, 0, new QTableWidgetItem(q(c.combination.name)));
        table_->setItem(row, 1, new QTableWidgetItem(q(factorsText(c.combination))));
        QStringList reactions;
        for (const ReactionCaption& r : reactionCaptions(m, c.reactions, sigFigs))
            reactions << QString("Feature %1: %2").arg(r.featureRow).arg(q(r.caption));
        table_->setItem(row, 2, new QTableWidgetItem(reactions.join("; ")));
        const auto& p = c.patterned;
        extremeCells(row, 3, p[Quantity::Moment].max, Quantity::Moment);
        extremeCells(row, 5, p[Quantity::Moment].min, Quantity::Moment);
        extremeCells(row, 7, largerOf(p[Quantity::Shear]), Quantity::Shear);
        extremeCells(row, 9, largerOf(p[Quantity::Deflection]), Quantity::Deflection);
    }

    const design::Curves curves = design::envelopeCurves(*run.solutions, run.combinations);
    for (const Quantity what : {Quantity::Moment, Quantity::Shear}) {
        const Bounds& b = run.result.envelope[what];
        std::vector<ExtremeLabel> labels;
        for (const Extreme* e : {&b.max, &b.min})
            if (e->value != 0 && e->combination >= 0)
                labels.push_back({e->x, e->value, run.combinations[static_cast<size_t>(e->combination)].name});
        drawEnvelope(what == Quantity::Moment ? *moment_ : *shear_, geometry_, basis, what, curves, labels, sigFigs);
    }
}

}  // namespace spanrix
