#include "make_boards/tile_picture.h"

#include <QPainter>
#include <QTextOption>

#include "editor/cover_layout.h"

namespace orvel::boards {

namespace {

constexpr int kMargin = 4;
constexpr int kSmallestPixels = 9;

// Whether the caption, wrapped at word boundaries, fits the box at this font.
bool fits(const QString& caption, const QFont& font, const QRect& box)
{
    const QFontMetrics metrics(font);
    const QRect needed = metrics.boundingRect(box, Qt::AlignCenter | Qt::TextWordWrap, caption);
    // A single word wider than the box is not broken: boundingRect then grows past it.
    return needed.width() <= box.width() && needed.height() <= box.height();
}

// Where the caption goes inside a tile: clear of the cover's outline (the last two rows
// and columns are not shown) and of a strong tile's frame.
QRect caption_box(const Tile& tile, QSize size)
{
    const int margin = tile.strong ? kMargin + 5 : kMargin;
    return QRect(margin, margin, size.width() - 2 * margin - 2, size.height() - 2 * margin - 2);
}

QFont caption_font(const Tile& tile, int pixels)
{
    QFont font = cover_font();
    if (!tile.family.isEmpty())
        font.setFamilies({tile.family});
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setBold(true);
    font.setPixelSize(pixels);
    return font;
}

}  // namespace

int fitting_pixels(const Tile& tile, QSize size)
{
    int pixels = tile.largest_pixels;
    while (pixels > kSmallestPixels && !fits(tile.caption, caption_font(tile, pixels), caption_box(tile, size)))
        --pixels;
    return pixels;
}

QImage render_tile(const Tile& tile, QSize size, int pixels)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(tile.background);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (tile.strong) {
        painter.setPen(QPen(tile.background.darker(160), 3));
        painter.drawRect(QRectF(3.5, 3.5, size.width() - 9, size.height() - 9));
    }
    painter.setFont(caption_font(tile, pixels));
    painter.setPen(Qt::black);
    painter.drawText(caption_box(tile, size), Qt::AlignCenter | Qt::TextWordWrap, tile.caption);
    return picture;
}

}  // namespace orvel::boards
