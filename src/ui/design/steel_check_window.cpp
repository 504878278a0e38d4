#include "ui/design/steel_check_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <algorithm>

#include "design/beam_check.h"
#include "design/envelope.h"
#include "design/self_weight.h"
#include "design/steel_check_text.h"
#include "model/number_format.h"
#include "model/units.h"
#include "ui/app_context.h"
#include "ui/design/design_widgets.h"
#include "ui/design/envelope_view.h"
#include "ui/dialogs/dialog_widgets.h"
#include "ui/qt_surface.h"

namespace spanrix {

using namespace design;

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }
QString q(std::string_view s) { return QString::fromUtf8(s); }

enum Column { kCheck, kCombination, kWhere, kLocation, kDemand, kCapacity, kRatio, kVerdict, kDetail, kColumnCount };

// Fy is typed in ksi or MPa and kept in psi or Pa.
double stressFactor(bool metric) { return metric ? 1e6 : 1e3; }
const char* stressUnitName(bool metric) { return metric ? "MPa" : "ksi"; }
// Brace positions are typed in the beam's length unit.
double lengthFactor(const BeamModel& m) { return m.metricUnits || m.useInches ? 1.0 : kFeetToInches; }
const char* lengthUnitName(const BeamModel& m) { return m.metricUnits ? "m" : m.useInches ? "in." : "ft"; }

int typedSteelIndex() { return static_cast<int>(kSteelGrades.size()); }

}  // namespace

SteelCheckWindow::SteelCheckWindow(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context), geometry_(envelopeGeometry(context.state.geometry))
{
    setObjectName("steelcheck");
    setWindowTitle("Spanrix: Steel Design Check");
    setAttribute(Qt::WA_DeleteOnClose);
    const bool metric = context_.state.model.metricUnits;

    section_ = new QComboBox(this);
    section_->setObjectName("section");
    section_->setEditable(true);
    section_->setInsertPolicy(QComboBox::NoInsert);
    section_->completer()->setCompletionMode(QCompleter::PopupCompletion);
    if (const SteelDesignRead& data = context_.steelDesignTable(); data.table)
        for (const SteelShape& shape : data.table->shapes) section_->addItem(q(shape.name));
    connect(section_, &QComboBox::currentIndexChanged, this, &SteelCheckWindow::sectionChosen);
    QPushButton* use = dialogs::button(this, "usesection", "&Use for Beam Properties");
    connect(use, &QPushButton::clicked, this, &SteelCheckWindow::useForBeamProperties);

    steel_ = new QComboBox(this);
    steel_->setObjectName("steel");
    for (const SteelGrade& g : kSteelGrades)
        steel_->addItem(QString("%1 (Fy = %2 %3)")
                            .arg(q(g.name))
                            .arg(metric ? g.mpa : g.ksi)
                            .arg(stressUnitName(metric)));
    steel_->addItem("Fy typed");
    fy_ = dialogs::textBox(this, "fy", {});
    fyUnit_ = new QLabel(stressUnitName(metric), this);
    connect(steel_, &QComboBox::currentIndexChanged, this,
            [this](int index) { fy_->setEnabled(index == typedSteelIndex()); });

    method_ = methodBox(this, context_.state.model.design.steelCheck.method);

    continuous_ = dialogs::option(this, "continuous", "Continuous");
    atPoints_ = dialogs::option(this, "atpoints", "At the supports and at");
    bracePoints_ = dialogs::textBox(this, "bracepoints", {});
    braceUnit_ = new QLabel(this);
    auto* bracing = new QWidget(this);
    auto* bracingLayout = new QHBoxLayout(bracing);
    bracingLayout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : std::initializer_list<QWidget*>{continuous_, atPoints_, bracePoints_, braceUnit_})
        bracingLayout->addWidget(w);
    connect(atPoints_, &QRadioButton::toggled, bracePoints_, &QWidget::setEnabled);

    cbDiagram_ = dialogs::option(this, "cbdiagram", "From the moment diagram");
    cbOne_ = dialogs::option(this, "cbone", "1.0");
    auto* cb = new QWidget(this);
    auto* cbLayout = new QHBoxLayout(cb);
    cbLayout->setContentsMargins(0, 0, 0, 0);
    cbLayout->addWidget(cbDiagram_);
    cbLayout->addWidget(cbOne_);
    cbLayout->addStretch();

    liveLimit_ = dialogs::textBox(this, "livelimit", {});
    totalLimit_ = dialogs::textBox(this, "totallimit", {});
    auto* limits = new QHBoxLayout;
    limits->addWidget(new QLabel("live load: span /", this));
    limits->addWidget(liveLimit_);
    limits->addWidget(new QLabel("total load: span /", this));
    limits->addWidget(totalLimit_);
    limits->addStretch();

    auto* inputs = new QGridLayout;
    int row = 0;
    auto addRow = [&](const char* caption, QWidget* a, QWidget* b = nullptr, QWidget* c = nullptr) {
        inputs->addWidget(new QLabel(caption, this), row, 0);
        inputs->addWidget(a, row, 1);
        if (b) inputs->addWidget(b, row, 2);
        if (c) inputs->addWidget(c, row, 3);
        ++row;
    };
    addRow("Section:", section_, use);
    addRow("Steel:", steel_, fy_, fyUnit_);
    addRow("Method:", method_);
    addRow("Compression flange braced:", bracing);
    addRow("Cb:", cb);
    inputs->addWidget(new QLabel("Deflection limits:", this), row, 0);
    inputs->addLayout(limits, row, 1, 1, 3);

    QPushButton* checkButton = dialogs::button(this, "check", "&Check");
    connect(checkButton, &QPushButton::clicked, this, &SteelCheckWindow::check);
    all_ = new QCheckBox("Every combination, segment and span", this);
    all_->setObjectName("allcombinations");
    connect(all_, &QCheckBox::toggled, this, [this] {
        if (hasChecked_) check();
    });
    QPushButton* close = dialogs::button(this, "Command1", "Close");
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(checkButton);
    buttons->addWidget(all_);
    buttons->addStretch();
    buttons->addWidget(close);

    table_ = resultTable(this, "checktable",
                         {"Check", "Combination", "Segment or Span", "Location", "Demand", "Capacity", "Ratio",
                          "Result", "Limit State, Lb, Lp, Lr, Cb"});
    verdict_ = new QLabel(this);
    verdict_->setObjectName("verdict");
    QFont bold = verdict_->font();
    bold.setBold(true);
    verdict_->setFont(bold);
    verdict_->setWordWrap(true);
    moment_ = makeEnvelopeSurface(geometry_, this, "governingmoment");

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addLayout(buttons);
    layout->addWidget(table_, 1);
    layout->addWidget(verdict_);
    layout->addWidget(moment_);

    showSettings(context_.state.model.design.steelCheck);
}

