#include "ui/area_canvas.h"

#include <QMouseEvent>
#include <QPainter>

#include "runtime/area_at_point.h"

namespace orvel {

AreaCanvas::AreaCanvas(const Template& board, QWidget* parent) : QWidget(parent), board_(board)
{
    setFixedSize(kCanvasPixelsWide, kCanvasPixelsHigh);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void AreaCanvas::set_cover(const QImage& cover)
{
    cover_ = cover;
    update();
}

void AreaCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    // The cover has the root area's size and lies over it.
    if (!cover_.isNull() && board_.area_count >= 1) {
        const Area& root = board_.area(1);
        painter.drawImage(QRect(QPoint(root.Xi, root.Yi), QPoint(root.Xf - 1, root.Yf - 1)).normalized(), cover_);
    }
    for (int i = 1; i <= board_.area_count && i < static_cast<int>(board_.areas.size()); ++i) {
        const Area& a = board_.area(i);
        const QRect r = QRect(QPoint(a.Xi, a.Yi), QPoint(a.Xf, a.Yf)).normalized();
        const bool chosen = i == selected_;
        painter.setPen(QPen(chosen ? QColor(0, 0, 220) : QColor(40, 40, 40), chosen ? 3 : 1));
        painter.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

void AreaCanvas::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    const int found = area_at_point(board_, p.x(), p.y());
    set_selected(found);
    if (area_clicked)
        area_clicked(found);
}

}  // namespace orvel
