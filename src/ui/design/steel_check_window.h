#pragma once

#include <QWidget>
#include <optional>

#include "geometry/geometry.h"
#include "model/steel_check_settings.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTableWidget;

namespace spanrix {

struct AppContext;
class QtSurface;

// `steelcheck`: the inputs of the steel design check, and after Check its table, the
// verdict in words and the governing combination's moment diagram with the brace points.
// Once checked, it checks again whenever the beam changes.
class SteelCheckWindow : public QWidget {
    Q_OBJECT

public:
    SteelCheckWindow(AppContext& context, QWidget* parent);

    // `check`: reads the inputs (a refused one says why and checks nothing), then checks.
    bool check();
    // The beam changed: the section list follows the beam's section, and a window that has
    // checked checks again.
    void beamChanged();

private:
    std::optional<SteelCheckSettings> readInputs();
    void sectionChosen();
    void useForBeamProperties();
    void showSettings(const SteelCheckSettings& settings);
    void runCheck();
    void drawGoverningMoment();

    AppContext& context_;
    ScreenGeometry geometry_;
    QComboBox* section_;
    QComboBox* steel_;
    QLineEdit* fy_;
    QLabel* fyUnit_;
    QComboBox* method_;
    QRadioButton* continuous_;
    QRadioButton* atPoints_;
    QLineEdit* bracePoints_;
    QLabel* braceUnit_;
    QRadioButton* cbDiagram_;
    QRadioButton* cbOne_;
    QLineEdit* liveLimit_;
    QLineEdit* totalLimit_;
    QCheckBox* all_;
    QTableWidget* table_;
    QLabel* verdict_;
    QtSurface* moment_;
    bool hasChecked_ = false;
};

}  // namespace spanrix
