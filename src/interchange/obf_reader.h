#pragma once
// Reading Open Board Format JSON (a board, or an .obz set's manifest) with Qt's JSON
// classes. Everything read is checked for type; what does not fit is left out, and a
// board that cannot be used at all is refused with the reason.
#include <QByteArray>
#include <QString>
#include <variant>

#include "interchange/obf_board.h"

namespace orvel::obf {

// Refusals carry the reason, in the words shown to the person.
struct ReadError {
    QString text;
};

// The largest board file read (an ordinary board is a few hundred kilobytes, one with
// pictures inside as data URLs a few megabytes).
constexpr qsizetype kMaxBoardBytes = 32 * 1024 * 1024;
// The grid sizes and button counts a board may have: far beyond a usable board.
constexpr int kMaxGridSide = 100;
constexpr int kMaxButtons = 5000;

std::variant<Board, ReadError> read_board(const QByteArray& json);
std::variant<Manifest, ReadError> read_manifest(const QByteArray& json);

// True when the format names open-board-0.x with x at most 1 ("open-board-0.1").
bool known_format(const QString& format);

}  // namespace orvel::obf
