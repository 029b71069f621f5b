#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <map>

#include "model/settings.h"
#include "platform/sdl/sdl_joystick.h"
#include "runtime/cursor_probe.h"
#include "runtime/joystick_access.h"
#include "support/fake_board.h"
#include "support/fake_mouse.h"
#include "support/test_files.h"
#include "support/virtual_joystick.h"

using namespace orvel;
using namespace orvel::testing;

namespace {

// Joysticks by id, each answering with the reading it holds.
class FakeJoysticks : public JoystickDevice {
public:
    bool read(int id, JoystickReading& out) override
    {
        ++reads;
        const auto it = sticks.find(id);
        if (it == sticks.end())
            return false;
        out = it->second;
        return true;
    }
    std::map<int, JoystickReading> sticks;
    int reads = 0;
};

std::vector<int> keys_of_step(JoystickAccess& access)
{
    std::vector<int> keys;
    access.joystick_step([&](int code) { keys.push_back(code); });
    return keys;
}

// A 3 x 3 grid of areas 2..10 (row by row) in run mode with the joystick method;
// Timer3 polls the joystick and moves the highlight.
struct JoystickBoard {
    OrvelState state;
    RecordingBoard board;
    RecordingTimers timers;
    JoystickAccess access;
    std::vector<int> executed;
    RunController run;

    JoystickBoard(JoystickDevice* device, MouseDevice* mouse)
        : access(state.profile, device, mouse),
          run(state, board, timers,
              RunActions{[this](int area) { executed.push_back(area); }, {}, [](const QString& k) { return k; },
                         [this] { access.joystick_step([this](int code) { run.Tauvirt_KeyDown(code); }); },
                         {}})
    {
        add_area(state.tmpl, root_area(0, 0, 300, 300));
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 3; ++col)
                add_area(state.tmpl, rect_area(col * 100 + 5, row * 100 + 5, col * 100 + 95, row * 100 + 95));
        run.set_board_shown(true);
    }
};

}  // namespace

TEST(JoystickRead, LettersFromTheRestBandAndButtons)
{
    FakeJoysticks device;
    UserProfile profile;
    JoystickAccess access(profile, &device, nullptr);
    device.sticks[0] = {32768, 32768, 0, 0};
    ASSERT_TRUE(access.joystick_detect(0));
    EXPECT_EQ(profile.n_joystic, 1);
    EXPECT_EQ(profile.joystic_sensi, 1);

    struct Row {
        int sensi;
        uint32_t x, y, buttons;
        const char* letters;
    };
    // With the rest at 32768 and s = 1 the band is 29491.2 .. 36044.8.
    const Row rows[] = {
        {1, 32768, 32768, 0, ""},
        {1, 36044, 29492, 0, ""},     // just inside the band
        {1, 36045, 32768, 0, "D"},
        {1, 29491, 32768, 0, "E"},
        {1, 32768, 36045, 0, "R"},
        {1, 32768, 29491, 0, "A"},
        {1, 65535, 0, 0, "DA"},       // a diagonal: horizontal first
        {1, 0, 65535, 3, "ER12"},
        {1, 32768, 32768, 1, "1"},
        {1, 32768, 32768, 2, "2"},
        {1, 32768, 32768, 4, ""},     // a third button alone is no button of the board
        {3, 40000, 32768, 0, ""},     // s = 3 widens the band to 42598.4
        {3, 42599, 32768, 0, "D"},
    };
    for (const Row& r : rows) {
        profile.joystic_sensi = static_cast<int16_t>(r.sensi);
        device.sticks[0] = {r.x, r.y, 0, r.buttons};
        EXPECT_EQ(access.joystick_read(), QString::fromLatin1(r.letters)) << r.x << "," << r.y << " b" << r.buttons;
    }

    // Letters become the cursor keys: both buttons give two Enters.
    profile.joystic_sensi = 1;
    device.sticks[0] = {0, 65535, 0, 3};
    EXPECT_EQ(keys_of_step(access), (std::vector<int>{kKeyLeft, kKeyDown, kKeyEnter, kKeyEnter}));

    // Only ids 0 and 1 are read; a joystick that stops answering gives nothing.
    for (int16_t n : {int16_t(3), int16_t(0), int16_t(99)}) {
        profile.n_joystic = n;
        device.sticks[n - 1] = {65535, 65535, 0, 1};
        EXPECT_EQ(access.joystick_read(), QString()) << n;
    }
    profile.n_joystic = 2;
    device.sticks.erase(1);
    EXPECT_EQ(access.joystick_read(), QString());
}

TEST(JoystickChoice, DetectsTheFirstJoystickOrFallsBackToTheMouse)
{
    struct Row {
        int16_t n_joystic, modus;
        std::vector<int> present;
        int16_t expected_n, expected_modus, expected_retard;
    };
    const Row rows[] = {
        {0, 0, {}, kMouseAsJoystick, 8, 10},
        {0, 0, {2, 4}, 3, 4, 10},
        {0, 3, {0}, 1, 4, 10},
        {2, 0, {}, 2, 4, 7},            // already chosen: no detection
        {kMouseAsJoystick, 0, {0}, kMouseAsJoystick, 8, 7},
        {150, 3, {0}, 150, 3, 7},       // neither: the method stays
    };
    for (const Row& r : rows) {
        FakeJoysticks device;
        for (int id : r.present)
            device.sticks[id] = {32768, 32768, 0, 0};
        UserProfile profile;
        profile.n_joystic = r.n_joystic;
        profile.modus = r.modus;
        profile.joystic_retard = 7;
        profile.joystic_sensi = 4;
        JoystickAccess access(profile, &device, nullptr);
        access.choose_joystick();
        EXPECT_EQ(profile.n_joystic, r.expected_n) << r.n_joystic;
        EXPECT_EQ(profile.modus, r.expected_modus) << r.n_joystic;
        EXPECT_EQ(profile.joystic_retard, r.expected_retard) << r.n_joystic;
        EXPECT_EQ(profile.joystic_sensi, r.n_joystic == 0 ? 1 : 4) << r.n_joystic;
    }
}

