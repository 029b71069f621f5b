// MOUSE: parsing of the operations and the pointer input they generate.
#include <gtest/gtest.h>

#include "exec/interpreter.h"
#include "exec/mouse_command.h"
#include "support/exec_harness.h"

using namespace orvel;
using namespace orvel::testing;

namespace {

QStringList events_of(const QString& operations, QPoint start = QPoint(100, 100))
{
    ExecHarness h;
    h.windows.add(0x41, "Editor").frame = QRect(200, 150, 400, 300);
    h.state.target_window = 0x41;
    h.mouse.pointer = start;
    mouse_command(h.ctx, operations);
    return h.mouse.events;
}

}  // namespace

TEST(MouseCommand, MovementsAndTheirDefaults)
{
    EXPECT_EQ(events_of("A n"), QStringList({"move 100 95"}));
    EXPECT_EQ(events_of("A"), QStringList({"move 100 95"}));
    EXPECT_EQ(events_of("R 10"), QStringList({"move 100 110"}));
    EXPECT_EQ(events_of("E 0"), QStringList({"move 95 100"}));
    EXPECT_EQ(events_of("D 20"), QStringList({"move 120 100"}));
    EXPECT_EQ(events_of("D 2.5"), QStringList({"move 102 100"}));  // halves to even
    EXPECT_EQ(events_of("D 3.5"), QStringList({"move 104 100"}));
    EXPECT_EQ(events_of("D -7"), QStringList({"move 93 100"}));
    // Chains keep the working position.
    EXPECT_EQ(events_of("D 10  R 10 D 1"), QStringList({"move 110 100", "move 110 110", "move 111 110"}));
}

TEST(MouseCommand, PositionsInsideTheTargetWindow)
{
    EXPECT_EQ(events_of("M x y"), QStringList({"move 200 150"}));
    EXPECT_EQ(events_of("M 100 50 2CD"), QStringList({"move 300 200", "press left 300 200", "release left 300 200",
                                                      "press left 300 200", "release left 300 200"}));
    EXPECT_EQ(events_of("M 10"), QStringList({"move 210 150"}));  // a missing coordinate counts as 0
    // No target, or one whose frame cannot be read: the screen's corner.
    ExecHarness h;
    h.state.target_window = 0x99;
    mouse_command(h.ctx, "M 10 20");
    EXPECT_EQ(h.mouse.events, QStringList({"move 10 20"}));
}

TEST(MouseCommand, ButtonsAndDrags)
{
    ExecHarness h;
    h.mouse.pointer = QPoint(5, 6);
    mouse_command(h.ctx, "CD");
    EXPECT_EQ(h.mouse.events, QStringList({"press left 5 6", "release left 5 6"}));
    EXPECT_EQ(h.clock.sleeps, std::vector<int>({10}));

    EXPECT_EQ(events_of("R 10 CD"), QStringList({"move 100 110", "press left 100 110", "release left 100 110"}));
    EXPECT_EQ(events_of("CE"), QStringList({"press right 100 100", "release right 100 100"}));
    EXPECT_EQ(events_of("2CE"), QStringList({"press right 100 100", "release right 100 100", "press right 100 100",
                                             "release right 100 100"}));
    EXPECT_EQ(events_of("AD AE"), QStringList({"release left 100 100", "release right 100 100"}));
    EXPECT_EQ(events_of("PD+ 30 0"), QStringList({"press left 100 100", "move 130 100", "release left 130 100"}));
    EXPECT_EQ(events_of("PE 10 10"), QStringList({"press right 100 100", "move 210 160", "release right 210 160"}));
    // A drag starts where the pointer really is, not at the working position.
    EXPECT_EQ(events_of("D 50 PD+ 0 10"), QStringList({"move 150 100", "press left 150 100", "move 150 110",
                                                       "release left 150 110"}));
    // Operation names are exact capitals; unknown tokens generate nothing.
    EXPECT_EQ(events_of("cd"), QStringList());
    EXPECT_EQ(events_of("XX 2CDX"), QStringList());
}

TEST(MouseCommand, ReachedThroughTheInterpreter)
{
    ExecHarness h;
    h.mouse.pointer = QPoint(50, 50);
    interpret_command(h.ctx, "{|Mouse D 20 CD ");
    EXPECT_EQ(h.mouse.events, QStringList({"move 70 50", "press left 70 50", "release left 70 50"}));
    h.state.memory = "15";
    interpret_command(h.ctx, "{|MOUSE R {|RM}");
    EXPECT_EQ(h.mouse.events.last(), "move 70 65");

    h.services.mouse = nullptr;
    interpret_command(h.ctx, "{|MOUSE CD");  // no pointer device: nothing, no crash
    EXPECT_EQ(h.mouse.events.size(), 4);
}
