#pragma once
// Reading a board's cover picture, shared by the editor's canvas and the board.
#include <QImage>
#include <QString>

#include "model/template.h"

namespace orvel {

class MessageBoxes;

// Qt reads pictures by their contents; a name on a Windows board may still say .BMP.
// Only a regular file within the limit for files named by boards is read. With `largest`
// valid, a bigger picture is decoded at most that wide and that high (a photograph shown
// on a small surface needs no more).
QImage read_picture(const QString& path, QString* error, QSize largest = QSize());

// The board's cover, or a null image when it has none or it cannot be read.
// A missing cover was already reported by the board reader; an unreadable one
// is reported when `report_errors` is set.
QImage load_cover_picture(const Template& board, MessageBoxes& messages, bool report_errors);

}  // namespace orvel
