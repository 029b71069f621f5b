// The symbol library: words in Catalan, Spanish and English finding the installed
// pictures, the order of the matches, the index reader on bad text, and the bitmap a
// chosen symbol becomes in the board's folder.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "editor/symbol_bitmap.h"
#include "editor/symbol_index.h"
#include "support/fake_board.h"
#include "support/test_files.h"

namespace orvel {
namespace {

using testing::read_file;
using testing::write_file;

// The library scripts/install-deps installs into the checkout (the build tree links it).
std::shared_ptr<const SymbolIndex> installed_library()
{
    static const std::shared_ptr<const SymbolIndex> library = [] {
        QString problem;
        auto index = SymbolIndex::load(QStringLiteral(ORVEL_SOURCE_DIR "/data/symbols"), &problem);
        EXPECT_TRUE(index) << problem.toStdString();
        return index;
    }();
    return library;
}

std::vector<QString> hexcodes(const SymbolIndex& index, const std::vector<SymbolMatch>& matches)
{
    std::vector<QString> out;
    for (const SymbolMatch& m : matches)
        out.push_back(index.symbol(m.symbol).hexcode);
    return out;
}

TEST(SymbolLibrary, WordsOfEachLanguageFindTheExpectedSymbolFirst)
{
    const auto library = installed_library();
    ASSERT_TRUE(library);
    EXPECT_GT(library->size(), 2000);
    struct Case {
        const char* query;
        const char* first;  // hexcode of the best match
        const char* label;  // the word the file is named after
        int tier;
    };
    const Case cases[] = {
        {"gat", "1F408", "gat", 0},                    // Catalan name
        {"aigua", "1F6B0", "aigua", 1},                // a word of many: the one named with it first
        {"AIGUA", "1F6B0", "aigua", 1},                // letter case
        {"àigua", "1F6B0", "aigua", 1},                // accents
        {"gato", "1F408", "gato", 0},                  // Spanish
        {"cat", "1F408", "cat", 0},                    // English
        {"agua potable", "1F6B0", "agua potable", 0},  // two words
        {"aigua pot", "1F6B0", "aigua potable", 3},    // a beginning
        {"  gat  ", "1F408", "gat", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.query);
        const auto matches = library->search(QString::fromUtf8(c.query));
        ASSERT_FALSE(matches.empty());
        EXPECT_EQ(library->symbol(matches[0].symbol).hexcode, QLatin1String(c.first));
        EXPECT_EQ(matches[0].label, QString::fromUtf8(c.label));
        EXPECT_EQ(matches[0].tier, c.tier);
        for (size_t i = 1; i < matches.size(); ++i)
            EXPECT_LE(matches[i - 1].tier, matches[i].tier);
    }
    // Found by a word, a symbol shows its name in that word's language.
    const auto gato = library->search(QStringLiteral("minino"));
    ASSERT_FALSE(gato.empty());
    EXPECT_EQ(gato[0].label, QStringLiteral("minino"));
    EXPECT_EQ(gato[0].name, QStringLiteral("gato"));
    EXPECT_NE(gato[0].name, gato[0].label);
    EXPECT_EQ(library->symbol(gato[0].symbol).names[size_t(SymbolLanguage::Spanish)], gato[0].name);
    // The drop is found by "aigua" too, and the cat faces by "gat", behind the best.
    const auto water = hexcodes(*library, library->search(QStringLiteral("aigua"), 20));
    EXPECT_NE(std::find(water.begin(), water.end(), QStringLiteral("1F4A7")), water.end());
    const auto cats = hexcodes(*library, library->search(QStringLiteral("gat")));
    EXPECT_NE(std::find(cats.begin(), cats.end(), QStringLiteral("1F63A")), cats.end());
    // Nothing found, the limit, and the whole library for an empty search.
    EXPECT_TRUE(library->search(QStringLiteral("zzqxv")).empty());
    EXPECT_EQ(library->search(QStringLiteral("a"), 7).size(), 7u);
    EXPECT_EQ(static_cast<int>(library->search(QString()).size()), library->size());
    EXPECT_TRUE(QFile::exists(library->picture_path(library->search(QStringLiteral("gat"))[0].symbol)));
}

TEST(SymbolLibrary, ReaderSkipsBadLinesAndRanksWholeNamesWordsThenBeginnings)
{
    const QByteArray text =
        "# Orvel symbol words 1\r\n"
        "A1\tca\tpa amb tomàquet\tpa|menjar\r\n"
        "A2\tca\tpa\tpa|forn\n"
        "A2\tes\tpan\tpan\n"
        "A3\tca\tpastís\taniversari|pastís\n"
        "A4\tca\tforn de pa\tforn|pa\n"
        "zz\tca\tnot hex\tx\n"           // not a hexcode
        "A5\tfr\tpain\tpain\n"           // a language the library has not
        "A6\tca\t\tbuit\n"               // no name
        "A7\tca\tmassa\tcamps\textra\n"  // too many fields
        "A8\n";
    int skipped = 0;
    const SymbolIndex index = SymbolIndex::parse(text, &skipped);
    EXPECT_EQ(skipped, 5);
    ASSERT_EQ(index.size(), 4);
    EXPECT_EQ(index.symbol(1).names[size_t(SymbolLanguage::Spanish)], QStringLiteral("pan"));
    EXPECT_EQ(hexcodes(index, index.search(QStringLiteral("pa"))),
              (std::vector<QString>{"A2", "A4", "A1", "A3"}));  // name, in names (shorter first), beginning
    EXPECT_EQ(index.search(QStringLiteral("pa"))[3].label, QStringLiteral("pastís"));
    // A whole word both times: the symbol whose name holds it first.
    EXPECT_EQ(hexcodes(index, index.search(QStringLiteral("forn"))), (std::vector<QString>{"A4", "A2"}));
    EXPECT_EQ(index.search(QStringLiteral("forn"))[1].tier, 1);
    EXPECT_EQ(hexcodes(index, index.search(QStringLiteral("tomaquet pa"))), (std::vector<QString>{"A1"}));
}

TEST(SymbolLibrary, MissingOrBadLibraryGivesAMessageAndNoIndex)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/symbols");
    struct Case {
        const char* name;
        bool make_folder;
        QByteArray words;  // null: no words.tsv
    };
    const Case cases[] = {
        {"no folder", false, QByteArray()},
        {"no index", true, QByteArray()},
        {"garbage", true, QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11)},
        {"no header", true, "1F408\tca\tgat\tgat\n"},
        {"header only", true, "# Orvel symbol words 1\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(folder).removeRecursively();
        if (c.make_folder)
            QDir().mkpath(folder);
        if (!c.words.isNull())
            write_file(folder + QStringLiteral("/words.tsv"), c.words);
        QString problem;
        EXPECT_FALSE(SymbolIndex::load(folder, &problem));
        EXPECT_TRUE(problem.contains(folder)) << problem.toStdString();
        EXPECT_TRUE(problem.contains(QStringLiteral("install-deps"))) << problem.toStdString();
    }
}

// How many pixels of the picture are within a few steps of the colour.
int pixels_near(const QImage& image, QColor colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor p = image.pixelColor(x, y);
            if (std::abs(p.red() - colour.red()) + std::abs(p.green() - colour.green()) +
                    std::abs(p.blue() - colour.blue()) < 12)
                ++n;
        }
    return n;
}

