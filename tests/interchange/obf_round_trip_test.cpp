// An Orvel board exported as an Open Board Format set and imported again is the same
// board: areas and their numbers, geometry, captions, key texts, groups, pictures,
// sounds and the links between boards.
#include <gtest/gtest.h>

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>

#include "interchange/export_set.h"
#include "interchange/import_set.h"
#include "interchange/obf_reader.h"
#include "interchange/zip_set.h"
#include "model/file_names.h"
#include "model/template_file.h"
#include "support/fake_board.h"
#include "support/recording_messages.h"
#include "support/test_files.h"

namespace orvel {
namespace {

Area area(int xi, int yi, int xf, int yf, int parent, const QString& keys, const QString& icon = {},
          const QString& sound = {})
{
    Area a;
    a.Xi = int16_t(xi), a.Yi = int16_t(yi), a.Xf = int16_t(xf), a.Yf = int16_t(yf);
    a.parent = int16_t(parent);
    a.keys = keys;
    a.icon_file = icon;
    a.sound_file = sound;
    return a;
}

Template load(const QString& path)
{
    Template t;
    testing::RecordingMessages messages;
    EXPECT_EQ(load_template(t, path, messages, LoadOptions{QString(), false}), LoadOutcome::Read) << path.toStdString();
    return t;
}

TEST(ObfRoundTrip, ExportedBoardsImportAsTheSameBoards)
{
    testing::ensure_application();
    QTemporaryDir dir;
    const QString in = dir.filePath("orig");
    QImage symbol(30, 20, QImage::Format_RGB32);
    symbol.fill(QColor(10, 200, 30));
    QDir().mkpath(in + "/DIBUIXOS");
    ASSERT_TRUE(symbol.save(in + "/DIBUIXOS/GAT.BMP"));
    const QByteArray wav = QByteArray("RIFF\x24\0\0\0WAVEfmt ", 16) + QByteArray(28, '\1');
    testing::write_file(in + "/SONS/MIOL.WAV", wav);

    // A board whose area 1 does not start at the origin, with a group of two, odd
    // edges, captions of every kind and key texts no other program understands.
    Template home;
    home.program = "xterm";
    home.initial_keys = "{|LLEGIR Hola}";
    home.description = "Casa \"principal\"";
    home.tts_language = 1;
    home.tts_speed = 140;
    home.auto_cover = 1;
    Area root = area(12, 7, 601, 433, 0, "");
    root.is_group = -1;
    add_area(home, root);
    add_area(home, area(20, 15, 213, 140, 1, "{|LLEGIR Bon dia}Bon dia {ENTER}"));
    add_area(home, area(213, 15, 407, 140, 1, "{|SONA SONS/MIOL.WAV}", "DIBUIXOS/GAT.BMP", "SONS/MIOL.WAV"));
    Area group = area(20, 150, 595, 300, 1, "{|LLEGIR menjar}");
    group.is_group = -1;
    add_area(home, group);
    add_area(home, area(20, 150, 307, 300, 4, "{|LLEGIR pa}pa{|NIVELL 0}", {}, "pa"));
    Area milk = area(307, 150, 595, 300, 4, "{|EXECUTA xterm}+(llet)~{|M+ 1}", "LLET");
    milk.repeat_reading = 1;
    milk.clip_type = 1;
    add_area(home, milk);
    add_area(home, area(20, 310, 595, 425, 1, "{|CARREGA segon.orv}"));
    Template second;
    add_area(second, root);
    add_area(second, area(12, 7, 300, 433, 1, "{|LLEGIR Tornar}{|CARREGA HOME.ORV}"));
    add_area(second, area(300, 7, 601, 433, 1, "{|CARREGA SEGON.ORV}"));  // itself
    ASSERT_TRUE(write_template(home, in + "/HOME.ORV"));
    ASSERT_TRUE(write_template(second, in + "/SEGON.ORV"));

    const obf::ExportResult exported = obf::export_set(in + "/HOME.ORV", dir.filePath("set.obz"));
    ASSERT_EQ(exported.error, QString());
    ASSERT_EQ(exported.boards.size(), 2);
    const obf::ImportResult imported = obf::import_set(dir.filePath("set.obz"), dir.filePath("back"));
    ASSERT_EQ(imported.boards, QStringList({dir.filePath("back/HOME.ORV"), dir.filePath("back/SEGON.ORV")}))
        << imported.report.lines().join('\n').toStdString();

    for (const auto& [original, path] :
         {std::pair{&home, imported.boards[0]}, std::pair{&second, imported.boards[1]}}) {
        SCOPED_TRACE(path.toStdString());
        const Template back = load(path);
        ASSERT_EQ(back.area_count, original->area_count);
        for (int n = 1; n <= back.area_count; ++n) {
            SCOPED_TRACE(n);
            const Area& a = original->area(n);
            const Area& b = back.area(n);
            EXPECT_EQ((std::vector<int>{b.Xi, b.Yi, b.Xf, b.Yf}), (std::vector<int>{a.Xi, a.Yi, a.Xf, a.Yf}));
            EXPECT_EQ(b.keys, a.keys);
            EXPECT_EQ(b.parent, a.parent);
            EXPECT_EQ(b.is_group, a.is_group);
            EXPECT_EQ(b.repeat_reading, a.repeat_reading);
            EXPECT_EQ(b.clip_type, a.clip_type);
            // Captions: a symbol that is no picture keeps its name; a picture comes back
            // as a bitmap of its own; a spoken name stays; a sound comes back as the file.
            if (a.icon_file == "DIBUIXOS/GAT.BMP")
                EXPECT_EQ(QImage(resolve_stored_name(b.icon_file, back.directory)).pixelColor(5, 5),
                          QColor(10, 200, 30));
            else
                EXPECT_EQ(b.icon_file, a.icon_file);
            if (a.sound_file.endsWith(".WAV"))
                EXPECT_EQ(testing::read_file(resolve_stored_name(b.sound_file, back.directory)), wav);
            else
                EXPECT_EQ(b.sound_file, a.sound_file);
        }
        for (const auto field : {&Template::program, &Template::initial_keys, &Template::description})
            EXPECT_EQ(back.*field, original->*field);
        EXPECT_EQ(back.tts_language, original->tts_language);
        EXPECT_EQ(back.tts_speed, original->tts_speed);
    }

    // Others read the set too: captions as labels, readings as vocalizations, the link
    // as load_board, every button at its place on the board.
    obf::ZipReader zip(dir.filePath("set.obz"));
    QString why;
    const auto board = obf::read_board(*zip.read("boards/1.obf", &why));
    ASSERT_TRUE(std::holds_alternative<obf::Board>(board));
    const obf::Board& b = std::get<obf::Board>(board);
    EXPECT_EQ(b.button("2")->label, "Bon dia");
    EXPECT_EQ(b.button("2")->vocalization, "Bon dia");
    EXPECT_EQ(b.button("6")->label, "LLET");
    EXPECT_TRUE(b.button("4")->hidden);  // the group is a region, not a button
    EXPECT_EQ(b.button("7")->load_board->path, "boards/2.obf");
    EXPECT_NEAR(b.button("5")->placement->left, 8.0 / 589, 1e-9);
    EXPECT_FALSE(b.button("2")->image_id.isEmpty());  // its piece of the cover
}

}  // namespace
}  // namespace orvel
