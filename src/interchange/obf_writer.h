#pragma once
// Writing Open Board Format JSON with Qt's JSON classes.
#include <QByteArray>

#include "interchange/obf_board.h"

namespace orvel::obf {

QByteArray board_json(const Board& board);
QByteArray manifest_json(const Manifest& manifest);

}  // namespace orvel::obf
