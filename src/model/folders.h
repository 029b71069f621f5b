#pragma once
// Where the program's read-only data lives and where it writes the user's files.
#include <QString>

namespace orvel {

struct Folders {
    QString program;  // read-only data: beside the executable in a build tree, share/orvel when installed
    QString config;   // XDG_CONFIG_HOME/orvel: Orvel.INI
    QString state;    // XDG_STATE_HOME/orvel: undo snapshot, orvmis.txt
    QString data;     // XDG_DATA_HOME/orvel: registry store

    // The folders for this process, from the executable's location and the XDG variables.
    static Folders from_environment();
    // A file the program reads: the user's copy when there is one, else the program's; the
    // name is matched without regard to letter case, as names in boards are.
    QString find_readable(const QString& user_folder, const QString& name) const;
};

// The symbol library (pictures and their word index): "symbols" in the program's
// folder. A build tree links it to data/symbols of the checkout (scripts/install-symbols
// fills that); an installed Orvel has it in PREFIX/share/orvel/symbols.
QString symbols_folder(const Folders& folders);

// The lock that keeps one copy of Orvel per user: $XDG_RUNTIME_DIR/orvel.lock when that
// is a folder of this user, else orvel.lock in the user's state folder. Never a name in a
// shared folder, where another user could take it first.
QString single_instance_lock_file(const Folders& folders);

// The entry of folder whose name is name, matched without regard to letter case when there
// is no exact match; folder + "/" + name when there is none.
QString find_in_folder(const QString& folder, const QString& name);

}  // namespace orvel
