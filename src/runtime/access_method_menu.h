#pragma once
// The "&Accessibilitat" menu's choice of access method and the dialogs it opens.
#include <QString>

#include "model/user_profile.h"

namespace orvel {

// The dialogs the menu opens, modally. Each sets the profile itself, and its
// "Cancelar" returns to the mouse method.
class AccessMethodDialogs {
public:
    virtual ~AccessMethodDialogs() = default;
    virtual void open_switch_dialog(int pulsador, const QString& caption) = 0;
    // The joystick choice: finding a joystick, `modus` 4 or 8, and its dialog.
    virtual void choose_joystick() = 0;
    // The voice choice: `modus` 5 to 7 and its dialog.
    virtual void choose_voice() = 0;
};

// Captions of the menu items, in the order of their indexes.
QString access_method_caption(int index);
constexpr int kAccessMethodItems = 6;

// Sets `modus` for menu item `index` (0..5) and opens that method's dialogs.
// Any other index changes nothing.
void choose_access_method(int index, UserProfile& profile, AccessMethodDialogs& dialogs);

// The menu item that shows `modus` ticked.
int access_method_item(int modus);

}  // namespace orvel
