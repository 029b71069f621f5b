#include <gtest/gtest.h>

#include "runtime/press_filter.h"
#include "runtime/switch_mapping.h"
#include "support/fake_board.h"

using namespace orvel;
using namespace orvel::testing;

namespace {

// Root 1 and `count` areas of 100 x 100 side by side.
struct Line : RunFixture {
    explicit Line(int modus, int accio1 = kActionAnyKey, int accio2 = 0, int count = 4)
    {
        add({root_area()});
        for (int i = 0; i < count; ++i)
            add({rect_area(i * 100, 0, i * 100 + 100, 100)});
        use(modus, accio1, accio2);
    }
};

// Rows: {2, 3, group 4 (members 5, 6)}, {7, 8, 9}, {10, which says "z"}; cells 100 x 100.
struct Rows : RunFixture {
    explicit Rows(int modus, int accio1 = kActionAnyKey, int accio2 = 0)
    {
        Area group = rect_area(200, 0, 300, 100);
        group.is_group = -1;
        add({root_area(), rect_area(0, 0, 100, 100), rect_area(100, 0, 200, 100), group,
             rect_area(200, 0, 250, 100, 4), rect_area(250, 0, 300, 100, 4), rect_area(0, 100, 100, 200),
             rect_area(100, 100, 200, 200), rect_area(200, 100, 300, 200), with_keys(rect_area(0, 200, 300, 300), QStringLiteral("z"))});
        use(modus, accio1, accio2);
        state.profile.files = 1;
    }
};

}  // namespace

TEST(PressFilter, CountsPressesHeldLongEnoughOnceAndIgnoresThoseRightAfter)
{
    struct Edge {
        int at;
        bool down;
        int id = 1;
    };
    struct Case {
        const char* what;
        int acceptance, post;
        std::vector<Edge> edges;
        std::vector<int> counted_at;
    };
    const std::vector<Case> cases = {
        {"taps of 50 to 200 ms with acceptance 300 count none", 300, 0,
         {{0, true}, {50, false}, {300, true}, {400, false}, {700, true}, {900, false}, {1200, true}, {1350, false}},
         {}},
        {"a held press counts once, when the time is reached and before it is let go", 300, 0,
         {{0, true}, {900, false}},
         {300}},
        {"held exactly the acceptance time counts, 10 ms less does not", 300, 0,
         {{0, true}, {290, false}, {500, true}, {800, false}},
         {800}},
        {"both times off: every press counts as it begins", 0, 0, {{0, true}, {20, false}, {100, true}}, {0, 100}},
        {"post-acceptance: presses beginning within 400 ms after a counted one are ignored", 0, 400,
         {{0, true}, {30, false}, {150, true}, {180, false}, {399, true}, {420, false}, {400 + 420, true}},
         {0, 820}},
        {"tremor after a counted press: short taps ignored, a held press ignored in the delay, the next counts",
         300, 500,
         {{0, true}, {400, false}, {450, true}, {500, false}, {600, true}, {1000, false}, {1050, true},
          {1400, false}},
         {300, 1350}},
        {"two switches held together are timed apart", 300, 0,
         {{0, true, 1}, {100, true, 2}, {500, false, 1}, {500, false, 2}},
         {300, 400}},
    };
    for (const Case& c : cases) {
        FakeClock clock;
        PressFilter filter(clock);
        filter.set_times(c.acceptance, c.post);
        std::vector<int> counted;
        const int end = c.edges.back().at + 1000;
        size_t next = 0;
        for (clock.now = 0; clock.now <= end; ++clock.now) {
            filter.tick();
            for (; next < c.edges.size() && c.edges[next].at == clock.now; ++next) {
                if (c.edges[next].down)
                    filter.press(c.edges[next].id, [&] { counted.push_back(static_cast<int>(clock.now)); });
                else
                    filter.release(c.edges[next].id);
            }
        }
        EXPECT_EQ(counted, c.counted_at) << c.what;
    }
}

