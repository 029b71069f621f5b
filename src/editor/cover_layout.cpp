#include "editor/cover_layout.h"

#include <QFontMetricsF>
#include <QPainter>

#include "editor/picture_cache.h"
#include "exec/executor.h"
#include "model/file_names.h"

namespace orvel {

namespace {

constexpr int kCaptionPoints = 20;
constexpr int kDotsPerMeterAt96Dpi = 3780;

// The outline from (x0, y0) to (x1, y1), both corners included.
void draw_outline(QPainter& painter, int x0, int y0, int x1, int y1)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(x0, y0, x1 - x0, y1 - y0);
}

void draw_frame(QPainter& painter, const QImage& cover)
{
    draw_outline(painter, 1, 1, cover.width() - 1, cover.height() - 1);
}

}  // namespace

QFont cover_font()
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPointSize(kCaptionPoints);
    font.setStyleStrategy(QFont::NoAntialias);  // the cover is a bitmap of plain colours
    return font;
}

bool is_picture_symbol(const QString& icon_file)
{
    const qsizetype dot = icon_file.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return false;
    const QString extension = icon_file.mid(dot).toUpper();
    return !extension.isEmpty() && QStringLiteral(".BMP.GIF.JPG.WMF.DIB.ICO.CUR").contains(extension);
}

CoverContent cover_content(const Area& a)
{
    if (a.icon_file.isEmpty())
        return {QString(), printable_text(a.keys)};
    if (is_picture_symbol(a.icon_file))
        return {a.icon_file, QString()};
    return {QString(), a.icon_file};  // a symbol that is no picture shows its name
}

QRect picture_rect(const Area& a, const Area& root)
{
    const int x0 = a.Xi - root.Xi, y0 = a.Yi - root.Yi, x1 = a.Xf - root.Xi, y1 = a.Yf - root.Yi;
    int width = (x1 - x0) - 2;
    if (a.Xf == root.Xf)
        --width;
    int height = (y1 - y0) - 2;
    if (a.Yf == root.Yf)
        --height;
    return QRect(x0 == 0 ? 1 : x0, y0 == 0 ? 1 : y0, width, height);
}

QString fitting_caption(const QString& caption, const QFontMetricsF& metrics, double max_width)
{
    for (qsizetype length = caption.size(); length >= 1; --length) {
        if (caption.at(length - 1).isHighSurrogate())
            continue;  // never cut a character in two
        const QString prefix = caption.left(length);
        if (metrics.horizontalAdvance(prefix) < max_width)
            return prefix;
    }
    return QString();
}

QImage blank_cover(const Template& t)
{
    if (t.area_count < 1)
        return QImage();
    const Area& root = t.area(1);
    const int width = root.Xf - root.Xi, height = root.Yf - root.Yi;
    if (width <= 0 || height <= 0)
        return QImage();
    QImage cover(width, height, QImage::Format_RGB32);
    cover.setDotsPerMeterX(kDotsPerMeterAt96Dpi);
    cover.setDotsPerMeterY(kDotsPerMeterAt96Dpi);
    cover.fill(Qt::white);
    return cover;
}

void draw_cover_area(QPainter& painter, const Template& t, int n, PictureCache& pictures)
{
    const Area& a = t.area(n);
    const Area& root = t.area(1);
    const int x0 = a.Xi - root.Xi, y0 = a.Yi - root.Yi, x1 = a.Xf - root.Xi, y1 = a.Yf - root.Yi;
    const CoverContent content = cover_content(a);
    if (!content.picture.isEmpty()) {
        // A picture that cannot be read leaves the rectangle empty; the outline is drawn.
        // No area is larger than the cover, so no picture needs more pixels than it has.
        const QImage picture = pictures.picture(resolve_stored_name(content.picture, t.directory),
                                                QSize(root.Xf - root.Xi, root.Yf - root.Yi));
        const QRect target = picture_rect(a, root);
        if (!picture.isNull() && target.width() > 0 && target.height() > 0) {
            // The last two rows and columns of the symbol are left out, as the Windows
            // program copied them; the proportions are not kept.
            const QRect source(0, 0, qMax(1, picture.width() - 2), qMax(1, picture.height() - 2));
            painter.drawImage(target, picture, source);
        }
    } else if (!content.caption.isEmpty()) {
        painter.setFont(cover_font());
        const QFontMetricsF metrics(painter.font(), painter.device());
        const QString shown = fitting_caption(content.caption, metrics, x1 - x0);
        if (!shown.isEmpty()) {
            const double left = x0 + ((x1 - x0) - metrics.horizontalAdvance(shown)) / 2.0;
            const double top = y0 + ((y1 - y0) - metrics.height()) / 2.0;
            painter.setPen(Qt::black);
            painter.drawText(QPointF(left, top + metrics.ascent()), shown);
        }
    }
    draw_outline(painter, x0, y0, x1, y1);
}

QImage render_cover(const Template& t, PictureCache& pictures)
{
    QImage cover = blank_cover(t);
    if (cover.isNull())
        return cover;
    QPainter painter(&cover);
    draw_frame(painter, cover);
    for (int n = 1; n <= t.area_count; ++n)
        draw_cover_area(painter, t, n, pictures);
    return cover;
}

void caratulaCrear_num(QImage& cover, const Template& t, int n, PictureCache& pictures)
{
    if (t.auto_cover == 0 || n < 1 || n > t.area_count)
        return;
    const QImage blank = blank_cover(t);
    if (blank.isNull())
        return;
    if (cover.size() != blank.size())
        cover = blank;
    QPainter painter(&cover);
    draw_frame(painter, cover);
    const Area& a = t.area(n);
    const Area& root = t.area(1);
    painter.fillRect(QRect(QPoint(a.Xi - root.Xi, a.Yi - root.Yi), QPoint(a.Xf - root.Xi, a.Yf - root.Yi)),
                     Qt::white);
    draw_cover_area(painter, t, n, pictures);
}

}  // namespace orvel
