#include "ui/dialogs/init_dialog.h"

#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/beam_setup.h"
#include "model/number_format.h"
#include "ui/app_context.h"
#include "ui/dialogs/dialog_widgets.h"
#include "ui/work_area.h"

namespace spanrix {

InitDialog::InitDialog(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context)
{
    setObjectName("properties");
    setWindowTitle("Initialize Beam");
    setModal(false);

    frame2_ = new QFrame(this);
    frame2_->setObjectName("Frame2");
    frame2_->setFrameShape(QFrame::StyledPanel);
    met_ = new QRadioButton("Metric units", frame2_);
    met_->setObjectName("Met");
    eng_ = new QRadioButton("English units", frame2_);
    eng_->setObjectName("Eng");
    auto* systemLayout = new QVBoxLayout(frame2_);
    systemLayout->addWidget(met_);
    systemLayout->addWidget(eng_);

    engframe_ = new QFrame(this);
    engframe_->setObjectName("engframe");
    engframe_->setFrameShape(QFrame::StyledPanel);
    inch_ = new QRadioButton("inches", engframe_);
    inch_->setObjectName("inch");
    feet_ = new QRadioButton("feet", engframe_);
    feet_->setObjectName("feet");
    auto* lengthUnitLayout = new QVBoxLayout(engframe_);
    lengthUnitLayout->addWidget(inch_);
    lengthUnitLayout->addWidget(feet_);

    label1_ = new QLabel("Beam Length", this);
    label1_->setObjectName("Label1");
    length_ = new QLineEdit("100", this);
    length_->setObjectName("Length");
    meter_ = new QLabel("meters", this);
    meter_->setObjectName("meter");

    // Enter clicks the focused button; open() makes Continue the one for anywhere else.
    command1_ = dialogs::commandButton(this, "Command1", "Continue");
    command2_ = dialogs::commandButton(this, "Command2", "Retrieve Load File");

    auto* lengthRow = new QHBoxLayout;
    lengthRow->addWidget(label1_);
    lengthRow->addWidget(length_);
    lengthRow->addWidget(meter_);
    lengthRow->addWidget(engframe_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(command1_);
    buttons->addWidget(command2_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame2_);
    layout->addLayout(lengthRow);
    layout->addLayout(buttons);

    connect(met_, &QRadioButton::clicked, this, [this] {
        context_.state.model.metricUnits = true;
        showUnitControls();
        lengthOrSystemEdited_ = true;
    });
    connect(eng_, &QRadioButton::clicked, this, [this] {
        context_.state.model.metricUnits = false;
        showUnitControls();
        lengthOrSystemEdited_ = true;
    });
    connect(inch_, &QRadioButton::clicked, this, [this] { lengthUnitEdited_ = true; });
    connect(feet_, &QRadioButton::clicked, this, [this] { lengthUnitEdited_ = true; });
    connect(length_, &QLineEdit::textChanged, this, [this] { lengthOrSystemEdited_ = true; });
    connect(command1_, &QPushButton::clicked, this, [this] { accept_continue(); });
    connect(command2_, &QPushButton::clicked, this, [this] {
        accept_continue();
        emit retrieveRequested();
    });
}

void InitDialog::open(bool offerRetrieve)
{
    command2_->setVisible(offerRetrieve);
    startUp_ = offerRetrieve;
    load();
    show();
    dialogs::openAtFirstField(length_, command1_);
    raise();
    activateWindow();
}

void InitDialog::showUnitControls()
{
    const bool metric = context_.state.model.metricUnits;
    meter_->setVisible(metric);
    engframe_->setVisible(!metric);
}

void InitDialog::load()
{
    AppState& state = context_.state;
    state.currentDir = QDir::homePath().toStdString();

    // Each opening starts from the design defaults, then follows the model.
    eng_->setChecked(true);
    feet_->setChecked(true);
    if (state.model.metricUnits) met_->setChecked(true);
    showUnitControls();

    const bool englishFeet = !state.model.metricUnits && feet_->isChecked();
    if (!loadedBefore_ && state.sigFigs == 0) {
        if (const auto v = typedBeamLength(length_->text().toStdString(), englishFeet))
            state.model.beamLength = *v;
    } else {
        length_->setText(QString::fromStdString(
            beamLengthBoxText(state.model, englishFeet, state.sigFigs)));
    }
    loadedBefore_ = true;

    lengthOrSystemEdited_ = false;
    lengthUnitEdited_ = false;
    metricAtOpen_ = state.model.metricUnits;
    accepted_ = false;
    state.sigFigs = kDefaultSigFigs;

    const QSize twips = workAreaTwips();
    state.geometry.workAreaWidth = twips.width();
    state.geometry.workAreaHeight = twips.height();
    centreOnWorkArea();
}

void InitDialog::centreOnWorkArea()
{
    adjustSize();
    const QRect area = workAreaPixels();
    move(area.center() - rect().center());
}

bool InitDialog::accept_continue()
{
    BeamModel next = context_.state.model;
    const bool englishFeet = !next.metricUnits && feet_->isChecked();
    const bool edited = lengthOrSystemEdited_ || lengthUnitEdited_;
    if (const auto refusal =
            acceptBeamLength(next, length_->text().toStdString(), englishFeet, edited)) {
        context_.prompts.message(*refusal);
        return false;
    }
    accepted_ = true;
    if (startUp_) {
        context_.state.model = next;
    } else {
        // After Reinitialize: one change of the new beam, erased in the system it was drawn in.
        context_.state.model.metricUnits = metricAtOpen_;
        context_.document.changeFile(
            "Change Beam Length", [&next](AppState& s) { s.model = next; }, QString(), true);
    }
    emit beamAccepted();
    close();
    return true;
}

void InitDialog::reject()
{
    const bool dismissedNow = isVisible() && !accepted_;
    if (dismissedNow) context_.state.model.metricUnits = metricAtOpen_;
    QDialog::reject();
    if (dismissedNow) emit dismissed();
}

}  // namespace spanrix
