#include <gtest/gtest.h>

#include <tuple>

#include "support/fake_board.h"
#include "runtime/area_at_point.h"
#include "runtime/cursor_probe.h"

using namespace orvel;
using namespace orvel::testing;

namespace {

Template board(std::initializer_list<Area> areas)
{
    Template t;
    for (const Area& a : areas)
        add_area(t, a);
    return t;
}

int probe_area(const Template& t, int cursor, int key)
{
    const auto r = probe_neighbour(t, cursor, key);
    return r ? r->area : -1;
}

}  // namespace

TEST(AreaAtPoint, HighestNumberedAreaWithEdgesIncludedAndRectanglesNormalised)
{
    const Template t = board({root_area(0, 0, 300, 200), rect_area(10, 10, 100, 100), rect_area(50, 50, 150, 150),
                              rect_area(250, 190, 200, 120)});  // area 4 stored reversed
    // {x, y, area}: edges belong to the area, overlaps go to the later one.
    for (auto [x, y, want] : {std::tuple{5, 5, 1}, {10, 10, 2}, {100, 100, 3}, {150, 150, 3}, {151, 150, 1},
                              {220, 150, 4}, {300, 200, 1}, {301, 200, 0}, {-1, 0, 0}})
        EXPECT_EQ(area_at_point(t, x, y), want) << x << "," << y;
    EXPECT_EQ(area_at_point(Template{}, 0, 0), 0);
}

TEST(CursorProbe, CrossesGapsStopsAtEdgesAndPrefersLaterAreas)
{
    // Two areas with a gap; the right one spans the left one's centre line.
    const Template gap = board({root_area(0, 0, 400, 200), rect_area(10, 40, 60, 80), rect_area(120, 0, 200, 150)});
    // A group whose members leave a margin: the margin belongs to the group.
    Area group = rect_area(100, 100, 300, 200);
    group.is_group = -1;
    const Template grouped = board({root_area(0, 0, 400, 300), group, rect_area(110, 110, 200, 190, 2),
                                    rect_area(200, 110, 290, 190, 2)});
    // Overlaps: the first covered point's highest-numbered area.
    const Template overlap = board({root_area(0, 0, 400, 200), rect_area(0, 0, 50, 50), rect_area(100, 0, 200, 50),
                                    rect_area(150, 0, 250, 50)});
    const Template wide = board({root_area(-32768, 0, 32767, 100), rect_area(32000, 10, 32767, 20)});
    // {board, from, key, found}; 0 is the board's end, -1 a key that does not probe.
    for (auto [t, from, key, want] : {std::tuple{&gap, 2, int(kKeyRight), 3}, {&gap, 3, kKeyLeft, 2},
                                      {&gap, 2, kKeyUp, 0},  // only the root lies above
                                      {&grouped, 4, kKeyRight, 2}, {&grouped, 3, kKeyRight, 4}, {&grouped, 3, kKeyUp, 2},
                                      {&overlap, 2, kKeyRight, 3},
                                      {&overlap, 4, kKeyLeft, 3},  // starts inside 3, which is not the root
                                      {&overlap, 3, kKeyRight, 4}, {&wide, 2, kKeyRight, 0}, {&wide, 2, kKeyUp, 0},
                                      {&gap, 2, 65, -1}, {&gap, 2, kKeyEnter, -1}})
        EXPECT_EQ(probe_area(*t, from, key), want) << "from " << from << " key " << key;
    // The board's end still reports where the walk stopped.
    const auto edge = probe_neighbour(gap, 3, kKeyDown);
    ASSERT_TRUE(edge);
    EXPECT_EQ(edge->area, 0);
    EXPECT_EQ(edge->point, QPoint(160, 201));
}

