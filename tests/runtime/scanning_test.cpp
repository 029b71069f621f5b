#include <gtest/gtest.h>

#include "fake_board.h"
#include "runtime/scan_order.h"
#include "runtime/switch_mapping.h"

using namespace orvel;
using namespace orvel::testing;

namespace {

// Root 1 with members 2, 3, 4 and a group 5 holding 6 and 7.
void build_grouped_board(RunFixture& f)
{
    f.add(root_area());
    f.add(rect_area(0, 0, 100, 100));
    f.add(rect_area(100, 0, 200, 100));
    f.add(rect_area(200, 0, 300, 100));
    Area group = rect_area(300, 0, 500, 100);
    group.is_group = -1;
    f.add(group);
    f.add(rect_area(300, 0, 400, 100, 5));
    f.add(rect_area(400, 0, 500, 100, 5));
}

std::vector<int> steps(RunFixture& f, int count)
{
    std::vector<int> seen;
    for (int i = 0; i < count; ++i) {
        f.run.Timer3_Timer();
        seen.push_back(f.highlighted());
    }
    return seen;
}

}  // namespace

TEST(ScanOrder, VisitsMembersOfTheLevelInIndexOrderAndWraps)
{
    RunFixture f;
    build_grouped_board(f);
    f.state.profile.modus = 2;
    f.run.start_access_method();
    EXPECT_EQ(steps(f, 5), (std::vector<int>{2, 3, 4, 5, 2}));

    // From area 4 (position 3) the next step wraps past the group's members to area 5,
    // and from area 5 over 6 and 7 and the root back to area 2.
    f.state.cursor = 3;
    EXPECT_EQ(steps(f, 2), (std::vector<int>{5, 2}));
}

TEST(ScanOrder, ThreeMembersWrapFromTheLastToTheFirst)
{
    RunFixture f;
    f.add(root_area());
    f.add(rect_area(0, 0, 10, 10));
    f.add(rect_area(10, 0, 20, 10));
    f.add(rect_area(20, 0, 30, 10));
    f.state.profile.modus = 2;
    f.run.start_access_method();
    f.state.cursor = 3;  // area 4 highlighted
    f.run.Timer3_Timer();
    EXPECT_EQ(f.highlighted(), 2);
    // The root is never highlighted by scanning.
    EXPECT_EQ(steps(f, 6), (std::vector<int>{3, 4, 2, 3, 4, 2}));
}

TEST(ScanOrder, GroupSelectionScansItsMembersAndALevelChangeKeepsThePosition)
{
    RunFixture f;
    build_grouped_board(f);
    f.state.profile.modus = 2;
    f.run.start_access_method();
    steps(f, 4);  // area 5 highlighted
    ASSERT_EQ(f.highlighted(), 5);
    f.run.act_butons(kActionAnyKey, QString());  // accio1 0, accio2 0: no switch
    EXPECT_EQ(f.state.run_current_area, -1);
    f.state.profile.accio1 = kActionAnyKey;
    f.run.act_butons(kActionEnter, QString());
    f.run.Timer1_Timer();
    EXPECT_EQ(f.executed, std::vector<int>{5});
    EXPECT_EQ(f.state.scan_level, 5);
    EXPECT_EQ(steps(f, 4), (std::vector<int>{6, 7, 6, 7}));

    // Back to the top level (what "{|Nivell 0}" does): the position is kept, so the
    // next step finds the first top-level member after area 7, wrapping to area 2.
    f.state.scan_level = 1;
    EXPECT_EQ(steps(f, 1), std::vector<int>{2});

    // Going down again from area 3's position continues after it inside the group.
    f.state.cursor = 2;
    f.state.scan_level = 5;
    EXPECT_EQ(steps(f, 1), std::vector<int>{6});
}

TEST(ScanOrder, ALevelWithoutMembersEndsTheSearchAndLeavesTheHighlight)
{
    Template only_root;
    add_area(only_root, root_area());
    EXPECT_FALSE(next_scan_position(only_root, 0, 1).has_value());
    Template empty;
    EXPECT_FALSE(next_scan_position(empty, 0, 1).has_value());

    RunFixture f;
    build_grouped_board(f);
    f.state.tmpl.area(2).keys = QStringLiteral("x");
    f.state.profile.modus = 1;
    f.run.start_access_method();
    f.run.Timer3_Timer();
    ASSERT_EQ(f.highlighted(), 2);
    const QStringList before = f.board.log;
    f.state.scan_level = 3;  // area 3 has no members
    f.run.Timer3_Timer();
    EXPECT_EQ(f.highlighted(), 2);
    EXPECT_EQ(f.board.log, before);
    EXPECT_EQ(f.announced.size(), 1);
}

TEST(ScanOrder, OutOfRangePositionsAreBroughtBackIntoTheBoard)
{
    Template t;
    add_area(t, root_area());
    add_area(t, rect_area(0, 0, 10, 10));
    add_area(t, rect_area(10, 0, 20, 10));
    // A cursor left at area_count by the cursor methods, or a negative one.
    EXPECT_EQ(next_scan_position(t, 3, 1), std::optional<int16_t>(1));
    EXPECT_EQ(next_scan_position(t, -4, 1), std::optional<int16_t>(1));
    // A table shorter than its count (a damaged board) is not read past its end.
    t.area_count = 9;
    EXPECT_EQ(next_scan_position(t, 2, 1), std::optional<int16_t>(1));
}

