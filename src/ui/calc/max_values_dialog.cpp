#include "ui/calc/max_values_dialog.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <span>

#include "ui/dialogs/dialog_widgets.h"
#include "engine/result_quantities.h"

namespace spanrix {

namespace {

QLineEdit* valueBox(const char* name, const std::string& text, QWidget* parent)
{
    auto* box = new QLineEdit(QString::fromStdString(text), parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    return box;
}

QFrame* rule(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

}  // namespace

MaxValuesDialog::MaxValuesDialog(const MaxValueTexts& t, int sigFigs, QWidget* parent)
    : MaxValuesDialog(t, sigFigs, false, parent)
{
    setObjectName("maxvalues");
    setWindowTitle("Maximum Values");
}

MaxValuesDialog* MaxValuesDialog::exact(const MaxValueTexts& t, int sigFigs, QWidget* parent)
{
    auto* dialog = new MaxValuesDialog(t, sigFigs, true, parent);
    dialog->setObjectName("exactvalues");
    dialog->setWindowTitle("Exact Maximum Values");
    return dialog;
}

MaxValuesDialog::MaxValuesDialog(const MaxValueTexts& t, int sigFigs, bool withShear,
                                 QWidget* parent)
    : QDialog(parent)
{
    const std::vector<std::string> longest = longestValueTexts(sigFigs);
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel("Maximum Value", this), 0, 1);
    grid->addWidget(new QLabel("Location", this), 0, 2);
    grid->addWidget(rule(this), 1, 0, 1, 3);

    struct Row {
        Quantity quantity;
        const char* valueName;
        const char* locationName;
    };
    const Row rows[] = {
        {Quantity::Moment, "maxmo", "locmaxmo"},
        {Quantity::Stress, "maxstr", "locmaxstr"},
        {Quantity::Deflection, "maxdef", "locmaxdef"},
        {Quantity::Slope, "maxslope", "locmaxslope"},
        {Quantity::Shear, "maxshear", "locmaxshear"},
    };
    int r = 2;
    // The shear row is the exact window's only.
    const std::span<const Row> shown(rows, withShear ? 5 : 4);
    for (const Row& row : shown) {
        grid->addWidget(new QLabel(QString::fromUtf8(resultQuantity(row.quantity).caption), this), r, 0);
        QLineEdit* value = valueBox(row.valueName, t[row.quantity].value, this);
        QLineEdit* location = valueBox(row.locationName, t[row.quantity].location, this);
        for (QLineEdit* box : {value, location}) {
            dialogs::fitLongest(box, longest);
            box->setCursorPosition(0);
        }
        grid->addWidget(value, r, 1);
        grid->addWidget(location, r, 2);
        ++r;
    }
    grid->addWidget(rule(this), r++, 0, 1, 3);

    auto* close = new QPushButton("Close", this);
    close->setObjectName("Command1");
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    grid->addWidget(close, r, 2);
}

}  // namespace spanrix
