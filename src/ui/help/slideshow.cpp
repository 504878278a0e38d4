#include "ui/help/slideshow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
#include <span>

#include "model/app_state.h"
#include "forms/feature_entry.h"
#include "drawing/legend.h"
#include "drawing/sketch.h"
#include "ui/qt_surface.h"

namespace spanrix {

namespace {

// A feature as typed into its dialog, in feet and pounds: magnitude (start intensity) and
// location (start), the end values of a distributed load, the type of a support.
struct ExampleFeature {
    FeatureKind kind;
    const char* magnitude;
    const char* location;
    const char* endMagnitude = "0";
    const char* endLocation = "0";
    bool cantilever = false;
};

struct ExampleBeam {
    const char* title;
    double lengthFeet;
    std::span<const ExampleFeature> features;
};

constexpr ExampleFeature kSimpleSpan[] = {
    {FeatureKind::Support, "0", "0"},
    {FeatureKind::Support, "0", "20"},
    {FeatureKind::PointLoad, "1000", "10"},
};

constexpr ExampleFeature kCantilever[] = {
    {FeatureKind::Support, "0", "0", "0", "0", true},
    {FeatureKind::DistLoad, "200", "0", "0", "12"},
    {FeatureKind::PointLoad, "500", "12"},
};

constexpr ExampleFeature kContinuousBeam[] = {
    {FeatureKind::Support, "0", "0"},
    {FeatureKind::Support, "0", "10"},
    {FeatureKind::Support, "0", "20"},
    {FeatureKind::Support, "0", "30"},
    {FeatureKind::DistLoad, "150", "0", "150", "30"},
    {FeatureKind::Moment, "2000", "15"},
};

constexpr ExampleFeature kOverhang[] = {
    {FeatureKind::Support, "0", "0"},
    {FeatureKind::Support, "0", "14"},
    {FeatureKind::PointLoad, "1000", "7"},
    {FeatureKind::PointLoad, "600", "20"},
};

constexpr ExampleBeam kPictures[Slideshow::kPictureCount] = {
    {"Simple span", 20, kSimpleSpan},
    {"Cantilever", 12, kCantilever},
    {"Continuous beam", 30, kContinuousBeam},
    {"Overhang", 20, kOverhang},
};

constexpr QSize kPictureSize(560, 300);

// Draws the example with the loading screen's own sketch, on a screen as small as the picture.
void drawExample(QtSurface& picture, const ExampleBeam& example)
{
    AppState state;
    state.sigFigs = 3;
    state.geometry = screenGeometry(int(std::lround(kPictureSize.width() / picture.pixelsPerTwipX())),
                                    int(std::lround(kPictureSize.height() / picture.pixelsPerTwipY())));
    state.model.beamLength = example.lengthFeet * 12;
    for (const ExampleFeature& f : example.features) {
        FeatureEntry entry;
        entry.magnitude = f.magnitude;
        entry.location = f.location;
        entry.endMagnitude = f.endMagnitude;
        entry.endLocation = f.endLocation;
        entry.cantilever = f.cantilever;
        addFeature(state.model, f.kind, entry);
    }
    picture.ensureImageSize(kPictureSize);
    picture.setFillStyle(FillStyle::DiagonalCross);
    Legend legend(state);
    Sketch(picture, state, legend).drawSketch(13);

    picture.setFontName("arial");
    picture.setFontSize(10);
    picture.setBold(true);
    picture.setCurrentPosition(state.geometry.workAreaWidth / 30.0, state.geometry.workAreaHeight / 20.0);
    picture.text(example.title);
}

}  // namespace

Slideshow::Slideshow(QWidget* parent) : QDialog(parent)
{
    setObjectName("slideshow");
    setWindowTitle("Family Slideshow");
    setWindowModality(Qt::ApplicationModal);

    auto* stack = new QGridLayout;
    for (int i = 0; i < kPictureCount; ++i) {
        auto* picture = new QtSurface(this);
        picture->setObjectName(QString("Picture1(%1)").arg(i));
        picture->setFixedSize(kPictureSize);
        drawExample(*picture, kPictures[i]);
        stack->addWidget(picture, 0, 0);  // all in one place
        pictures_[size_t(i)] = picture;
    }

    auto* nextButton = new QPushButton("Next ->");
    nextButton->setObjectName("cmdNext");
    nextButton->setDefault(true);
    connect(nextButton, &QPushButton::clicked, this, &Slideshow::next);
    auto* returnButton = new QPushButton("Return");
    returnButton->setObjectName("cmdReturn");
    connect(returnButton, &QPushButton::clicked, this, &QDialog::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(nextButton);
    buttons->addWidget(returnButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(stack);
    layout->addLayout(buttons);
    showPicture(0);
}

void Slideshow::showFromStart()
{
    counter_ = 1;
    showPicture(0);
    show();
    raise();
    activateWindow();
}

void Slideshow::next()
{
    showPicture(counter_);
    counter_ = (counter_ + 1) % kPictureCount;
}

void Slideshow::showPicture(int shown)
{
    for (int i = 0; i < kPictureCount; ++i) pictures_[size_t(i)]->setVisible(i == shown);
}

}  // namespace spanrix
