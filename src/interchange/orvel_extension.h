#pragma once
// The "ext_orvel_" fields: what an Orvel board holds that the format has no place for
// (key texts, groups, area numbers, the board's own settings), written on export and
// read back on import so that a board exported and imported again is the same board.
#include <QJsonObject>
#include <optional>

#include "interchange/board_import.h"

namespace orvel::obf {

// "ext_orvel_board": the board's settings and its area 1; file is the board's file name.
QJsonObject board_extension(const Template& t, const QString& file);
// "ext_orvel_area": area n's number and the fields the button does not carry.
QJsonObject area_extension(const Template& t, int n);

// The board as Orvel exported it, when every button carries its area; nullopt for a
// board made elsewhere. Pictures and sounds come through links as for any board; the
// CARREGA commands of the key texts are pointed at the boards' new file names.
std::optional<Template> restore_board(const Board& board, const ImportLinks& links, const QString& where,
                                      ExchangeReport& report);

// The file name the board had in Orvel ("" for a board made elsewhere).
QString exported_file_name(const Board& board);

}  // namespace orvel::obf
