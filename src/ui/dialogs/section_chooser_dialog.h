#pragma once

#include <array>

#include "files/section_catalogue.h"
#include "ui/dialogs/section_helper_dialog.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace spanrix {

struct AppContext;

// `choose_beam`, "Choose Standard Cross-Section": the catalogue's sections by kind, one tab
// each, with I and c about both axes. The catalogue is read on opening; the display
// setting is 6 significant figures while the window is open.
class SectionChooserDialog : public SectionHelperDialog {
    Q_OBJECT

public:
    explicit SectionChooserDialog(AppContext& context, QWidget* parent = nullptr);

private:
    QWidget* makeTab(int kind);
    QWidget* makeValues(bool metric);
    void showSelectedEntry();
    void showValues(const SectionValueTexts& texts);
    void handBack(int axis);

    AppContext& context_;
    int savedSigFigs_;
    SectionCatalogue catalogue_;
    QTabWidget* tabs_ = nullptr;
    std::array<QListWidget*, kSectionKindCount> lists_{};
    std::array<QLineEdit*, 2> moi_{};
    std::array<QLineEdit*, 2> distc_{};
    std::array<QPushButton*, 2> accept_{};
};

}  // namespace spanrix
