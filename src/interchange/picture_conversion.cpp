#include "interchange/picture_conversion.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QImageReader>
#include <QPainter>
#include <QRegularExpression>
#include <QUrl>
#include <algorithm>

namespace orvel::obf {

namespace {

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

}  // namespace

QImage decode_picture(const QByteArray& bytes, QSize largest, QString* why)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAllocationLimit(kMaxPictureMegabytes);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide)) {
        *why = QCoreApplication::translate("Orvel", "la imatge és massa gran (%1 × %2)")
                   .arg(size.width())
                   .arg(size.height());
        return QImage();
    }
    if (size.isValid() && largest.isValid() && (size.width() > largest.width() || size.height() > largest.height()))
        reader.setScaledSize(size.scaled(largest, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (image.isNull()) {
        *why = QCoreApplication::translate("Orvel", "la imatge no es pot llegir (%1)").arg(reader.errorString());
        return QImage();
    }
    // Formats without a size in their header are scaled after reading.
    if (largest.isValid() && (image.width() > largest.width() || image.height() > largest.height()))
        image = image.scaled(largest, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

std::optional<QByteArray> data_url_bytes(const QString& url)
{
    if (!url.startsWith(QLatin1String("data:"), Qt::CaseInsensitive))
        return std::nullopt;
    const qsizetype comma = url.indexOf(QLatin1Char(','));
    if (comma < 0)
        return std::nullopt;
    const QString header = url.mid(5, comma - 5);
    const QByteArray payload = url.mid(comma + 1).toLatin1();
    if (header.endsWith(QLatin1String(";base64"), Qt::CaseInsensitive)) {
        const auto decoded = QByteArray::fromBase64Encoding(payload, QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded)
            return std::nullopt;
        return *decoded;
    }
    return QByteArray::fromPercentEncoding(payload);
}

QColor css_color(const QString& text)
{
    static const QRegularExpression rgb(QStringLiteral(
        "^\\s*rgba?\\(\\s*(\\d{1,3})\\s*,\\s*(\\d{1,3})\\s*,\\s*(\\d{1,3})\\s*(?:,\\s*([0-9.]+)\\s*)?\\)\\s*$"));
    const auto m = rgb.match(text);
    if (m.hasMatch()) {
        const double alpha = m.captured(4).isEmpty() ? 1.0 : std::clamp(m.captured(4).toDouble(), 0.0, 1.0);
        const auto over_white = [alpha](const QString& c) {
            return static_cast<int>(std::lround(std::min(255, c.toInt()) * alpha + 255 * (1 - alpha)));
        };
        return QColor(over_white(m.captured(1)), over_white(m.captured(2)), over_white(m.captured(3)));
    }
    QColor named = QColor::fromString(text.trimmed());
    return named;
}

QString css_color_text(const QColor& color)
{
    return QStringLiteral("rgb(%1, %2, %3)").arg(color.red()).arg(color.green()).arg(color.blue());
}

namespace {

// The largest font, up to `largest` pixels, in which the label fits the rectangle
// (words wrapped onto lines when `wrap`).
QFont fitting_font(const QString& label, const QRect& space, int largest, bool wrap)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    const int flags = Qt::AlignCenter | (wrap ? Qt::TextWordWrap : 0);
    for (int pixels = std::max(8, largest); pixels >= 8; --pixels) {
        font.setPixelSize(pixels);
        const QRect needed = QFontMetrics(font).boundingRect(space, flags, label);
        if (needed.width() <= space.width() && needed.height() <= space.height())
            break;
    }
    return font;
}

}  // namespace

QImage button_face(const QImage& picture, const QString& label, const QColor& background, QSize size)
{
    QImage face(size, QImage::Format_RGB32);
    face.fill(background.isValid() ? background : QColor(Qt::white));
    QPainter painter(&face);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setPen(Qt::black);
    const int margin = std::max(1, size.height() / 30);
    const int label_band = label.isEmpty() ? 0 : std::max(10, size.height() / 4);
    if (!picture.isNull()) {
        const QRect space(margin, margin, size.width() - 2 * margin, size.height() - label_band - 2 * margin);
        if (space.width() > 0 && space.height() > 0) {
            const QSize fitted = picture.size().scaled(space.size(), Qt::KeepAspectRatio);
            const QRect target(space.x() + (space.width() - fitted.width()) / 2,
                               space.y() + (space.height() - fitted.height()) / 2, fitted.width(), fitted.height());
            painter.drawImage(target, picture);
        }
        if (label_band > 0) {
            const QRect band(margin, size.height() - label_band - margin / 2, size.width() - 2 * margin, label_band);
            painter.setFont(fitting_font(label, band, label_band * 3 / 4, false));
            painter.drawText(band, Qt::AlignCenter,
                             QFontMetrics(painter.font()).elidedText(label, Qt::ElideRight, band.width()));
        }
    } else if (!label.isEmpty()) {
        const QRect all(margin, margin, size.width() - 2 * margin, size.height() - 2 * margin);
        painter.setFont(fitting_font(label, all, size.height() / 3, true));
        painter.drawText(all, Qt::AlignCenter | Qt::TextWordWrap, label);
    }
    return face;
}

QImage cut_from_cover(const QImage& cover, QSize root_size, const QRect& rect)
{
    if (cover.isNull() || root_size.isEmpty())
        return QImage();
    const double sx = double(cover.width()) / root_size.width(), sy = double(cover.height()) / root_size.height();
    const QRect scaled(static_cast<int>(std::lround(rect.x() * sx)), static_cast<int>(std::lround(rect.y() * sy)),
                       static_cast<int>(std::lround(rect.width() * sx)),
                       static_cast<int>(std::lround(rect.height() * sy)));
    const QRect inside = scaled.intersected(cover.rect());
    if (inside.isEmpty())
        return QImage();
    return cover.copy(inside);
}

QByteArray png_bytes(const QImage& image)
{
    return encoded(image, "PNG");
}

QByteArray bmp_bytes(const QImage& image)
{
    return encoded(image.convertToFormat(QImage::Format_RGB888), "BMP");
}

}  // namespace orvel::obf