void SteelCheckWindow::showSettings(const SteelCheckSettings& s)
{
    const BeamModel& m = context_.state.model;
    const bool metric = m.metricUnits;
    // The chooser's section comes first; a section chosen here before stays otherwise.
    const std::string name = !m.design.sectionName.empty() ? m.design.sectionName : s.section;
    const int index = section_->findText(q(name), Qt::MatchFixedString);
    section_->setCurrentIndex(index);
    if (index < 0) section_->setEditText({});
    sectionChosen();
    if (s.yieldStress) {
        const auto grade = std::find_if(kSteelGrades.begin(), kSteelGrades.end(), [&](const SteelGrade& g) {
            return gradeYieldStress(g, metric) == *s.yieldStress;
        });
        steel_->setCurrentIndex(static_cast<int>(grade - kSteelGrades.begin()));
        if (grade == kSteelGrades.end())
            fy_->setText(q(displayText(*s.yieldStress / stressFactor(metric), context_.state.sigFigs)));
    }
    fy_->setEnabled(steel_->currentIndex() == typedSteelIndex());
    chooseMethod(method_, s.method);
    (s.bracing == Bracing::Continuous ? continuous_ : atPoints_)->setChecked(true);
    bracePoints_->setEnabled(s.bracing == Bracing::AtPoints);
    QStringList points;
    for (const double x : s.bracePoints) points << q(displayText(x / lengthFactor(m), context_.state.sigFigs));
    bracePoints_->setText(points.join(", "));
    braceUnit_->setText(lengthUnitName(m));
    (s.cb == CbMode::Diagram ? cbDiagram_ : cbOne_)->setChecked(true);
    liveLimit_->setText(q(numberText(s.liveLimit)));
    totalLimit_->setText(q(numberText(s.totalLimit)));
}

