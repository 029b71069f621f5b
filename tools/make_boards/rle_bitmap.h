#pragma once
// Pictures of few colours written as run-length compressed 8-bit bitmaps (BI_RLE8), which
// every reader of boards opens (Qt, Windows): a cover of flat colours takes a tenth of
// the room of the 24-bit bitmap the cover generator writes, and looks the same.
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRgb>

namespace orvel::boards {

// The colours a picture uses most, at most `count`, most used first (equal counts in
// colour order, so the same picture always gives the same palette).
QList<QRgb> most_used_colours(const QImage& picture, int count);

// The picture as a BI_RLE8 bitmap file whose colours are `palette` (at most 256): each
// pixel takes the nearest of them.
QByteArray rle8_bitmap(const QImage& picture, const QList<QRgb>& palette);

// One row of palette indexes in RLE8 codes, ended by the end-of-line code.
QByteArray rle8_row(const uchar* indexes, int width);

}  // namespace orvel::boards
