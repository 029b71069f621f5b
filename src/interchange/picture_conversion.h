#pragma once
// Pictures between the two formats: decoding what a set holds (bounded, so that a huge
// or hostile picture cannot exhaust memory), drawing a button's face for the cover, and
// PNG for export.
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <optional>

namespace orvel::obf {

// The largest picture decoded, in pixels on each side and in memory.
constexpr int kMaxPictureSide = 8192;
constexpr int kMaxPictureMegabytes = 128;

// Decodes a picture of any format Qt reads, scaled down to fit `largest` (when valid).
// A null image with *why set when it cannot be read or is too large.
QImage decode_picture(const QByteArray& bytes, QSize largest, QString* why);

// The bytes of a "data:" URL (base64 or percent-encoded); nullopt when it is not one.
std::optional<QByteArray> data_url_bytes(const QString& url);

// "rgb(r, g, b)" and "rgba(r, g, b, a)" of the format (alpha over white), or any colour
// name Qt knows; invalid when neither.
QColor css_color(const QString& text);
// The format's "rgb(r, g, b)".
QString css_color_text(const QColor& color);

// A button's face: its background colour, its picture fitted above and its label
// below (centred alone when there is no picture), so that the generated cover shows
// what the board showed where it was made.
QImage button_face(const QImage& picture, const QString& label, const QColor& background, QSize size);

// The piece of a cover that shows one area: rect in board pixels, the cover drawn at
// root_size board pixels (a cover of another size is scaled).
QImage cut_from_cover(const QImage& cover, QSize root_size, const QRect& rect);

QByteArray png_bytes(const QImage& image);
QByteArray bmp_bytes(const QImage& image);

}  // namespace orvel::obf
