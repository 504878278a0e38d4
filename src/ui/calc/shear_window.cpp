#include "ui/calc/shear_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <cmath>

#include "ui/qt_surface.h"

namespace spanrix {

namespace {

// The diagram's own work area: as high as the screen's, so the curve has the height of
// the others, and two thirds as wide, so the window fits beside them.
ScreenGeometry diagramGeometry(const ScreenGeometry& screen)
{
    return screenGeometry(screen.workAreaWidth * 2 / 3, screen.workAreaHeight);
}

// The diagram with its title and position labels fills the top third of that area.
constexpr double kDiagramHeightShare = 1.0 / 3.0;

QLineEdit* valueBox(const char* name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    return box;
}

}  // namespace

ShearWindow::ShearWindow(const ScreenGeometry& geometry, QWidget* screen)
    : QWidget(screen, Qt::Window), geometry_(diagramGeometry(geometry))
{
    setObjectName("sheardisplay");
    setWindowTitle("Spanrix: Shear Force Diagram");
    setAttribute(Qt::WA_DeleteOnClose);

    surface_ = new QtSurface(this);
    const double widthTwips = geometry_.workAreaWidth;
    const double heightTwips = geometry_.workAreaHeight * kDiagramHeightShare;
    surface_->ensureTwipsSize(widthTwips, heightTwips);
    surface_->setMinimumSize(surface_->image().size());

    maxShear_ = valueBox("maxshear", this);
    maxShearLocation_ = valueBox("locmaxshear", this);
    auto* close = new QPushButton("Close", this);
    close->setObjectName("Command1");
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* maximum = new QHBoxLayout;
    maximum->addWidget(new QLabel("Maximum Shear Force", this));
    maximum->addWidget(maxShear_);
    maximum->addWidget(new QLabel("Location", this));
    maximum->addWidget(maxShearLocation_);
    maximum->addStretch();
    maximum->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(surface_, 1);
    layout->addLayout(maximum);
    placeAtTheBottom();
}

void ShearWindow::placeAtTheBottom()
{
    // Over the lower diagrams rather than the screen's menu bar.
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QSize size = sizeHint();
    move(area.left() + (area.width() - size.width()) / 2, area.bottom() - size.height() - 40);
}

void ShearWindow::showResults(const ResultSet& results, const ResultBasis& basis, int sigFigs)
{
    surface_->clear();
    surface_->setForeColor(kBlack);
    drawShearDiagram(*surface_, {geometry_, basis, results, sigFigs});
    maxShear_->setText(QString::fromStdString(shearText(results.peakShear, basis.metricUnits, sigFigs)));
    maxShearLocation_->setText(QString::fromStdString(locationText(results.peakShearLoc, basis, sigFigs)));
}

}  // namespace spanrix