TEST(ScanTiming, StepIntervalFollowsTempsButNeverUndercutsTheExecutionTick)
{
    EXPECT_EQ(scan_step_interval_ms(0, 500), 1000);
    EXPECT_EQ(scan_step_interval_ms(0, 2000), 1000);
    EXPECT_EQ(scan_step_interval_ms(3, 500), 500);
    EXPECT_EQ(scan_step_interval_ms(30, 500), 3000);
    EXPECT_EQ(scan_step_interval_ms(15, 100), 1500);
    EXPECT_EQ(scan_step_interval_ms(1, 50), 100);  // the tick is never below 100 ms
    EXPECT_EQ(scan_step_interval_ms(-5, 500), 1000);
    EXPECT_EQ(scan_step_interval_ms(327, 500), 32700);
    EXPECT_EQ(scan_step_interval_ms(5000, 500), 32700);
    EXPECT_EQ(execution_interval_ms(40), 100);
    EXPECT_EQ(execution_interval_ms(700), 700);
}

TEST(ScanTiming, AutomaticScanningAppliesTheFrameAndStartsTheStepTimer)
{
    RunFixture f;
    build_grouped_board(f);
    f.state.profile.modus = 2;
    f.state.profile.temps = 15;
    f.state.profile.gruix = 0;
    f.state.profile.color = 65280;
    f.state.profile.Interval = 300;
    f.run.start_access_method();
    EXPECT_TRUE(f.timers.step);
    EXPECT_EQ(f.timers.step_interval, 1500);
    EXPECT_EQ(f.timers.execution_interval, 300);
    EXPECT_EQ(f.board.frame_width, 8);
    EXPECT_EQ(f.board.frame_color, 65280);
    EXPECT_FALSE(f.board.frame_visible);  // nothing highlighted before the first step
}

TEST(ExecutionTick, PausesScanningAroundTheExecutionAndRunsOnlyOnTheBoard)
{
    RunFixture f;
    build_grouped_board(f);
    f.state.profile.modus = 2;
    f.run.start_access_method();
    f.run.Timer3_Timer();
    f.board.log.clear();

    f.state.run_current_area = 2;
    f.run.Timer1_Timer();
    EXPECT_EQ(f.board.log, (QStringList{"step off", "beep", "execute 2", "step on"}));
    EXPECT_EQ(f.state.run_current_area, -1);
    EXPECT_EQ(f.board.pointer, PointerShape::Default);

    // Nothing pending: no beep, no execution.
    f.board.log.clear();
    f.run.Timer1_Timer();
    EXPECT_TRUE(f.board.log.isEmpty());

    // A stopped step timer stays stopped.
    f.timers.step = false;
    f.state.run_current_area = 3;
    f.run.Timer1_Timer();
    EXPECT_FALSE(f.timers.step);

    // In the editor the tick does nothing but reset the pointer.
    f.run.set_board_shown(false);
    f.state.run_current_area = 4;
    f.run.Timer1_Timer();
    EXPECT_EQ(f.executed, (std::vector<int>{2, 3}));
    EXPECT_EQ(f.state.run_current_area, 4);
}

TEST(ExecutionTick, AnAreaThatLeavesRunModeDoesNotRestartScanning)
{
    OrvelState state;
    RecordingBoard board;
    RecordingTimers timers;
    RunController* self = nullptr;
    RunController run(state, board, timers,
                      RunActions{[&](int) { self->stop_highlight(); self->set_board_shown(false); }, {}, {}, {}});
    self = &run;
    add_area(state.tmpl, root_area());
    add_area(state.tmpl, rect_area(0, 0, 10, 10));
    state.profile.modus = 2;
    run.set_board_shown(true);
    run.start_access_method();
    state.run_current_area = 2;
    run.Timer1_Timer();
    EXPECT_FALSE(timers.step);
    EXPECT_EQ(state.run_current_area, -1);
}

TEST(ScanPresentation, PresentsTheSoundFileOrElseThePrintableKeys)
{
    RunFixture f;
    f.add(root_area(0, 0, 640, 477));
    Area with_sound = rect_area(100, 50, 200, 100);
    with_sound.sound_file = QStringLiteral("SONS\\A.WAV");
    with_sound.keys = QStringLiteral("abc");
    f.add(with_sound);
    Area with_keys = rect_area(200, 50, 300, 100);
    with_keys.keys = QStringLiteral("hola");
    f.add(with_keys);
    f.add(rect_area(300, 50, 400, 100));  // nothing to say
    f.run.Form_Activate(QSize(1024, 768));
    f.state.profile.modus = 1;
    f.run.start_access_method();
    f.run.Timer3_Timer();
    f.run.Timer3_Timer();
    f.run.Timer3_Timer();
    EXPECT_EQ(f.announced, (QStringList{"SONS\\A.WAV", "hola"}));
    EXPECT_EQ(f.board.frame, QRect(480, 81, 160, 81));
    EXPECT_TRUE(f.board.frame_visible);

    f.run.stop_highlight();
    EXPECT_FALSE(f.board.frame_visible);
    EXPECT_FALSE(f.timers.step);
}