TEST(SymbolLibrary, ChosenSymbolIsWrittenAsA24BitBitmapWithItsColoursAndNeverOverAnotherFile)
{
    testing::ensure_application();
    const auto library = installed_library();
    ASSERT_TRUE(library);
    const SymbolMatch cat = library->search(QStringLiteral("gat"))[0];
    const QString svg = library->picture_path(cat.symbol);
    QTemporaryDir board;

    const SymbolBitmap first = write_symbol_bitmap(svg, cat.label, QSize(120, 80), board.path());
    ASSERT_TRUE(first.problem.isEmpty()) << first.problem.toStdString();
    EXPECT_EQ(first.path, board.path() + QStringLiteral("/gat.bmp"));
    const QByteArray bytes = read_file(first.path);
    ASSERT_GT(bytes.size(), 54);
    EXPECT_TRUE(bytes.startsWith("BM"));
    EXPECT_EQ(quint8(bytes[28]), 24);  // bits per pixel
    const QImage image(first.path);
    ASSERT_EQ(image.size(), QSize(120, 80));
    // OpenMoji's cat is orange (#f4aa41 body, #e27022 tail) outlined in black, on white;
    // drawn as large as it fits, centred, the corners stay white.
    EXPECT_GT(pixels_near(image, QColor(0xf4, 0xaa, 0x41)), 120 * 80 / 20);
    EXPECT_GT(pixels_near(image, QColor(0xe2, 0x70, 0x22)), 30);
    EXPECT_GT(pixels_near(image, Qt::black), 30);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(119, 79), QColor(Qt::white));

    // The same symbol again is the same file; another picture under the name is kept.
    EXPECT_EQ(write_symbol_bitmap(svg, cat.label, QSize(120, 80), board.path()).path, first.path);
    write_file(first.path, "someone else's picture");
    const SymbolBitmap second = write_symbol_bitmap(svg, cat.label, QSize(120, 80), board.path());
    EXPECT_EQ(second.path, board.path() + QStringLiteral("/gat-2.bmp"));
    EXPECT_EQ(read_file(first.path), QByteArray("someone else's picture"));
    EXPECT_EQ(read_file(second.path), bytes);

    // With the area's text under it: the words in black at the bottom, the symbol above.
    const SymbolBitmap captioned =
        write_symbol_bitmap(svg, cat.label, QSize(120, 80), board.path(), QStringLiteral("El gat"));
    EXPECT_EQ(captioned.path, board.path() + QStringLiteral("/gat-3.bmp"));
    const QImage with_text(captioned.path);
    ASSERT_EQ(with_text.size(), QSize(120, 80));
    int lowest_orange = -1, black_in_band = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 120; ++x) {
            const QColor p = with_text.pixelColor(x, y);
            if (p == QColor(0xf4, 0xaa, 0x41))
                lowest_orange = y;
            if (y >= 64 && p.lightness() < 60)
                ++black_in_band;
        }
    EXPECT_GE(lowest_orange, 20);
    EXPECT_LT(lowest_orange, 64);
    EXPECT_GT(black_in_band, 20);
    EXPECT_EQ(with_text.pixelColor(0, 79), QColor(Qt::white));

    // No folder (a board never saved), a picture that is not SVG: a message, no file.
    EXPECT_FALSE(write_symbol_bitmap(svg, cat.label, QSize(120, 80), QString()).problem.isEmpty());
    write_file(board.path() + QStringLiteral("/bad.svg"), "<svg");
    const SymbolBitmap bad = write_symbol_bitmap(board.path() + QStringLiteral("/bad.svg"), QStringLiteral("x"),
                                                 QSize(10, 10), board.path());
    EXPECT_TRUE(bad.path.isEmpty());
    EXPECT_FALSE(bad.problem.isEmpty());
    EXPECT_FALSE(QFile::exists(board.path() + QStringLiteral("/x.bmp")));
}

TEST(SymbolLibrary, FileNamesFromWordsAreSafe)
{
    const std::pair<const char*, const char*> cases[] = {
        {"gat", "gat"},
        {"gota d’aigua", "gota_d_aigua"},
        {"Cafè!", "cafe"},
        {"col·legi", "collegi"},
        {"../../etc/passwd", "etc_passwd"},
        {"A.B.BMP", "a_b_bmp"},
        {"", "simbol"},
        {"日本", "simbol"},
        {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"},
    };
    for (const auto& [word, stem] : cases)
        EXPECT_EQ(symbol_file_stem(QString::fromUtf8(word)), QString::fromUtf8(stem)) << word;
}

}  // namespace
}  // namespace orvel
