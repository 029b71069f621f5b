#include <gtest/gtest.h>

#include <tuple>

#include "support/fake_board.h"
#include "support/fake_windows.h"
#include "runtime/board_geometry.h"
#include "runtime/frame_style.h"
#include "runtime/target_placement.h"

using namespace orvel;
using namespace orvel::testing;

TEST(BoardGeometry, ScaleComesFromTheScreenInTwipsOfTheReferenceScreen)
{
    // {screen, x ratio, y ratio}; no screen information gives the reference scale,
    // never a zero that divides.
    for (auto [screen, x, y, tolerance] : {std::tuple{QSize(1024, 768), 1.6, 1.61, 0.001},
                                           {QSize(640, 477), 1.0, 1.0, 0.0}, {QSize(0, 0), 1.0, 1.0, 0.0}}) {
        const BoardScale s = board_scale(screen);
        EXPECT_DOUBLE_EQ(s.ratio_x, x) << screen.width();
        EXPECT_NEAR(s.ratio_y, y, tolerance) << screen.width();
    }
}

TEST(BoardGeometry, RoundsHalvesToEvenAndRefusesWhatDoesNotFitSixteenBits)
{
    const std::optional<int16_t> none;
    for (auto [value, want] : {std::pair{0.5, std::optional<int16_t>(0)}, {1.5, 2}, {2.5, 2}, {-2.5, -2}, {2.51, 3},
                               {32767.4, 32767}, {32767.5, none}, {-32769.0, none}, {std::nan(""), none}})
        EXPECT_EQ(round_to_int16(value), want) << value;
    EXPECT_EQ(round_clamped_int16(1e9), 32767);
    EXPECT_EQ(round_clamped_int16(-1e9), -32768);
}

TEST(BoardGeometry, FrameFollowsTheAreaRelativeToTheRoot)
{
    const BoardScale s = board_scale(QSize(1024, 768));
    const Area root = root_area(0, 0, 400, 300);
    EXPECT_EQ(frame_rect(rect_area(100, 50, 200, 100), root, s), QRect(160, 81, 160, 81));
    EXPECT_EQ(frame_rect(root, root, s), QRect(0, 0, 640, 483));

    // The root's corner is the board's origin.
    const Area shifted = root_area(40, 20, 600, 400);
    EXPECT_EQ(frame_rect(rect_area(40, 20, 140, 70), shifted, board_scale(QSize(640, 477))),
              QRect(0, 0, 100, 50));

    // Differences or results beyond 16 bits leave the frame where it was.
    EXPECT_FALSE(frame_rect(rect_area(32767, 0, 32767, 10), root_area(-32768, 0, 0, 10), s).has_value());
    EXPECT_FALSE(frame_rect(rect_area(0, 0, 30000, 10), root, s).has_value());
}

TEST(BoardGeometry, BoardWindowLeavesTheTitleBandAboveTheBoard)
{
    const BoardScale ref = board_scale(QSize(640, 477));
    EXPECT_EQ(board_window_rect(root_area(0, 0, 640, 445), ref), QRect(0, 0, 640, 477));
    EXPECT_EQ(board_window_rect(root_area(100, 50, 500, 300), ref), QRect(100, 18, 400, 282));
    // A root at the top still gets the band added to its height.
    EXPECT_EQ(board_window_rect(root_area(0, 0, 200, 100), board_scale(QSize(1280, 954))),
              QRect(0, 0, 400, 264));
}

TEST(BoardGeometry, TargetWindowGoesIntoTheFreeStripBesideTheBoard)
{
    const QSize screen(1280, 954);
    const BoardScale s = board_scale(screen);  // 2 x 2

    // Root starting at x 10 or more: the strip at its left; below it vertically.
    EXPECT_EQ(target_window_rect(root_area(100, 0, 640, 300), s, screen), QRect(0, 666, 198, 294));
    // Root starting at x 0..9: the strip at its right.
    const QRect right = target_window_rect(root_area(9, 0, 400, 300), s, screen);
    EXPECT_EQ(std::pair(right.left(), right.width()), std::pair(798, 482));
    // Root starting at y 10 or more: above it, less the 33-pixel band.
    const QRect above = target_window_rect(root_area(0, 100, 400, 445), s, screen);
    EXPECT_EQ(std::pair(above.top(), above.height()), std::pair(0, 134));
    // A board as wide as the screen leaves no strip: the full width.
    const QRect full_width = target_window_rect(root_area(0, 0, 635, 200), s, screen);
    EXPECT_EQ(std::pair(full_width.left(), full_width.width()), std::pair(0, 1280));
    // Filling the screen both ways: just beyond the bottom-right corner.
    EXPECT_EQ(target_window_rect(root_area(0, 0, 640, 445), s, screen), QRect(1281, 955, 1280, 954));
    // A board starting inside the title band would give no height: one pixel remains.
    EXPECT_EQ(target_window_rect(root_area(0, 20, 400, 300), s, screen).height(), 1);
}

TEST(BoardGeometry, PlacingTheTargetSkipsOwnWindowsAndMakesItTopmost)
{
    Template t;
    add_area(t, root_area(100, 0, 640, 300));
    FakeWindowSystem windows;
    windows.screen = QSize(1280, 954);
    windows.add(7, QStringLiteral("xterm"));
    windows.add(8, QStringLiteral("Orvel - A.ORV"));
    windows.add(9, QStringLiteral("ORVEL notes"));
    const BoardScale s = board_scale(windows.screen);

    EXPECT_TRUE(place_target_window(windows, 7, t, s));
    EXPECT_EQ(windows.find(7)->frame, QRect(0, 666, 198, 294));
    EXPECT_TRUE(windows.topmost_windows.contains(7));

    const QRect before = windows.find(8)->frame;
    EXPECT_FALSE(place_target_window(windows, 8, t, s));
    EXPECT_EQ(windows.find(8)->frame, before);
    EXPECT_FALSE(windows.topmost_windows.contains(8));
    EXPECT_TRUE(place_target_window(windows, 9, t, s));  // the test is exact in case
    EXPECT_FALSE(place_target_window(windows, 0, t, s));
}

TEST(BoardGeometry, BoardPointsBecomeTemplatePoints)
{
    const Area root = root_area(20, 10, 420, 310);
    const BoardScale s = board_scale(QSize(1024, 768));
    EXPECT_EQ(board_to_template(160, 161, root, s), QPoint(120, 110));
    EXPECT_EQ(board_to_template(0, 0, root, s), QPoint(20, 10));
    EXPECT_EQ(board_to_template(0.8, 0, root, s), QPoint(20, 10));  // 20.5 rounds to even
    EXPECT_EQ(board_to_template(1e9, -1e9, root, s), QPoint(32767, -32768));
}

TEST(FrameStyle, WidthBelowOneAndUnusableColoursFallBackToTheDesign)
{
    for (auto [width, want] : {std::pair{0, 8}, {-3, 8}, {1, 1}, {12, 12}})
        EXPECT_EQ(frame_border_width(width), want) << width;
    for (auto [number, want] : {std::pair{255.0, Rgb{255, 0, 0}}, {double(0xFF0000), Rgb{0, 0, 255}},
                                {double(0x123456), Rgb{0x56, 0x34, 0x12}}, {-2147483640.0, Rgb{255, 0, 0}},
                                {std::nan(""), Rgb{255, 0, 0}}})
        EXPECT_EQ(rgb_from_color_number(number), want) << number;
}
