#include <gtest/gtest.h>

#include "support/fake_board.h"
#include "runtime/switch_mapping.h"

using namespace orvel;
using namespace orvel::testing;

namespace {

// A row of four areas under the root, under access method `modus`.
struct Row : RunFixture {
    explicit Row(int modus, int accio1 = 0, int accio2 = 0)
    {
        add({root_area()});
        for (int i = 0; i < 4; ++i)
            add({rect_area(i * 100, 0, i * 100 + 100, 100)});
        use(modus, accio1, accio2);
    }
};

// Raises the board event that produces action `code`.
void fire(RunFixture& f, int code)
{
    static double move = 0;
    const int button = code == kActionRightClick || code == kActionRightDoubleClick ? kRightButton : kLeftButton;
    switch (code) {
    case kActionAnyKey: f.run.Tauvirt_KeyPress(QChar('z')); break;
    case kActionEnter: f.run.Tauvirt_KeyPress(QChar(13)); break;
    case kActionSpace: f.run.Tauvirt_KeyPress(QChar(' ')); break;
    case kActionKeyList: f.run.Tauvirt_KeyPress(QChar('a')); break;
    case kActionMouseMove: move += 1; f.run.Tauvirt_MouseMove(move, 5); break;
    case kActionLeftClick:
    case kActionRightClick: f.state.mouse_gesture = "C"; f.run.Tauvirt_MouseDown(button, 1, 1); break;
    case kActionLeftDoubleClick:
    case kActionRightDoubleClick: f.state.mouse_gesture = "DC"; f.run.Tauvirt_MouseDown(button, 1, 1); break;
    }
}

struct Outcome {
    int highlighted;
    int pending;
    std::vector<int> executed;
};

Outcome press(int modus, int accio1, int accio2, int code)
{
    Row f(modus, accio1, accio2);
    // A key list counts even for a switch set to another action, so only the
    // switch under test gets one.
    if (accio1 == kActionKeyList)
        f.state.profile.variable1 = QStringLiteral("a");
    if (accio2 == kActionKeyList)
        f.state.profile.variable2 = QStringLiteral("a");
    f.state.cursor = 1;  // area 2 highlighted in the scanning modes
    fire(f, code);
    return Outcome{f.state.cursor + 1, f.state.run_current_area, f.executed};
}

}  // namespace

TEST(SwitchMapping, EveryEventReachesTheSwitchSetToItsCode)
{
    for (int code = kActionAnyKey; code <= kActionRightDoubleClick; ++code) {
        SCOPED_TRACE(code);
        // Manual scanning: switch 1 steps, switch 2 selects and executes at once.
        Outcome as_step = press(1, code, 0, code);
        EXPECT_EQ(as_step.highlighted, 3);
        EXPECT_TRUE(as_step.executed.empty());
        Outcome as_select = press(1, 0, code, code);
        EXPECT_EQ(as_select.highlighted, 2);
        EXPECT_EQ(as_select.executed, std::vector<int>{2});
        EXPECT_EQ(as_select.pending, -1);
        // Any other event does nothing, except for "any key", which answers to all.
        if (code != kActionAnyKey) {
            const int other = code == kActionEnter ? kActionSpace : kActionEnter;
            Outcome unrelated = press(1, code, 0, other);
            EXPECT_EQ(unrelated.highlighted, 2);
            EXPECT_TRUE(unrelated.executed.empty());
        }
    }
}

TEST(SwitchMapping, WhatASwitchDoesDependsOnTheAccessMethod)
{
    for (int modus = 0; modus <= 8; ++modus) {
        SCOPED_TRACE(modus);
        const Outcome sw1 = press(modus, kActionSpace, kActionEnter, kActionSpace);
        const Outcome sw2 = press(modus, kActionSpace, kActionEnter, kActionEnter);
        if (modus == 1 || modus == 6) {
            EXPECT_EQ(sw1.highlighted, 3);
            EXPECT_TRUE(sw1.executed.empty());
            EXPECT_EQ(sw2.executed, std::vector<int>{2});
        } else if (modus == 2 || modus == 5) {
            // Both switches only mark the highlighted area; the tick executes it.
            EXPECT_EQ(sw1.pending, 2);
            EXPECT_EQ(sw2.pending, 2);
            EXPECT_EQ(sw1.highlighted, 2);
            EXPECT_TRUE(sw1.executed.empty());
            EXPECT_TRUE(sw2.executed.empty());
        } else {
            EXPECT_EQ(sw1.highlighted, 2);
            EXPECT_EQ(sw1.pending, -1);
            EXPECT_EQ(sw2.pending, -1);
            EXPECT_TRUE(sw2.executed.empty());
        }
    }
}

