#include "ui/calc/shear_window.h"

#include <QHBoxLayout>
#include <QScreen>

#include "ui/dialogs/dialog_widgets.h"
#include "ui/qt_surface.h"
#include "ui/window_title.h"

namespace spanrix {

namespace {

// The diagram's own work area: as high as the screen's, so the curve has the height of
// the others, and two thirds as wide, so the window fits beside them.
ScreenGeometry diagramGeometry(const ScreenGeometry& screen)
{
    return screenGeometry(screen.workAreaWidth * 2 / 3, screen.workAreaHeight);
}

constexpr const char* kCaption = "Spanrix: Shear Force Diagram";

// The diagram with its title and position labels fills the top third of that area.
constexpr double kDiagramHeightShare = 1.0 / 3.0;

}  // namespace

ShearWindow::ShearWindow(const ScreenGeometry& geometry, QWidget* calculationsScreen)
    : QWidget(calculationsScreen, Qt::Window), geometry_(diagramGeometry(geometry))
{
    setObjectName("sheardisplay");
    setWindowTitle(kCaption);
    setAttribute(Qt::WA_DeleteOnClose);

    surface_ = new QtSurface(this);
    const double widthTwips = geometry_.workAreaWidth;
    const double heightTwips = geometry_.workAreaHeight * kDiagramHeightShare;
    surface_->ensureTwipsSize(widthTwips, heightTwips);
    // In the window's own pixels: on a dense display the image holds more.
    surface_->setMinimumSize(surface_->image().deviceIndependentSize().toSize());

    maxShear_ = dialogs::textBox(this, "maxshear", {});
    maxShearLocation_ = dialogs::textBox(this, "locmaxshear", {});
    maxShear_->setReadOnly(true);
    maxShearLocation_->setReadOnly(true);
    QPushButton* close = dialogs::button(this, "Command1", "Close");
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

void ShearWindow::showFile(const QString& fileName)
{
    setWindowTitle(titleNamingFile(kCaption, fileName));
}

void ShearWindow::placeAtTheBottom()
{
    // Over the lower diagrams rather than the calculations screen's menu bar, with room
    // below for the window's frame.
    constexpr int kFrameRoom = 40;
    const QScreen* display = parentWidget() ? parentWidget()->screen() : screen();
    if (!display) return;
    const QRect area = display->availableGeometry();
    const QSize size = sizeHint();
    move(area.left() + (area.width() - size.width()) / 2, area.bottom() - size.height() - kFrameRoom);
}

void ShearWindow::showResults(const ResultSet& results, const ResultBasis& basis, int sigFigs)
{
    surface_->clear();
    surface_->setForeColor(kBlack);
    drawShearDiagram(*surface_, {geometry_, basis, results, sigFigs});
    const ValueAndPlace peak = maxValueTexts(peakValues(results), basis, sigFigs)[Quantity::Shear];
    maxShear_->setText(QString::fromStdString(peak.value));
    maxShearLocation_->setText(QString::fromStdString(peak.location));
    const std::vector<std::string> longest = longestValueTexts(sigFigs);
    for (QLineEdit* box : {maxShear_, maxShearLocation_}) {
        dialogs::fitLongest(box, longest);
        box->setCursorPosition(0);
    }
}

}  // namespace spanrix
