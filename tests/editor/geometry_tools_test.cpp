// The whole-area tools without a display: subdivision arithmetic, resizing with
// the root band's fixed edges, carrying sub-areas and joins along, and growing
// an area into free space.
#include <gtest/gtest.h>

#include "editor/geometry_tools.h"
#include "support/fake_board.h"

namespace orvel {
namespace {

using testing::rect_area;
using testing::root_area;

Template board_of(std::initializer_list<Area> areas, int current)
{
    Template t;
    for (const Area& a : areas)
        add_area(t, a);
    t.current_area = static_cast<int16_t>(current);
    return t;
}

QRect rect_of(const Area& a)
{
    return QRect(QPoint(a.Xi, a.Yi), QPoint(a.Xf, a.Yf));
}

TEST(Subdivide, CellsAreWholePixelsNumberedRowByRowCopyingTheArea)
{
    Template t = board_of({root_area(), rect_area(0, 0, 100, 45)}, 2);
    t.area(2).keys = QStringLiteral("{ENTER}");
    t.area(2).sound_file = QStringLiteral("so.wav");
    subdivide_current_area(t, 2, 3);
    ASSERT_EQ(t.area_count, 8);
    EXPECT_EQ(t.area(2).is_group, -1);
    const QRect expected[] = {{QPoint(0, 0), QPoint(33, 22)},   {QPoint(33, 0), QPoint(66, 22)},
                              {QPoint(66, 0), QPoint(99, 22)},  {QPoint(0, 22), QPoint(33, 44)},
                              {QPoint(33, 22), QPoint(66, 44)}, {QPoint(66, 22), QPoint(99, 44)}};
    for (int i = 0; i < 6; ++i) {
        const Area& cell = t.area(3 + i);
        EXPECT_EQ(rect_of(cell), expected[i]) << i;
        EXPECT_EQ(cell.parent, 2);
        EXPECT_EQ(cell.keys, QStringLiteral("{ENTER}"));
        EXPECT_EQ(cell.sound_file, QStringLiteral("so.wav"));
        EXPECT_EQ(cell.is_group, 0);
    }
    // A group cannot be cut again, nor can "no area".
    EXPECT_FALSE(can_subdivide(t));
    t.current_area = 0;
    EXPECT_FALSE(can_subdivide(t));

    // 1 x 1: one copy, the area becomes a group.
    Template one = board_of({root_area(0, 0, 640, 100)}, 1);
    subdivide_current_area(one, 1, 1);
    ASSERT_EQ(one.area_count, 2);
    EXPECT_EQ(rect_of(one.area(2)), rect_of(one.area(1)));
    EXPECT_EQ(one.area(1).is_group, -1);

    // More cells than pixels: cells of no width, still inside the area and no crash.
    Template thin = board_of({root_area(), rect_area(10, 10, 15, 18)}, 2);
    subdivide_current_area(thin, 10, 10);
    ASSERT_EQ(thin.area_count, 102);
    EXPECT_EQ(rect_of(thin.area(102)), QRect(QPoint(10, 10), QPoint(10, 10)));
}

TEST(Resize, RootBandsKeepTheirFixedEdgeAndSubAreasFollowEvenAbove100Percent)
{
    struct Case {
        Area area;
        int current;
        double h, v;
        QRect expected;
    };
    const Case cases[] = {
        // The right band moves its left edge and ignores the vertical percentage.
        {root_area(300, 0, 640, 445), 1, 50, 50, QRect(QPoint(470, 0), QPoint(640, 445))},
        {root_area(0, 0, 300, 445), 1, 50, 50, QRect(QPoint(0, 0), QPoint(150, 445))},
        {root_area(0, 245, 640, 445), 1, 50, 50, QRect(QPoint(0, 345), QPoint(640, 445))},
        {root_area(0, 0, 640, 200), 1, 50, 25, QRect(QPoint(0, 0), QPoint(640, 50))},
        {rect_area(10, 10, 110, 60), 2, 50, 200, QRect(QPoint(10, 10), QPoint(60, 110))},
        {rect_area(10, 10, 15, 60), 2, 50, 100, QRect(QPoint(10, 10), QPoint(12, 60))},  // 2.5 halves to even
    };
    for (const Case& c : cases) {
        Template t = c.current == 1 ? board_of({c.area}, 1) : board_of({root_area(), c.area}, 2);
        resize_current_area(t, c.h, c.v);
        EXPECT_EQ(rect_of(t.area(c.current)), c.expected) << c.h << " " << c.v;
    }

    // A child at x 10..20 of a parent at 0..100 resized to 50 % moves to 5..10; its own
    // child follows too (breadth first through the generations).
    Template t = board_of({root_area(), rect_area(0, 0, 100, 100), rect_area(10, 10, 20, 20, 2),
                           rect_area(12, 12, 16, 16, 3)},
                          2);
    t.area(2).is_group = -1;
    t.area(3).is_group = -1;
    redim_areas(t, 50, 100, 0);
    EXPECT_EQ(rect_of(t.area(2)), QRect(QPoint(0, 0), QPoint(50, 100)));
    EXPECT_EQ(rect_of(t.area(3)), QRect(QPoint(5, 10), QPoint(10, 20)));
    EXPECT_EQ(rect_of(t.area(4)), QRect(QPoint(6, 12), QPoint(8, 16)));
    EXPECT_EQ(t.cover_outdated, -1);

    // From the edge scrollbars: the parent's left edge moved from 0 to 50 and its width
    // grew from 100 to 150 (150 %), so the children move with the edge and widen.
    Template s = board_of({root_area(), rect_area(50, 0, 200, 100), rect_area(10, 10, 20, 20, 2)}, 2);
    s.area(2).is_group = -1;
    Area old = rect_area(0, 0, 100, 100);
    old.is_group = -1;
    rescale_descendants(s, 2, 150, 100, old, 0);
    EXPECT_EQ(rect_of(s.area(3)), QRect(QPoint(65, 10), QPoint(80, 20)));
    // Percentages typed outside 1..100 read as 100.
    for (const char* typed : {"0", "101", "abc", ""})
        EXPECT_EQ(resize_percentage(QString::fromLatin1(typed)), 100) << typed;
    EXPECT_EQ(resize_percentage(QStringLiteral("40")), 40);
}

TEST(Resize, AJoinCopiesItsResizedMembersBackOntoTheJoinedAreas)
{
    // Areas 2 and 3 side by side, joined: join area 4 (origin 2), members 5 (2) and 6 (3).
    Template t = board_of({root_area(), rect_area(0, 0, 100, 100), rect_area(100, 0, 200, 100)}, 4);
    Area join = rect_area(0, 0, 200, 100);
    join.is_group = -1;
    join.origin = 2;
    add_area(t, join);
    Area m2 = rect_area(0, 0, 100, 100, 4);
    m2.origin = 2;
    Area m3 = rect_area(100, 0, 200, 100, 4);
    m3.origin = 3;
    add_area(t, m2);
    add_area(t, m3);
    t.current_area = 4;
    redim_areas(t, 50, 100, 3);
    EXPECT_EQ(rect_of(t.area(2)), QRect(QPoint(0, 0), QPoint(50, 100)));
    EXPECT_EQ(rect_of(t.area(3)), QRect(QPoint(50, 0), QPoint(100, 100)));
    EXPECT_EQ(t.area(2).parent, 1);  // the joined areas keep their own parents
    EXPECT_EQ(t.area(3).parent, 1);
}

TEST(Adjust, GrowsToTheParentOrTheNeighboursEdgeAndTheRootByOnePixel)
{
    // A lone area strictly inside its parent fills it; a second time each edge moves one beyond.
    Template t = board_of({root_area(), rect_area(100, 100, 300, 300), rect_area(150, 150, 200, 200, 2)}, 3);
    ASSERT_TRUE(adjust_current_area(t));
    EXPECT_EQ(rect_of(t.area(3)), QRect(QPoint(100, 100), QPoint(300, 300)));
    adjust_current_area(t);
    EXPECT_EQ(rect_of(t.area(3)), QRect(QPoint(99, 99), QPoint(301, 301)));

    // Neighbours: the edge stops on the neighbour's edge coordinate (a shared edge).
    Template n = board_of({root_area(), rect_area(0, 0, 100, 445), rect_area(300, 0, 640, 445),
                           rect_area(150, 100, 200, 200)},
                          4);
    adjust_current_area(n);
    EXPECT_EQ(rect_of(n.area(4)), QRect(QPoint(100, 0), QPoint(300, 445)));

    // The root's parent is the blank record: it grows one pixel on every side.
    Template r = board_of({root_area(0, 0, 640, 200)}, 1);
    adjust_current_area(r);
    EXPECT_EQ(rect_of(r.area(1)), QRect(QPoint(-1, -1), QPoint(641, 201)));
    r.current_area = 0;
    EXPECT_FALSE(adjust_current_area(r));
}

TEST(RoundCoordinate, HalvesGoToTheEvenNeighbour)
{
    for (auto [value, expected] : {std::pair{2.5, 2}, {3.5, 4}, {-2.5, -2}, {2.4, 2}, {2.6, 3}, {1e9, 32767}})
        EXPECT_EQ(round_coordinate(value), expected) << value;
}

}  // namespace
}  // namespace orvel
