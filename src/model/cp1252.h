#pragma once
// Windows-1252, the 8-bit text of board, profile and catalogue files.
#include <QByteArray>
#include <QString>

namespace orvel::cp1252 {

// Every byte decodes to one character (the five unassigned bytes to the C1 control
// of the same value), so decoding and encoding again gives back the same bytes.
QString decode(const QByteArray& bytes);
QString decode(const char* data, qsizetype size);
// Characters that Windows-1252 cannot hold become "?"; *unmappable counts them.
QByteArray encode(const QString& text, int* unmappable = nullptr);

}  // namespace orvel::cp1252
