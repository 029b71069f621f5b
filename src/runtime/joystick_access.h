#pragma once
// The joystick method: finding a joystick, turning its position (or, when no
// joystick answers, the pointer's movements: "Multimouse") into direction
// letters, and one polling step that moves the board's highlight with them.
#include <QPoint>
#include <QString>
#include <functional>

#include "model/user_profile.h"
#include "platform/joystick_device.h"

namespace orvel {

class MouseDevice;

// `n_joystic` when the mouse serves as the joystick.
inline constexpr int16_t kMouseAsJoystick = 100;

class JoystickAccess {
public:
    // Either device may be null (absent).
    JoystickAccess(UserProfile& profile, JoystickDevice* joysticks, MouseDevice* mouse)
        : profile_(profile), joysticks_(joysticks), mouse_(mouse)
    {
    }

    // Tests joystick `id`: when it answers, its position becomes the rest
    // position, `n_joystic` = id + 1 and `joystic_sensi` = 1.
    bool joystick_detect(int id);

    // The letters of one reading: "D" right, "E" left, "R" down, "A" up, in that
    // order, then "1", "2" or "12" for the buttons.
    QString joystick_read();

    // One poll: each letter is handed on as the board's cursor key (Enter for a
    // button).
    void joystick_step(const std::function<void(int key_code)>& key_down);

    // "&Joystic" in the access-method menu: detection when no joystick was
    // chosen yet (the mouse when none answers), then `modus` 4 or 8.
    void choose_joystick();

    JoystickReading rest() const { return rest_; }

private:
    QString read_mouse();
    QString read_joystick();

    UserProfile& profile_;
    JoystickDevice* joysticks_;
    MouseDevice* mouse_;
    JoystickReading rest_;      // taken at detection
    QPoint last_pointer_;       // Multimouse: the pointer at the previous poll
    bool pointer_known_ = false;  // the first poll only takes the pointer's position
};

}  // namespace orvel
