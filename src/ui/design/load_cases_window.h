#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace spanrix {

struct AppContext;

// `loadcases`: every live load as its legend shows it with its load case, set row by row
// or for all selected rows at once, and whether the combinations count the self-weight.
// Every change is one undoable step of the beam document.
class LoadCasesWindow : public QWidget {
    Q_OBJECT

public:
    LoadCasesWindow(AppContext& context, QWidget* parent);

    // Fills the rows and the self-weight from the model.
    void refresh();

private:
    void setCase(int row, int caseIndex);
    void applyToSelected();
    void selfWeightEdited();

    AppContext& context_;
    QTableWidget* table_;
    QComboBox* selectedCase_;
    QCheckBox* selfWeight_;
    QLineEdit* weight_;
    QLabel* weightUnit_;
    QLabel* weightSource_;
    bool filling_ = false;
};

}  // namespace spanrix