TEST(JoystickChoice, ReadingAProfileDetectsItsJoystickBeforeTheSensitivity)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("J.USR");
    write_file(path, "[Orvel]\r\nmodus= 4\r\nn_joystic= 3\r\njoystic_sensi= 5\r\njoystic_retard= 0\r\n");
    FakeJoysticks device;
    device.sticks[2] = {1000, 2000, 0, 0};
    UserProfile profile;
    JoystickAccess access(profile, &device, nullptr);
    ProfileHooks hooks;
    hooks.detect_joystick = [&](int id) { access.joystick_detect(id); };
    read_user_profile(profile, path, hooks);
    EXPECT_EQ(access.rest().x, 1000u);
    EXPECT_EQ(profile.n_joystic, 3);
    EXPECT_EQ(profile.joystic_sensi, 5);
    EXPECT_EQ(profile.joystic_retard, 10);
}

TEST(JoystickOnBoard, VirtualJoystickMovesTheHighlightEveryWayAndSelects)
{
    SdlJoystick joysticks;
    ASSERT_TRUE(joysticks.ensure_open());
    VirtualJoystick stick;
    ASSERT_TRUE(stick.ok()) << SDL_GetError();
    JoystickBoard f(&joysticks, nullptr);
    ASSERT_TRUE(f.access.joystick_detect(stick.index()));
    f.state.profile.modus = 4;
    f.state.profile.joystic_retard = 2;
    f.run.start_access_method();
    EXPECT_EQ(f.state.cursor, 10);  // the last area
    EXPECT_TRUE(f.timers.step);
    EXPECT_EQ(f.timers.step_interval, 200);

    struct Row {
        const char* what;
        int x, y;
        unsigned buttons;
        int from, to;
        std::vector<int> executed;
    };
    // SDL's scale: the band of s = 1 is +-3276.8 around the rest at 0.
    const Row rows[] = {
        {"up", 0, -32768, 0, 6, 3, {}},
        {"down", 0, 32767, 0, 6, 9, {}},
        {"right", 32767, 0, 0, 6, 7, {}},
        {"left", -32768, 0, 0, 6, 5, {}},
        {"up-right", 20000, -20000, 0, 6, 4, {}},
        {"down-left", -20000, 20000, 0, 6, 8, {}},
        {"up-left", -20000, -20000, 0, 6, 2, {}},
        {"down-right", 20000, 20000, 0, 6, 10, {}},
        {"dead zone", 3276, -3276, 0, 6, 6, {}},
        {"just out", 3277, 0, 0, 6, 7, {}},
        {"edge", 32767, 0, 0, 7, 7, {}},
        {"button 1", 0, 0, 1, 6, 6, {6}},
        {"button 2", 0, 0, 2, 6, 6, {6}},
        {"both buttons", 0, 0, 3, 6, 6, {6, 6}},  // two Enters
        {"move and button", 32767, 0, 1, 6, 7, {7}},
    };
    for (const Row& r : rows) {
        f.state.cursor = static_cast<int16_t>(r.from);
        f.executed.clear();
        stick.set(r.x, r.y, r.buttons);
        f.run.Timer3_Timer();
        EXPECT_EQ(f.state.cursor, r.to) << r.what;
        EXPECT_EQ(f.executed, r.executed) << r.what;
    }

    // Unplugged mid-run: the polls go on without moves.
    stick.set(32767, 0);
    stick.unplug();
    f.state.cursor = 6;
    for (int i = 0; i < 3; ++i)
        f.run.Timer3_Timer();
    EXPECT_EQ(f.state.cursor, 6);
    EXPECT_TRUE(f.timers.step);
}

TEST(JoystickOnBoard, MouseMovementsBeyondTheBandMoveTheHighlight)
{
    FakeMouse mouse;
    mouse.pointer = {500, 400};
    JoystickBoard f(nullptr, &mouse);
    f.state.profile.n_joystic = 0;
    f.access.choose_joystick();
    ASSERT_EQ(f.state.profile.modus, 8);
    f.state.profile.joystic_sensi = 2;  // moves of more than 10 pixels
    f.run.start_access_method();
    f.state.cursor = 6;
    f.run.Timer3_Timer();
    EXPECT_EQ(f.state.cursor, 6) << "the first poll only takes where the pointer is";

    struct Row {
        int dx, dy, to;
    };
    const Row rows[] = {{11, 0, 7}, {-10, 0, 7}, {-11, 0, 6}, {0, 11, 9}, {0, -30, 6}, {-11, -11, 2}, {0, 0, 2}};
    for (const Row& r : rows) {
        mouse.pointer += QPoint(r.dx, r.dy);
        f.run.Timer3_Timer();
        EXPECT_EQ(f.state.cursor, r.to) << r.dx << "," << r.dy;
    }
    // A click on the board selects, as the mouse has no buttons of its own here.
    f.run.Tauvirt_Click();
    EXPECT_EQ(f.executed, std::vector<int>{2});
}
