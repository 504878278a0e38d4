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
#include "model/legend_captions.h"
#include "model/number_format.h"
#include "model/units.h"
#include "ui/app_context.h"
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
    for (const LoadCase c : kLoadCases) box->addItem(QString::fromUtf8(loadCaseName(c).data(), loadCaseName(c).size()));
    return box;
}

}  // namespace

LoadCasesWindow::LoadCasesWindow(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context)
{
    setObjectName("loadcases");
    setWindowTitle("Spanrix: Load Cases");
    setAttribute(Qt::WA_DeleteOnClose);

    table_ = new QTableWidget(0, kColumnCount, this);
    table_->setObjectName("caselist");
    table_->setHorizontalHeaderLabels({"Feature", "Load", "Magnitude", "Location", "Case"});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
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
    table_->setRowCount(0);
    for (int n = 1; n <= m.numFeatures; ++n) {
        const FeatureKind kind = featureKind(m, n);
        const int k = featureIndex(m, n);
        if (kind == FeatureKind::Support || kind == FeatureKind::None || !isLive(m, kind, k)) continue;
        const LegendCaptions captions = legendCaptions(m, kind, k, n, context_.state.sigFigs);
        const int row = table_->rowCount();
        table_->insertRow(row);
        auto* feature = new QTableWidgetItem(QString::number(n));
        feature->setData(Qt::UserRole, n);
        table_->setItem(row, kFeature, feature);
        table_->setItem(row, kLoad, new QTableWidgetItem(QString::fromStdString(captions.title)));
        table_->setItem(row, kMagnitude, new QTableWidgetItem(QString::fromStdString(captions.value)));
        table_->setItem(row, kLocation, new QTableWidgetItem(QString::fromStdString(captions.second)));
        QComboBox* box = caseBox(table_);
        box->setObjectName(QString("case%1").arg(n));
        box->setCurrentIndex(static_cast<int>(caseSlot(loadCaseOf(m, kind, k))));
        connect(box, &QComboBox::currentIndexChanged, this, [this, row](int index) { setCase(row, index); });
        table_->setCellWidget(row, kCase, box);
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
    BeamModel& m = context_.state.model;
    const int n = table_->item(row, kFeature)->data(Qt::UserRole).toInt();
    setLoadCase(m, featureKind(m, n), featureIndex(m, n), kLoadCases[static_cast<size_t>(caseIndex)]);
    emit designChanged();
}

void LoadCasesWindow::applyToSelected()
{
    QList<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows()) rows.append(index.row());
    if (rows.isEmpty()) return;
    // One change for all of them, so the others' windows follow once.
    filling_ = true;
    BeamModel& m = context_.state.model;
    const LoadCase c = kLoadCases[static_cast<size_t>(selectedCase_->currentIndex())];
    for (const int row : rows) {
        const int n = table_->item(row, kFeature)->data(Qt::UserRole).toInt();
        setLoadCase(m, featureKind(m, n), featureIndex(m, n), c);
        qobject_cast<QComboBox*>(table_->cellWidget(row, kCase))->setCurrentIndex(selectedCase_->currentIndex());
    }
    filling_ = false;
    emit designChanged();
}

void LoadCasesWindow::selfWeightEdited()
{
    if (filling_) return;
    BeamModel& m = context_.state.model;
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
    m.design = d;
    emit designChanged();
}

}  // namespace spanrix
