// Importing Open Board Format sets: a hand-made communication set that uses every field
// the boards can hold, and sets that are broken or hostile.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <zip.h>

#include "interchange/import_set.h"
#include "model/file_names.h"
#include "model/template_file.h"
#include "obf_test_sets.h"
#include "support/fake_board.h"
#include "support/recording_messages.h"

namespace orvel {
namespace {

using testing::SetFile;

Template load(const QString& path)
{
    Template t;
    testing::RecordingMessages messages;
    EXPECT_EQ(load_template(t, path, messages, LoadOptions{QString(), false}), LoadOutcome::Read) << path.toStdString();
    return t;
}

// The area whose spoken name (the button's label) is `label`.
const Area* button(const Template& t, const QString& label)
{
    for (int n = 2; n <= t.area_count; ++n)
        if (t.area(n).sound_file == label && t.area(n).is_group == 0)
            return &t.area(n);
    return nullptr;
}

bool report_has(const obf::ImportResult& r, const QString& fragment)
{
    for (const QString& line : r.report.lines())
        if (line.contains(fragment))
            return true;
    return false;
}

QString report_of(const obf::ImportResult& r)
{
    return r.report.lines().join(QLatin1Char('\n')) + QStringLiteral("\nerror: ") + r.error;
}

TEST(ObfImport, HandMadeSetBecomesBoardsThatRunAndPassTheCheck)
{
    testing::ensure_application();
    QTemporaryDir dir;
    const QString set = dir.filePath(QStringLiteral("comunica.obz"));
    ASSERT_EQ(testing::write_obz(set, testing::folder_files(QStringLiteral(ORVEL_TEST_DATA "/obf/comunica"))),
              QString());
    const QString out = dir.filePath(QStringLiteral("plafons"));
    const obf::ImportResult r = obf::import_set(set, out);
    ASSERT_EQ(r.boards.size(), 4) << report_of(r).toStdString();
    EXPECT_EQ(r.boards.front(), out + "/INICIO.ORV");  // the manifest's root first
    for (const char* name : {"COMIDA.ORV", "SENTIMIENTOS.ORV", "ABC.ORV"})
        EXPECT_TRUE(r.boards.contains(out + "/" + name)) << name;

    // Buttons: the key text each gets from its label, vocalization, links and actions.
    const struct {
        const char* board;
        const char* label;
        const char* keys;
    } buttons[] = {
        {"INICIO", "yo", "{|LLEGIR yo}{|NIVELL 0}"},
        {"INICIO", "más", "{|LLEGIR quiero más}{|NIVELL 0}"},
        {"INICIO", "comida", "{|CARREGA COMIDA.ORV}"},
        {"INICIO", "me siento", "{|CARREGA SENTIMIENTOS.ORV}"},
        {"COMIDA", "agua", "{|SONA SONS/COMIDA-1.WAV}{|NIVELL 0}"},  // OGG converted
        {"COMIDA", "volver", "{|CARREGA INICIO.ORV}"},
        {"COMIDA", "inicio", "{|CARREGA INICIO.ORV}"},  // ":home"
        {"SENTIMIENTOS", "triste", "{|LLEGIR estoy triste}{|NIVELL 0}"},
        {"SENTIMIENTOS", "otra vez", "{|CARREGA SENTIMIENTOS.ORV}"},
        {"ABC", "a", "{|NIVELL 0}a"},
        {"ABC", "espacio", "{|NIVELL 0} "},
        {"ABC", "borrar", "{|NIVELL 0}{BACKSPACE}"},
        {"ABC", "+", "{|NIVELL 0}{(}{+}{)}"},
    };
    for (const auto& c : buttons) {
        const Template t = load(out + "/" + c.board + ".ORV");
        const Area* a = button(t, QString::fromUtf8(c.label));
        ASSERT_NE(a, nullptr) << c.board << " " << c.label;
        EXPECT_EQ(a->keys, QString::fromUtf8(c.keys)) << c.board << " " << c.label;
        // Every button shows a face: its picture and label, or its label alone.
        EXPECT_FALSE(QImage(resolve_stored_name(a->icon_file, out)).isNull()) << c.label;
    }

    const Template inicio = load(out + "/INICIO.ORV");
    EXPECT_EQ(inicio.tts_language, 1);  // "es"
    EXPECT_EQ(inicio.area(1).Xf - inicio.area(1).Xi, 640);
    // Three grid rows, each a group of its buttons, scanned before its cells.
    std::vector<int> groups;
    for (int n = 2; n <= inicio.area_count; ++n)
        if (inicio.area(n).is_group != 0) {
            EXPECT_EQ(inicio.area(n).parent, 1);
            groups.push_back(n);
        }
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(button(inicio, "yo")->parent, groups[0]);
    EXPECT_EQ(button(inicio, "foto")->parent, groups[1]);
    EXPECT_EQ(button(inicio, "comida")->parent, groups[2]);
    const Area* ayuda = button(inicio, "ayuda");
    ASSERT_TRUE(ayuda->keys.startsWith("{|SONA SONS/"));
    EXPECT_TRUE(testing::read_file(out + "/" + ayuda->keys.mid(7).section('}', 0, 0)).startsWith("RIFF"));
    const Area* beber = button(inicio, "beber");  // picture from a data URL: blue cup on green
    const QImage face(resolve_stored_name(beber->icon_file, out));
    EXPECT_EQ(face.pixelColor(face.width() / 2, face.height() / 3).blue(), 200);

    // Absolute positions are kept: fractions of the board.
    const Template comida = load(out + "/COMIDA.ORV");
    const Area* manzana = button(comida, "manzana");
    const Area* agua = button(comida, "agua");
    EXPECT_EQ((std::vector<int>{manzana->Xi, manzana->Yi, manzana->Xf, manzana->Yf}),
              (std::vector<int>{0, 0, 320, 222}));
    EXPECT_EQ(agua->Xi, 320);
    EXPECT_EQ(button(comida, "volver")->Xf, 160);
    EXPECT_NE(button(comida, "volver")->parent, 1);  // the lower row is a group too

    EXPECT_TRUE(testing::read_file(out + "/SONS/COMIDA-1.WAV").startsWith("RIFF"));
    EXPECT_TRUE(report_has(r, "«s-roto» (audio/mpeg)")) << report_of(r).toStdString();  // not a sound at all
    for (const char* fragment : {"«:clear»", "«:speak»", "«zz»", "«secreto»", "mateix plafó", "(remoto)", "foto.png"})
        EXPECT_TRUE(report_has(r, QString::fromUtf8(fragment))) << fragment << "\n" << report_of(r).toStdString();
    EXPECT_TRUE(testing::read_file(r.report_file).contains(":clear"));

    // What the program itself says about each board before it runs (the program is
    // built beside the tests' folder).
    const QString orvel = qEnvironmentVariable("ORVEL_BIN", QCoreApplication::applicationDirPath() + "/../orvel");
    for (const QString& board : r.boards) {
        QProcess check;
        check.start(orvel, {"--check", board});
        ASSERT_TRUE(check.waitForFinished(30000)) << check.errorString().toStdString();
        EXPECT_EQ(check.exitCode(), 0) << board.toStdString() << ": " << check.readAllStandardOutput().toStdString();
    }
}

// Sets with one problem each beside a good board: the problem is named, the good board
// is imported, and nothing is written outside the output folder.
TEST(ObfImport, BrokenOrHostileSetsImportTheGoodBoardsAndWriteNothingOutside)
{
    testing::ensure_application();
    const QByteArray good = testing::json(
        testing::grid_board("good", QJsonArray{QJsonObject{{"id", "1"}, {"label", "hello"}, {"image_id", "pic"}}}));
    const auto with_image = [](const QString& path) {
        QJsonObject board =
            testing::grid_board("bad", QJsonArray{QJsonObject{{"id", "1"}, {"label", "x"}, {"image_id", "p"}}});
        board["images"] = QJsonArray{QJsonObject{{"id", "p"}, {"path", path}, {"content_type", "image/png"}}};
        return testing::json(board);
    };
    QJsonObject good_with_picture = QJsonDocument::fromJson(good).object();
    good_with_picture["images"] =
        QJsonArray{QJsonObject{{"id", "pic"}, {"path", "images/huge.png"}, {"content_type", "image/png"}}};
    const QJsonObject boards{{"good", "good.obf"}, {"bad", "bad.obf"}};
    const QByteArray zeros(50 * 1024 * 1024, '\0');

    const struct {
        const char* name;
        std::vector<SetFile> files;
        const char* expected;
    } cases[] = {
        {"invalid JSON", {{"bad.obf", "{\"format\": \"open-board-0.1\", \"buttons\": [}"}}, "JSON"},
        {"unknown version",
         {{"bad.obf", R"({"format": "open-board-7.0", "id": "bad", "buttons": []})"}},
         "open-board-7.0"},
        {"path up out of the set", {{"bad.obf", with_image("../../secret.png")}}, "surt del conjunt"},
        {"absolute path", {{"bad.obf", with_image("/etc/passwd")}}, "surt del conjunt"},
        {"board path up out of the set",
         {{"manifest.json", testing::manifest("good.obf", {{"good", "good.obf"}, {"bad", "../bad.obf"}})}},
         "surt del conjunt"},
        {"50 MB image (zip bomb)",
         {{"bad.obf", with_image("images/huge.png")}, {"images/huge.png", zeros}},
         "massa gran"},
        {"symbolic link entry",
         {{"bad.obf", with_image("images/link.png")}, {"images/link.png", "/etc/passwd"}},
         "enllaç simbòlic"},
        {"links to itself and in a circle",
         {{"bad.obf",
           testing::json(testing::grid_board(
               "bad",
               QJsonArray{
                   QJsonObject{{"id", "1"}, {"label", "again"}, {"load_board", QJsonObject{{"path", "bad.obf"}}}},
                   QJsonObject{{"id", "2"}, {"label", "back"}, {"load_board", QJsonObject{{"path", "good.obf"}}}}}))}},
         "mateix plafó"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        std::vector<SetFile> files{{"manifest.json", testing::manifest("good.obf", boards)}, {"good.obf", good}};
        for (const SetFile& f : c.files) {
            auto same = std::find_if(files.begin(), files.end(), [&](const SetFile& g) { return g.name == f.name; });
            if (same != files.end())
                *same = f;
            else
                files.push_back(f);
        }
        const QString set = dir.filePath("set.obz");
        ASSERT_EQ(testing::write_obz(set, files), QString());
        if (std::string(c.name) == "symbolic link entry") {
            zip_t* z = zip_open(set.toLocal8Bit().constData(), 0, nullptr);
            ASSERT_NE(z, nullptr);
            const zip_int64_t index = zip_name_locate(z, "images/link.png", 0);
            zip_file_set_external_attributes(z, static_cast<zip_uint64_t>(index), 0, ZIP_OPSYS_UNIX,
                                             static_cast<zip_uint32_t>(S_IFLNK | 0777) << 16);
            ASSERT_EQ(zip_close(z), 0);
        }
        const obf::ImportResult r = obf::import_set(set, dir.filePath("work/out"));
        EXPECT_TRUE(r.boards.contains(dir.filePath("work/out/GOOD.ORV"))) << report_of(r).toStdString();
        EXPECT_TRUE(report_has(r, QString::fromUtf8(c.expected))) << report_of(r).toStdString();
        // Only the set and the output folder: nothing beside or above it.
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                  QStringList({"set.obz", "work"}));
        EXPECT_EQ(QDir(dir.filePath("work")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                  QStringList({"out"}));
    }
}

TEST(ObfImport, RefusesWhatIsNoSetAndNeverWritesThroughALinkInTheFolder)
{
    testing::ensure_application();
    QTemporaryDir dir;
    testing::write_file(dir.filePath("garbage.obz"), "PK\x03\x04 not really a zip archive");
    obf::ImportResult r = obf::import_set(dir.filePath("garbage.obz"), dir.filePath("out1"));
    EXPECT_TRUE(r.error.contains("zip")) << r.error.toStdString();
    EXPECT_TRUE(r.boards.isEmpty());

    // A board file of the output folder that is a link to a file elsewhere.
    const QString set = dir.filePath("set.obz");
    ASSERT_EQ(
        testing::write_obz(set, {{"manifest.json", testing::manifest("good.obf", {{"good", "good.obf"}})},
                                 {"good.obf", testing::json(testing::grid_board(
                                                  "good", QJsonArray{QJsonObject{{"id", "1"}, {"label", "x"}}}))}}),
        QString());
    testing::write_file(dir.filePath("elsewhere.txt"), "keep me");
    QDir().mkpath(dir.filePath("out2"));
    ASSERT_TRUE(QFile::link(dir.filePath("elsewhere.txt"), dir.filePath("out2/GOOD.ORV")));
    r = obf::import_set(set, dir.filePath("out2"));
    EXPECT_EQ(testing::read_file(dir.filePath("elsewhere.txt")), "keep me");
    EXPECT_TRUE(report_has(r, "enllaç simbòlic")) << report_of(r).toStdString();
}

// The reader's own bounds, below the size a test can build quickly.
TEST(ObfImport, ArchiveLimitsBoundEntriesAndTotalSize)
{
    QTemporaryDir dir;
    const QString set = dir.filePath("many.obz");
    std::vector<SetFile> files;
    for (int i = 0; i < 5; ++i)
        files.push_back({QStringLiteral("f%1").arg(i), QByteArray(1000, 'x')});
    ASSERT_EQ(testing::write_obz(set, files), QString());
    QString why;
    EXPECT_FALSE(obf::ZipReader(set, {4, 2000, 10000}).is_open());
    obf::ZipReader bounded(set, {10, 2000, 2500});
    EXPECT_TRUE(bounded.read("f0", &why) && bounded.read("f1", &why));
    EXPECT_FALSE(bounded.read("f2", &why));  // past the total
    EXPECT_TRUE(why.contains("massa gran")) << why.toStdString();
    EXPECT_FALSE(obf::ZipReader(set, {10, 999, 10000}).read("f0", &why));
}

}  // namespace
}  // namespace orvel
