#pragma once

#include <QDialog>

namespace spanrix {

// The help window `Help`: fixed texts on tabs, the menu commands of both screens described
// one per tab. Its Close button asks the owner to close it.
class HelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

signals:
    void closeRequested();
};

}  // namespace spanrix
