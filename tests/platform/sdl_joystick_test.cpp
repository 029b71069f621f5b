#include <gtest/gtest.h>

#include <memory>

#include "platform/sdl/sdl_joystick.h"
#include "support/virtual_joystick.h"

using namespace orvel;
using namespace orvel::testing;

TEST(SdlJoystick, AxesSpanTheWholeScaleAndButtonsAreBits)
{
    SdlJoystick joysticks;
    ASSERT_TRUE(joysticks.ensure_open()) << joysticks.error().toStdString();
    VirtualJoystick stick;
    ASSERT_TRUE(stick.ok()) << SDL_GetError();
    struct Row {
        int x, y;
        unsigned buttons;
        JoystickReading expected;
    };
    const Row rows[] = {
        {0, 0, 0, {32768, 32768, 32768, 0}},
        {-32768, 32767, 1, {0, 65535, 32768, 1}},
        {32767, -32768, 2, {65535, 0, 32768, 2}},
        {100, -100, 3, {32868, 32668, 32768, 3}},
    };
    for (const Row& r : rows) {
        stick.set(r.x, r.y, r.buttons);
        JoystickReading got;
        ASSERT_TRUE(joysticks.read(stick.index(), got));
        EXPECT_EQ(got.x, r.expected.x) << r.x;
        EXPECT_EQ(got.y, r.expected.y) << r.y;
        EXPECT_EQ(got.z, r.expected.z);
        EXPECT_EQ(got.buttons, r.expected.buttons);
    }
}

TEST(SdlJoystick, PluggedInLaterIsFoundAndUnpluggedStopsAnswering)
{
    SdlJoystick joysticks;
    ASSERT_TRUE(joysticks.ensure_open());
    JoystickReading before{1, 2, 3, 4};
    const int first_free = SDL_NumJoysticks();
    EXPECT_FALSE(joysticks.read(first_free, before));
    EXPECT_EQ(before.x, 1u) << "a failed read leaves the record alone";

    auto stick = std::make_unique<VirtualJoystick>();
    ASSERT_TRUE(stick->ok());
    stick->set(32767, 0);
    JoystickReading r;
    ASSERT_TRUE(joysticks.read(stick->index(), r));
    EXPECT_EQ(r.x, 65535u);

    stick->unplug();
    EXPECT_FALSE(joysticks.read(stick->index(), r));
    EXPECT_FALSE(joysticks.read(stick->index(), r)) << "stays gone, without a crash";

    // Plugged in again: the same id answers, with the new joystick's position.
    VirtualJoystick again;
    ASSERT_TRUE(again.ok());
    again.set(-32768, 0);
    ASSERT_TRUE(joysticks.read(again.index(), r));
    EXPECT_EQ(r.x, 0u);
}
