// The canvas rules without a display: the rubber band, the root band's fixed
// edges, the edge scrollbars, the join, stepping and deleting.
#include <gtest/gtest.h>

#include "editor/area_editing.h"
#include "support/fake_board.h"

namespace orvel {
namespace {

using testing::rect_area;
using testing::root_area;

Template board_of(std::initializer_list<Area> areas, int current = 0)
{
    Template t;
    for (const Area& a : areas)
        add_area(t, a);
    t.current_area = static_cast<int16_t>(current);
    t.modified = 0;
    return t;
}

QRect rect_of(const Area& a)
{
    return QRect(QPoint(a.Xi, a.Yi), QPoint(a.Xf, a.Yf));
}

TEST(TrackNewArea, TheFirstAreaSnapsToACornerAndBecomesABandAcrossTheCanvas)
{
    struct Case {
        QPoint down, up;
        QPoint start;  // after snapping
        QRect area;    // Xi, Yi - Xf, Yf
    };
    const Case cases[] = {
        {{500, 100}, {100, 150}, {640, 0}, QRect(QPoint(0, 0), QPoint(640, 150))},      // mostly across: full width
        {{320, 300}, {380, 100}, {0, 445}, QRect(QPoint(0, 0), QPoint(380, 445))},      // x = 320 snaps to 0; mostly down
        {{10, 10}, {200, 440}, {0, 0}, QRect(QPoint(0, 0), QPoint(200, 445))},
        {{600, 400}, {300, 300}, {640, 445}, QRect(QPoint(0, 300), QPoint(640, 445))},
    };
    for (const Case& c : cases) {
        Template t;
        RubberBand band;
        band.drawing = true;
        EXPECT_EQ(track_new_area(t, band, c.down.x(), c.down.y(), TrackPhase::Down), TrackResult::Changed);
        EXPECT_EQ(band.start, c.start) << c.down.x();
        EXPECT_EQ(track_new_area(t, band, c.up.x(), c.up.y(), TrackPhase::Move), TrackResult::Changed);
        ASSERT_EQ(track_new_area(t, band, c.up.x(), c.up.y(), TrackPhase::Up), TrackResult::Appended);
        ASSERT_EQ(t.area_count, 1);
        EXPECT_EQ(rect_of(t.area(1)), c.area) << c.down.x() << "," << c.down.y();
        EXPECT_EQ(t.area(1).parent, 0);
        EXPECT_FALSE(band.drawing);
        EXPECT_EQ(t.modified, -1);
    }
}

TEST(TrackNewArea, LaterAreasStayInsideTheRootAndAreClippedToTheCurrentArea)
{
    Template t = board_of({root_area(0, 0, 400, 300), rect_area(100, 100, 200, 200)}, 2);
    RubberBand band;
    band.drawing = true;
    // Outside the root every event is ignored, the button coming up too: the drag stays open.
    EXPECT_EQ(track_new_area(t, band, 450, 50, TrackPhase::Down), TrackResult::Ignored);
    EXPECT_EQ(track_new_area(t, band, 0, 50, TrackPhase::Down), TrackResult::Ignored);  // on the edge is outside
    EXPECT_EQ(track_new_area(t, band, 150, 150, TrackPhase::Down), TrackResult::Changed);
    EXPECT_EQ(track_new_area(t, band, 390, 350, TrackPhase::Up), TrackResult::Ignored);
    EXPECT_TRUE(band.dragging);
    // A line makes nothing and drawing stays on.
    EXPECT_EQ(track_new_area(t, band, 150, 250, TrackPhase::Up), TrackResult::Nothing);
    EXPECT_TRUE(band.drawing);
    EXPECT_EQ(t.area_count, 2);
    // Partly outside area 2: clipped to it, with area 2 as parent.
    track_new_area(t, band, 150, 150, TrackPhase::Down);
    ASSERT_EQ(track_new_area(t, band, 250, 120, TrackPhase::Up), TrackResult::Appended);
    ASSERT_EQ(t.area_count, 3);
    EXPECT_EQ(rect_of(t.area(3)), QRect(QPoint(150, 120), QPoint(200, 150)));
    EXPECT_EQ(t.area(3).parent, 2);
}

TEST(RootAreaSide, NamesTheCanvasEdgeTheRootBandLiesAlongAndScrollbarsFollowIt)
{
    struct Case {
        Area root;
        const char* side;
        bool xi, xf, yi, yf;  // which root edge a scrollbar may move
    };
    const Case cases[] = {
        {root_area(300, 0, 640, 445), "D", true, false, false, false},
        {root_area(0, 0, 300, 445), "E", false, true, false, false},
        {root_area(0, 0, 640, 200), "A", false, false, false, true},
        {root_area(0, 200, 640, 445), "B", false, false, true, false},
        {root_area(0, 0, 640, 445), "", false, false, false, false},
        {root_area(10, 10, 300, 300), "", false, false, false, false},
    };
    for (const Case& c : cases) {
        Template t = board_of({c.root}, 1);
        EXPECT_EQ(root_area_side(t), QString::fromLatin1(c.side)) << c.side;
        EXPECT_EQ(edge_change_accepted(t, Edge::Xi, 5), c.xi) << c.side;
        EXPECT_EQ(edge_change_accepted(t, Edge::Xf, 5), c.xf) << c.side;
        EXPECT_EQ(edge_change_accepted(t, Edge::Yi, 5), c.yi) << c.side;
        EXPECT_EQ(edge_change_accepted(t, Edge::Yf, 5), c.yf) << c.side;
    }
    // Another area may move anywhere inside the root, edges included, and no further.
    Template t = board_of({root_area(100, 50, 400, 300), rect_area(150, 100, 200, 200)}, 2);
    EXPECT_EQ(root_area_side(t), QString());
    EXPECT_TRUE(edge_change_accepted(t, Edge::Xi, 100));
    EXPECT_FALSE(edge_change_accepted(t, Edge::Xi, 99));
    EXPECT_TRUE(edge_change_accepted(t, Edge::Xf, 400));
    EXPECT_FALSE(edge_change_accepted(t, Edge::Xf, 401));
    EXPECT_FALSE(edge_change_accepted(t, Edge::Yi, 49));
    EXPECT_FALSE(edge_change_accepted(t, Edge::Yf, 301));
    t.current_area = 0;
    EXPECT_FALSE(edge_change_accepted(t, Edge::Xi, 150));
}

TEST(Join, AcceptsOnlyWholeSharedEdgesUnderTheSameParentAndGrowsTheJoinArea)
{
    // A 2 x 2 grid of 100 x 100 cells in the root, and a cell of another group.
    auto grid = [] {
        return board_of({root_area(0, 0, 640, 445), rect_area(0, 0, 100, 100), rect_area(100, 0, 200, 100),
                         rect_area(0, 100, 100, 200), rect_area(100, 100, 200, 200),
                         rect_area(200, 0, 300, 100, 5)},
                        2);
    };
    Template t = grid();
    int16_t base = 0;
    // The join starts from area 2: join area 7 and member 8; the click on area 2 itself
    // (result 5) adds one more member for it.
    EXPECT_EQ(join_click(t, base, 2), 7);
    EXPECT_EQ(base, 6);
    EXPECT_EQ(t.area_count, 9);
    EXPECT_EQ(t.area(7).is_group, -1);
    EXPECT_EQ(t.area(7).origin, 2);
    EXPECT_EQ(t.area(8).parent, 7);
    EXPECT_EQ(validar_area_consec(t, base, 2), 5);
    EXPECT_EQ(validar_area_consec(t, base, 4), 1);  // below
    EXPECT_EQ(validar_area_consec(t, base, 3), 3);  // right
    EXPECT_EQ(validar_area_consec(t, base, 5), 0);  // corner only
    EXPECT_EQ(validar_area_consec(t, base, 1), 0);  // the root: another parent

    join_click(t, base, 3);  // grows right
    EXPECT_EQ(rect_of(t.area(7)), QRect(QPoint(0, 0), QPoint(200, 100)));
    EXPECT_EQ(t.area(10).origin, 3);
    EXPECT_EQ(t.area(10).parent, 7);
    EXPECT_EQ(validar_area_consec(t, base, 6), 0);  // shares the edge but lies in another group
    for (int refused : {5, 4, 1}) {  // half an edge below, half an edge below, another parent
        EXPECT_EQ(join_click(t, base, refused), 7);
        EXPECT_EQ(t.area_count, 10) << refused;
    }

    // Above and to the left from the opposite corner.
    Template u = grid();
    int16_t ubase = 0;
    u.current_area = 5;
    join_click(u, ubase, 3);
    EXPECT_EQ(rect_of(u.area(7)), QRect(QPoint(100, 0), QPoint(200, 200)));
    join_click(u, ubase, 4);
    EXPECT_EQ(rect_of(u.area(7)), QRect(QPoint(100, 0), QPoint(200, 200))) << "4 no longer shares a whole edge";

    drop_join(t, base);
    EXPECT_EQ(t.area_count, 6);
    EXPECT_EQ(base, 0);
    // Join state that outlived its records (an undo shortened the table) is simply cleared.
    base = 40;
    drop_join(t, base);
    EXPECT_EQ(base, 0);
    EXPECT_EQ(t.area_count, 6);
}

TEST(SteppingAndDeleting, StopAtTheEndsAndKeepGroupsAndTheRoot)
{
    Template t = board_of({root_area(), rect_area(10, 10, 100, 100), rect_area(20, 20, 50, 50, 2),
                           rect_area(200, 10, 300, 100)},
                          1);
    t.area(2).is_group = -1;
    EXPECT_EQ(previous_area(t), std::nullopt);
    EXPECT_EQ(next_area(t), 2);
    t.current_area = 4;
    EXPECT_EQ(next_area(t), std::nullopt);
    EXPECT_EQ(previous_area(t), 3);

    for (int refused : {0, 1, 2, 5}) {
        t.current_area = static_cast<int16_t>(refused);
        EXPECT_FALSE(delete_current_area(t)) << refused;
        EXPECT_EQ(t.area_count, 4);
    }
    t.current_area = 3;  // the group's only member: the group can then go too
    t.cover_outdated = 0;
    ASSERT_TRUE(delete_current_area(t));
    EXPECT_EQ(t.area_count, 3);
    EXPECT_EQ(t.current_area, 3);
    EXPECT_EQ(t.area(2).is_group, 0);
    EXPECT_EQ(t.cover_outdated, -1);
    t.current_area = 2;
    EXPECT_TRUE(delete_current_area(t));
    EXPECT_EQ(t.area_count, 2);
}

}  // namespace
}  // namespace orvel
