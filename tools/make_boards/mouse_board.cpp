// The mouse board: the pointer moved in eight directions by a short step (left pad,
// with a click in its middle) or a long one (right pad, with a double click), right
// click, dragging in four directions, and releasing a button left down.
#include <QColor>

#include "make_boards/board_maker.h"
#include "make_boards/boards.h"

namespace orvel::boards {

namespace {

struct MouseKey {
    QString caption;
    QString operations;  // of one MOUSE command
    QString spoken;
};

const QColor kShort(0xC8, 0xE6, 0xC9);
const QColor kLong(0xB2, 0xDF, 0xDB);
const QColor kButton(0xBB, 0xDE, 0xFB);
const QColor kDrag(0xFF, 0xE0, 0xB2);

// Row by row, six a row.
QList<MouseKey> mouse_keys()
{
    return {
        {"↖", "A 20 E 20", "Amunt i a l'esquerra"}, {"↑", "A 20", "Amunt"}, {"↗", "A 20 D 20", "Amunt i a la dreta"},
        {"⇖", "A 100 E 100", "Lluny amunt i a l'esquerra"}, {"⇑", "A 100", "Lluny amunt"},
        {"⇗", "A 100 D 100", "Lluny amunt i a la dreta"},
        {"←", "E 20", "Esquerra"}, {"Clic", "CD", "Clic"}, {"→", "D 20", "Dreta"},
        {"⇐", "E 100", "Lluny a l'esquerra"}, {"Doble clic", "2CD", "Doble clic"}, {"⇒", "D 100", "Lluny a la dreta"},
        {"↙", "R 20 E 20", "Avall i a l'esquerra"}, {"↓", "R 20", "Avall"}, {"↘", "R 20 D 20", "Avall i a la dreta"},
        {"⇙", "R 100 E 100", "Lluny avall i a l'esquerra"}, {"⇓", "R 100", "Lluny avall"},
        {"⇘", "R 100 D 100", "Lluny avall i a la dreta"},
        {"Clic dret", "CE", "Clic dret"}, {"Arrossega ←", "PD+ -100 0", "Arrossega a l'esquerra"},
        {"Arrossega ↑", "PD+ 0 -100", "Arrossega amunt"}, {"Arrossega ↓", "PD+ 0 100", "Arrossega avall"},
        {"Arrossega →", "PD+ 100 0", "Arrossega a la dreta"}, {"Deixa anar", "AD", "Deixa anar"},
    };
}

Tile tile_for(const MouseKey& key, int column, int row)
{
    if (row == 3 && column > 0 && column < 5)
        return {.caption = key.caption, .background = kDrag};
    if (key.caption.size() > 1)
        return {.caption = key.caption, .background = kButton, .strong = true};
    return {.caption = key.caption,
            .background = column < 3 ? kShort : kLong,
            .largest_pixels = 48,
            .family = QStringLiteral("DejaVu Sans")};
}

}  // namespace

bool make_mouse_board(const QString& boards_folder)
{
    // A band along the bottom of the screen: the pointer has the rest to move over.
    constexpr int kColumns = 6;
    const QString folder = boards_folder + QStringLiteral("/ratoli");
    QList<int> cells;
    BoardMaker maker(folder, QStringLiteral("RATOLI.ORV"),
                     {.columns = kColumns, .rows = 4, .cell_width = 106, .cell_height = 40, .top = 285}, &cells);
    maker.board().description =
        QStringLiteral("Control del ratolí: moure el punter a pas curt (20 punts) o llarg (100), clic, doble clic, "
                       "clic dret i arrossegar.");
    const QList<MouseKey> keys = mouse_keys();
    for (int i = 0; i < keys.size() && i < cells.size(); ++i)
        maker.set_cell(cells[i], QStringLiteral("{|MOUSE ") + keys[i].operations + QLatin1Char('}'),
                       keys[i].spoken, tile_for(keys[i], i % kColumns, i / kColumns));
    return maker.save() && write_profiles(folder, 12);
}

}  // namespace orvel::boards
