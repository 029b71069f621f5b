#pragma once
// One Open Board Format board as an Orvel board: the grid (or the buttons' absolute
// places) becomes area 1 and one area per button, each grid row of two or more buttons
// a group so that scanning steps over rows first, labels the areas' faces and spoken
// names, vocalizations LLEGIR, links to other boards CARREGA, typing actions keys. A
// board that Orvel exported itself ("ext_orvel_" fields) comes back as it was.
#include <QSize>
#include <QString>
#include <functional>

#include "interchange/exchange_report.h"
#include "interchange/obf_board.h"
#include "model/template.h"

namespace orvel::obf {

// The board's area 1 on the editor's canvas.
constexpr int kBoardWidth = 640;
constexpr int kBoardHeight = 445;

struct ImportLinks {
    // The file (name in the output folder) of the board a button loads; "" when the set
    // does not hold it or it could not be imported.
    std::function<QString(const LoadBoard&)> board_file;
    // The picture of a button written for an area of the given size: its face (picture
    // and label) or, for Orvel's own boards, the picture alone; "" when there is none.
    std::function<QString(const Button&, QSize area, bool face)> picture_file;
    // The button's sound as a WAV file in the output folder; "" when there is none.
    std::function<QString(const Button&)> sound_file;
    // The new file name of a board of the set that Orvel exported under the given name
    // (for the CARREGA commands kept in its key texts); "" when there is none.
    std::function<QString(const QString& exported_file)> renamed_board;
    QString own_file;   // this board's file name
    QString root_file;  // the set's first board (":home")
};

// Converts the board; problems go to the report under `where`. The template's
// directory and cover are left to the caller.
Template convert_board(const Board& board, const ImportLinks& links, const QString& where, ExchangeReport& report);

// What a button says or types, for a key text: braces, which would end a command or
// start a key name, become parentheses; line breaks blanks.
QString spoken_text(const QString& text);
// Text to be typed as it is: the characters the key notation gives a meaning to are
// written in braces ("{+}").
QString typed_text(const QString& text);

}  // namespace orvel::obf
