#pragma once

#include <QDialog>
#include <QString>

namespace spanrix {

// A window that works out I and c for the beam properties: the calculator and the
// standard section chooser. Both are modal and hand back the two texts as shown.
class SectionHelperDialog : public QDialog {
    Q_OBJECT

public:
    using QDialog::QDialog;

signals:
    // Texts for the beam properties' I and c boxes, in the units those boxes show, and the
    // catalogue section they are the strong-axis values of (empty when none is).
    void valuesAccepted(const QString& inertia, const QString& fiber, const QString& section);
};

}  // namespace spanrix
