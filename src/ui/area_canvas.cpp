#include "ui/area_canvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace orvel {

namespace {
QRect outline(const Area& a)
{
    return QRect(QPoint(a.Xi, a.Yi), QPoint(a.Xf, a.Yf)).normalized().adjusted(0, 0, -1, -1);
}
}  // namespace

AreaCanvas::AreaCanvas(const Template& board, QWidget* parent) : QWidget(parent), board_(board)
{
    setFixedSize(kCanvasPixelsWide, kCanvasPixelsHigh);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    setAccessibleName(QStringLiteral("TSArea"));
}

void AreaCanvas::set_cover(const QImage& cover)
{
    cover_ = cover;
    board_changed();
}

void AreaCanvas::set_cover_visible(bool visible)
{
    cover_visible_ = visible;
    board_changed();
}

void AreaCanvas::set_selected(int area)
{
    selected_ = area;
    board_changed();
}

void AreaCanvas::board_changed()
{
    layer_stale_ = true;
    update();
}

void AreaCanvas::band_changed(const QRect& before)
{
    // The dotted band is one pixel wide: repaint its old and new edges only.
    auto edges = [](const QRect& r) {
        QRegion region;
        const QRect g = r.adjusted(-1, -1, 1, 1);
        region += QRect(g.left(), g.top(), g.width(), 3);
        region += QRect(g.left(), g.bottom() - 2, g.width(), 3);
        region += QRect(g.left(), g.top(), 3, g.height());
        region += QRect(g.right() - 2, g.top(), 3, g.height());
        return region;
    };
    QRegion dirty = edges(before);
    if (band_)
        dirty += edges(band_->rect());
    update(dirty);
}

void AreaCanvas::paint_layer()
{
    const qreal ratio = devicePixelRatioF();
    if (layer_.size() != size() * ratio) {
        layer_ = QPixmap(size() * ratio);
        layer_.setDevicePixelRatio(ratio);
    }
    layer_.fill(Qt::white);
    QPainter painter(&layer_);
    const int count = std::min<int>(board_.area_count, static_cast<int>(board_.areas.size()) - 1);
    // The cover has the root area's size and lies over it.
    if (cover_visible_ && !cover_.isNull() && count >= 1) {
        const Area& root = board_.area(1);
        painter.drawImage(QRect(QPoint(root.Xi, root.Yi), QPoint(root.Xf - 1, root.Yf - 1)).normalized(), cover_);
    }
    if (area_tints) {
        const std::vector<QColor> tints = area_tints();
        for (int i = 1; i <= count && i < static_cast<int>(tints.size()); ++i)
            if (tints[static_cast<size_t>(i)].isValid())
                painter.fillRect(outline(board_.area(i)), tints[static_cast<size_t>(i)]);
    }
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    painter.setBrush(Qt::NoBrush);
    for (int i = 1; i <= count; ++i)
        if (i != selected_)
            painter.drawRect(outline(board_.area(i)));
    if (selected_ >= 1 && selected_ <= count) {
        painter.setPen(QPen(QColor(0, 0, 200), 2));
        painter.setBrush(QBrush(QColor(0, 0, 200, 110), Qt::DiagCrossPattern));
        painter.drawRect(outline(board_.area(selected_)));
    }
    layer_stale_ = false;
}

void AreaCanvas::paintEvent(QPaintEvent* event)
{
    if (layer_stale_)
        paint_layer();
    QPainter painter(this);
    painter.drawPixmap(event->rect(), layer_, QRectF(QPointF(event->rect().topLeft()) * layer_.devicePixelRatio(),
                                                     QSizeF(event->rect().size()) * layer_.devicePixelRatio()));
    if (band_ && band_->dragging) {
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(band_->rect());
    }
}

void AreaCanvas::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (mouse_down)
        mouse_down(event->button(), event->modifiers(), p.x(), p.y());
}

void AreaCanvas::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (mouse_move)
        mouse_move(p.x(), p.y());
}

void AreaCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (mouse_up)
        mouse_up(p.x(), p.y());
}

void AreaCanvas::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete && delete_pressed) {
        delete_pressed();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace orvel
