#include "ui/dialogs/beam_properties_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/app_context.h"
#include "ui/dialogs/dialog_widgets.h"
#include "ui/dialogs/inertia_calculator_dialog.h"
#include "ui/dialogs/section_chooser_dialog.h"
#include "ui/work_area.h"

namespace spanrix {

using namespace dialogs;

namespace {

// The three captions are read-only text boxes on the button face.
QLineEdit* captionBox(QWidget* parent, const char* name, const QString& caption)
{
    QLineEdit* box = textBox(parent, name, caption);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    box->setPalette(palette);
    // Wide enough to show the whole caption.
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(caption) +
                         box->fontMetrics().averageCharWidth() * 2 + 8);
    box->setCursorPosition(0);
    return box;
}

// A frame of three unit labels, one beside each box.
QFrame* unitFrame(QWidget* parent, const char* name, const char* const (&names)[3],
                  const char* const (&captions)[3])
{
    QFrame* f = plainFrame(parent, name);
    auto* layout = new QVBoxLayout(f);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 3; ++i) layout->addWidget(label(f, names[i], captions[i]));
    return f;
}

}  // namespace

BeamPropertiesDialog::BeamPropertiesDialog(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context)
{
    setObjectName("BeamProp");
    setWindowTitle("Beam Properties");
    setModal(true);

    auto* text1 = captionBox(this, "Text1", "Moment of Inertia  (typically denoted as \"I\")");
    momOfI_ = textBox(this, "MomOfI", "");
    auto* text3 = captionBox(this, "Text3", "Modulus of Elasticity  (typically denoted as \"E\")");
    modE_ = textBox(this, "ModE", "29000000");
    auto* text4 = captionBox(this, "Text4", "Distance to farthest fiber  (typically denoted as \"c\")");
    cdist_ = textBox(this, "cdist", "");
    engframe_ = unitFrame(this, "engframe", {"Label2", "Label1", "Label3"}, {"in.^4", "psi", "in."});
    metframe_ = unitFrame(this, "metframe", {"Label4", "Label5", "Label6"}, {"mm^4", "GPa", "mm"});

    command1_ = commandButton(this, "Command1", "Continue");
    auto* command2 = commandButton(this, "Command2", "Cancel");
    auto* command3 = commandButton(this, "Command3", "Calculate");
    auto* command4 = commandButton(this, "Command4", "Choose");

    auto* grid = new QGridLayout;
    grid->addWidget(text1, 0, 0);
    grid->addWidget(momOfI_, 0, 1);
    grid->addWidget(text3, 1, 0);
    grid->addWidget(modE_, 1, 1);
    grid->addWidget(text4, 2, 0);
    grid->addWidget(cdist_, 2, 1);
    grid->addWidget(engframe_, 0, 2, 3, 1);
    grid->addWidget(metframe_, 0, 3, 3, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {command1_, command2, command3, command4}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(momOfI_, &QLineEdit::textChanged, this, [this] { edits_.inertia = true; });
    connect(modE_, &QLineEdit::textChanged, this, [this] { edits_.modulus = true; });
    connect(cdist_, &QLineEdit::textChanged, this, [this] { edits_.fiber = true; });
    connect(command1_, &QPushButton::clicked, this, [this] { accept_continue(); });
    connect(command2, &QPushButton::clicked, this, &QDialog::reject);
    connect(command3, &QPushButton::clicked, this,
            [this] { openSectionHelper(new InertiaCalculatorDialog(context_, this)); });
    connect(command4, &QPushButton::clicked, this,
            [this] { openSectionHelper(new SectionChooserDialog(context_, this)); });

    load();
}

void BeamPropertiesDialog::load()
{
    const bool metric = context_.state.model.metricUnits;
    engframe_->setVisible(!metric);
    metframe_->setVisible(metric);
    working_ = context_.document.model();
    const BeamPropertyTexts texts = loadBeamProperties(working_, context_.state.sigFigs);
    momOfI_->setText(QString::fromStdString(texts.inertia));
    modE_->setText(QString::fromStdString(texts.modulus));
    cdist_->setText(QString::fromStdString(texts.fiber));
    adjustSize();
    move(workAreaPixels().center() - rect().center());
    // Filling the boxes is not an edit.
    edits_ = {};
    // Enter clicks the focused button, and Continue from anywhere else.
    openAtFirstField(momOfI_, command1_);
}

void BeamPropertiesDialog::openSectionHelper(SectionHelperDialog* helper)
{
    connect(helper, &SectionHelperDialog::valuesAccepted, this,
            [this](const QString& inertia, const QString& fiber) {
                momOfI_->setText(inertia);
                cdist_->setText(fiber);
                // Handed-back values count as typed, even when they read as before.
                edits_.inertia = true;
                edits_.fiber = true;
            });
    connect(helper, &QDialog::finished, helper, &QObject::deleteLater);
    helper->show();
}

bool BeamPropertiesDialog::accept_continue()
{
    const BeamPropertyTexts texts{momOfI_->text().toStdString(), modE_->text().toStdString(),
                                  cdist_->text().toStdString()};
    BeamModel next = working_;
    if (const auto refusal = storeBeamProperties(next, texts, edits_)) {
        context_.prompts.message(*refusal);
        return false;
    }
    working_ = next;
    accept();
    return true;
}

void BeamPropertiesDialog::done(int result)
{
    // Even Cancel keeps the default E the load step put in.
    if (!sameBeam(working_, context_.document.model()))
        context_.document.change("Beam Properties", working_);
    QDialog::done(result);
}

}  // namespace spanrix
