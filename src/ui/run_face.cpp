#include "ui/run_face.h"

#include <algorithm>

#include <QApplication>
#include <QVBoxLayout>
#include <cmath>

#include "exec/executor.h"
#include "runtime/frame_style.h"
#include "runtime/run_controller.h"
#include "ui/board_widgets.h"

namespace orvel {

RunFace::RunFace(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture3"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Tauvirt_ = new BoardSurface;
    Tauvirt_->setObjectName(QStringLiteral("Tauvirt"));
    layout->addWidget(Tauvirt_);
    lamvirt_ = new CoverImage(Tauvirt_);
    lamvirt_->setObjectName(QStringLiteral("lamvirt"));
    marc_ = std::make_unique<HighlightFrame>(Tauvirt_);
    const Rgb design = rgb_from_color_number(kDesignFrameColor);
    marc_->set_style(kDesignFrameWidth, QColor(design.red, design.green, design.blue));
}

RunFace::~RunFace() = default;

void RunFace::attach(RunController& run)
{
    Tauvirt_->key_down = [&run](int code) { run.Tauvirt_KeyDown(code); };
    Tauvirt_->key_press = [&run](QChar c) { run.Tauvirt_KeyPress(c); };
    Tauvirt_->mouse_down = [&run](int button, double x, double y) { run.Tauvirt_MouseDown(button, x, y); };
    Tauvirt_->mouse_move = [&run](double x, double y) { run.Tauvirt_MouseMove(x, y); };
    Tauvirt_->click = [&run] { run.Tauvirt_Click(); };
    Tauvirt_->double_click = [&run] { run.Tauvirt_DblClick(); };
    Tauvirt_->switch_down = [&run](int id, bool repeat) { run.Tauvirt_SwitchDown(id, repeat); };
    Tauvirt_->switch_up = [&run](int id) { run.Tauvirt_SwitchUp(id); };
}

void RunFace::set_cover(const QImage& cover)
{
    lamvirt_->set_picture(cover);
}

QSize RunFace::lay_out(const Template& t, const BoardScale& scale, const QSize& limit)
{
    const Area& root = t.area(1);
    // The board itself gets exactly the root area's size on the screen, so the
    // stretched cover and the frame's board coordinates coincide. A root area
    // larger than the screen is cut at its edge: what lies beyond cannot be
    // reached anyway, and a board tens of thousands of pixels wide would take
    // gigabytes to draw.
    const QSize board(std::clamp(static_cast<int>(std::lround((root.Xf - root.Xi) * scale.ratio_x)), 1,
                                 std::max(1, limit.width())),
                      std::clamp(static_cast<int>(std::lround((root.Yf - root.Yi) * scale.ratio_y)), 1,
                                 std::max(1, limit.height())));
    show();
    lamvirt_->setGeometry(0, 0, board.width(), board.height());
    std::vector<CoverImage::Outline> outlines;
    for (int i = 2; i <= t.area_count && i < static_cast<int>(t.areas.size()); ++i) {
        const Area& a = t.area(i);
        if (const auto r = frame_rect(a, root, scale)) {
            QString label = printable_text(a.keys).trimmed();
            if (label.isEmpty() && !a.sound_file.contains(QLatin1String(".WAV"), Qt::CaseInsensitive))
                label = a.sound_file;
            outlines.push_back({*r, label, a.is_group != 0});
        }
    }
    lamvirt_->set_outlines(std::move(outlines));
    Tauvirt_->setFixedSize(board);
    return board;
}

void RunFace::refresh_frame()
{
    if (marc_->is_visible())
        marc_->show_at(marc_->rect());
}

void RunFace::release_size()
{
    Tauvirt_->setMinimumSize(0, 0);
    Tauvirt_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void RunFace::show_frame(const QRect& board_rect)
{
    marc_->show_at(board_rect);
}

void RunFace::hide_frame()
{
    marc_->hide();
}

void RunFace::set_frame_style(int border_width, double color)
{
    const Rgb rgb = rgb_from_color_number(color);
    marc_->set_style(border_width, QColor(rgb.red, rgb.green, rgb.blue));
}

void RunFace::set_frame_contrast(bool contrast)
{
    marc_->set_contrast(contrast);
}

void RunFace::set_frame_progress(double fraction)
{
    marc_->set_progress(fraction);
}

void RunFace::focus_board()
{
    QWidget* w = window();
    if (!active_ || !w->isVisible())
        return;
    if (!w->isActiveWindow())
        w->activateWindow();
    if (!Tauvirt_->hasFocus())
        Tauvirt_->setFocus(Qt::OtherFocusReason);
}

void RunFace::set_pointer(PointerShape shape)
{
    QWidget* w = window();
    switch (shape) {
    case PointerShape::Hourglass: w->setCursor(Qt::WaitCursor); break;
    case PointerShape::Icon: w->setCursor(Qt::PointingHandCursor); break;
    case PointerShape::Default: w->unsetCursor(); break;
    }
}

void RunFace::beep()
{
    QApplication::beep();
}

}  // namespace orvel
