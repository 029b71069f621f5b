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
    // A file the program reads: the user's copy when there is one, else the program's.
    QString find_readable(const QString& user_folder, const QString& name) const;
};

}  // namespace orvel
