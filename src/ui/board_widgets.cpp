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

namespace {

QWidget* frame_piece(QWidget* parent)
{
    auto* piece = new QWidget(parent);
    piece->setAttribute(Qt::WA_TransparentForMouseEvents);
    piece->setAutoFillBackground(true);
    piece->hide();
    return piece;
}

void paint_piece(QWidget* piece, const QColor& color)
{
    QPalette p = piece->palette();
    p.setColor(QPalette::Window, color);
    piece->setPalette(p);
}

// Black on a light frame colour, white on a dark one.
QColor contrasting(const QColor& c)
{
    const int luminance = (299 * c.red() + 587 * c.green() + 114 * c.blue()) / 1000;
    return luminance >= 128 ? Qt::black : Qt::white;
}

constexpr int kOutlineWidth = 2;

}  // namespace

HighlightFrame::HighlightFrame(QWidget* parent)
{
    fill_ = frame_piece(parent);
    for (QWidget*& edge : edges_)
        edge = frame_piece(parent);
    for (QWidget*& line : outline_)
        line = frame_piece(parent);
    set_style(width_, color_);
}

void HighlightFrame::set_contrast(bool contrast)
{
    contrast_ = contrast;
    if (visible_)
        place();
}

void HighlightFrame::set_progress(double fraction)
{
    progress_ = std::clamp(fraction, 0.0, 1.0);
    if (visible_)
        place_progress();
}

void HighlightFrame::set_style(int border_width, const QColor& color)
{
    width_ = border_width < 1 ? 1 : border_width;
    color_ = color;
    for (QWidget* edge : edges_)
        paint_piece(edge, color_);
    for (QWidget* line : outline_)
        paint_piece(line, contrasting(color_));
    QColor half = color_;
    half.setAlpha(110);  // the cover stays readable under the filling
    paint_piece(fill_, half);
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
    for (QWidget* line : outline_)
        line->hide();
    fill_->hide();
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
    place_outline();
    place_progress();
}

void HighlightFrame::place_outline()
{
    if (!contrast_) {
        for (QWidget* line : outline_)
            line->hide();
        return;
    }
    const QRect& r = rect_;
    const int wx = std::min(width_, std::max(1, (r.width() + 1) / 2));
    const int wy = std::min(width_, std::max(1, (r.height() + 1) / 2));
    // Along the inside of the border; nothing where the border fills the area.
    const QRect inner = r.adjusted(wx, wy, -wx, -wy);
    const int t = kOutlineWidth;
    if (inner.width() < 1 || inner.height() < 1) {
        for (QWidget* line : outline_)
            line->hide();
        return;
    }
    outline_[0]->setGeometry(inner.x(), inner.y(), inner.width(), std::min(t, inner.height()));
    outline_[1]->setGeometry(inner.x(), std::max(inner.y(), inner.bottom() - t + 1), inner.width(),
                             std::min(t, inner.height()));
    outline_[2]->setGeometry(inner.x(), inner.y(), std::min(t, inner.width()), inner.height());
    outline_[3]->setGeometry(std::max(inner.x(), inner.right() - t + 1), inner.y(), std::min(t, inner.width()),
                             inner.height());
    for (QWidget* line : outline_) {
        line->raise();
        line->show();
    }
}

void HighlightFrame::place_progress()
{
    const QRect& r = rect_;
    const int filled = static_cast<int>(r.height() * progress_);
    if (filled < 1) {
        fill_->hide();
        return;
    }
    fill_->setGeometry(r.x(), r.y() + r.height() - filled, r.width(), filled);
    fill_->raise();
    fill_->show();
    for (QWidget* edge : edges_)
        edge->raise();
    if (contrast_)
        for (QWidget* line : outline_)
            line->raise();
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
    if (!event->isAutoRepeat()) {
        held_keys_.remove(event->nativeScanCode());
        if (switch_up)
            switch_up(static_cast<int>(event->nativeScanCode()));
    }
    event->accept();
}

void BoardSurface::focusOutEvent(QFocusEvent* event)
{
    // A release elsewhere never comes here: the keys count as let go.
    if (switch_up)
        for (quint32 code : std::as_const(held_keys_))
            switch_up(static_cast<int>(code));
    held_keys_.clear();
    QWidget::focusOutEvent(event);
}

void BoardSurface::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    if (!event->isAutoRepeat())
        held_keys_.insert(event->nativeScanCode());
    if (waiting_)
        return;
    if (switch_down)
        switch_down(static_cast<int>(event->nativeScanCode()), event->isAutoRepeat());
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
    if (switch_down)
        switch_down(kButtonSwitchId + board_button(event->button()), false);
    if (mouse_down)
        mouse_down(board_button(event->button()), event->position().x(), event->position().y());
}

void BoardSurface::mouseReleaseEvent(QMouseEvent* event)
{
    const bool is_click = event->button() == pressed_ && rect().contains(event->position().toPoint());
    pressed_ = Qt::NoButton;
    if (switch_up)
        switch_up(kButtonSwitchId + board_button(event->button()));
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
