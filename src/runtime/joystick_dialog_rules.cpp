#include "runtime/joystick_dialog_rules.h"

#include <algorithm>

#include "model/ini_file.h"
#include "model/settings.h"

namespace orvel {

JoystickDialogFields joystick_dialog_fields(const UserProfile& profile)
{
    JoystickDialogFields f;
    f.multimouse = profile.modus == 8;
    f.sensitivity = std::clamp<int>(profile.joystic_sensi, kSensitivityMin, kSensitivityMax);
    f.poll_tenths = std::clamp<int>(profile.joystic_retard, kPollTenthsMin, kPollTenthsMax);
    f.frame_width = QString::number(profile.gruix);
    f.frame_color = profile.color;
    return f;
}

QString scroll_value_text(int value)
{
    return profile_number(value);
}

void accept_joystick_dialog(UserProfile& profile, const QString& sensitivity_text, const QString& poll_text,
                            const JoystickDialogFields& fields)
{
    // The boxes only mirror the scroll bars, but a value out of their range
    // would stop the poll (0) or overflow its period.
    profile.joystic_sensi = static_cast<int16_t>(
        std::clamp<int>(rounded_int16(leading_number(sensitivity_text)), kSensitivityMin, kSensitivityMax));
    profile.joystic_retard = static_cast<int16_t>(
        std::clamp<int>(rounded_int16(leading_number(poll_text)), kPollTenthsMin, kPollTenthsMax));
    profile.gruix = rounded_int16(leading_number(fields.frame_width));
    profile.color = fields.frame_color;
    if (profile.gruix == 0)
        profile.gruix = 8;
}

void cancel_joystick_dialog(UserProfile& profile)
{
    profile.modus = 0;
}

}  // namespace orvel
