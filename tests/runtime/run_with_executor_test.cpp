// Run mode driving the real executor: a switch press, the execution tick, the
// commands that change the scanning level and what they ask of the board.
#include <gtest/gtest.h>

#include "exec/executor.h"
#include "support/fake_board.h"
#include "runtime/board_hooks.h"
#include "runtime/switch_mapping.h"
#include "support/exec_harness.h"

using namespace orvel;
using namespace orvel::testing;

namespace {

struct Board {
    ExecHarness h;
    RecordingBoard board;
    RecordingTimers timers;
    QStringList announced;
    int quits = 0;
    RunController run{h.state, board, timers,
                      RunActions{.execute_area = [this](int area) { execute_area(ctx, area); },
                                 .announce = [this](const QString& text) { announced << text; },
                                 .printable_text = &printable_text}};
    BoardHooks hooks{run, h.state, board, timers, &h.windows,
                     BoardWindowCalls{.leave_run_mode_and_quit = [this] {
                                          ++quits;
                                          run.stop_highlight();
                                          run.set_board_shown(false);
                                      }}};
    ExecContext ctx{h.state, h.services, hooks, &h.outside};

    Board()
    {
        timers.log = &board.log;
        h.target(0x41, "Editor");
        Area group = rect_area(100, 0, 300, 100);
        group.is_group = -1;
        for (const Area& a : {root_area(), with_keys(rect_area(0, 0, 100, 100), "a"), group,
                              with_keys(rect_area(100, 0, 200, 100, 3), "b{ENTER}"),
                              with_keys(rect_area(200, 0, 300, 100, 3), "{|NIVELL -1}"),
                              with_keys(rect_area(300, 0, 400, 100), "{|TANCAR}")})
            add_area(h.state.tmpl, a);
        run.set_board_shown(true);
    }
    void use(int modus, int accio1, int accio2 = 0)
    {
        h.state.profile.modus = int16_t(modus);
        h.state.profile.accio1 = int16_t(accio1);
        h.state.profile.accio2 = int16_t(accio2);
        run.start_access_method();
    }
    int highlighted() const { return h.state.cursor + 1; }
    void step() { run.Timer3_Timer(); }
    void select()
    {
        run.Tauvirt_KeyPress(QChar(' '));
        run.Timer1_Timer();
    }
};

}  // namespace

TEST(RunWithExecutor, GroupsAndLevelCommandsSteerAutomaticScanning)
{
    Board b;
    b.use(2, kActionSpace);
    b.step();
    EXPECT_EQ(b.highlighted(), 2);
    b.select();
    EXPECT_EQ(b.h.keys.runs, QStringList{"a"});
    EXPECT_TRUE(b.timers.step);
    // The executor paused the focus keeper for the execution and restarted it.
    EXPECT_TRUE(b.timers.focus_keeper);

    b.step();
    EXPECT_EQ(b.highlighted(), 3);
    b.select();  // the group: its members are scanned next
    EXPECT_EQ(b.h.state.scan_level, 3);
    b.step();
    EXPECT_EQ(b.highlighted(), 4);
    b.select();
    EXPECT_EQ(b.h.keys.runs, (QStringList{"a", "b{ENTER}"}));
    for (int i = 0; i < 3; ++i)
        b.step();
    EXPECT_EQ(b.highlighted(), 5);
    b.select();  // one level up: scanning continues after area 5 among the top level
    EXPECT_EQ(b.h.state.scan_level, 1);
    b.step();
    EXPECT_EQ(b.highlighted(), 6);
    b.step();
    EXPECT_EQ(b.highlighted(), 2);
    // What was spoken: the printable keys, nothing for the group and the command.
    EXPECT_EQ(b.announced, (QStringList{"a", "b", "b", "a"}));
}

TEST(RunWithExecutor, TheCloseCommandLeavesScanningStopped)
{
    Board b;
    b.use(1, kActionSpace, kActionEnter);
    for (int i = 0; i < 3; ++i)  // areas 2, 3 and 6 make the top level
        b.run.Tauvirt_KeyPress(QChar(' '));
    ASSERT_EQ(b.highlighted(), 6);
    b.run.Tauvirt_KeyPress(QChar(13));
    EXPECT_EQ(b.quits, 1);
    EXPECT_FALSE(b.timers.step);
    EXPECT_FALSE(b.board.frame_visible);
    EXPECT_EQ(b.h.state.run_current_area, -1);
    EXPECT_TRUE(b.h.keys.runs.isEmpty());
}

TEST(RunWithExecutor, StartedProgramsArePlacedBesideTheBoard)
{
    Board b;
    b.h.windows.screen = QSize(1280, 954);
    b.run.Form_Activate(b.h.windows.screen);
    b.h.state.tmpl.area(1) = root_area(100, 0, 640, 300);
    b.hooks.place_target_window(0x41);
    EXPECT_EQ(b.h.windows.find(0x41)->frame, QRect(0, 666, 198, 294));
    EXPECT_TRUE(b.h.windows.topmost_windows.contains(0x41));
    b.hooks.set_busy_pointer(true);
    EXPECT_EQ(b.board.pointer, PointerShape::Hourglass);
    b.hooks.hide_highlight();
    EXPECT_FALSE(b.board.frame_visible);
}