TEST(KeyboardCursors, ArrowsMoveTheHighlightAndEnterMarksIt)
{
    RunFixture f;
    f.add({root_area(0, 0, 400, 200), rect_area(10, 40, 60, 80), rect_area(120, 0, 200, 150),
           rect_area(300, 0, 400, 200)});  // the last at the root's right edge
    f.use(3);
    f.run.start_access_method();
    EXPECT_EQ(f.state.cursor, 4);  // the last area starts highlighted
    EXPECT_TRUE(f.board.frame_visible);

    // {key, cursor after}: nothing beyond the edge, then leftwards.
    for (auto [key, want] : {std::pair{kKeyRight, 4}, {kKeyLeft, 3}, {kKeyLeft, 2}}) {
        f.run.Tauvirt_KeyDown(key);
        EXPECT_EQ(f.state.cursor, want) << key;
    }
    EXPECT_EQ(f.state.click_x, 60);  // where the walk met area 2
    EXPECT_EQ(f.state.click_y, 75);

    // Enter runs the selection at once: a move right after it cannot cancel it.
    f.run.Tauvirt_KeyDown(kKeyEnter);
    EXPECT_EQ(f.executed, std::vector<int>{2});
    EXPECT_EQ(f.state.run_current_area, -1);
    f.run.Tauvirt_KeyDown(kKeyRight);
    f.run.Tauvirt_KeyDown(kKeyEnter);
    f.run.Timer1_Timer();
    EXPECT_EQ(f.executed, (std::vector<int>{2, 3}));
    // Shift and other keys change nothing.
    f.run.Tauvirt_KeyDown(16);
    EXPECT_EQ(f.state.cursor, 3);
}

TEST(KeyboardCursors, StartWithNothingHighlightedOnASingleAreaAndOutsideCursorModes)
{
    RunFixture f;
    f.add({root_area()});
    f.use(3);
    f.run.start_access_method();
    EXPECT_EQ(f.state.cursor, 0);
    EXPECT_FALSE(f.board.frame_visible);
    // Enter with nothing highlighted marks the blank record 0.
    f.run.Tauvirt_KeyDown(kKeyEnter);
    EXPECT_EQ(f.executed, std::vector<int>{0});
    EXPECT_EQ(f.board.log.filter("beep").size(), 1);
    // The first arrow highlights the last area, whatever it finds.
    f.run.Tauvirt_KeyDown(kKeyUp);
    EXPECT_EQ(f.state.cursor, 1);
    EXPECT_TRUE(f.board.frame_visible);

    RunFixture scanning;
    scanning.add({root_area(), rect_area(0, 0, 10, 10)});
    scanning.use(1);
    scanning.run.Tauvirt_KeyDown(kKeyRight);
    scanning.run.Tauvirt_KeyDown(kKeyEnter);
    EXPECT_EQ(scanning.state.cursor, 0);
    EXPECT_EQ(scanning.state.run_current_area, -1);

    // Mouse as joystick: the step timer follows the delay, and a click selects.
    RunFixture joystick;
    joystick.add({root_area(), rect_area(0, 0, 10, 10), rect_area(20, 0, 30, 10)});
    joystick.use(8);
    joystick.state.profile.joystic_retard = 3;
    joystick.run.start_access_method();
    EXPECT_EQ(joystick.timers.step_interval, 300);
    EXPECT_TRUE(joystick.timers.step);
    joystick.run.Tauvirt_Click();
    EXPECT_EQ(joystick.executed, std::vector<int>{3});
}

TEST(MouseSelection, APressSelectsTheAreaUnderThePointerInTemplatePixels)
{
    RunFixture f;
    f.add({root_area(20, 10, 420, 310), rect_area(100, 100, 200, 200), rect_area(150, 150, 250, 250)});
    f.run.Form_Activate(QSize(1280, 954));  // twice the reference screen
    f.use(0);
    f.run.start_access_method();
    EXPECT_EQ(f.board.focus_requests, 0);

    // Board (260, 280) is template (130 + 20, 140 + 10): inside area 2 and area 3.
    f.run.Tauvirt_MouseDown(kLeftButton, 260, 280);
    EXPECT_EQ(QPoint(f.state.click_x, f.state.click_y), QPoint(150, 150));
    EXPECT_EQ(f.state.run_current_area, 3);
    EXPECT_EQ(f.board.pointer, PointerShape::Hourglass);
    f.run.Timer1_Timer();
    EXPECT_EQ(f.executed, std::vector<int>{3});
    EXPECT_EQ(f.board.pointer, PointerShape::Default);

    // Where only the root lies, the root is selected; any button selects.
    f.run.Tauvirt_MouseDown(kRightButton, 5, 5);
    EXPECT_EQ(f.state.run_current_area, 1);
    // Mouse movements are no switch events in mouse mode.
    f.run.Tauvirt_MouseMove(50, 50);
    EXPECT_TRUE(f.state.mouse_gesture.isEmpty());
}
