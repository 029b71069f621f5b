#pragma once
// The ready-made commands the editor offers for key texts: the catalogue the
// command builder works from, the "Ordres", "Ratolí" and "Memoria" menus, and
// the open-file dialogs those commands ask a file with.
#include <QString>
#include <QStringList>
#include <vector>

namespace orvel {

inline constexpr int kCommandCatalogueSize = 32;

// Column 0 the command's name, 1 the text that starts it, 2 the kind of
// parameter it needs. Any other index or column gives an empty text.
QString command_catalogue(int index, int column);

// Where a menu item's file comes from.
enum class CommandFileSource {
    None,             // the item inserts a fixed text
    FileDialog,       // one of the open-file dialogs below
    GraphicsBrowser,  // the picture browser; the picture also becomes the area's icon
};

struct CommandMenuItem {
    QString caption;
    QString name;      // object name of the menu item
    QString text;      // the text inserted, or the part before the chosen file
    QString suffix;    // the part after the chosen file
    CommandFileSource source = CommandFileSource::None;
    int dialog = -1;   // with FileDialog: the dialog's number
};

struct CommandMenu {
    QString caption;
    QString name;
    std::vector<CommandMenuItem> items;
    std::vector<CommandMenu> submenus;  // shown after the items
    bool closes_aux_keyboard = false;   // "Ordres" closes the auxiliary keyboard around each item
};

// The three menus, in menu-bar order: "Ordres", "Ratolí" (with "Botó dret" and
// "Botó esquerra") and "Memoria".
const std::vector<CommandMenu>& command_menus();

// Where an open-file dialog starts.
enum class StartFolder { Current, Board, Program };

// One open-file dialog. Filters alternate description and pattern, as
// "Description|*.EXT|Description|*.EXT".
struct FileDialogSettings {
    QString title;
    QString filter;
    QString initial_name;  // "" keeps the name chosen last in the same dialog
    StartFolder start = StartFolder::Current;
};

inline constexpr int kCommandFileDialogs = 4;
// Dialogs 0 (programs), 1 (sounds), 2 (boards) and 3 (files to paste); an
// unknown number gives empty settings.
FileDialogSettings command_file_dialog(int dialog);

// The Qt form of a filter text: "Description (patterns)" per pair. "*.*" means
// every file, which on this system is "*" (names need no dot).
QStringList qt_name_filters(const QString& filter);

// A name chosen in a dialog as a key text stores it: in capitals, relative to
// the board's folder when it lies inside it. "" when the choice is not a file
// (empty, shorter than 5 characters, or the pattern left in place).
QString accept_chosen_file(const QString& chosen, const QString& board_folder);

// A picture chosen in the picture browser, relative to the board's folder when
// it lies there, letter case kept. "" when no file was chosen (nothing, or a
// folder with no file name after it).
QString accept_browsed_picture(const QString& chosen, const QString& board_folder);

}  // namespace orvel
