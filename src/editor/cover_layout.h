#pragma once
// How a board's cover is drawn from its areas: each area an outlined rectangle on a
// picture the size of area 1, showing its visual symbol stretched over it or, without
// a picture, its caption centred in it. Coordinates on the cover are the areas' minus
// area 1's top-left corner; an outline covers both of its corners.
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

#include "model/template.h"

class QFontMetricsF;
class QPainter;

namespace orvel {

class PictureCache;

// The caption font: "arial", 20 points. Arial is not on Linux desktops; Liberation Sans
// has the same metrics, so captions are cut where they were on Windows.
QFont cover_font();

// True when the symbol names a picture: its extension, from the first "." to the end
// and upper-cased, occurs in ".BMP.GIF.JPG.WMF.DIB.ICO.CUR" (so "A.B.BMP" is no picture).
bool is_picture_symbol(const QString& icon_file);

// What an area shows: a picture file (stored name) or a caption text, at most one.
struct CoverContent {
    QString picture;
    QString caption;
};
CoverContent cover_content(const Area& a);

// Where a picture is stretched in the area's relative rectangle (x0, y0)-(x1, y1):
// inside the outline, starting at 1 on the cover's left and top edges, and one pixel
// shorter again at area 1's right and bottom edges.
QRect picture_rect(const Area& a, const Area& root);

// The longest prefix of caption narrower than max_width (strictly); "" when not even
// one character fits.
QString fitting_caption(const QString& caption, const QFontMetricsF& metrics, double max_width);

// A blank cover for the board: area 1's size, white, 96 dots an inch (so 20 points are
// what they were on a Windows screen). Null when the board has no area 1 or it is empty.
QImage blank_cover(const Template& t);

// Draws area n (outline, picture or caption) on a cover of the board.
void draw_cover_area(QPainter& painter, const Template& t, int n, PictureCache& pictures);

// The whole cover: the frame (1, 1)-(width - 1, height - 1), then every area in order.
QImage render_cover(const Template& t, PictureCache& pictures);

// caratulaCrear_num: redraws the area being left on the cover kept in the editor
// (blanked white first), when the board draws its cover itself (auto_cover not 0).
// The file is written by the next generate_cover.
void caratulaCrear_num(QImage& cover, const Template& t, int n, PictureCache& pictures);

}  // namespace orvel
