// The highlight frame's four edge widgets: together they cover exactly the
// border band inside the rectangle, also for areas thinner than two borders,
// and a move leaves nothing of the old frame behind.
#include <QApplication>
#include <QRegion>
#include <QWidget>
#include <gtest/gtest.h>

#include "runtime/board_widgets.h"

namespace orvel {
namespace {

void ensure_application()
{
    static int argc = 1;
    static char name[] = "test_runtime";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance())
        new QApplication(argc, argv);
}

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

    const QRect area(100, 50, 160, 81);
    frame.show_at(area);
    EXPECT_EQ(painted(board), QRegion(area) - QRegion(area.adjusted(8, 8, -8, -8)));
    EXPECT_EQ(painted(board).boundingRect(), area);

    // Moved: the old place keeps nothing.
    const QRect next(300, 200, 40, 30);
    frame.show_at(next);
    EXPECT_EQ(painted(board), QRegion(next) - QRegion(next.adjusted(8, 8, -8, -8)));

    // Thinner than two borders: the frame fills the area without spilling out.
    const QRect thin(10, 10, 6, 100);
    frame.show_at(thin);
    EXPECT_EQ(painted(board).boundingRect(), thin);
    EXPECT_EQ(painted(board), QRegion(thin));

    // A new width applies to the frame where it stands.
    frame.show_at(area);
    frame.set_style(2, Qt::blue);
    EXPECT_EQ(painted(board), QRegion(area) - QRegion(area.adjusted(2, 2, -2, -2)));

    frame.hide();
    EXPECT_TRUE(painted(board).isEmpty());
    EXPECT_FALSE(frame.is_visible());
}

}  // namespace
}  // namespace orvel
