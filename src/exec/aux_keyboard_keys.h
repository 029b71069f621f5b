#pragma once
// What the auxiliary keyboard's buttons insert into a key text, and which field
// it writes into.
#include <QString>
#include <vector>

#include "exec/command_catalogue.h"

namespace orvel {

struct AuxKey {
    int index;        // the button's number (there is no button 25)
    QString caption;  // what the button shows
    QString text;     // the key notation it inserts
};

// The key buttons in number order.
const std::vector<AuxKey>& aux_keyboard_keys();

inline constexpr int kAuxPictures = 8;
inline constexpr int kAuxLoadPicture = 4;
inline constexpr int kAuxExecutePicture = 5;

// What picture 0..7 inserts. Pictures 4 (load a board) and 5 (run a program)
// need a file first: give the accepted name (accept_chosen_file); with an empty
// name they insert nothing. An unknown picture inserts nothing.
QString aux_picture_text(int picture, const QString& chosen_file = QString());
// A short caption for the picture's button, and a longer name for assistive tools.
QString aux_picture_caption(int picture);
QString aux_picture_description(int picture);
// The open-file dialog of pictures 4 and 5 (they start in the program's folder).
FileDialogSettings aux_picture_dialog(int picture);

// The field the keyboard writes into, chosen by how many windows the program
// has open: the main window and the keyboard alone mean the area's key text; a
// third window is the global data dialog with its initial keys; more mean the
// command builder's parameter field.
enum class NotationField { AreaKeys, InitialKeys, BuilderParameter };
NotationField notation_field(int open_windows);

}  // namespace orvel
