#pragma once
// Reading the files a board names (clipboard files, pictures, sounds, texts to read).
//
// A board can name anything: a device that never ends (/dev/zero), a pipe that blocks for
// ever, a file of gigabytes. Only regular files (symbolic links followed) of at most
// kMaxBoardFileBytes are read; anything else is treated as a file that cannot be read.
#include <QByteArray>
#include <QString>
#include <optional>

namespace orvel {

inline constexpr qint64 kMaxBoardFileBytes = 16 * 1024 * 1024;

// True when path is a regular file within the limit.
bool is_readable_board_file(const QString& path);

// The whole file, or nothing when it is not a regular file within the limit or cannot be
// read. Opening never blocks, also when the name is a pipe.
std::optional<QByteArray> read_board_file(const QString& path);

// Text of a file a board names: UTF-8 when the bytes are valid UTF-8 (files written on
// Linux), Windows-1252 otherwise (files from Windows).
QString decode_board_text(const QByteArray& bytes);

}  // namespace orvel
