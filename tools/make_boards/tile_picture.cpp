#include "make_boards/tile_picture.h"

#include <QPainter>
#include <algorithm>

#include "editor/cover_layout.h"
#include "editor/symbol_bitmap.h"

namespace orvel::boards {

namespace {

constexpr int kMargin = 4;
constexpr int kSmallestPixels = 9;
constexpr int kFrame = 3;                // around a symbol, or around a strong tile's caption
constexpr double kMostForCaption = 0.5;  // of the height inside the frame, under a symbol

// Inside the cover's outline (the last two rows and columns are not shown) and the frame.
QRect inner_box(const Tile& tile, QSize size)
{
    const int margin = tile.strong || !tile.symbol.isEmpty() ? 3 + kFrame + 1 : kMargin;
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

// The library's symbol as large as it fits in size: drawn at twice the size, the white
// margin the picture has around its drawing cut away, then scaled down into place.
QImage symbol_picture(const QString& svg, QSize size)
{
    const QImage drawn = render_symbol(svg, size * 2);
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    if (drawn.isNull())
        return picture;
    QRect used;
    for (int y = 0; y < drawn.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
        for (int x = 0; x < drawn.width(); ++x)
            if ((line[x] & 0xffffffu) != 0xffffffu)
                used |= QRect(x, y, 1, 1);
    }
    if (used.isEmpty())
        return picture;
    const QImage fitted =
        drawn.copy(used).scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
    QPainter(&picture).drawImage((size.width() - fitted.width()) / 2, (size.height() - fitted.height()) / 2, fitted);
    return picture;
}

}  // namespace

std::optional<int> caption_height(const Tile& tile, QSize size, int pixels)
{
    const QRect inner = inner_box(tile, size);
    const QRect needed = QFontMetrics(caption_font(tile, pixels))
                             .boundingRect(inner, Qt::AlignCenter | Qt::TextWordWrap, tile.caption);
    const int most = tile.symbol.isEmpty() ? inner.height() : static_cast<int>(inner.height() * kMostForCaption);
    if (needed.width() > inner.width() || needed.height() > most)
        return std::nullopt;
    return needed.height();
}

int fitting_pixels(const Tile& tile, QSize size)
{
    int pixels = tile.largest_pixels;
    while (pixels > kSmallestPixels && !caption_height(tile, size, pixels))
        --pixels;
    return pixels;
}

QImage render_tile(const Tile& tile, QSize size, int pixels, int lines_height)
{
    QImage picture(size, QImage::Format_RGB32);
    const bool symbol = !tile.symbol.isEmpty();
    picture.fill(symbol ? QColor(Qt::white) : tile.background);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (tile.strong || symbol) {
        // The frame's outer edge 3 pixels in, clear of the cover's outline.
        painter.setPen(QPen(symbol ? tile.background.darker(125) : tile.background.darker(160), kFrame));
        painter.drawRect(QRectF(3 + kFrame / 2.0, 3 + kFrame / 2.0, size.width() - 8 - kFrame,
                                size.height() - 8 - kFrame));
    }
    // Under a symbol the caption takes its lines at the bottom; the symbol the rest.
    QRect caption = inner_box(tile, size);
    if (symbol) {
        const int height = std::clamp(lines_height, 0, caption.height() / 2);
        const QRect above(caption.left(), caption.top(), caption.width(), caption.height() - height);
        painter.drawImage(above.topLeft(), symbol_picture(tile.symbol, above.size() - QSize(0, 2)));
        caption.setTop(above.bottom() + 1);
    }
    painter.setFont(caption_font(tile, pixels));
    painter.setPen(Qt::black);
    painter.drawText(caption, Qt::AlignCenter | Qt::TextWordWrap, tile.caption);
    return picture;
}

}  // namespace orvel::boards
