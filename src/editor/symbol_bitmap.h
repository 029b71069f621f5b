#pragma once
// A library symbol turned into a picture of the board: rendered from its SVG at the
// area's size on white and written into the board's folder as a 24-bit bitmap named
// after its word, so the board stays readable by every program that reads boards.
#include <QImage>
#include <QSize>
#include <QString>

#include "model/template.h"

namespace orvel {

// The size a symbol is drawn at for area n: the rectangle the cover stretches its
// picture over, so the cover shows it without scaling. Without such an area (none
// chosen, or an empty one), a square of 200.
QSize symbol_size_for_area(const Template& t, int n);
// What the picker searches first for an area: the printable part of its key text, or
// else the name of its picture without folder and extension.
QString symbol_query_for_area(const Area& a);

// The symbol drawn as large as it fits in `size`, centred, on white (32-bit, no
// alpha). With a caption, the symbol takes the top and the caption is written in black
// under it, in the cover's font, as large as fits (a fifth of the height and 28 pixels at most), cut
// when even the smallest size is too wide. Null when the file is not a picture QtSvg
// can draw or the size is empty.
QImage render_symbol(const QString& svg_path, QSize size, const QString& caption = QString());

// The file name (without extension) a word gives: letters and digits without accents,
// lower case, other runs of characters one "_", at most 40 characters; "simbol" when
// nothing is left.
QString symbol_file_stem(const QString& word);

struct SymbolBitmap {
    QString path;     // the file written, or the same picture found already there
    QString problem;  // for the person, when nothing could be written
};

// Writes the symbol (with its caption, when one is given) as "STEM.bmp" in `folder`. A file of that name holding another
// picture is never replaced: the next free "STEM-N.bmp" is used; one holding this very
// picture is used as it is.
SymbolBitmap write_symbol_bitmap(const QString& svg_path, const QString& word, QSize size, const QString& folder,
                                 const QString& caption = QString());
// The caption an area's symbol may carry: the printable part of its key text.
QString symbol_caption_for_area(const Area& a);

}  // namespace orvel
