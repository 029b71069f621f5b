#pragma once
// The logic of the "Fitxers" menu commands (Nou, Obrir, Desar, Sortir) and of undo
// ("Desfer", copia_seguretat), without their dialogs: the main window shows
// the dialogs and the pictures and calls these with what the user chose.
//
// Where this differs from the Windows program, on purpose:
//  - Saving writes a temporary file beside the board and renames it over the old one
//    (write_template); the Windows program created the target empty first, so a crash or a full disk
//    in between lost the board.
//  - The chosen name keeps the letter case the user typed (the Windows program upper-cased it);
//    a board without a cover gets "NAME.BMP" or "name.bmp" after the case of the board's
//    own extension. The extension is checked before `directory` changes, so a refused
//    save leaves the board as it was.
//  - Relocation keeps the letter case of the names (only command words are put in
//    capitals), also relocates the Spanish aliases of the file commands, the commands of
//    `initial_keys` and each "|"-separated program of `program`, and looks for commands
//    inside other commands (such as the branches of a conditional).
//  - Undo marks the restored board modified when it differs from the one it replaced.
//  - A save never replaces a file that is not the board's own: the cover copied for a new
//    name takes a free name when another file has the wanted one. It names no cover it
//    did not write: a missing cover keeps its old name, and a board without a cover gets
//    one only when the cover is drawn.
#include <QString>
#include <functional>

#include "model/template.h"
#include "model/template_file.h"

namespace orvel {

struct OrvelState;
struct Folders;
class MessageBoxes;

// ---- Relocation on save: keeping every file reference valid from the new folder ----

// f as it must be stored once the board lives in new_folder: unchanged when empty or when
// no file of that name exists from old_folder; otherwise the existing file's full name,
// relative to new_folder when it lies inside it ("/" separators).
QString relocate_reference(const QString& f, const QString& old_folder, const QString& new_folder);

// The key text with the file argument of every CARREGA, SONA, EXECUTA and ENGANXA command
// (and their aliases) relocated, and the file after "/F:" of every LLEGEIX command; the
// command word of these commands is put in capitals. Every other command is unchanged.
QString relocate_key_text(const QString& keys, const QString& old_folder, const QString& new_folder);

// Relocates every stored file reference of t from old_folder to new_folder.
void relocate_template(Template& t, const QString& old_folder, const QString& new_folder);

// ---- Names chosen for a saved board ----

// The save dialog's default extension: a name whose file part has no "." gets ".ORV"
// (".orv" when the name is written in lower case).
QString with_default_extension(const QString& chosen);

// The cover of a board saved under a new name: the board's path without its last three
// characters followed by the last three characters of the old cover name
// ("/docs/BOARD.ORV" with cover "x.bmp" gives "/docs/BOARD.bmp").
QString renamed_cover(const QString& board_path, const QString& old_cover);

// wanted when no file of that name exists, else the first free "STEM-N.EXT" beside it
// (N = 2, 3 ...): what a save writes never replaces a file it does not own.
QString unused_file_name(const QString& wanted);

// Where the board's open and save dialogs start: the folder of the open board, or the
// user's documents folder (home) for a board never saved.
QString dialog_start_folder(const Template& t);

// The cover name of a board that has none: its own file name up to and including the
// first ".", followed by "BMP" ("MY.BOARD.ORV" gives "MY.BMP"; "my.orv" gives "my.bmp").
QString cover_for_board_without_cover(const QString& board_path);

// ---- Commands ----

// When t.modified is -1, asks message 5 ("El fitxer ha estat modificat. Voleu
// enregistrar-lo?", title "Orvel", Yes/No); Yes runs save. Returns true when save ran.
bool ask_save_changes(Template& t, MessageBoxes& messages, const std::function<void()>& save);

// Snapshot files of undo, in the user's state folder.
QString snapshot_file(const Folders& folders);       // tmp.bin
QString snapshot_board_file(const Folders& folders); // tmp.orv

// copia_seguretat(mode): 0 or 1 writes the whole board to the snapshot; 2 restores it
// (directory and file_name stay those of the open board, and relative names keep
// resolving against its folder). False when the snapshot could not be written, or when
// there is none to restore.
bool copia_seguretat(OrvelState& state, int mode, MessageBoxes& messages);

struct NewBoardActions {
    std::function<void()> save;              // the save command, for ask_save_changes
    bool speech_engine_present = false;      // the speech settings are reset only then
    std::function<void()> open_global_data;  // opens the global data dialog for the new board
};

// "&Nou": asks to save, resets the board, takes the undo snapshot, resets the speech
// settings when the engine is present, format_minor 2, global_data_on_new 1, no area
// selected; opens the global data dialog when the replaced board asked for it. The
// caption, the empty cover and the drawing mode belong to the window.
void new_board(OrvelState& state, MessageBoxes& messages, const NewBoardActions& actions);

// "&Obrir ...", after the dialog (the window asks to save before showing it): a chosen
// name that is empty, shorter than five characters or starts with "*" loads nothing.
LoadOutcome open_board(OrvelState& state, const QString& chosen, MessageBoxes& messages);

enum class SaveOutcome { Saved, NotSaved, Failed };

struct SaveActions {
    std::function<void(Template&)> generate_cover;  // when auto_cover is 1: the cover drawn from the areas
};

// "&Desar ...", after the dialog, with the full name chosen (empty: cancelled). Names
// that do not end in ".ORV" (any case) save nothing. Relocates the references when the
// folder changes, copies the cover for a new name (to a free name when another file
// already has it), names a cover for a board without one only when generate_cover draws
// it, writes the board and sets file_name, file_time and modified. A failure shows
// "6 Error" followed by the error number; characters that Windows-1252 cannot hold are
// written as "?" and reported once.
SaveOutcome save_board(OrvelState& state, const QString& chosen, MessageBoxes& messages,
                       const SaveActions& actions = {});

}  // namespace orvel
