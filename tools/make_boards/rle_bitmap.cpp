#include "make_boards/rle_bitmap.h"

#include <QHash>
#include <QtEndian>
#include <algorithm>
#include <vector>

namespace orvel::boards {

namespace {

constexpr int kLongestRun = 255;
constexpr int kShortestLiteral = 3;  // shorter stretches are cheaper as runs of one

void put16(QByteArray& out, quint16 v)
{
    char bytes[2];
    qToLittleEndian(v, bytes);
    out.append(bytes, 2);
}

void put32(QByteArray& out, quint32 v)
{
    char bytes[4];
    qToLittleEndian(v, bytes);
    out.append(bytes, 4);
}

// How many pixels from `at` repeat the pixel at `at` (at least 1, at most kLongestRun).
int run_length(const uchar* row, int width, int at)
{
    int n = 1;
    while (at + n < width && n < kLongestRun && row[at + n] == row[at])
        ++n;
    return n;
}

}  // namespace

QList<QRgb> most_used_colours(const QImage& picture, int count)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, qsizetype> uses;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++uses[line[x] | 0xff000000u];
    }
    std::vector<std::pair<qsizetype, QRgb>> by_use;
    by_use.reserve(static_cast<size_t>(uses.size()));
    for (auto it = uses.cbegin(); it != uses.cend(); ++it)
        by_use.emplace_back(it.value(), it.key());
    std::sort(by_use.begin(), by_use.end(),
              [](const auto& a, const auto& b) { return a.first != b.first ? a.first > b.first : a.second < b.second; });
    QList<QRgb> colours;
    for (size_t i = 0; i < by_use.size() && colours.size() < count; ++i)
        colours << by_use[i].second;
    return colours;
}

QByteArray rle8_row(const uchar* row, int width)
{
    QByteArray out;
    int x = 0;
    while (x < width) {
        const int run = run_length(row, width, x);
        if (run >= 2) {
            out.append(char(run)).append(char(row[x]));
            x += run;
            continue;
        }
        // A stretch without repeats, up to where a run of two begins.
        int end = x + 1;
        while (end < width && end - x < kLongestRun && run_length(row, width, end) < 2)
            ++end;
        const int literal = end - x;
        if (literal < kShortestLiteral) {
            for (; x < end; ++x)
                out.append(char(1)).append(char(row[x]));
            continue;
        }
        out.append(char(0)).append(char(literal));
        out.append(reinterpret_cast<const char*>(row + x), literal);
        if (literal % 2)
            out.append(char(0));  // absolute stretches end on a 16-bit boundary
        x = end;
    }
    out.append(char(0)).append(char(0));
    return out;
}

QByteArray rle8_bitmap(const QImage& picture, const QList<QRgb>& palette)
{
    const QImage indexed = picture.convertToFormat(QImage::Format_RGB32)
                               .convertToFormat(QImage::Format_Indexed8, palette,
                                                Qt::ThresholdDither | Qt::AvoidDither);
    QByteArray pixels;
    for (int y = indexed.height() - 1; y >= 0; --y)  // bottom row first
        pixels += rle8_row(indexed.constScanLine(y), indexed.width());
    pixels.append(char(0)).append(char(1));  // end of bitmap

    const quint32 colours = static_cast<quint32>(indexed.colorCount());
    const quint32 offset = 14 + 40 + 4 * colours;
    QByteArray out;
    out.append("BM");
    put32(out, offset + static_cast<quint32>(pixels.size()));
    put32(out, 0);
    put32(out, offset);
    put32(out, 40);
    put32(out, static_cast<quint32>(indexed.width()));
    put32(out, static_cast<quint32>(indexed.height()));
    put16(out, 1);
    put16(out, 8);
    put32(out, 1);  // BI_RLE8
    put32(out, static_cast<quint32>(pixels.size()));
    put32(out, static_cast<quint32>(picture.dotsPerMeterX()));
    put32(out, static_cast<quint32>(picture.dotsPerMeterY()));
    put32(out, colours);
    put32(out, colours);
    for (const QRgb c : indexed.colorTable()) {
        out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append(char(0));
    }
    return out + pixels;
}

}  // namespace orvel::boards
