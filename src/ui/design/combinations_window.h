#pragma once

#include <QWidget>

#include "geometry/geometry.h"

class QComboBox;
class QLabel;
class QTableWidget;

namespace spanrix {

struct AppContext;
class QtSurface;

// `combinations`: the load combinations of the chosen method on the beam, each with its
// reactions and extremes over every live-load pattern, and the moment and shear
// envelopes with the governing combination named at each extreme.
class CombinationsWindow : public QWidget {
    Q_OBJECT

public:
    CombinationsWindow(AppContext& context, QWidget* parent);

    // Combines the beam's cases again and shows the outcome.
    void refresh();

private:
    AppContext& context_;
    ScreenGeometry geometry_;
    QComboBox* method_;
    QLabel* refusal_;
    QTableWidget* table_;
    QtSurface* moment_;
    QtSurface* shear_;
};

}  // namespace spanrix
