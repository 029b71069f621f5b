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

TEST(MouseCommand, OperationsGiveTheirPointerInput)
{
    // The pointer starts at 100,100; the target window's frame is at 200,150.
    const std::pair<const char*, QStringList> rows[] = {
        {"A n", {"move 100 95"}},
        {"A", {"move 100 95"}},
        {"R 10", {"move 100 110"}},
        {"E 0", {"move 95 100"}},
        {"D 2.5", {"move 102 100"}},  // halves to even
        {"D 3.5", {"move 104 100"}},
        {"D -7", {"move 93 100"}},
        // Chains keep the working position.
        {"D 10  R 10 D 1", {"move 110 100", "move 110 110", "move 111 110"}},
        {"M x y", {"move 200 150"}},
        {"M 10", {"move 210 150"}},  // a missing coordinate counts as 0
        {"M 100 50 2CD", {"move 300 200", "press left 300 200", "release left 300 200", "press left 300 200",
                          "release left 300 200"}},
        {"R 10 CD", {"move 100 110", "press left 100 110", "release left 100 110"}},
        {"2CE", {"press right 100 100", "release right 100 100", "press right 100 100", "release right 100 100"}},
        {"AD AE", {"release left 100 100", "release right 100 100"}},
        {"PD+ 30 0", {"press left 100 100", "move 130 100", "release left 130 100"}},
        {"PE 10 10", {"press right 100 100", "move 210 160", "release right 210 160"}},
        // A drag starts where the pointer really is, not at the working position.
        {"D 50 PD+ 0 10", {"move 150 100", "press left 150 100", "move 150 110", "release left 150 110"}},
        // Operation names are exact capitals; unknown tokens generate nothing.
        {"cd", {}},
        {"XX 2CDX", {}},
    };
    for (const auto& [operations, events] : rows)
        EXPECT_EQ(events_of(operations), events) << operations;

    // No target, or one whose frame cannot be read: the screen's corner. A click waits between press and release.
    ExecHarness h;
    h.state.target_window = 0x99;
    h.mouse.pointer = QPoint(5, 6);
    mouse_command(h.ctx, "M 10 20 CD");
    EXPECT_EQ(h.mouse.events, QStringList({"move 10 20", "press left 10 20", "release left 10 20"}));
    EXPECT_EQ(h.clock.sleeps, std::vector<int>({10}));
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
