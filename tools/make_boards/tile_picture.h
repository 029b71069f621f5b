#pragma once
// The picture of one cell of a shipped board: a pastel background and the caption in
// large type wrapped onto as many lines as it needs.
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

}  // namespace orvel::boards