void SteelCheckWindow::sectionChosen()
{
    // A section's own grade is offered first, unless Fy was typed.
    const SteelDesignRead& data = context_.steelDesignTable();
    const SteelShape* shape = data.table ? data.table->find(section_->currentText().toStdString()) : nullptr;
    if (!shape || steel_->currentIndex() == typedSteelIndex()) return;
    const SteelGrade& grade = defaultGrade(shape->type);
    const auto at = std::find_if(kSteelGrades.begin(), kSteelGrades.end(),
                                 [&](const SteelGrade& g) { return g.name == grade.name; });
    steel_->setCurrentIndex(static_cast<int>(at - kSteelGrades.begin()));
}

std::optional<SteelCheckSettings> SteelCheckWindow::readInputs()
{
    const BeamModel& m = context_.state.model;
    const bool metric = m.metricUnits;
    SteelCheckSettings s = context_.state.model.design.steelCheck;
    s.section = section_->currentText().trimmed().toStdString();
    auto refuse = [this](const std::string& why) {
        context_.prompts.message(why);
        return std::nullopt;
    };
    if (steel_->currentIndex() == typedSteelIndex()) {
        const auto fy = parseNumber(fy_->text().toStdString());
        if (!fy) return refuse(std::string("Fy must be a number, in ") + stressUnitName(metric) + ".");
        s.yieldStress = *fy * stressFactor(metric);
    } else {
        s.yieldStress = gradeYieldStress(kSteelGrades[static_cast<size_t>(steel_->currentIndex())], metric);
    }
    s.method = chosenMethod(method_);
    s.bracing = continuous_->isChecked() ? Bracing::Continuous : Bracing::AtPoints;
    s.bracePoints.clear();
    if (s.bracing == Bracing::AtPoints) {
        for (const QString& part : bracePoints_->text().split(',', Qt::SkipEmptyParts)) {
            const auto x = parseNumber(part.trimmed().toStdString());
            if (!x)
                return refuse("Brace points must be positions on the beam in " + std::string(lengthUnitName(m)) +
                              ", separated by commas: \"" + part.trimmed().toStdString() + "\" is not a number.");
            s.bracePoints.push_back(*x * lengthFactor(m));
        }
    }
    s.cb = cbDiagram_->isChecked() ? CbMode::Diagram : CbMode::One;
    for (const auto& [box, limit] : {std::pair{liveLimit_, &s.liveLimit}, std::pair{totalLimit_, &s.totalLimit}}) {
        const auto value = parseNumber(box->text().toStdString());
        if (!value) return refuse("A deflection limit must be a number: the span is divided by it.");
        *limit = *value;
    }
    return s;
}

bool SteelCheckWindow::check()
{
    const auto settings = readInputs();
    if (!settings) return false;
    hasChecked_ = true;
    // The settings belong to the beam: kept in its design file, and a step Undo takes back.
    if (!(*settings == context_.state.model.design.steelCheck))
        context_.document.change("Steel Check Settings",
                                 [&settings](AppState& s) { s.model.design.steelCheck = *settings; });
    runCheck();
    return true;
}

void SteelCheckWindow::beamChanged()
{
    const std::string& chosen = context_.state.model.design.sectionName;
    if (!chosen.empty() && section_->currentText().toStdString() != chosen) {
        const int index = section_->findText(q(chosen), Qt::MatchFixedString);
        if (index >= 0) section_->setCurrentIndex(index);
    }
    braceUnit_->setText(lengthUnitName(context_.state.model));
    fyUnit_->setText(stressUnitName(context_.state.model.metricUnits));
    if (hasChecked_) runCheck();
}

