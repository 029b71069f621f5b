#pragma once
// The picture of one cell of a shipped board: a pastel background, the caption in large
// type wrapped onto as many lines as it needs, written as a bitmap of few colours
// (a cell holds a few, and a 24-bit picture is up to six times the size).
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

namespace orvel::boards {

struct Tile {
    QString caption = {};
    QColor background = Qt::white;
    bool strong = false;  // a cell that leads elsewhere (a topic's page, the way back): framed
    int largest_pixels = 30;  // the caption's largest size
    QString family = {};      // the caption's font; empty: the cover's
};

// The largest caption size, up to tile.largest_pixels, at which the caption fits a tile
// of this size wrapped at word boundaries.
int fitting_pixels(const Tile& tile, QSize size);

// The tile drawn at size (the size the cover copies it at one to one), its caption
// `pixels` high.
QImage render_tile(const Tile& tile, QSize size, int pixels);

// The picture as a bitmap of 16 (4 bits) or 256 colours (8 bits): the ones it uses most,
// the nearest of them for the rest. A caption on one colour needs no more than 16.
QByteArray indexed_bitmap(const QImage& picture, int colours);

}  // namespace orvel::boards
