#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "engine/analysis.h"
#include "geometry/geometry.h"
#include "drawing/diagrams.h"
#include "drawing/result_curve.h"
#include "ui/qt_surface.h"
#include "recording_surface.h"

namespace spanrix {
namespace {

using testing::RecordingSurface;

constexpr Rgb kBlue{0, 0, 200};

struct DiagramFixture {
    ScreenGeometry geometry = screenGeometry(19200, 10800);
    ResultBasis basis;
    ResultSet results;
    int sigFigs = 3;

    DiagramFixture()
    {
        basis.beamLength = 120;
        basis.intervals = 10;
        basis.pointCount = 11;
        basis.momentOfInertia = 100.0f;
        basis.modulusE = 29e6f;
    }
    DiagramInput input() const { return {geometry, basis, results, sigFigs}; }
};

// The texts drawn on a surface, in order.
std::vector<std::string> texts(const RecordingSurface& s)
{
    std::vector<std::string> out;
    for (const auto& op : s.ofKind("text")) out.push_back(op.text);
    return out;
}

TEST(ResultDiagrams, RunWithoutLoadsDrawsGridsZeroLabelsAndTitlesButNoCurve)
{
    BeamModel m;
    m.beamLength = 120.0;
    m.modulusE = 29e6f;
    m.momentOfInertia = 100.0f;
    m.fiberDistance = 5.0f;
    m.resolution = 12.0f;
    for (double x : {0.0, 120.0}) {
        const int k = appendFeature(m, FeatureKind::Support, "lb", "in");
        m.supportLoc[k] = x;
        m.supportType[k] = "simp";
    }
    DiagramFixture f;
    ReactionSolution reactions;
    ASSERT_FALSE(runCalculations(m, reactions, f.results, {}));
    f.basis = resultBasis(m);

    RecordingSurface s;
    drawResultDiagrams(s, f.input());

    const ScreenGeometry& g = f.geometry;
    const auto lines = s.ofKind("line");
    ASSERT_EQ(lines.size(), 3u * 15u);  // axis, 7 across and 7 upright per diagram
    const std::vector<std::string> all = texts(s);
    ASSERT_EQ(all.size(), 3u * 15u);
    EXPECT_EQ(all[14], "MOMENT");
    EXPECT_EQ(all[29], "BENDING STRESS");
    EXPECT_EQ(all[44], "DEFLECTION");
    for (int d = 0; d < 3; ++d) {
        const double y0 = std::array{1800.0, 4950.0, 8100.0}[static_cast<size_t>(d)];
        const double A = g.arrowScale / 2.0;
        const auto& axis = lines[static_cast<size_t>(15 * d)];
        EXPECT_EQ(axis.color, kBlack);
        EXPECT_EQ(axis.y1, y0);
        EXPECT_EQ(axis.x1, g.beamLeft);
        EXPECT_EQ(axis.x2, g.beamRight);
        for (int t = 0; t < 7; ++t) {
            const auto& across = lines[static_cast<size_t>(15 * d + 1 + 2 * t)];
            const auto& upright = lines[static_cast<size_t>(15 * d + 2 + 2 * t)];
            EXPECT_EQ(across.color, kBlue);
            EXPECT_DOUBLE_EQ(across.y1, y0 + (t - 3) * A / 3);
            EXPECT_EQ(across.x2, g.beamLeft);  // ends on the left
            EXPECT_DOUBLE_EQ(upright.x1, t * (g.beamRight - g.beamLeft) / 6.0 + g.beamLeft);
            EXPECT_DOUBLE_EQ(upright.y2, y0 + A);
        }
        const auto& ops = s.ofKind("text");
        const auto& label = ops[static_cast<size_t>(15 * d)];
        EXPECT_DOUBLE_EQ(label.x1, g.beamLeft - g.workAreaWidth / 15.0);
        EXPECT_DOUBLE_EQ(label.y1, y0 - A - g.workAreaHeight / 65.0);
        EXPECT_EQ(label.color, kBlue);
        const auto& title = ops[static_cast<size_t>(15 * d + 14)];
        EXPECT_EQ(title.color, kBlack);
        EXPECT_TRUE(title.bold);
        EXPECT_EQ(title.fontName, "arial");
        EXPECT_EQ(title.fontSize, 14.0f);
        EXPECT_DOUBLE_EQ(title.y1, y0 - A - g.workAreaHeight / 30.0);
    }
    // Value labels then position labels alternate; the first diagram's seven of each.
    const std::vector<std::string> moment(all.begin(), all.begin() + 14);
    EXPECT_EQ(moment, (std::vector<std::string>{"0 lb.-in.", "0 ft.", "0 lb.-in.", "1.67 ft.", "0 lb.-in.",
                                                "3.33 ft.", "0 lb.-in.", "5 ft.", "0 lb.-in.", "6.67 ft.",
                                                "0 lb.-in.", "8.33 ft.", "0 lb.-in.", "10 ft."}));
    EXPECT_EQ(all[15], "0 psi");
    EXPECT_EQ(all[30], "0 in.");
    // The font is restored after each title.
    EXPECT_FALSE(s.bold());
    EXPECT_EQ(s.fontName(), "MS Sans Serif");
}

// The labels of one diagram: value labels at even, position labels at odd places.
std::vector<std::string> labelsOf(DiagramFixture& f, void (*draw)(Surface&, const DiagramInput&))
{
    RecordingSurface s;
    draw(s, f.input());
    return texts(s);
}

// A surface whose text is wide and tall for its size, as on a small window.
class LargeTextSurface : public RecordingSurface {
public:
    static constexpr double kCharWidth = 150, kLineHeight = 450;
    using RecordingSurface::RecordingSurface;
    double textWidth(const std::string& s) const override { return kCharWidth * double(s.size()); }
    double lineHeight() const override { return kLineHeight; }
};

TEST(ResultDiagrams, LabelsAndTitlesMoveClearOfTheGridWhenTheTextIsLarge)
{
    DiagramFixture f;
    f.geometry = screenGeometry(12000, 7500);
    LargeTextSurface s(12000, 7500);
    drawResultDiagrams(s, f.input());
    const ScreenGeometry& g = f.geometry;
    const auto ops = s.ofKind("text");
    const auto lines = s.ofKind("line");
    ASSERT_EQ(ops.size(), 3u * 15u);
    for (size_t d = 0; d < 3; ++d) {
        const double gridTop = lines[15 * d + 1].y1;
        for (size_t t = 0; t < 7; ++t) {
            const auto& label = ops[15 * d + 2 * t];
            EXPECT_GE(label.x1, 0);
            EXPECT_LT(label.x1 + s.textWidth(label.text), g.beamLeft) << label.text;
        }
        const auto& title = ops[15 * d + 14];
        EXPECT_LT(title.y1 + LargeTextSurface::kLineHeight, gridTop) << title.text;
    }
}

TEST(ResultDiagrams, ValueLabelUnitsFollowThePeak)
{
    DiagramFixture f;
    f.results.peakMoment = -999;
    auto l = labelsOf(f, drawMomentDiagram);
    EXPECT_EQ(l[0], "999 lb.-in.");
    EXPECT_EQ(l[6], "0 lb.-in.");  // the axis
    EXPECT_EQ(l[12], "-999 lb.-in.");
    f.results.peakMoment = 1000;
    l = labelsOf(f, drawMomentDiagram);
    EXPECT_EQ(l[0], "83.3 lb.-ft.");
    EXPECT_EQ(l[6], "0 lb.-ft.");

    f.results.peakShear = -1500;
    l = labelsOf(f, drawShearDiagram);
    EXPECT_EQ(l[0], "1.5 kips");
    EXPECT_EQ(l[14], "SHEAR FORCE");

    f.basis.metricUnits = true;
    for (auto [peak, top, axis] : {std::tuple{999.0, "999 Pa", "0 Pa"}, std::tuple{1000.0, "1 kPa", "0 kPa"},
                                   std::tuple{1e6, "1 MPa", "0 MPa"}}) {
        f.results.peakStress = peak;
        l = labelsOf(f, drawStressDiagram);
        EXPECT_EQ(l[0], top);
        EXPECT_EQ(l[6], axis);
    }
    f.results.peakDeflection = 0.01 * 8e-5f * 200e9f;
    f.basis.momentOfInertia = 8e-5f;
    f.basis.modulusE = 200e9f;
    l = labelsOf(f, drawDeflectionDiagram);
    EXPECT_EQ(l[0], "10 mm");
    EXPECT_EQ(l[1], "0 m");
    EXPECT_EQ(l[13], "120 m");
}

TEST(ResultDiagrams, PositionLabelsInInchesWhenChosen)
{
    DiagramFixture f;
    f.basis.useInches = true;
    const auto l = labelsOf(f, drawMomentDiagram);
    EXPECT_EQ(l[3], "20 in.");
    EXPECT_EQ(l[13], "120 in.");
}

TEST(ResultDiagrams, CurveIsOneUprightLinePerPointFromTheAxis)
{
    DiagramFixture f;
    for (int i = 0; i <= 10; ++i) f.results.deflectionAt[static_cast<size_t>(i) + 1] = i * 10.0;
    f.results.peakDeflection = 100;
    RecordingSurface s;
    drawDeflectionDiagram(s, f.input());
    const auto lines = s.ofKind("line");
    ASSERT_EQ(lines.size(), 15u + 11u);
    const ScreenGeometry& g = f.geometry;
    const double W = g.beamRight - g.beamLeft;
    for (int i = 0; i <= 10; ++i) {
        const auto& l = lines[15 + static_cast<size_t>(i)];
        EXPECT_EQ(l.color, kBlack);
        EXPECT_DOUBLE_EQ(l.x1, i * W / 10 + g.beamLeft);
        EXPECT_EQ(l.x2, l.x1);
        EXPECT_EQ(l.y1, 8100.0);
        // Deflection is held downward positive and drawn below the axis.
        EXPECT_DOUBLE_EQ(l.y2, 8100.0 + g.arrowScale / 2.0 * i / 10.0);
    }
}

// Renders a curve on a fresh surface either way and returns the image.
QImage rendered(const CurveSpec& curve, bool bySpans)
{
    QtSurface surface;
    // Room for the whole curve, so nothing depends on clipping.
    const QPointF corner = surface.toPixels(curve.left + curve.width + 300, curve.axisY + curve.halfHeight + 300);
    surface.ensureImageSize(QSize(int(corner.x()), int(corner.y())));
    if (bySpans)
        drawCurveBySpans(surface, curve);
    else
        drawCurveByLines(surface, curve);
    return surface.image();
}

TEST(ResultCurve, SpansGiveTheSamePixelsAsOneLinePerPoint)
{
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    for (int n : {1, 7, 250, 399, 1000, 20000, 50000}) {
        std::vector<double> values(static_cast<size_t>(n) + 2, 0.0);
        for (int i = 0; i <= n; ++i) {
            double v = value(rng);
            // The largest: a smooth curve with noise, crossing the axis, so that most columns
            // hold no point on it.
            if (n == 50000) v = std::sin(i * 4e-4) + 0.01 * v + (i % 997 == 0 ? 30 * v : 0);
            else switch (i % 5) {
            case 0: v = 0; break;           // a point on the axis: one dot
            case 1: v *= 1e-13; break;      // shorter than the rasteriser's step
            case 2: v = std::round(v * 8) / 8; break;
            case 3: if (i % 3 == 0) v *= 40; break;  // far off the image: clipped
            default: break;
            }
            values[static_cast<size_t>(i) + 1] = v;
        }
        CurveSpec curve;
        curve.values = &values;
        curve.pointCount = n + 1;
        curve.intervals = n;
        curve.left = 157.3;
        curve.width = 5900.5;
        curve.axisY = 2003.7;
        curve.halfHeight = 1400.25;
        curve.direction = n % 2 ? 1 : -1;
        curve.peak = 1.0;
        const QImage slow = rendered(curve, false);
        const QImage fast = rendered(curve, true);
        int differing = 0;
        for (int y = 0; y < slow.height(); ++y)
            for (int x = 0; x < slow.width(); ++x) differing += slow.pixel(x, y) != fast.pixel(x, y);
        EXPECT_EQ(differing, 0) << "N = " << n;
    }
}

}  // namespace
}  // namespace spanrix
