#include "runtime/access_method_menu.h"

#include <QCoreApplication>

namespace orvel {

QString access_method_caption(int index)
{
    switch (index) {
    case 0: return QCoreApplication::translate("Orvel", "Cursor &Ratolí");
    case 1: return QCoreApplication::translate("Orvel", "Escaneig &Manual");
    case 2: return QCoreApplication::translate("Orvel", "Escaneig &Automàtic");
    case 3: return QCoreApplication::translate("Orvel", "Cursors &Teclat");
    case 4: return QCoreApplication::translate("Orvel", "&Joystic");
    case 5: return QCoreApplication::translate("Orvel", "&Veu");
    default: return QString();
    }
}

void choose_access_method(int index, UserProfile& profile, AccessMethodDialogs& dialogs)
{
    switch (index) {
    case 0:
        profile.modus = 0;
        break;
    case 1:
        profile.modus = 1;
        dialogs.open_switch_dialog(1, QCoreApplication::translate("Orvel", "Configuració pulsador 1"));
        if (profile.accio1 != 0)
            dialogs.open_switch_dialog(2, QCoreApplication::translate("Orvel", "Configuració pulsador 2"));
        break;
    case 2:
        profile.modus = 2;
        dialogs.open_switch_dialog(1, QCoreApplication::translate("Orvel", "Configuració pulsador"));
        break;
    case 3:
        profile.modus = 3;
        break;
    case 4:
        dialogs.choose_joystick();
        break;
    case 5:
        dialogs.choose_voice();
        break;
    default:
        break;
    }
}

int access_method_item(int modus)
{
    switch (modus) {
    case 1: return 1;
    case 2: return 2;
    case 3: return 3;
    case 4:
    case 8: return 4;
    case 5:
    case 6:
    case 7: return 5;
    default: return 0;
    }
}

}  // namespace orvel
