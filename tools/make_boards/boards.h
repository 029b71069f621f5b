#pragma once
// The boards shipped in boards/, each written into its own folder under the given one.
#include <QString>

namespace orvel::boards {

class SymbolFinder;

// The communication boards in Catalan ("comunicacio") and Spanish ("comunicacion").
bool make_communication_boards(const QString& boards_folder, const SymbolFinder& symbols);
// The alphabet keyboard that types into a text editor ("teclat").
bool make_keyboard_board(const QString& boards_folder);
// The board that moves and clicks the mouse ("ratoli").
bool make_mouse_board(const QString& boards_folder);
// The three profiles of a board folder: mouse, one switch (automatic scanning) and two
// switches (manual scanning). step_tenths: the automatic scanning step.
bool write_profiles(const QString& folder, int step_tenths);

}  // namespace orvel::boards
