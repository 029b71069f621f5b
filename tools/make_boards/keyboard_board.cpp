// The alphabet keyboard: letters in the order of their frequency in Catalan, laid out so
// that row scanning reaches the frequent ones first (a cell costs its row plus its
// column in steps), typing into a text editor the board starts; space, delete, Enter,
// and a key that reads aloud everything written.
#include <QColor>
#include <algorithm>
#include <numeric>

#include "make_boards/board_maker.h"
#include "make_boards/boards.h"

namespace orvel::boards {

namespace {

struct Key {
    QString caption;
    QString keys;
    QString spoken;
};

const QColor kControl(0xBB, 0xDE, 0xFB);
const QColor kVowel(0xFF, 0xF9, 0xC4);
const QColor kConsonant(0xFF, 0xFF, 0xFF);
const QColor kPunctuation(0xE0, 0xE0, 0xE0);

Key letter(const QString& c)
{
    return {c, c, c};
}

// Most used first: the space, the letters by their frequency in Catalan text, and the
// keys that edit or read, where a person writing needs them.
QList<Key> keys_by_use()
{
    // Select all, copy, go to the end (so the next letter does not replace the text),
    // then read what the editor gave the clipboard.
    const QString read_all = QStringLiteral("^a^c^{END}{|LLEGIR {|RCW}}");
    return {
        {"Espai", " ", "Espai"}, letter("e"), letter("a"), {"Esborra", "{BK}", "Esborra"}, letter("s"),
        letter("r"), letter("i"), letter("n"), {"Llegeix", read_all, "Llegeix"}, letter("t"), letter("l"),
        letter("o"), letter("c"), letter("u"), letter("d"), letter("m"), letter("p"), {".", ".", "Punt"},
        {"'", "'", "Apòstrof"}, letter("v"), letter("g"), letter("b"), letter("f"), letter("q"), letter("h"),
        letter("à"), letter("è"), letter("é"), letter("ò"), {"Intro", "{ENTER}", "Intro"}, letter("ó"),
        letter("í"), {",", ",", "Coma"}, letter("j"), letter("x"), letter("ç"), letter("z"), letter("ú"),
        letter("ï"), letter("ü"), {"·", "·", "Punt volat"}, {"?", "?", "Interrogant"}, letter("y"), letter("k"),
        letter("w"), {"!", "!", "Exclamació"}, {"-", "-", "Guió"}, {"Esborra-ho tot", "^a{BK}", "Esborra-ho tot"},
    };
}

Tile tile_for(const Key& key)
{
    static const QString vowels = QStringLiteral("aeiouàèéíòóúïü");
    if (key.caption.size() > 1)
        return {.caption = key.caption, .background = kControl, .strong = true};
    if (!key.caption.at(0).isLetter())
        return {.caption = key.caption, .background = kPunctuation, .largest_pixels = 40};
    return {.caption = key.caption,
            .background = vowels.contains(key.caption) ? kVowel : kConsonant,
            .largest_pixels = 40};
}

}  // namespace

bool make_keyboard_board(const QString& boards_folder)
{
    // The board takes the bottom of the screen; the editor gets the strip above it.
    constexpr int kColumns = 8;
    const QString folder = boards_folder + QStringLiteral("/teclat");
    QList<int> cells;
    BoardMaker maker(folder, QStringLiteral("TECLAT.ORV"),
                     {.columns = kColumns, .rows = 6, .cell_width = 80, .cell_height = 40, .top = 205}, &cells);
    Template& t = maker.board();
    t.program = QStringLiteral("mousepad --disable-server");
    t.description = QStringLiteral("Teclat alfabètic per a l'escaneig per files: les lletres més freqüents en "
                                   "català, primer. Escriu al Mousepad; «Llegeix» diu en veu alta tot el text.");
    // Cells in the order row scanning reaches them: fewer steps first, upper rows first.
    QList<int> order(cells.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [](int a, int b) {
        return a / kColumns + a % kColumns < b / kColumns + b % kColumns;
    });
    const QList<Key> keys = keys_by_use();
    for (int i = 0; i < keys.size() && i < order.size(); ++i)
        maker.set_cell(cells[order[i]], keys[i].keys, keys[i].spoken, tile_for(keys[i]));
    return maker.save() && write_profiles(folder, 10);
}

}  // namespace orvel::boards
