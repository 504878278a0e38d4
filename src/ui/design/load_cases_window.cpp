#include "ui/design/load_cases_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "design/self_weight.h"
#include "legend/legend_captions.h"
#include "model/number_format.h"
#include "model/units.h"
#include "ui/app_context.h"
#include "ui/design/design_widgets.h"
#include "ui/dialogs/dialog_widgets.h"

namespace spanrix {

namespace {

enum Column { kFeature, kLoad, kMagnitude, kLocation, kCase, kColumnCount };

// The typed weight per length in the beam's force and length units.
double weightFactor(const BeamModel& m) { return m.metricUnits || m.useInches ? 1.0 : kFeetToInches; }
const char* weightUnit(const BeamModel& m) { return m.metricUnits ? "N/m" : m.useInches ? "lb/in." : "lb/ft"; }

QComboBox* caseBox(QWidget* parent)
{
    auto* box = new QComboBox(parent);
    for (const LoadCase c : kLoadCases) box->addItem(QString::fromUtf8(loadCaseName(c)));
    return box;
}

}  // namespace

LoadCasesWindow::LoadCasesWindow(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context)
{
    setObjectName("loadcases");
    setWindowTitle("Spanrix: Load Cases");
    setAttribute(Qt::WA_DeleteOnClose);

    table_ = design::resultTable(this, "caselist", {"Feature", "Load", "Magnitude", "Location", "Case"});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->horizontalHeader()->setStretchLastSection(true);

    selectedCase_ = caseBox(this);
    selectedCase_->setObjectName("selectedcase");
    QPushButton* apply = dialogs::button(this, "applycase", "Set &Selected Loads");
    connect(apply, &QPushButton::clicked, this, &LoadCasesWindow::applyToSelected);
    auto* several = new QHBoxLayout;
    several->addWidget(new QLabel("Case of the selected loads:", this));
    several->addWidget(selectedCase_);
    several->addWidget(apply);
    several->addStretch();

    selfWeight_ = new QCheckBox("Include self-weight", this);
    selfWeight_->setObjectName("selfweight");
    weight_ = dialogs::textBox(this, "weight", {});
    weightUnit_ = new QLabel(this);
    weightSource_ = new QLabel(this);
    weightSource_->setObjectName("weightsource");
    connect(selfWeight_, &QCheckBox::toggled, this, &LoadCasesWindow::selfWeightEdited);
    connect(weight_, &QLineEdit::editingFinished, this, &LoadCasesWindow::selfWeightEdited);
    auto* weight = new QHBoxLayout;
    weight->addWidget(selfWeight_);
    weight->addWidget(weight_);
    weight->addWidget(weightUnit_);
    weight->addWidget(weightSource_, 1);

    QPushButton* close = dialogs::button(this, "Command1", "Close");
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addLayout(several);
    layout->addLayout(weight);
    layout->addLayout(bottom);
    resize(720, 480);
    refresh();
}

void LoadCasesWindow::refresh()
{
    filling_ = true;
    const BeamModel& m = context_.state.model;
    struct Row {
        int feature;
        LegendCaptions captions;
        LoadCase loadCase;
    };
    std::vector<Row> rows;
    for (int n = 1; n <= m.numFeatures; ++n) {
        const FeatureKind kind = featureKind(m, n);
        const int k = featureIndex(m, n);
        if (kind == FeatureKind::Support || kind == FeatureKind::None || !isLive(m, kind, k)) continue;
        rows.push_back({n, legendCaptions(m, kind, k, n, context_.state.sigFigs), loadCaseOf(m, kind, k)});
    }
    // The same loads keep their rows (and the case box a change came from); other loads
    // rebuild the list.
    bool sameLoads = table_->rowCount() == static_cast<int>(rows.size());
    for (int r = 0; sameLoads && r < table_->rowCount(); ++r)
        sameLoads = table_->item(r, kFeature)->data(Qt::UserRole).toInt() == rows[static_cast<size_t>(r)].feature;
    if (!sameLoads) table_->setRowCount(0);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const Row& row = rows[static_cast<size_t>(r)];
        if (!sameLoads) {
            table_->insertRow(r);
            auto* feature = new QTableWidgetItem(QString::number(row.feature));
            feature->setData(Qt::UserRole, row.feature);
            table_->setItem(r, kFeature, feature);
            QComboBox* box = caseBox(table_);
            box->setObjectName(QString("case%1").arg(row.feature));
            connect(box, &QComboBox::currentIndexChanged, this, [this, r](int index) { setCase(r, index); });
            table_->setCellWidget(r, kCase, box);
        }
        table_->setItem(r, kLoad, new QTableWidgetItem(QString::fromStdString(row.captions.title)));
        table_->setItem(r, kMagnitude, new QTableWidgetItem(QString::fromStdString(row.captions.value)));
        table_->setItem(r, kLocation, new QTableWidgetItem(QString::fromStdString(row.captions.second)));
        qobject_cast<QComboBox*>(table_->cellWidget(r, kCase))->setCurrentIndex(static_cast<int>(caseSlot(row.loadCase)));
    }

    const DesignSettings& d = m.design;
    selfWeight_->setChecked(d.includeSelfWeight);
    weightUnit_->setText(weightUnit(m));
    // A catalogue section brings its own weight; only without one is a weight typed.
    const bool typed = d.sectionName.empty();
    weight_->setEnabled(typed);
    weight_->setText(typed && d.weightPerLength != 0
                         ? QString::fromStdString(displayText(d.weightPerLength * weightFactor(m), context_.state.sigFigs))
                         : QString());
    weightSource_->setText(typed ? "no catalogue section: the weight typed here"
                                 : QString("the weight of the %1").arg(QString::fromStdString(d.sectionName)));
    filling_ = false;
}

void LoadCasesWindow::setCase(int row, int caseIndex)
{
    if (filling_) return;
    const int n = table_->item(row, kFeature)->data(Qt::UserRole).toInt();
    const LoadCase c = kLoadCases[static_cast<size_t>(caseIndex)];
    context_.document.change("Load Case", [n, c](AppState& s) {
        setLoadCase(s.model, featureKind(s.model, n), featureIndex(s.model, n), c);
    });
}

void LoadCasesWindow::applyToSelected()
{
    std::vector<int> features;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
        features.push_back(table_->item(index.row(), kFeature)->data(Qt::UserRole).toInt());
    if (features.empty()) return;
    const LoadCase c = kLoadCases[static_cast<size_t>(selectedCase_->currentIndex())];
    // One undoable step for all of them.
    context_.document.change("Load Cases", [&features, c](AppState& s) {
        for (const int n : features) setLoadCase(s.model, featureKind(s.model, n), featureIndex(s.model, n), c);
    });
}

void LoadCasesWindow::selfWeightEdited()
{
    if (filling_) return;
    const BeamModel& m = context_.state.model;
    DesignSettings d = m.design;
    d.includeSelfWeight = selfWeight_->isChecked();
    const std::string text = weight_->text().toStdString();
    if (weight_->isEnabled() && !text.empty()) {
        const auto typed = parseNumber(text);
        if (!typed || *typed < 0) {
            context_.prompts.message("The self-weight must be a number of zero or more, in " +
                                     std::string(weightUnit(m)) + ".");
            refresh();
            return;
        }
        d.weightPerLength = *typed / weightFactor(m);
    }
    if (d == m.design) return;
    context_.document.change("Self-Weight", [&d](AppState& s) { s.model.design = d; });
}

}  // namespace spanrix
