#include "ui/dialogs/section_chooser_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/app_context.h"
#include "ui/dialogs/dialog_widgets.h"
#include "ui/dialogs/section_picture.h"
#include "ui/help/input_tips.h"

namespace spanrix {

using namespace dialogs;

namespace {

constexpr int kChooserSigFigs = 6;

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// A frame of the two unit labels, one under each pair of value boxes.
QFrame* unitFrame(QWidget* parent, const char* name, const char* inertiaName, const char* inertiaUnit,
                  const char* fiberName, const char* fiberUnit)
{
    QFrame* f = plainFrame(parent, name);
    auto* layout = new QHBoxLayout(f);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QLabel* l : {label(f, inertiaName, inertiaUnit), label(f, fiberName, fiberUnit)}) {
        l->setAlignment(Qt::AlignCenter);
        layout->addWidget(l, 1);
    }
    return f;
}

}  // namespace

SectionChooserDialog::SectionChooserDialog(AppContext& context, QWidget* parent)
    : SectionHelperDialog(parent), context_(context), savedSigFigs_(context.state.sigFigs)
{
    setObjectName("choose_beam");
    setWindowTitle("Choose Standard Cross-Section");
    setModal(true);
    context_.state.sigFigs = kChooserSigFigs;
    connect(this, &QDialog::finished, this, [this] { context_.state.sigFigs = savedSigFigs_; });

    CatalogueLoad load = loadSectionCatalogue(context_.catalogueLocations);
    catalogue_ = std::move(load.catalogue);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("EngTab");
    for (int k = 0; k < kSectionKindCount; ++k) tabs_->addTab(makeTab(k), qs(kSectionKinds[k].caption));

    accept_[0] = button(this, "acceptx", "Use X-X Values");
    accept_[1] = button(this, "accepty", "Use Y-Y Values");
    QPushButton* cancel = button(this, "Cancel", "Cancel");
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {accept_[0], accept_[1], cancel}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(makeValues(context_.state.model.metricUnits));
    layout->addLayout(buttons);
    showValues({});

    for (QListWidget* list : lists_)
        connect(list, &QListWidget::itemSelectionChanged, this, &SectionChooserDialog::showSelectedEntry);
    connect(tabs_, &QTabWidget::currentChanged, this, &SectionChooserDialog::showSelectedEntry);
    for (int axis = 0; axis < 2; ++axis)
        connect(accept_[axis], &QPushButton::clicked, this, [this, axis] { handBack(axis); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    // Tab runs down the window: the kinds, the list, the four values, the buttons.
    QList<QWidget*> chain{tabs_};
    for (QListWidget* list : lists_) chain << list;
    chain << moi_[0] << moi_[1] << distc_[0] << distc_[1] << accept_[0] << accept_[1] << cancel;
    for (qsizetype i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);

    if (load.message) context_.prompts.message(*load.message);
    explainInputs(*this);
}

QWidget* SectionChooserDialog::makeTab(int kind)
{
    auto* page = new QWidget;
    QListWidget*& list = lists_[kind];
    list = new QListWidget(page);
    list->setObjectName(QStringLiteral("values(%1)").arg(kind));
    list->setMinimumWidth(list->fontMetrics().horizontalAdvance("L2-1/2 X 2-1/2 X 3/16") + 40);
    for (const CatalogueEntry& entry : catalogue_.kinds[kind]) list->addItem(qs(entry.name));

    QLabel* note = label(page, "", qs(kSectionKinds[kind].note));
    note->setObjectName(QStringLiteral("note%1").arg(kind));
    note->setWordWrap(true);
    auto* right = new QVBoxLayout;
    right->addWidget(new SectionPicture(kind, page), 1);
    right->addWidget(note);
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(list);
    layout->addLayout(right, 1);
    return page;
}

QWidget* SectionChooserDialog::makeValues(bool metric)
{
    auto* values = new QWidget(this);
    auto* grid = new QGridLayout(values);
    grid->setContentsMargins(0, 0, 0, 0);
    const struct {
        const char* heading;
        const char* boxName;
        std::array<QLineEdit*, 2>& boxes;
    } groups[] = {
        {"Moments of Inertia", "moi(%1)", moi_},
        {"Distance From N.A. to Farthest Fiber", "distc(%1)", distc_},
    };
    int column = 0;
    for (const auto& group : groups) {
        auto* heading = new QLabel(group.heading, values);
        heading->setAlignment(Qt::AlignCenter);
        grid->addWidget(heading, 0, column, 1, 2);
        for (int axis = 0; axis < 2; ++axis) {
            auto* axisLabel = new QLabel(axis == 0 ? "X-X" : "Y-Y", values);
            axisLabel->setAlignment(Qt::AlignCenter);
            grid->addWidget(axisLabel, 1, column + axis);
            QLineEdit*& box = group.boxes[axis];
            box = textBox(values, "", "");
            box->setObjectName(QString(group.boxName).arg(axis));
            box->setReadOnly(true);
            grid->addWidget(box, 2, column + axis);
        }
        column += 2;
    }
    QFrame* english = unitFrame(values, "engframe", "Label34", "in^4", "Label33", "in");
    QFrame* metricUnits = unitFrame(values, "metframe", "Label31", "10^6  mm^4", "Label32", "mm");
    english->setVisible(!metric);
    metricUnits->setVisible(metric);
    grid->addWidget(english, 3, 0, 1, 4);
    grid->addWidget(metricUnits, 3, 0, 1, 4);
    for (int c = 0; c < 4; ++c) grid->setColumnStretch(c, 1);
    return values;
}

void SectionChooserDialog::showSelectedEntry()
{
    const int kind = tabs_->currentIndex();
    const QListWidget* list = lists_[kind];
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty()) {
        showValues({});
        return;
    }
    const int row = list->row(selected.front());
    const CatalogueEntry& entry = catalogue_.kinds[kind][row];
    const auto texts =
        sectionValueTexts(entry, context_.state.model.metricUnits, context_.state.sigFigs);
    showValues(texts.value_or(SectionValueTexts{}));
    if (!texts) context_.prompts.message(damagedEntryMessage(kind, entry));
}

void SectionChooserDialog::showValues(const SectionValueTexts& texts)
{
    moi_[0]->setText(QString::fromStdString(texts.ixx));
    moi_[1]->setText(QString::fromStdString(texts.iyy));
    distc_[0]->setText(QString::fromStdString(texts.cx));
    distc_[1]->setText(QString::fromStdString(texts.cy));
    // Only a shown entry can be handed back.
    for (QPushButton* b : accept_) b->setEnabled(!texts.ixx.empty());
}

void SectionChooserDialog::handBack(int axis)
{
    const std::string inertia =
        handedBackInertia(moi_[axis]->text().toStdString(), context_.state.model.metricUnits);
    // Only the X-X values are the section's as a design check reads it.
    const QList<QListWidgetItem*> selected = lists_[tabs_->currentIndex()]->selectedItems();
    const QString section = axis == 0 && !selected.isEmpty() ? selected.front()->text() : QString();
    emit valuesAccepted(QString::fromStdString(inertia), distc_[axis]->text(), section);
    accept();
}

}  // namespace spanrix
