#include "ui/loading/sketch_pointer.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "model/app_state.h"
#include "drawing/legend.h"
#include "drawing/sketch.h"
#include "ui/qt_surface.h"

namespace spanrix {

// Dashed frames around the pointed-at feature, drawn over the sketch and its labels without
// touching the sketch's own image, and never in the way of the mouse.
class SketchOutline : public QWidget {
public:
    explicit SketchOutline(QWidget* parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        hide();
    }

    void show(QList<QRectF> frames)
    {
        frames_ = std::move(frames);
        setGeometry(parentWidget()->rect());
        setVisible(!frames_.isEmpty());
        raise();
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setPen(QPen(QColor(0, 90, 200), 1, Qt::DashLine));
        for (const QRectF& r : frames_) p.drawRect(r.adjusted(-3, -3, 3, 3));
    }

private:
    QList<QRectF> frames_;
};

namespace {

QRectF inPixels(const QtSurface& surface, const LabelRect& r)
{
    return QRectF(surface.toPixels(r.left, r.top), surface.toPixels(r.left + r.width, r.top + r.height));
}

const std::pair<FeatureKind, const char*> kAdds[] = {
    {FeatureKind::PointLoad, "Add Point Load"},
    {FeatureKind::DistLoad, "Add Distributed Load"},
    {FeatureKind::Moment, "Add Moment"},
    {FeatureKind::Support, "Add Support"},
};

}  // namespace

SketchPointer::SketchPointer(QtSurface& surface, const AppState& state, const Legend& legend,
                             std::function<std::span<const PlacedLabel>()> placed, Commands commands)
    : QObject(&surface),
      surface_(surface),
      state_(state),
      legend_(legend),
      placed_(std::move(placed)),
      commands_(std::move(commands)),
      outline_(new SketchOutline(&surface))
{
    surface_.setMouseTracking(true);
    surface_.installEventFilter(this);
}

int SketchPointer::rowAt(QPointF pixels) const
{
    return featureAt(state_, placed_(), pixels.x() / surface_.pixelsPerTwipX(),
                     pixels.y() / surface_.pixelsPerTwipY());
}

QString SketchPointer::featureText(int row) const
{
    const LegendGroup* group = legend_.group(row);
    if (!group) return {};
    QStringList lines;
    for (const LegendLabel& label : group->labels)
        if (!label.caption.empty()) lines << QString::fromStdString(label.caption);
    return lines.join('\n');
}

void SketchPointer::outline(int row)
{
    if (row == outlined_) return;
    outlined_ = row;
    QList<QRectF> frames;
    if (const auto symbol = symbolBounds(state_, row)) frames << inPixels(surface_, *symbol);
    QRectF group;
    for (const PlacedLabel& label : placed_())
        if (label.row == row) group |= inPixels(surface_, label.rect);
    if (row != 0 && !group.isEmpty()) frames << group;
    outline_->show(frames);
}

void SketchPointer::refresh()
{
    const int row = outlined_;
    outlined_ = -1;
    outline(row);
}

QMenu* SketchPointer::contextMenuAt(QPointF pixels)
{
    const int row = rowAt(pixels);
    if (row != 0) {
        auto* menu = new QMenu(&surface_);
        menu->addAction(QString("Edit Feature %1").arg(row), this, [this, row] { commands_.edit(row); });
        menu->addAction(QString("Remove Feature %1").arg(row), this,
                        [this, row] { commands_.remove(row); });
        return menu;
    }
    const auto location = beamLocationAt(state_, pixels.x() / surface_.pixelsPerTwipX(),
                                         pixels.y() / surface_.pixelsPerTwipY());
    if (!location) return nullptr;
    auto* menu = new QMenu(&surface_);
    for (const auto& [kind, caption] : kAdds)
        menu->addAction(caption, this, [this, kind = kind, at = *location] { commands_.add(kind, at); });
    return menu;
}

bool SketchPointer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &surface_) return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove:
        outline(rowAt(static_cast<QMouseEvent*>(event)->position()));
        break;
    case QEvent::Leave:
        outline(0);
        break;
    case QEvent::ToolTip: {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = featureText(rowAt(help->pos()));
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, &surface_);
        return true;
    }
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) break;
        if (const int row = rowAt(mouse->position())) {
            commands_.edit(row);
            return true;
        }
        break;
    }
    case QEvent::ContextMenu: {
        auto* request = static_cast<QContextMenuEvent*>(event);
        if (QMenu* menu = contextMenuAt(request->pos())) {
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->popup(request->globalPos());
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace spanrix