TEST(SwitchMapping, EventsMatchingBothSwitchesCountAsSwitchTwo)
{
    UserProfile p;
    // "Any key" on switch 1 and Enter on switch 2.
    p.accio1 = kActionAnyKey;
    p.accio2 = kActionEnter;
    EXPECT_EQ(switch_for_event(p, kActionEnter, QString()), 2);
    for (int code : {kActionSpace, kActionKeyList, kActionMouseMove, kActionLeftClick, kActionRightDoubleClick})
        EXPECT_EQ(switch_for_event(p, code, QStringLiteral("q")), 1);

    // Both on the key list: a is only in list 1, b in both, c in neither.
    p.accio1 = kActionKeyList;
    p.accio2 = kActionKeyList;
    p.variable1 = QStringLiteral("ab");
    p.variable2 = QStringLiteral("b");
    EXPECT_EQ(switch_for_event(p, kActionKeyList, QStringLiteral("a")), 1);
    EXPECT_EQ(switch_for_event(p, kActionKeyList, QStringLiteral("b")), 2);
    EXPECT_EQ(switch_for_event(p, kActionKeyList, QStringLiteral("c")), 2);
    EXPECT_EQ(switch_for_event(p, kActionKeyList, QStringLiteral("A")), 2);  // case counts

    // A key in neither list acts as the switch set to the list action.
    p.accio1 = kActionKeyList;
    p.variable1 = QStringLiteral("x");
    p.accio2 = kActionEnter;
    EXPECT_EQ(switch_for_event(p, kActionKeyList, QStringLiteral("q")), 1);
    EXPECT_EQ(switch_for_event(p, kActionEnter, QString()), 2);
    // The list of the other switch still wins for its own characters.
    p.variable2 = QStringLiteral("q");
    EXPECT_EQ(switch_for_event(p, kActionKeyList, QStringLiteral("q")), 2);

    // Nothing configured: no event is a switch.
    EXPECT_EQ(switch_for_event(UserProfile{}, kActionEnter, QString()), 0);
}

TEST(SwitchMapping, ManualAndAutomaticPressesInSequence)
{
    // Manual: any key on switch 1 steps (a movement too), Enter on switch 2 executes.
    Row m(1, kActionAnyKey, kActionEnter);
    m.run.start_access_method();
    EXPECT_FALSE(m.board.frame_visible);  // nothing until the first press
    m.run.Tauvirt_KeyPress(QChar('k'));
    EXPECT_EQ(m.highlighted(), 2);
    m.run.Tauvirt_MouseMove(10, 10);
    EXPECT_EQ(m.highlighted(), 3);
    EXPECT_TRUE(m.executed.empty());
    m.run.Tauvirt_KeyPress(QChar(13));
    EXPECT_EQ(m.executed, std::vector<int>{3});
    EXPECT_EQ(m.board.log.filter("beep").size(), 1);

    // Automatic: presses wait for the tick, and the last one before it wins.
    Row f(2, kActionSpace);
    f.run.start_access_method();
    f.run.Timer3_Timer();
    f.run.Tauvirt_KeyPress(QChar(' '));
    EXPECT_TRUE(f.executed.empty());
    f.run.Timer1_Timer();
    EXPECT_EQ(f.executed, std::vector<int>{2});
    f.run.Tauvirt_KeyPress(QChar(' '));
    f.run.Timer3_Timer();
    f.run.Tauvirt_KeyPress(QChar(' '));
    f.run.Timer1_Timer();
    EXPECT_EQ(f.executed, (std::vector<int>{2, 3}));
    EXPECT_TRUE(f.timers.step);
}

