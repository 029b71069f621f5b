// The profiles shipped with every board: the mouse, one switch with automatic scanning
// and two switches with manual scanning. Switches are the space and Enter keys, which
// switch interfaces send.
#include <QFile>

#include "make_boards/boards.h"
#include "model/settings.h"

namespace orvel::boards {

namespace {

constexpr int16_t kMouse = 0, kManualScanning = 1, kAutomaticScanning = 2;
constexpr int16_t kSpaceKey = 3, kEnterKey = 2;
// The frame in deep blue (an RGB number, blue in the high byte): it stands out on every
// pastel cell, where red hardly shows on pink and orange.
constexpr double kDeepBlue = 0xC80000;
constexpr int16_t kThickFrame = 10;

bool write_fresh(const UserProfile& profile, const QString& path)
{
    QFile::remove(path);  // the profile writer keeps the rest of a file it updates
    return write_user_profile(profile, path);
}

}  // namespace

bool write_profiles(const QString& folder, int step_tenths)
{
    UserProfile mouse;
    mouse.modus = kMouse;
    mouse.color = kDeepBlue;

    // One switch: either key selects the highlighted cell.
    UserProfile automatic;
    automatic.modus = kAutomaticScanning;
    automatic.temps = static_cast<int16_t>(step_tenths);
    automatic.gruix = kThickFrame;
    automatic.color = kDeepBlue;
    automatic.accio1 = kSpaceKey;
    automatic.accio2 = kEnterKey;
    automatic.files = 1;           // rows first, then the cells of the chosen row
    automatic.retard_inicial = 500;  // a moment longer on the first of each level
    automatic.marc_contrast = 1;

    // Two switches: space moves the frame on, Enter selects.
    UserProfile manual;
    manual.modus = kManualScanning;
    manual.gruix = kThickFrame;
    manual.color = kDeepBlue;
    manual.accio1 = kSpaceKey;
    manual.accio2 = kEnterKey;
    manual.files = 1;
    manual.marc_contrast = 1;

    return write_fresh(mouse, folder + QStringLiteral("/RATOLI.USR")) &&
           write_fresh(automatic, folder + QStringLiteral("/ESCANEIG_AUTOMATIC.USR")) &&
           write_fresh(manual, folder + QStringLiteral("/ESCANEIG_MANUAL.USR"));
}

}  // namespace orvel::boards
