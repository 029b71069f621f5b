#include <gtest/gtest.h>

#include "support/fake_board.h"
#include "runtime/scan_order.h"
#include "runtime/switch_mapping.h"

using namespace orvel;
using namespace orvel::testing;

namespace {

// Root 1 with members 2, 3, 4 and a group 5 holding 6 and 7, under access method `modus`.
struct GroupedBoard : RunFixture {
    explicit GroupedBoard(int modus)
    {
        Area group = rect_area(300, 0, 500, 100);
        group.is_group = -1;
        add({root_area(), rect_area(0, 0, 100, 100), rect_area(100, 0, 200, 100), rect_area(200, 0, 300, 100), group,
             rect_area(300, 0, 400, 100, 5), rect_area(400, 0, 500, 100, 5)});
        use(modus);
    }
};

}  // namespace

TEST(ScanOrder, VisitsMembersOfTheLevelInIndexOrderAndWraps)
{
    GroupedBoard f(2);
    f.run.start_access_method();
    EXPECT_EQ(f.steps(5), (std::vector<int>{2, 3, 4, 5, 2}));
    // From area 4 the next step skips the group's members to area 5, and from area 5
    // goes over 6, 7 and the root back to area 2.
    f.state.cursor = 3;
    EXPECT_EQ(f.steps(2), (std::vector<int>{5, 2}));

    // Three members: from the last back to the first; the root is never highlighted.
    RunFixture three;
    three.add({root_area(), rect_area(0, 0, 10, 10), rect_area(10, 0, 20, 10), rect_area(20, 0, 30, 10)});
    three.use(2);
    three.run.start_access_method();
    three.state.cursor = 3;
    EXPECT_EQ(three.steps(7), (std::vector<int>{2, 3, 4, 2, 3, 4, 2}));

    // While a reading is heard automatic scanning holds still; manual scanning steps
    // when the person asks (its announcement then gives way to the reading).
    three.reading = true;
    EXPECT_EQ(three.steps(2), (std::vector<int>{2, 2}));
    three.reading = false;
    EXPECT_EQ(three.steps(1), (std::vector<int>{3}));
    three.use(1);
    three.reading = true;
    EXPECT_EQ(three.steps(1), (std::vector<int>{4}));
}

TEST(ScanOrder, GroupSelectionScansItsMembersAndALevelChangeKeepsThePosition)
{
    GroupedBoard f(2);
    f.run.start_access_method();
    f.steps(4);
    ASSERT_EQ(f.highlighted(), 5);
    f.run.act_butons(kActionAnyKey, QString());  // accio1 0, accio2 0: no switch
    EXPECT_EQ(f.state.run_current_area, -1);
    f.state.profile.accio1 = kActionAnyKey;
    f.run.act_butons(kActionEnter, QString());
    f.run.Timer1_Timer();
    EXPECT_EQ(f.executed, std::vector<int>{5});
    EXPECT_EQ(f.state.scan_level, 5);
    EXPECT_EQ(f.steps(4), (std::vector<int>{6, 7, 6, 7}));

    // Back to the top level (what "{|Nivell 0}" does): the position is kept, so the
    // next step finds the first top-level member after area 7, wrapping to area 2.
    f.state.scan_level = 1;
    EXPECT_EQ(f.steps(1), std::vector<int>{2});
    // Going down again from area 3's position continues after it inside the group.
    f.state.cursor = 2;
    f.state.scan_level = 5;
    EXPECT_EQ(f.steps(1), std::vector<int>{6});
}

TEST(ScanOrder, EmptyLevelsAndOutOfRangePositionsAreHandled)
{
    // A level without members ends the search...
    Template t;
    EXPECT_FALSE(next_scan_position(t, 0, 1).has_value());
    add_area(t, root_area());
    EXPECT_FALSE(next_scan_position(t, 0, 1).has_value());
    // ... a cursor left at area_count by the cursor methods, or a negative one, is
    // brought back, and a table shorter than its count (a damaged board) is not read past.
    add_area(t, rect_area(0, 0, 10, 10));
    add_area(t, rect_area(10, 0, 20, 10));
    EXPECT_EQ(next_scan_position(t, 3, 1), std::optional<int16_t>(1));
    EXPECT_EQ(next_scan_position(t, -4, 1), std::optional<int16_t>(1));
    t.area_count = 9;
    EXPECT_EQ(next_scan_position(t, 2, 1), std::optional<int16_t>(1));

    // ... and on the board, leaves the highlight and says nothing again.
    GroupedBoard f(1);
    f.state.tmpl.area(2).keys = QStringLiteral("x");
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

TEST(ScanTiming, StepIntervalFollowsTempsButNeverUndercutsTheExecutionTick)
{
    // {temps, Interval, step ms}
    for (auto [temps, interval, want] : {std::tuple{0, 500, 1000}, {0, 2000, 1000}, {3, 500, 500}, {30, 500, 3000},
                                         {15, 100, 1500}, {1, 50, 100}, {-5, 500, 1000}, {327, 500, 32700},
                                         {5000, 500, 32700}})
        EXPECT_EQ(scan_step_interval_ms(temps, interval), want) << temps << " " << interval;
    EXPECT_EQ(execution_interval_ms(40), 100);  // the tick is never below 100 ms
    EXPECT_EQ(execution_interval_ms(700), 700);

    // Automatic scanning applies the frame and the intervals and starts stepping.
    GroupedBoard f(2);
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
    GroupedBoard f(2);
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
                      RunActions{.execute_area = [&](int) {
                          self->stop_highlight();
                          self->set_board_shown(false);
                      }});
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
    Area with_sound = with_keys(rect_area(100, 50, 200, 100), "abc");
    with_sound.sound_file = QStringLiteral("SONS\\A.WAV");
    f.add({root_area(0, 0, 640, 477), with_sound, with_keys(rect_area(200, 50, 300, 100), "hola"),
           rect_area(300, 50, 400, 100)});  // the last has nothing to say
    f.run.Form_Activate(QSize(1024, 768));
    f.use(1);
    f.run.start_access_method();
    f.steps(3);
    EXPECT_EQ(f.announced, (QStringList{"SONS\\A.WAV", "hola"}));
    EXPECT_EQ(f.board.frame, QRect(480, 81, 160, 81));
    EXPECT_TRUE(f.board.frame_visible);
}