TEST(SwitchMapping, ClickSwitchesAreArmedByTheFirstClick)
{
    Row f(1, kActionLeftClick);
    f.run.start_access_method();
    // The first press comes before any click: it only shows the hourglass.
    f.run.Tauvirt_MouseDown(kLeftButton, 5, 5);
    EXPECT_EQ(f.board.pointer, PointerShape::Hourglass);
    EXPECT_FALSE(f.board.frame_visible);
    f.run.Tauvirt_Click();
    EXPECT_EQ(f.state.mouse_gesture, "C");
    // {button, highlighted after}: the right button is another event.
    for (auto [button, want] : {std::pair{kLeftButton, 2}, {kLeftButton, 3}, {kRightButton, 3}}) {
        f.run.Tauvirt_MouseDown(button, 5, 5);
        EXPECT_EQ(f.highlighted(), want) << button;
    }

    // A movement sets "m" only while the flag is empty, and only a real movement acts.
    Row g(1, kActionMouseMove);
    g.run.Tauvirt_MouseMove(3, 4);
    EXPECT_EQ(g.state.mouse_gesture, "m");
    g.run.Tauvirt_MouseMove(3, 4);
    EXPECT_EQ(g.highlighted(), 2);
    g.run.Tauvirt_MouseMove(3, 5);
    EXPECT_EQ(g.highlighted(), 3);
    g.state.profile.accio2 = kActionLeftDoubleClick;
    g.run.Tauvirt_DblClick();
    EXPECT_EQ(g.state.mouse_gesture, "DC");
    g.run.Tauvirt_MouseMove(9, 9);
    EXPECT_EQ(g.state.mouse_gesture, "DC");

    // A right-button switch is armed by a click as well.
    Row r(1, 0, kActionRightClick);
    r.run.Tauvirt_Click();
    r.run.Tauvirt_MouseDown(kRightButton, 5, 5);
    EXPECT_EQ(r.executed, std::vector<int>{1});
}

TEST(AccessMethodChange, RestartsTheChosenMethodOnTheShownBoard)
{
    Row f(2);
    f.run.start_access_method();
    f.run.Timer3_Timer();
    f.run.pause_for_access_menu();
    EXPECT_FALSE(f.timers.step);
    EXPECT_FALSE(f.timers.focus_keeper);

    f.state.profile.modus = 3;
    f.run.restart_access_method();
    // The last area, in the profile's frame (8 pixels, red) as in every method.
    EXPECT_EQ(f.board.log.mid(f.board.log.size() - 4),
              (QStringList{"step off", "hide", "style 8 255", "frame 300,0 100x100"}));
    EXPECT_EQ(f.state.cursor, 5);
    f.state.profile.modus = 2;
    f.run.restart_access_method();
    EXPECT_TRUE(f.timers.step);
    EXPECT_TRUE(f.timers.focus_keeper);
    f.state.profile.modus = 0;
    f.run.restart_access_method();
    EXPECT_FALSE(f.timers.step);
    EXPECT_FALSE(f.board.frame_visible);

    // The focus keeper gives the board the focus except in mouse mode.
    const int focus_before = f.board.focus_requests;
    f.board.pointers.clear();
    f.run.Timer2_Timer();
    EXPECT_EQ(f.board.focus_requests, focus_before);
    EXPECT_EQ(f.board.pointers, (std::vector<PointerShape>{PointerShape::Icon, PointerShape::Default}));
    f.state.profile.modus = 1;
    f.run.Timer2_Timer();
    EXPECT_EQ(f.board.focus_requests, focus_before + 1);
}

TEST(AccessMethodChange, ANewBoardStartsScanningFromTheTop)
{
    Row f(2);
    f.state.cursor = 3;
    f.state.scan_level = 4;
    f.state.run_current_area = 4;
    f.run.board_changed();
    EXPECT_EQ(f.state.cursor, 0);
    EXPECT_EQ(f.state.scan_level, 1);
    EXPECT_EQ(f.state.run_current_area, -1);
    EXPECT_TRUE(f.timers.step);

    // Voice with two orders starts on the last area, and selecting picks that area.
    Row v(6, 0, kActionEnter);
    v.run.start_access_method();
    EXPECT_EQ(v.board.frame, QRect(300, 0, 100, 100));
    v.run.Tauvirt_KeyPress(QChar(13));
    EXPECT_EQ(v.executed, std::vector<int>{5});
}
