#include "editor/symbol_bitmap.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImageWriter>
#include <QPainter>
#include <QSvgRenderer>

#include "editor/cover_layout.h"
#include "exec/executor.h"
#include "model/file_names.h"
#include "model/template_file.h"

namespace orvel {

namespace {
constexpr int kMaxStem = 40;
// Areas are at most the screen's size; a larger request is a fault, not a picture.
constexpr int kMaxSide = 8192;
// Captions under large symbols stay the size of a word on a card, not of a title.
constexpr int kLargestCaptionPixels = 28;
}  // namespace

QSize symbol_size_for_area(const Template& t, int n)
{
    constexpr QSize fallback(200, 200);
    if (n < 1 || n > t.area_count || t.area_count < 1)
        return fallback;
    const QSize size = picture_rect(t.area(n), t.area(1)).size();
    return size.isEmpty() || size.width() > kMaxSide || size.height() > kMaxSide ? fallback : size;
}

QString symbol_query_for_area(const Area& a)
{
    const QString text = printable_text(a.keys).trimmed();
    if (!text.isEmpty() || a.icon_file.isEmpty())
        return text;
    const QString name = file_name_part(a.icon_file);
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

QString symbol_caption_for_area(const Area& a)
{
    return printable_text(a.keys).simplified();
}

QImage render_symbol(const QString& svg_path, QSize size, const QString& caption)
{
    if (size.isEmpty() || size.width() > kMaxSide || size.height() > kMaxSide)
        return QImage();
    QSvgRenderer renderer(svg_path);
    if (!renderer.isValid())
        return QImage();
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRectF room(QPointF(0, 0), QSizeF(size));
    const QString text = caption.simplified();
    if (!text.isEmpty()) {
        // The largest font, from a fifth of the height down, in which the caption fits.
        QFont font = cover_font();
        font.setStyleStrategy(QFont::PreferAntialias);
        const double margin = size.width() * 0.04;
        int pixels = qBound(8, size.height() / 5, kLargestCaptionPixels);
        for (; pixels > 8; --pixels) {
            font.setPixelSize(pixels);
            if (QFontMetricsF(font).horizontalAdvance(text) < size.width() - 2 * margin)
                break;
        }
        font.setPixelSize(pixels);
        const QFontMetricsF metrics(font);
        const QString shown = fitting_caption(text, metrics, size.width() - 2 * margin);
        const double band = metrics.height() * 1.2;
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, size.height() - band, size.width(), band), Qt::AlignCenter, shown);
        room.setHeight(qMax(0.0, size.height() - band));
    }
    QSizeF drawn = renderer.viewBoxF().size();
    if (drawn.isEmpty())
        drawn = renderer.defaultSize();
    drawn.scale(room.size(), Qt::KeepAspectRatio);
    renderer.render(&painter, QRectF(room.x() + (room.width() - drawn.width()) / 2,
                                     room.y() + (room.height() - drawn.height()) / 2, drawn.width(), drawn.height()));
    return image;
}

QString symbol_file_stem(const QString& word)
{
    const QString decomposed = word.normalized(QString::NormalizationForm_KD);
    QString stem;
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing || c == QChar(0x00B7))
            continue;
        if (c.unicode() < 128 && c.isLetterOrNumber())
            stem += c.toLower();
        else if (!stem.isEmpty() && !stem.endsWith(QLatin1Char('_')))
            stem += QLatin1Char('_');
    }
    stem = stem.left(kMaxStem);
    while (stem.endsWith(QLatin1Char('_')))
        stem.chop(1);
    return stem.isEmpty() ? QStringLiteral("simbol") : stem;
}

SymbolBitmap write_symbol_bitmap(const QString& svg_path, const QString& word, QSize size, const QString& folder,
                                 const QString& caption)
{
    SymbolBitmap result;
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        result.problem = QCoreApplication::translate("Orvel", "Deseu el plafó abans de posar-hi símbols: "
                                                              "el símbol es desa a la carpeta del plafó.");
        return result;
    }
    const QImage image = render_symbol(svg_path, size, caption);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // A 32-bit picture without alpha is written as a 24-bit bitmap.
    if (image.isNull() || !QImageWriter(&buffer, "bmp").write(image)) {
        result.problem = QCoreApplication::translate("Orvel", "No es pot dibuixar el símbol %1.").arg(svg_path);
        return result;
    }
    const QString stem = folder + QLatin1Char('/') + symbol_file_stem(word);
    for (int n = 1; n < 10000; ++n) {
        const QString path = stem + (n == 1 ? QString() : QStringLiteral("-%1").arg(n)) + QStringLiteral(".bmp");
        const QFileInfo info(path);
        if (info.exists() || info.isSymLink()) {
            QFile existing(path);
            if (info.isFile() && info.size() == bytes.size() && existing.open(QIODevice::ReadOnly) &&
                existing.readAll() == bytes) {
                result.path = path;
                return result;
            }
            continue;
        }
        const WriteResult written = write_file_atomically(path, bytes);
        if (!written) {
            result.problem = QCoreApplication::translate("Orvel", "No es pot escriure %1: %2").arg(path, written.error_text);
            return result;
        }
        result.path = path;
        return result;
    }
    result.problem = QCoreApplication::translate("Orvel", "No es pot escriure %1.bmp: hi ha massa fitxers amb aquest nom.")
                         .arg(stem);
    return result;
}

}  // namespace orvel