TEST(SwitchAccess, ScanningCountsOnlyAcceptedPresses)
{
    // Automatic scanning: the press counts while still held, the taps never.
    Line f(2);
    f.state.profile.acceptacio = 300;
    f.run.start_access_method();
    f.steps(2);
    for (int tap : {50, 120, 200})
        f.hold_key(tap);
    EXPECT_EQ(f.state.run_current_area, -1);
    f.run.Tauvirt_SwitchDown(65, false);
    f.run.Tauvirt_KeyPress(QChar(' '));
    f.wait_ms(310);
    EXPECT_EQ(f.state.run_current_area, 3);
    // The keyboard's repeats of the held key are no new presses.
    f.state.run_current_area = -1;
    f.run.Tauvirt_SwitchDown(65, true);
    f.run.Tauvirt_KeyPress(QChar(' '));
    f.wait_ms(400);
    f.run.Tauvirt_SwitchUp(65);
    EXPECT_EQ(f.state.run_current_area, -1);
    EXPECT_FALSE(f.timers.fine_tick);
    // A voice order is no press: it acts at once.
    f.run.act_butons(kActionEnter, QString());
    EXPECT_EQ(f.state.run_current_area, 3);

    // Manual scanning: switch 1 steps and switch 2 selects, each once held long enough.
    Line m(1, kActionSpace, kActionEnter);
    m.state.profile.acceptacio = 300;
    m.run.start_access_method();
    m.hold_key(100);
    m.hold_key(350);
    EXPECT_EQ(m.highlighted(), 2);
    m.hold_key(150, QChar(13), 36);
    EXPECT_TRUE(m.executed.empty());
    // Counted while held, it runs once the switch is let go: the target must not
    // get the switch's own key repeats.
    m.run.Tauvirt_SwitchDown(36, false);
    m.run.Tauvirt_KeyPress(QChar(13));
    m.wait_ms(400);
    EXPECT_EQ(m.state.run_current_area, 2);
    m.run.Timer1_Timer();
    EXPECT_TRUE(m.executed.empty());
    m.run.Tauvirt_SwitchUp(36);
    m.run.Timer1_Timer();
    EXPECT_EQ(m.executed, std::vector<int>{2});
    // A switch down for longer than 5 s is taken as stuck: the selection runs.
    m.run.Tauvirt_SwitchDown(36, false);
    m.run.Tauvirt_KeyPress(QChar(13));
    m.wait_ms(5000);
    m.run.Timer1_Timer();
    EXPECT_EQ(m.executed, (std::vector<int>{2, 2}));

    // Post-acceptance alone: the extra taps of a tremor after a step are dropped.
    Line p(1, kActionSpace, kActionEnter);
    p.state.profile.post_acceptacio = 500;
    p.run.start_access_method();
    p.hold_key(60);
    p.wait_ms(100);
    p.hold_key(60);
    p.wait_ms(500);
    p.hold_key(60);
    EXPECT_EQ(p.highlighted(), 3);  // two steps, not three

    // Mouse buttons are switches too.
    Line b(2, kActionLeftClick);
    b.state.profile.acceptacio = 300;
    b.run.start_access_method();
    b.steps(1);
    b.state.mouse_gesture = QStringLiteral("C");
    b.run.Tauvirt_SwitchDown(0x10001, false);
    b.run.Tauvirt_MouseDown(kLeftButton, 5, 5);
    b.wait_ms(100);
    b.run.Tauvirt_SwitchUp(0x10001);
    EXPECT_EQ(b.state.run_current_area, -1);
    b.run.Tauvirt_SwitchDown(0x10001, false);
    b.run.Tauvirt_MouseDown(kLeftButton, 5, 5);
    b.wait_ms(300);
    EXPECT_EQ(b.state.run_current_area, 2);
}

