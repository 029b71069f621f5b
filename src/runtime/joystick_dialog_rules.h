#pragma once
// The joystick dialog's rules without its window: what it shows when it opens,
// what "Acceptar" stores and what "Cancelar" does.
#include <QString>

#include "model/user_profile.h"

namespace orvel {

// Ranges of the two scroll bars: sensitivity (a band of s tenths around the
// rest position; 10 would put "right" beyond the axis' end) and the polling
// period in tenths of a second (the period in milliseconds is a 16-bit value).
inline constexpr int kSensitivityMin = 1;
inline constexpr int kSensitivityMax = 9;
inline constexpr int kPollTenthsMin = 1;
inline constexpr int kPollTenthsMax = 327;

struct JoystickDialogFields {
    bool multimouse = false;   // which option button is selected
    int sensitivity = 1;       // HScroll1(0)
    int poll_tenths = 10;      // HScroll1(1)
    QString frame_width;       // "Gruix del marc"
    double frame_color = 255;  // "Color del marc"
};

JoystickDialogFields joystick_dialog_fields(const UserProfile& profile);

// What the text box beside a scroll bar shows for its value.
QString scroll_value_text(int value);

// "Acceptar": the two values (as their text boxes show them), the frame's width
// (0 becomes 8) and colour. The method itself followed from the detection.
void accept_joystick_dialog(UserProfile& profile, const QString& sensitivity_text, const QString& poll_text,
                            const JoystickDialogFields& fields);

// "Cancelar": back to the mouse method.
void cancel_joystick_dialog(UserProfile& profile);

}  // namespace orvel
