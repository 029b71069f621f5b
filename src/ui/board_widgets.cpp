#include "ui/board_widgets.h"

#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>
#include <QMouseEvent>
#include <QPainter>

#include "runtime/cursor_probe.h"
#include "runtime/run_controller.h"

namespace orvel {

CoverImage::CoverImage(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CoverImage::set_picture(const QImage& picture)
{
    picture_ = picture;
    scaled_ = QPixmap();
    update();
}

void CoverImage::set_outlines(std::vector<Outline> outlines)
{
    outlines_ = std::move(outlines);
    update();
}

void CoverImage::resizeEvent(QResizeEvent*)
{
    scaled_ = QPixmap();
}

void CoverImage::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (!picture_.isNull()) {
        if (scaled_.size() != size())
            scaled_ = QPixmap::fromImage(
                picture_.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        painter.drawPixmap(event->rect(), scaled_, event->rect());
        return;
    }
    painter.fillRect(event->rect(), QColor(0xf4, 0xf4, 0xec));
    for (const Outline& o : outlines_) {
        if (!o.rect.intersects(event->rect()))
            continue;
        painter.setPen(QPen(QColor(0x50, 0x50, 0x50), 1));
        painter.drawRect(o.rect.adjusted(0, 0, -1, -1));
        if (!o.label.isEmpty()) {
            painter.setPen(QColor(0x20, 0x20, 0x20));
            const int align = o.group ? Qt::AlignTop | Qt::AlignHCenter : Qt::AlignCenter;
            painter.drawText(o.rect.adjusted(4, 2, -4, -4), align | Qt::TextWordWrap, o.label);
        }
    }
}

HighlightFrame::HighlightFrame(QWidget* parent)
{
    for (QWidget*& edge : edges_) {
        edge = new QWidget(parent);
        edge->setAttribute(Qt::WA_TransparentForMouseEvents);
        edge->setAutoFillBackground(true);
        edge->hide();
    }
    set_style(width_, color_);
}

void HighlightFrame::set_style(int border_width, const QColor& color)
{
    width_ = border_width < 1 ? 1 : border_width;
    color_ = color;
    for (QWidget* edge : edges_) {
        QPalette p = edge->palette();
        p.setColor(QPalette::Window, color_);
        edge->setPalette(p);
    }
    if (visible_)
        place();
}

void HighlightFrame::show_at(const QRect& rect)
{
    rect_ = rect;
    visible_ = true;
    place();
}

void HighlightFrame::hide()
{
    visible_ = false;
    for (QWidget* edge : edges_)
        edge->hide();
}

void HighlightFrame::place()
{
    const QRect& r = rect_;
    // A frame thicker than half the area fills it rather than overlapping itself.
    const int wx = std::min(width_, std::max(1, (r.width() + 1) / 2));
    const int wy = std::min(width_, std::max(1, (r.height() + 1) / 2));
    edges_[0]->setGeometry(r.x(), r.y(), r.width(), wy);                             // top
    edges_[1]->setGeometry(r.x(), r.bottom() - wy + 1, r.width(), wy);              // bottom
    edges_[2]->setGeometry(r.x(), r.y() + wy, wx, std::max(0, r.height() - 2 * wy)); // left
    edges_[3]->setGeometry(r.right() - wx + 1, r.y() + wy, wx, std::max(0, r.height() - 2 * wy));
    for (QWidget* edge : edges_) {
        edge->raise();
        edge->show();
    }
}

BoardSurface::BoardSurface(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
}

int BoardSurface::key_code_for(int qt_key)
{
    switch (qt_key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return kKeyEnter;
    case Qt::Key_Left: return kKeyLeft;
    case Qt::Key_Up: return kKeyUp;
    case Qt::Key_Right: return kKeyRight;
    case Qt::Key_Down: return kKeyDown;
    default: return 0;
    }
}

void BoardSurface::wait_for_key_release(int max_ms)
{
    if (held_keys_.isEmpty() || waiting_)
        return;
    waiting_ = true;
    QEventLoop loop;
    QTimer::singleShot(max_ms, &loop, &QEventLoop::quit);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (held_keys_.isEmpty())
            loop.quit();
    });
    poll.start(5);
    loop.exec();
    waiting_ = false;
    held_keys_.clear();
}

void BoardSurface::keyReleaseEvent(QKeyEvent* event)
{
    if (!event->isAutoRepeat())
        held_keys_.remove(event->nativeScanCode());
    event->accept();
}

void BoardSurface::focusOutEvent(QFocusEvent* event)
{
    held_keys_.clear();  // a release elsewhere never comes here
    QWidget::focusOutEvent(event);
}

void BoardSurface::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    if (!event->isAutoRepeat())
        held_keys_.insert(event->nativeScanCode());
    if (waiting_)
        return;
    const int code = key_code_for(event->key());
    if (code && key_down)
        key_down(code);
    const QString text = event->text();
    if (!text.isEmpty() && key_press)
        key_press(text.at(0));
}

static int board_button(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return kLeftButton;
    case Qt::RightButton: return kRightButton;
    case Qt::MiddleButton: return kMiddleButton;
    default: return 0;
    }
}

void BoardSurface::mousePressEvent(QMouseEvent* event)
{
    if (waiting_)
        return;
    pressed_ = event->button();
    if (mouse_down)
        mouse_down(board_button(event->button()), event->position().x(), event->position().y());
}

void BoardSurface::mouseReleaseEvent(QMouseEvent* event)
{
    const bool is_click = event->button() == pressed_ && rect().contains(event->position().toPoint());
    pressed_ = Qt::NoButton;
    if (is_click && click)
        click();
}

// The second press of a double click is the double click itself, not a press.
void BoardSurface::mouseDoubleClickEvent(QMouseEvent* event)
{
    pressed_ = Qt::NoButton;
    event->accept();
    if (double_click)
        double_click();
}

void BoardSurface::mouseMoveEvent(QMouseEvent* event)
{
    if (mouse_move)
        mouse_move(event->position().x(), event->position().y());
}

// Tab is a key for the board like any other, not a move to another control.
bool BoardSurface::focusNextPrevChild(bool)
{
    return false;
}

}  // namespace orvel
