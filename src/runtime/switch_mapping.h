#pragma once
// Which switch an input event on the board stands for.
#include <QString>
#include <cstdint>

#include "model/user_profile.h"

namespace orvel {

// Action codes of the switch table: the events a switch can answer to.
enum SwitchAction : int16_t {
    kActionAnyKey = 1,
    kActionEnter = 2,
    kActionSpace = 3,
    kActionKeyList = 4,
    kActionMouseMove = 5,
    kActionLeftClick = 6,
    kActionLeftDoubleClick = 7,
    kActionRightClick = 8,
    kActionRightDoubleClick = 9,
};

// 0 (no switch), 1 or 2 for the event `code`; `typed` is the character of a
// key-list event (code 4). Later rules win: an event matching both switches is
// switch 2, and a character found in switch 2's list is switch 2.
int switch_for_event(const UserProfile& profile, int code, const QString& typed);

}  // namespace orvel
