#pragma once
// Program settings (Orvel.INI) and user profiles (.USR files), and the logic of the
// "Usuari" menu.
#include <QString>
#include <functional>

#include "model/folders.h"
#include "model/user_profile.h"

namespace orvel {

class MessageBoxes;

// What reading a profile needs from the rest of the program. Either may be empty.
struct ProfileHooks {
    // Starts detection of the joystick with this index (n_joystic - 1); called while the
    // profile is read, before its joystick sensitivity and period.
    std::function<void(int joystick_index)> detect_joystick;
    // Ticks the menu item of this access method and clears the others.
    std::function<void(int16_t modus)> show_access_method;
};

inline constexpr char kSettingsFileName[] = "Orvel.INI";
inline constexpr char kProfileSection[] = "Orvel";
// The access methods are `modus` 0 to 8; a profile with any other is read as 0 (mouse).
inline constexpr int16_t kHighestAccessMethod = 8;

// Orvel.INI to read: the user's copy when there is one, else the program's.
QString settings_file_to_read(const Folders& folders);
// Orvel.INI to write: always the user's copy (the program's folder is read-only).
QString settings_file_to_write(const Folders& folders);

// Reads Interval, So and usuari from Orvel.INI and loads the profile named by usuari.
void read_settings(UserProfile& profile, const Folders& folders, const ProfileHooks& hooks);

// The interface language chosen in Orvel.INI ("Idioma"), as written there; empty when the
// desktop's locale decides.
QString read_language_setting(const Folders& folders);
// Records the language chosen for the next start in the user's Orvel.INI; false when the
// file cannot be written.
bool write_language_setting(const Folders& folders, const QString& language);

enum class ProfileLoad { Loaded, Missing, Unreadable };

// Reads an existing .USR file into profile, ticks its access method and records it as
// "usuari" in the user's Orvel.INI. A missing file changes nothing. The path is matched
// without regard to letter case when it does not exist as written (profiles named by
// boards and settings made on Windows are in capitals).
ProfileLoad load_user_profile(UserProfile& profile, const QString& path, const Folders& folders,
                              const ProfileHooks& hooks);

// The fifteen keys of section "Orvel" of path, then the later switch-access keys
// (acceptacio, post_acceptacio, retard_inicial, voltes, files, permanencia,
// marc_contrast), read into profile in their order.
void read_user_profile(UserProfile& profile, const QString& path, const ProfileHooks& hooks);
// The fifteen keys and then the later ones, written in their order; false when the
// file cannot be written.
bool write_user_profile(const UserProfile& profile, const QString& path);

// "Usuari Nou": every field but Interval and So cleared, then the new-user frame.
void new_user(UserProfile& profile);

// Command handlers of the "Usuari" menu, given the name chosen in the file dialog
// (empty when the dialog was cancelled). The caller hides the auxiliary keyboard and
// offers to save a modified board first.
void load_user_command(UserProfile& profile, const QString& chosen, const Folders& folders,
                       const ProfileHooks& hooks, MessageBoxes& boxes);
void save_user_command(const UserProfile& profile, const QString& chosen, MessageBoxes& boxes);

// How the profile writes numbers: one blank before a value that is not negative.
QString profile_number(int value);
QString profile_number(double value);

}  // namespace orvel