TEST(SwitchAccess, FirstStepDelayLengthensTheFirstAreaOfEachLevel)
{
    Line f(2);
    f.state.profile.retard_inicial = 700;  // step of 1000 ms (temps 0)
    f.run.start_access_method();
    std::vector<int> intervals;
    for (int i = 0; i < 6; ++i) {
        f.run.Timer3_Timer();
        intervals.push_back(f.timers.step_interval);
    }
    EXPECT_EQ(intervals, (std::vector<int>{1700, 1000, 1000, 1000, 1700, 1000}));

    // Rows: the first row, and the first cell of an entered row.
    Rows r(2);
    r.state.profile.retard_inicial = 400;
    r.state.profile.temps = 20;
    r.run.start_access_method();
    r.run.Timer3_Timer();
    EXPECT_EQ(r.timers.step_interval, 2400);
    r.run.Timer3_Timer();
    EXPECT_EQ(r.timers.step_interval, 2000);
    r.run.Tauvirt_KeyPress(QChar('x'));
    EXPECT_EQ(r.highlighted(), 7);
    EXPECT_EQ(r.timers.step_interval, 2400);
    EXPECT_TRUE(r.timers.step);

    // Without the delay the interval is never touched after the start.
    Line plain(2);
    plain.run.start_access_method();
    plain.timers.step_interval = -1;
    plain.steps(5);
    EXPECT_EQ(plain.timers.step_interval, -1);
}

TEST(SwitchAccess, AutomaticScanningRestsAfterItsRoundsAndTheNextPressResumes)
{
    Line f(2);
    f.state.profile.voltes = 2;
    f.run.start_access_method();
    EXPECT_EQ(f.steps(8), (std::vector<int>{2, 3, 4, 5, 2, 3, 4, 5}));
    EXPECT_TRUE(f.board.frame_visible);
    f.run.Timer3_Timer();
    EXPECT_TRUE(f.run.scanning_rests());
    EXPECT_FALSE(f.board.frame_visible);
    EXPECT_FALSE(f.timers.step);
    // The waking press selects nothing and starts again from the first area.
    f.run.Tauvirt_KeyPress(QChar('x'));
    EXPECT_FALSE(f.run.scanning_rests());
    EXPECT_EQ(f.state.run_current_area, -1);
    EXPECT_EQ(f.highlighted(), 2);
    EXPECT_TRUE(f.timers.step && f.board.frame_visible);
    // A selection counts the rounds from there.
    f.steps(2);
    f.run.Tauvirt_KeyPress(QChar('x'));
    f.run.Timer1_Timer();
    EXPECT_EQ(f.executed, std::vector<int>{4});
    f.steps(8);
    EXPECT_FALSE(f.run.scanning_rests());
    f.run.Timer3_Timer();
    EXPECT_TRUE(f.run.scanning_rests());

    // Rounds of row scanning are rounds of the rows.
    Rows r(2);
    r.state.profile.voltes = 1;
    r.run.start_access_method();
    r.steps(3);
    EXPECT_FALSE(r.run.scanning_rests());
    r.run.Timer3_Timer();
    EXPECT_TRUE(r.run.scanning_rests());

    // Manual scanning never rests.
    Line m(1, kActionSpace, kActionEnter);
    m.state.profile.voltes = 1;
    m.run.start_access_method();
    m.steps(12);
    EXPECT_FALSE(m.run.scanning_rests());
}

