#pragma once
// Builds one board as the editor would: area 1, then cells cut with the editor's
// subdivision tool (which makes the cut area a group), each cell given its key text,
// the name its scanning speaks and a picture; then the board file is written and its
// cover drawn by the cover generator.
#include <QList>
#include <QString>

#include "make_boards/tile_picture.h"
#include "model/template.h"

namespace orvel::boards {

// A board of equal cells: area 1 is columns x rows cells of the given size, `top` from
// the canvas's top edge.
struct Grid {
    int columns = 1;
    int rows = 1;
    int cell_width = 0;
    int cell_height = 0;
    int top = 0;
};

class BoardMaker {
public:
    // A board named file_name (e.g. "TECLAT.ORV") in folder, whose area 1 is
    // width x height template pixels, `top` from the canvas's top edge (the board keeps
    // that place on the screen, and a program it starts gets the strip above it).
    // Pictures go to folder/imatges.
    BoardMaker(const QString& folder, const QString& file_name, int width, int height, int top = 0);

    // A board laid out as the grid, in folder (created when missing); its cells' numbers,
    // row by row, in *cells.
    BoardMaker(const QString& folder, const QString& file_name, const Grid& grid, QList<int>* cells);

    Template& board() { return t_; }

    // Cuts area n into rows x columns equal cells; their numbers, row by row.
    QList<int> subdivide(int n, int rows, int columns);

    // The cell's key text, the text scanning speaks when it is highlighted (its
    // auditory symbol) and its picture.
    void set_cell(int n, const QString& keys, const QString& spoken, const Tile& tile);
    // A group's name, spoken when scanning highlights it.
    void set_group_name(int n, const QString& spoken);

    // Writes the pictures, the board and its cover. False (with a line on stderr) on failure.
    bool save();

private:
    QString picture_name(const Tile& tile, const QString& spoken);

    Template t_;
    QString folder_;
    QString file_name_;
    QString pictures_folder_;
    struct Cell {
        int n;
        QString spoken;
        Tile tile;
    };
    QList<Cell> cells_;
};

// The name of a picture file for a cell's name: letters folded to ASCII capitals, runs of
// anything else one "_" ("Vull beure aigua" gives "VULL_BEURE_AIGUA").
QString file_stem(const QString& caption);

}  // namespace orvel::boards
