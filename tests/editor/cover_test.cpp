// Covers drawn from the areas: what lands on which pixel, the bitmap file written, the
// pictures decoded once, the protection of a cover edited outside, and the save that
// writes the cover it names.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "editor/cover_commands.h"
#include "editor/cover_file.h"
#include "editor/cover_layout.h"
#include "editor/picture_cache.h"
#include "model/board_file_commands.h"
#include "model/orvel_state.h"
#include "support/fake_board.h"
#include "support/recording_messages.h"
#include "support/test_files.h"

namespace orvel {
namespace {

using testing::ensure_application;

Area box(int xi, int yi, int xf, int yf, const QString& icon = {}, const QString& keys = {})
{
    Area a;
    a.Xi = int16_t(xi), a.Yi = int16_t(yi), a.Xf = int16_t(xf), a.Yf = int16_t(yf);
    a.parent = 1;
    a.icon_file = icon;
    a.keys = keys;
    return a;
}

// A picture of one colour whose last two rows and columns are blue: the cover leaves
// them out, so no blue may reach it.
void write_symbol(const QString& path, QColor colour, int size = 12, const char* format = "BMP")
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter(&image).fillRect(0, 0, size - 2, size - 2, colour);
    ASSERT_TRUE(image.save(path, format));
}

bool dark(QRgb p) { return qGray(p) < 128; }

struct CoverTest : ::testing::Test {
    void SetUp() override
    {
        ensure_application();
        ASSERT_TRUE(dir.isValid());
        t.directory = dir.path();
        add_area(t, box(10, 20, 210, 140));  // area 1, at (10, 20) on the canvas
    }
    QTemporaryDir dir;
    Template t;
    PictureCache pictures;
};

TEST(CoverContentTest, PictureOrCaption)
{
    struct Row {
        QString icon, keys, picture, caption;
    } rows[] = {
        {"IMG\\CASA.JPG", "x", "IMG\\CASA.JPG", ""},
        {"casa.bmp", "", "casa.bmp", ""},
        {"gat.cur", "", "gat.cur", ""},
        {"A.B.BMP", "", "", "A.B.BMP"},   // extension ".B.BMP" is no picture
        {"CASA", "x", "", "CASA"},        // no extension: the name is the caption
        {"so.wav", "", "", "so.wav"},
        {"", "{ENTER}Hola", "", "Hola"},
        {"", "", "", ""},
    };
    for (const Row& r : rows) {
        const CoverContent c = cover_content(box(0, 0, 10, 10, r.icon, r.keys));
        EXPECT_EQ(c.picture, r.picture) << r.icon.toStdString();
        EXPECT_EQ(c.caption, r.caption) << r.icon.toStdString();
    }
}

TEST_F(CoverTest, OutlinesAndStretchedPicturesLieWhereTheAreasAre)
{
    write_symbol(dir.filePath("red.bmp"), Qt::red);
    write_symbol(dir.filePath("green.gif"), Qt::green, 5);  // read by content, whatever the name says
    add_area(t, box(10, 20, 60, 70, "RED.BMP"));      // touches area 1's left and top edges
    add_area(t, box(100, 50, 210, 140, "green.gif"));  // touches its right and bottom edges
    add_area(t, box(60, 90, 90, 120, "missing.jpg"));  // cannot be read: outline only

    const QImage cover = render_cover(t, pictures);
    ASSERT_EQ(cover.size(), QSize(200, 120));
    // Area 2: outline at 0 and 50; picture from 1 (not 0) over (50 - 0) - 2 = 48 pixels.
    EXPECT_TRUE(dark(cover.pixel(0, 30)));
    EXPECT_TRUE(dark(cover.pixel(50, 30)));
    EXPECT_EQ(cover.pixel(2, 2), qRgb(255, 0, 0));
    EXPECT_EQ(cover.pixel(48, 48), qRgb(255, 0, 0));
    EXPECT_EQ(cover.pixel(49, 30), qRgb(255, 255, 255));
    // Area 3 at (90, 30)-(200, 120): picture from 90 over 110 - 3 pixels (one less at the
    // right edge), 90 - 3 rows; the frame at width - 1 and the outline at 200 are off it.
    EXPECT_EQ(cover.pixel(91, 31), qRgb(0, 255, 0));
    EXPECT_EQ(cover.pixel(196, 116), qRgb(0, 255, 0));
    EXPECT_EQ(cover.pixel(197, 60), qRgb(255, 255, 255));
    EXPECT_TRUE(dark(cover.pixel(199, 60)));  // the frame
    EXPECT_TRUE(dark(cover.pixel(90, 60)));
    // No blue edge of the symbols reaches the cover.
    for (int y = 0; y < cover.height(); ++y)
        for (int x = 0; x < cover.width(); ++x)
            ASSERT_NE(cover.pixel(x, y), qRgb(0, 0, 255)) << x << "," << y;
    // Area 4: its outline, nothing inside.
    EXPECT_TRUE(dark(cover.pixel(50, 85)));
    EXPECT_TRUE(dark(cover.pixel(65, 100)));
    EXPECT_EQ(cover.pixel(65, 85), qRgb(255, 255, 255));
}

// The dark pixels strictly inside a rectangle (give the frame at 1 and at width - 1 as
// the rectangle's edge on the cover's sides).
QRect ink(const QImage& cover, const QRect& inside)
{
    QRect found;
    for (int y = inside.top() + 1; y < inside.bottom(); ++y)
        for (int x = inside.left() + 1; x < inside.right(); ++x)
            if (dark(cover.pixel(x, y)))
                found |= QRect(x, y, 1, 1);
    return found;
}

TEST_F(CoverTest, CaptionsAreCentredAndCutToTheLongestPrefixThatFits)
{
    add_area(t, box(10, 20, 110, 80, {}, "{ENTER}Hola"));
    add_area(t, box(110, 20, 210, 80, "Bon dia a tothom"));
    add_area(t, box(10, 80, 22, 140, "WWW"));  // not one character fits in 12 pixels

    const QImage cover = render_cover(t, pictures);
    const QFontMetricsF metrics(cover_font(), &cover);

    const QRect hola = ink(cover, QRect(QPoint(1, 1), QPoint(100, 60)));
    ASSERT_FALSE(hola.isEmpty());
    // Centred by the text's advance: ink starts where the advance does, give or take a
    // side bearing.
    EXPECT_NEAR(hola.left(), (100 - metrics.horizontalAdvance("Hola")) / 2, 2);
    EXPECT_NEAR(hola.center().y(), 30, 4);
    EXPECT_NEAR(hola.width(), metrics.tightBoundingRect("Hola").width(), 2);

    // The longest prefix narrower than 100 pixels, and its ink centred in the area.
    qsizetype fits = 0;
    const QString long_caption = QStringLiteral("Bon dia a tothom");
    while (fits < long_caption.size() && metrics.horizontalAdvance(long_caption.left(fits + 1)) < 100)
        ++fits;
    ASSERT_GT(fits, 2);
    ASSERT_LT(fits, long_caption.size());
    const QRect cut = ink(cover, QRect(QPoint(100, 1), QPoint(199, 60)));
    EXPECT_NEAR(cut.width(), metrics.tightBoundingRect(long_caption.left(fits)).width(), 2);
    EXPECT_NEAR(cut.left(), 100 + (100 - metrics.horizontalAdvance(long_caption.left(fits))) / 2, 2);

    EXPECT_TRUE(ink(cover, QRect(QPoint(1, 60), QPoint(12, 119))).isEmpty());
}

TEST_F(CoverTest, GenerationWritesA24BitBitmapAndKeepsTheBitmapName)
{
    write_symbol(dir.filePath("red.bmp"), Qt::red);
    add_area(t, box(10, 20, 60, 70, "red.bmp"));
    t.cover_file = QStringLiteral("CARA.GIF");
    testing::write_file(dir.filePath("CARA.GIF"), "GIF89a old");
    testing::write_file(dir.filePath("CARA.BMP"), "someone else's picture");
    t.cover_outdated = -1;

    const WriteResult written = generate_cover(t, pictures);
    ASSERT_TRUE(written) << written.error_text.toStdString();
    EXPECT_EQ(t.cover_file, QStringLiteral("CARA-2.BMP"));
    EXPECT_EQ(testing::read_file(dir.filePath("CARA.GIF")), QByteArray("GIF89a old"));
    EXPECT_EQ(testing::read_file(dir.filePath("CARA.BMP")), QByteArray("someone else's picture"));
    const QByteArray bytes = testing::read_file(dir.filePath("CARA-2.BMP"));
    ASSERT_GT(bytes.size(), 30);
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(uchar(bytes[28]) | uchar(bytes[29]) << 8, 24);  // bits per pixel
    EXPECT_EQ(QImage(dir.filePath("CARA-2.BMP")).convertToFormat(QImage::Format_RGB32), render_cover(t, pictures));
    EXPECT_EQ(t.cover_time, file_time_text(dir.filePath("CARA-2.BMP")));
    // Generating again writes over the board's own bitmap.
    ASSERT_TRUE(generate_cover(t, pictures));
    EXPECT_EQ(t.cover_file, QStringLiteral("CARA-2.BMP"));
    EXPECT_EQ(t.cover_outdated, 0);
    EXPECT_TRUE(QDir(dir.path()).entryList({"*.tmp", ".*"}, QDir::Files | QDir::Hidden).isEmpty());

    struct Row {
        QString in, out;
    } names[] = {{"a.bmp", "a.bmp"}, {"A.Bmp", "A.Bmp"}, {"x.jpg", "x.BMP"}, {"CARA", ".BMP"}};
    for (const Row& r : names)
        EXPECT_EQ(bitmap_cover_name(r.in), r.out) << r.in.toStdString();
}

TEST_F(CoverTest, AreaWithoutUsableRootOrNameWritesNothing)
{
    Template empty;
    empty.directory = dir.path();
    empty.cover_file = QStringLiteral("X.BMP");
    EXPECT_FALSE(generate_cover(empty, pictures));
    t.cover_file.clear();
    EXPECT_FALSE(generate_cover(t, pictures));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(CoverTest, PicturesAreDecodedOncePerFileAndTimeStamp)
{
    write_symbol(dir.filePath("red.bmp"), Qt::red);
    for (int i = 0; i < 20; ++i)
        add_area(t, box(10 + i * 10, 20, 20 + i * 10, 40, i % 2 ? "RED.BMP" : "red.bmp"));
    render_cover(t, pictures);
    EXPECT_EQ(pictures.decoded(), 1);

    // The picture changed on disk: read again, and the new colour is drawn.
    write_symbol(dir.filePath("red.bmp"), Qt::green);
    QFile file(dir.filePath("red.bmp"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
    file.close();
    const QImage cover = render_cover(t, pictures);
    EXPECT_EQ(pictures.decoded(), 2);
    EXPECT_EQ(cover.pixel(3, 5), qRgb(0, 255, 0));

    // A photograph larger than the cover is decoded at the cover's size, and fills its area.
    write_symbol(dir.filePath("big.jpg"), Qt::yellow, 2400, "JPG");
    Template photo = t;
    photo.area_count = 1;
    photo.areas.resize(2);
    add_area(photo, box(10, 20, 210, 140, "BIG.JPG"));
    const QImage with_photo = render_cover(photo, pictures);
    EXPECT_EQ(pictures.picture(dir.filePath("big.jpg"), QSize(200, 120)).size(), QSize(200, 120));
    EXPECT_EQ(pictures.decoded(), 3);
    const QRgb middle = with_photo.pixel(100, 60), corner = with_photo.pixel(195, 115);
    EXPECT_GT(qRed(middle), 240);
    EXPECT_GT(qGreen(middle), 240);
    EXPECT_LT(qBlue(middle), 30);
    EXPECT_LT(qBlue(corner), 30);
}

TEST_F(CoverTest, LeavingAnAreaRedrawsOnlyItsPieceWhenTheBoardDrawsItsCover)
{
    add_area(t, box(10, 20, 110, 80, {}, "Hola"));
    add_area(t, box(110, 20, 210, 80, {}, "Adeu"));
    QImage kept = render_cover(t, pictures);
    const QImage before = kept;
    t.area(2).keys = QStringLiteral("I");
    t.area(3).keys = QStringLiteral("Res");

    t.auto_cover = 0;
    caratulaCrear_num(kept, t, 2, pictures);
    EXPECT_EQ(kept, before);

    t.auto_cover = 1;
    caratulaCrear_num(kept, t, 2, pictures);
    const QRect area2 = ink(kept, QRect(QPoint(1, 1), QPoint(100, 60)));
    EXPECT_LT(area2.width(), 10);  // "I", not "Hola" over it
    EXPECT_EQ(kept.copy(100, 0, 100, 120), before.copy(100, 0, 100, 120));  // area 3 untouched
}

TEST_F(CoverTest, SavingABoardThatDrawsItsCoverWritesTheCoverItNames)
{
    OrvelState state;
    state.tmpl = t;
    state.tmpl.auto_cover = 1;
    add_area(state.tmpl, box(10, 20, 110, 80, {}, "Hola"));
    testing::RecordingMessages messages;
    SaveActions actions;
    actions.generate_cover = [this](Template& board) { ASSERT_TRUE(generate_cover(board, pictures)); };

    ASSERT_EQ(save_board(state, dir.filePath("PLAFO.ORV"), messages, actions), SaveOutcome::Saved);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('|').toStdString();
    ASSERT_FALSE(state.tmpl.cover_file.isEmpty());
    const QString cover = dir.filePath(state.tmpl.cover_file);
    EXPECT_EQ(QImage(cover).size(), QSize(200, 120));
    Template read;
    ASSERT_EQ(load_template(read, dir.filePath("PLAFO.ORV"), messages), LoadOutcome::Read);
    EXPECT_EQ(read.cover_file, state.tmpl.cover_file);
    EXPECT_EQ(read.cover_time, state.tmpl.cover_time);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('|').toStdString();
}

// "&Nova" and "&Editar" driven as the menu does, with the dialogs and the paint program
// recorded.
TEST_F(CoverTest, NovaAndEditarProtectACoverPaintedOutside)
{
    add_area(t, box(10, 20, 110, 80, {}, "Hola"));
    testing::RecordingMessages messages;
    QStringList opened, asked;
    std::optional<QString> answer;
    CoverCommandHooks hooks;
    hooks.save = [&] { ASSERT_TRUE(write_template(t, dir.filePath("TECLAT.ORV"))); t.file_name = dir.filePath("TECLAT.ORV"); t.file_time = file_time_text(t.file_name); };
    hooks.choose_cover_name = [&](const QString& folder, const QString& proposed) {
        asked << folder + '|' + proposed;
        return answer;
    };
    hooks.open_in_paint = [&](const QString& path) {
        opened << path;
        return true;
    };

    // An unnamed board is saved first; the cover takes the board's name.
    ASSERT_TRUE(CaratulaDesar_Click(t, pictures, hooks, messages));
    EXPECT_EQ(t.cover_file, QStringLiteral("TECLAT.BMP"));
    EXPECT_EQ(opened, QStringList{dir.filePath("TECLAT.BMP")});
    Template on_disk;
    ASSERT_EQ(load_template(on_disk, t.file_name, messages), LoadOutcome::Read);
    EXPECT_EQ(on_disk.cover_file, QStringLiteral("TECLAT.BMP"));  // the board records its cover

    // Untouched since drawn: "&Editar" opens it, a second "&Nova" overwrites silently.
    ASSERT_TRUE(CaratulaEditar_Click(t, pictures, hooks, messages));
    ASSERT_TRUE(CaratulaDesar_Click(t, pictures, hooks, messages));
    EXPECT_TRUE(asked.isEmpty());

    // Painted over: "&Nova" asks for a name; cancelling changes nothing.
    const QByteArray painted = "painted by hand";
    testing::write_file(dir.filePath("TECLAT.BMP"), painted);
    QFile file(dir.filePath("TECLAT.BMP"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    file.close();
    t.cover_outdated = -1;  // "&Editar" of changed areas draws a new cover too
    EXPECT_FALSE(CaratulaEditar_Click(t, pictures, hooks, messages));
    EXPECT_EQ(asked, QStringList{dir.path() + "|TECLAT.BMP"});
    EXPECT_EQ(t.cover_file, QStringLiteral("TECLAT.BMP"));
    EXPECT_EQ(testing::read_file(dir.filePath("TECLAT.BMP")), painted);

    answer = QStringLiteral("/somewhere/else/NOU.BMP");  // the name is kept, the folder is the board's
    ASSERT_TRUE(CaratulaDesar_Click(t, pictures, hooks, messages));
    EXPECT_EQ(t.cover_file, QStringLiteral("NOU.BMP"));
    EXPECT_EQ(testing::read_file(dir.filePath("TECLAT.BMP")), painted);
    EXPECT_EQ(QImage(dir.filePath("NOU.BMP")).size(), QSize(200, 120));
    EXPECT_EQ(opened.last(), dir.filePath("NOU.BMP"));

    // A paint program that cannot be started is reported.
    hooks.open_in_paint = [](const QString&) { return false; };
    EXPECT_FALSE(CaratulaEditar_Click(t, pictures, hooks, messages));
    ASSERT_FALSE(messages.texts.isEmpty());
    EXPECT_TRUE(messages.texts.last().startsWith("4 Error ")) << messages.texts.last().toStdString();
}

TEST_F(CoverTest, NovaGivesNoCoverToABoardLeftUnnamed)
{
    testing::RecordingMessages messages;
    CoverCommandHooks hooks;
    int saves = 0;
    hooks.save = [&] { ++saves; };
    EXPECT_FALSE(CaratulaDesar_Click(t, pictures, hooks, messages));
    EXPECT_EQ(saves, 1);
    EXPECT_TRUE(t.cover_file.isEmpty());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

}  // namespace
}  // namespace orvel