TEST(SwitchAccess, RowScanningStepsRowsThenCellsAndEntersGroupsAsBefore)
{
    Rows f(2);
    f.run.start_access_method();
    f.run.Timer3_Timer();
    EXPECT_EQ(f.board.frame, QRect(0, 0, 300, 100));  // around the whole first row
    f.run.Timer3_Timer();
    EXPECT_EQ(f.board.frame, QRect(0, 100, 300, 100));
    f.run.Timer3_Timer();
    EXPECT_EQ(f.highlighted(), 10);  // a one-cell row shows its cell
    EXPECT_EQ(f.announced, QStringList{QStringLiteral("z")});  // and is heard as it
    f.run.Timer3_Timer();
    EXPECT_EQ(f.board.frame, QRect(0, 0, 300, 100));

    // Entering the row shows its first cell at once; its last cell leads back to the row.
    f.run.Tauvirt_KeyPress(QChar('x'));
    EXPECT_EQ(f.state.run_current_area, -1);
    EXPECT_EQ(f.highlighted(), 2);
    EXPECT_EQ(f.steps(2), (std::vector<int>{3, 4}));
    f.run.Timer3_Timer();
    EXPECT_EQ(f.board.frame, QRect(0, 0, 300, 100));
    f.run.Tauvirt_KeyPress(QChar('x'));
    f.steps(2);
    // The group is one cell; selecting it scans its members (a line: one by one).
    f.run.Tauvirt_KeyPress(QChar('x'));
    f.run.Timer1_Timer();
    EXPECT_EQ(f.executed, std::vector<int>{4});
    EXPECT_EQ(f.steps(3), (std::vector<int>{5, 6, 5}));

    // A one-cell row is selected by one press; then the rows start over.
    Rows one(2);
    one.run.start_access_method();
    one.steps(3);
    one.run.Tauvirt_KeyPress(QChar('x'));
    EXPECT_EQ(one.state.run_current_area, 10);
    one.run.Timer1_Timer();
    one.run.Timer3_Timer();
    EXPECT_EQ(one.board.frame, QRect(0, 0, 300, 100));

    // Manual scanning: switch 1 steps over rows and cells, switch 2 enters and selects at once.
    Rows m(1, kActionSpace, kActionEnter);
    m.run.start_access_method();
    m.run.Tauvirt_KeyPress(QChar(' '));
    m.run.Tauvirt_KeyPress(QChar(' '));
    m.run.Tauvirt_KeyPress(QChar(13));
    m.run.Tauvirt_KeyPress(QChar(' '));
    m.run.Tauvirt_KeyPress(QChar(13));
    EXPECT_EQ(m.executed, std::vector<int>{8});

    // Off, the same board scans area by area.
    Rows off(2);
    off.state.profile.files = 0;
    off.run.start_access_method();
    EXPECT_EQ(off.steps(4), (std::vector<int>{2, 3, 4, 7}));
}

TEST(SwitchAccess, DwellSelectsTheAreaThePointerRestsOnOnce)
{
    Line f(0);
    f.state.profile.permanencia = 600;
    f.run.start_access_method();
    f.run.Tauvirt_MouseMove(150, 50);
    EXPECT_EQ(f.board.frame, QRect(100, 0, 100, 100));
    EXPECT_TRUE(f.timers.fine_tick);
    f.wait_ms(300);
    EXPECT_NEAR(f.board.progress, 0.5, 0.02);
    f.run.Tauvirt_MouseMove(160, 60);  // still on area 3: the dwell goes on
    f.wait_ms(200);
    EXPECT_NEAR(f.board.progress, 0.83, 0.02);
    f.run.Tauvirt_MouseMove(250, 50);  // another area starts over
    EXPECT_EQ(f.board.progress, 0);
    f.wait_ms(590);
    EXPECT_EQ(f.state.run_current_area, -1);
    f.wait_ms(10);
    EXPECT_EQ(f.state.run_current_area, 4);
    EXPECT_FALSE(f.timers.fine_tick);
    f.run.Timer1_Timer();
    // Staying, or moving within the area, selects it no more; leaving and coming back does.
    f.run.Tauvirt_MouseMove(255, 55);
    f.wait_ms(2000);
    EXPECT_EQ(f.executed, std::vector<int>{4});
    f.run.Tauvirt_MouseMove(350, 50);
    f.run.Tauvirt_MouseMove(250, 50);
    f.wait_ms(600);
    f.run.Timer1_Timer();
    EXPECT_EQ(f.executed, (std::vector<int>{4, 4}));
    // The board's background is no target.
    f.run.Tauvirt_MouseMove(200, 300);
    EXPECT_FALSE(f.board.frame_visible);
    f.wait_ms(1000);
    f.run.Timer1_Timer();
    EXPECT_EQ(f.executed.size(), 2u);

    // Without a dwell time the mouse method shows no frame.
    Line off(0);
    off.run.start_access_method();
    off.run.Tauvirt_MouseMove(150, 50);
    EXPECT_FALSE(off.board.frame_visible);
    EXPECT_FALSE(off.timers.fine_tick);
}

TEST(SwitchAccess, FrameContrastFollowsTheProfile)
{
    for (int contrast : {0, 1}) {
        Line f(2);
        f.state.profile.marc_contrast = static_cast<int16_t>(contrast);
        f.run.start_access_method();
        f.steps(1);
        EXPECT_EQ(f.board.contrast, contrast == 1);
    }
}
