// The highlight frame's four edge widgets: together they cover exactly the
// border band inside the rectangle, also for areas thinner than two borders,
// and a move leaves nothing of the old frame behind.
#include <QImage>
#include <QRegion>
#include <QWidget>
#include <gtest/gtest.h>

#include "support/fake_board.h"
#include "ui/board_widgets.h"

namespace orvel {
namespace {

using testing::ensure_application;

// The region painted by the visible edge widgets of the board.
QRegion painted(const QWidget& board)
{
    QRegion r;
    for (const QWidget* w : board.findChildren<QWidget*>())
        if (w->isVisibleTo(&board))
            r += w->geometry();
    return r;
}

TEST(HighlightFrame, EdgesCoverExactlyTheBorderBandAndFollowMoves)
{
    ensure_application();
    QWidget board;
    board.resize(640, 480);
    HighlightFrame frame(&board);
    frame.set_style(8, Qt::red);
    EXPECT_TRUE(painted(board).isEmpty());

    const auto band = [](QRect r, int w) { return QRegion(r) - QRegion(r.adjusted(w, w, -w, -w)); };
    // Shown, then moved (the old place keeps nothing), then thinner than two borders
    // (the frame fills the area without spilling out).
    const QRect area(100, 50, 160, 81);
    for (QRect r : {area, QRect(300, 200, 40, 30), QRect(10, 10, 6, 100)}) {
        frame.show_at(r);
        EXPECT_EQ(painted(board), band(r, 8)) << r.x() << "," << r.y();
        EXPECT_EQ(painted(board).boundingRect(), r);
    }

    // A new width applies to the frame where it stands.
    frame.show_at(area);
    frame.set_style(2, Qt::blue);
    EXPECT_EQ(painted(board), band(area, 2));

    frame.hide();
    EXPECT_TRUE(painted(board).isEmpty());
    EXPECT_FALSE(frame.is_visible());
}

// The contrasting outline lies just inside the border, in black on a light frame
// and white on a dark one; a dwell's filling rises from the bottom.
TEST(HighlightFrame, ContrastOutlineAndDwellFilling)
{
    ensure_application();
    QWidget board;
    board.resize(400, 300);
    board.setAutoFillBackground(true);
    QPalette palette = board.palette();
    palette.setColor(QPalette::Window, Qt::gray);
    board.setPalette(palette);
    HighlightFrame frame(&board);
    const QRect area(100, 50, 160, 100);
    for (const auto& [frame_colour, outline] : {std::pair{QColor(Qt::darkBlue), QColor(Qt::white)},
                                                 std::pair{QColor(Qt::yellow), QColor(Qt::black)}}) {
        frame.set_style(8, frame_colour);
        frame.show_at(area);
        frame.set_contrast(true);
        QImage shot = board.grab().toImage();
        EXPECT_EQ(QColor(shot.pixel(area.x() + 3, area.center().y())), frame_colour);
        EXPECT_EQ(QColor(shot.pixel(area.x() + 8, area.center().y())), outline);
        EXPECT_EQ(QColor(shot.pixel(area.x() + 9, area.center().y())), outline);
        EXPECT_EQ(QColor(shot.pixel(area.x() + 10, area.center().y())), QColor(Qt::gray));
        frame.set_contrast(false);
        shot = board.grab().toImage();
        EXPECT_EQ(QColor(shot.pixel(area.x() + 8, area.center().y())), QColor(Qt::gray));
    }
    frame.set_progress(0.5);
    const QImage half = board.grab().toImage();
    const QPoint low(area.center().x(), area.bottom() - 20), high(area.center().x(), area.top() + 20);
    EXPECT_NE(QColor(half.pixel(low)), QColor(Qt::gray));
    EXPECT_EQ(QColor(half.pixel(high)), QColor(Qt::gray));
    frame.set_progress(0);
    EXPECT_EQ(QColor(board.grab().toImage().pixel(low)), QColor(Qt::gray));
}

}  // namespace
}  // namespace orvel