void SteelCheckWindow::runCheck()
{
    table_->setRowCount(0);
    moment_->clear();
    moment_->update();
    const BeamModel& m = context_.state.model;
    const SteelCheckSettings& s = context_.state.model.design.steelCheck;
    const int sigFigs = context_.state.sigFigs;
    const SteelDesignRead& data = context_.steelDesignTable();
    const SteelShape* shape = data.table ? data.table->find(s.section) : nullptr;
    auto refused = [&](const std::string& why) {
        verdict_->setText(q(why));
        context_.lastSteelCheck = SteelCheckRun{s.section, 0, std::nullopt, why, nullptr};
    };
    if (!data.table) return refused(data.message);
    if (!shape) return refused(s.section.empty() ? "Choose a W, S, C or MC section to check." : unknownSectionMessage(s.section));

    // The self-weight, when included, is that of the section checked.
    const double weight = !m.design.includeSelfWeight ? 0.0 : shapeWeightPerLength(*shape, m.metricUnits);
    SteelCheckRun run = checkSteelBeam(m, *shape, s, weight);
    if (!run.result) return refused(run.refusal);

    const SteelCheckResult& r = *run.result;
    const ResultBasis basis = resultBasis(m);
    for (const DesignCheckLine& line : all_->isChecked() ? r.lines : r.governing) {
        const CheckValueTexts t = checkValueTexts(line, r.method, m, sigFigs);
        const int row = table_->rowCount();
        table_->insertRow(row);
        const std::array<std::string, kColumnCount> cells{
            t.check,  line.combination, whereText(line, m, sigFigs), locationText(line.x, basis, sigFigs),
            t.demand, t.capacity,       t.ratio,                     t.verdict,
            t.detail};
        for (int c = 0; c < kColumnCount; ++c) {
            auto* item = new QTableWidgetItem(q(cells[static_cast<size_t>(c)]));
            if (!line.passes()) item->setForeground(Qt::red);
            table_->setItem(row, c, item);
        }
    }
    verdict_->setText(q(verdictText(r, m, sigFigs)));
    context_.lastSteelCheck = std::move(run);
    drawGoverningMoment();
}

void SteelCheckWindow::drawGoverningMoment()
{
    const BeamModel& m = context_.state.model;
    const SteelCheckResult& r = *context_.lastSteelCheck->result;
    const auto flexure = std::find_if(r.governing.begin(), r.governing.end(),
                                      [](const DesignCheckLine& l) { return l.kind == DesignCheckKind::Flexure; });
    if (flexure == r.governing.end()) return;
    const CaseSolutions& solutions = *context_.lastSteelCheck->solutions;
    for (const Combination& c : combinationsFor(r.method, solutions.present)) {
        if (c.name != flexure->combination) continue;
        const Curves curves = combinationCurves(solutions, c);
        const std::vector<ExtremeLabel> labels{{flexure->x, flexure->demand, c.name}};
        // The demand is a size; the label goes to the side of the curve that gives it.
        std::vector<ExtremeLabel> placed = labels;
        const std::vector<double>& upper = curves.upper[Quantity::Moment];
        const std::vector<double>& lower = curves.lower[Quantity::Moment];
        const auto slot = static_cast<size_t>(std::clamp(solutions.grid.slotAt(flexure->x) - 1, 0,
                                                         static_cast<int>(lower.size()) - 1));
        if (-lower[slot] > upper[slot]) placed.front().value = -flexure->demand;
        drawEnvelope(*moment_, geometry_, envelopeBasis(m, solutions), Quantity::Moment, curves, placed,
                     context_.state.sigFigs);
        std::vector<double> braces;
        for (const BeamStretch& segment : unbracedSegments(m, context_.state.model.design.steelCheck)) {
            braces.push_back(segment.from);
            braces.push_back(segment.to);
        }
        markPositions(*moment_, geometry_, m.beamLength, braces);
        return;
    }
}

void SteelCheckWindow::useForBeamProperties()
{
    const SteelDesignRead& data = context_.steelDesignTable();
    const SteelShape* shape = data.table ? data.table->find(section_->currentText().toStdString()) : nullptr;
    if (!shape) {
        context_.prompts.message(data.table ? unknownSectionMessage(section_->currentText().toStdString())
                                            : data.message);
        return;
    }
    const DesignSection section = designSection(*shape, context_.state.model.metricUnits);
    const std::string name = shape->name;
    context_.document.change("Use for Beam Properties", [&](AppState& s) {
        s.model.momentOfInertia = static_cast<float>(section.Ix);
        s.model.fiberDistance = static_cast<float>(section.d / 2);
        s.model.modulusE = static_cast<float>(steelModulus(s.model.metricUnits));
        s.model.design.sectionName = name;
    });
}

}  // namespace spanrix
