#pragma once
// The picture of one cell of a shipped board: the caption in large type wrapped onto as
// many lines as it needs, on a pastel background or, under a symbol of the library, on
// white inside a frame of the cell's colour.
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

namespace orvel::boards {

struct Tile {
    QString caption = {};
    QColor background = Qt::white;
    bool strong = false;  // a cell that leads elsewhere (a topic's page, the way back): framed
    int largest_pixels = 30;  // the caption's largest size
    QString family = {};      // the caption's font; empty: the cover's
    QString symbol = {};      // the symbol's picture (an SVG file of the library), or none
};

// The largest caption size, up to tile.largest_pixels, at which the caption fits a tile
// of this size wrapped at word boundaries.
int fitting_pixels(const Tile& tile, QSize size);

// The caption's height at this size, wrapped at word boundaries inside the tile's frame;
// nothing when a word is wider than that or the caption takes more of the height than
// it may (half of it under a symbol).
std::optional<int> caption_height(const Tile& tile, QSize size, int pixels);

// The tile drawn at size (the size the cover copies it at one to one), its caption
// `pixels` high; under a symbol the caption's lines take lines_height at the bottom
// (cells side by side give theirs the same, so their symbols have one size).
QImage render_tile(const Tile& tile, QSize size, int pixels, int lines_height);

}  // namespace orvel::boards
