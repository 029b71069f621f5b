#pragma once
// The switch dialog's rules without its window: what it shows for a switch and
// when "Acceptar" stores the values into the profile.
#include <QString>

#include "model/ini_file.h"  // leading_number: the boxes are read as profile numbers are
#include "model/user_profile.h"

namespace orvel {

// The dialog's fields as the person left them.
struct SwitchDialogFields {
    int selected_option = -1;  // 0..8 stands for action code 1..9; -1 none
    QString key_list;          // "Llista de tecles "
    QString step_time;         // "Temps de presentació", tenths of a second
    QString action_time;       // "Temps d'acció"
    QString frame_width;       // "Gruix del marc"
    double frame_color = 255;  // "Color del marc"
    // The switch-access settings of the profile (times in milliseconds).
    int acceptance_ms = 0;
    int post_acceptance_ms = 0;
    int first_step_delay_ms = 0;
    int rounds = 0;
    bool rows = false;
    int dwell_ms = 0;
    bool frame_contrast = false;
};

constexpr int kSwitchOptionCount = 9;


// Fills the fields from switch 1 or 2 of the profile (the switch label was set).
// A switch whose action is not one of the nine options (the voice method's
// codes) leaves the option and the lists as they were.
void load_switch_fields(const UserProfile& profile, int pulsador, SwitchDialogFields& fields);

// Fills the switch-access settings from the profile (every switch shares them).
void load_access_fields(const UserProfile& profile, SwitchDialogFields& fields);

// Validates the fields and stores them into switch `pulsador`, with the frame's
// width and colour. Refused without an action, with the key-list action and an
// empty list, and for switch 2 set exactly like switch 1. Either way a frame
// width of 0 becomes 8.
bool accept_switch(UserProfile& profile, int pulsador, const SwitchDialogFields& fields);

// "Acceptar": accept_switch, then the step time and the switch-access settings.
// True when the dialog closes.
bool accept_switch_dialog(UserProfile& profile, int pulsador, const SwitchDialogFields& fields);

// "Cancelar": back to the mouse method.
void cancel_switch_dialog(UserProfile& profile);

}  // namespace orvel
