// The compressed bitmaps of the shipped boards' covers and pictures read back, through
// Qt's own reader, as the very pixels that were written.
#include <gtest/gtest.h>

#include <QImage>

#include "make_boards/rle_bitmap.h"

namespace orvel::boards {
namespace {

QImage read_back(const QByteArray& bytes)
{
    QImage image;
    image.loadFromData(bytes, "BMP");
    return image.convertToFormat(QImage::Format_RGB32);
}

// A picture whose rows are drawn from the pattern: each character one pixel of its colour.
QImage picture_of(const std::vector<std::string>& rows)
{
    const QRgb colours[] = {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(255, 224, 178), qRgb(200, 0, 0)};
    QImage image(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, colours[rows[size_t(y)][size_t(x)] - 'a']);
    return image;
}

TEST(RleBitmap, RowsOfEveryShapeReadBackAsWritten)
{
    const std::string long_run(300, 'a');         // longer than one run can say
    const std::string stretch = "abcdabcdabcda";  // no repeats: an odd literal stretch, padded
    const struct {
        const char* shape;
        std::vector<std::string> rows;
    } cases[] = {
        {"one pixel", {"b"}},
        {"two different pixels", {"ab", "ba"}},
        {"a run longer than 255", {long_run, long_run}},
        {"an odd stretch without repeats", {stretch, stretch}},
        {"an even stretch, then a run", {"abcdaaaa", "dcbabbbb"}},
        {"runs of two between single pixels", {"aabccdaaba", "abababaabb"}},
        {"a run up to the last pixel", {"abc" + std::string(256, 'd') + "c", "c" + std::string(259, 'a')}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shape);
        const QImage picture = picture_of(c.rows);
        const QImage back = read_back(rle8_bitmap(picture, most_used_colours(picture, 256)));
        ASSERT_EQ(back.size(), picture.size());
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                ASSERT_EQ(back.pixel(x, y), picture.pixel(x, y)) << x << "," << y;
    }
}

TEST(RleBitmap, ColoursBeyondThePaletteTakeTheNearestOfTheMostUsed)
{
    // 300 greys, one pixel each except black and white, which fill the rest.
    QImage picture(400, 2, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int x = 0; x < 300; ++x)
        picture.setPixel(x, 0, qRgb(x * 255 / 299, x * 255 / 299, x * 255 / 299));
    for (int x = 0; x < 400; ++x)
        picture.setPixel(x, 1, x % 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    const QList<QRgb> palette = most_used_colours(picture, 256);
    ASSERT_EQ(palette.size(), 256);
    EXPECT_EQ(palette[0], qRgb(255, 255, 255));
    EXPECT_EQ(palette[1], qRgb(0, 0, 0));
    const QImage back = read_back(rle8_bitmap(picture, palette));
    for (int x = 0; x < 400; ++x) {
        EXPECT_EQ(back.pixel(x, 1), picture.pixel(x, 1));
        if (x < 300) {
            EXPECT_LE(std::abs(qGray(back.pixel(x, 0)) - qGray(picture.pixel(x, 0))), 2) << x;
        }
    }
}

}  // namespace
}  // namespace orvel::boards
