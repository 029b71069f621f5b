// The board file (.ORV) reader and writer: Part 1.2 layout, version rule, messages and
// bad input.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QStringList>
#include <QtGlobal>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

#include "model/template_file.h"
#include "support/recording_messages.h"

using namespace orvel;
using orvel::testing::RecordingMessages;

namespace {

const QString kReadError = QStringLiteral("Error en llegir el fitxer ");
const QString kNewerFormat =
    QStringLiteral("Teniu instal·lada una versió de Orvel anterior que no reconeix aquets format de fitxer");

void write_bytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray read_bytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

// Header lines 1..17 of a version 2.1 board with n areas, CRLF.
QByteArray header(int areas, const QByteArray& cover = QByteArray())
{
    QByteArray h = " 2 \r\n 1 \r\n" + cover + "\r\n " + QByteArray::number(areas) + " \r\n";
    h += "\"\"\r\n 0 \r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n 1 \r\n-1 \r\n 0 \r\n 0 \r\n 0 \r\n 100 \r\n";
    return h;
}

QByteArray area_block(int xi, const QByteArray& keys = "\"\"")
{
    return " " + QByteArray::number(xi) + " \r\n 0 \r\n 10 \r\n 10 \r\n 0 \r\n 0 \r\n\"\"\r\n\"\"\r\n" + keys +
           "\r\n\"\"\r\n 0 \r\n 0 \r\n";
}

Template sample_board()
{
    Template t;
    t.cover_file = QStringLiteral("caràtula.bmp");
    t.program = QStringLiteral("xterm|gedit \"a b\"");
    t.clip_type = 1;
    t.clip_file = QStringLiteral("SONS\\Foto.BMP");
    t.initial_keys = QStringLiteral("Hola{ENTER}{|ESPERA 1}");
    t.doc_file = QStringLiteral("doc.txt");
    t.app_title = QStringLiteral("XTERM");
    t.description = QStringLiteral("Línia 1\r\nLínia 2 amb \"cometes\" i €");
    t.global_data_on_new = 0;
    t.sound_active = 0;
    t.auto_cover = 1;
    t.tts_language = 1;
    t.tts_voice = 1;
    t.tts_speed = -32768;
    Area root;
    root.Xf = 640;
    root.Yf = 445;
    root.is_group = -1;
    add_area(t, root);
    Area a;
    a.Xi = -5;
    a.Yi = 32767;
    a.Xf = 100;
    a.Yf = 200;
    a.parent = 1;
    a.clip_type = 1;
    a.clip_file = QStringLiteral("c:\\fotos\\gat.jpg");
    a.sound_file = QStringLiteral("SONS\\BEE.WAV");
    a.keys = QStringLiteral("{|SIM x {\"a\"} {b}}Bon dia{ENTER}, comma");
    a.icon_file = QStringLiteral("icones/gat.bmp");
    a.repeat_reading = 1;
    a.is_group = 0;
    add_area(t, a);
    return t;
}

void expect_same_stored_fields(const Template& a, const Template& b)
{
    EXPECT_EQ(a.cover_file, b.cover_file);
    EXPECT_EQ(a.area_count, b.area_count);
    EXPECT_EQ(a.program, b.program);
    EXPECT_EQ(a.clip_type, b.clip_type);
    EXPECT_EQ(a.clip_file, b.clip_file);
    EXPECT_EQ(a.initial_keys, b.initial_keys);
    EXPECT_EQ(a.doc_file, b.doc_file);
    EXPECT_EQ(a.app_title, b.app_title);
    EXPECT_EQ(a.description, b.description);
    EXPECT_EQ(a.global_data_on_new, b.global_data_on_new);
    EXPECT_EQ(a.sound_active, b.sound_active);
    EXPECT_EQ(a.auto_cover, b.auto_cover);
    EXPECT_EQ(a.tts_language, b.tts_language);
    EXPECT_EQ(a.tts_voice, b.tts_voice);
    EXPECT_EQ(a.tts_speed, b.tts_speed);
    ASSERT_EQ(a.areas.size(), b.areas.size());
    for (size_t i = 0; i < a.areas.size(); ++i)
        EXPECT_EQ(a.areas[i], b.areas[i]) << "area " << i;
}

class TemplateFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        // load_template moves the current folder; keep the tests' one.
        saved_cwd = QDir::currentPath();
    }
    void TearDown() override { QDir::setCurrent(saved_cwd); }

    QString file(const QString& name) const { return dir.path() + QLatin1Char('/') + name; }

    LoadOutcome load(Template& t, const QString& path) { return load_template(t, path, messages); }

    QTemporaryDir dir;
    QString saved_cwd;
    RecordingMessages messages;
};

}  // namespace

TEST_F(TemplateFile, WrittenBoardReadsBackToTheSameFieldsAndTheSameBytes)
{
    const Template original = sample_board();
    const QString path = file(QStringLiteral("board.ORV"));
    write_bytes(file(QStringLiteral("caràtula.bmp")), "BM");
    ASSERT_TRUE(write_template(original, path));
    Template t;
    EXPECT_EQ(load(t, path), LoadOutcome::Read);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
    expect_same_stored_fields(original, t);
    EXPECT_EQ(t.format_major, 2);
    EXPECT_EQ(t.format_minor, 1);
    EXPECT_EQ(t.modified, 0);
    EXPECT_EQ(t.file_name, path);
    EXPECT_EQ(t.directory, dir.path());
    const QByteArray first = read_bytes(path);
    ASSERT_TRUE(write_template(t, file(QStringLiteral("again.ORV"))));
    EXPECT_EQ(read_bytes(file(QStringLiteral("again.ORV"))), first);
}

TEST_F(TemplateFile, LayoutIsExactlyThePartsLines)
{
    Template t;
    t.cover_file = QStringLiteral("X.BMP");
    t.sound_active = -1;
    t.auto_cover = 0;
    t.tts_speed = 100;
    Area a;
    a.Xi = 2;
    a.Yi = -1;
    a.keys = QStringLiteral("say \"hi\"");
    a.is_group = -1;
    a.repeat_reading = 1;
    add_area(t, a);
    const QByteArray expected =
        " 2 \r\n 1 \r\nX.BMP\r\n 1 \r\n\"\"\r\n 0 \r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n 1 \r\n-1 \r\n 0 \r\n 0 \r\n 0 \r\n 100 \r\n"
        " 2 \r\n-1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n\"\"\r\n\"\"\r\n\"say \xB6hi\xB6\"\r\n\"\"\r\n 1 \r\n-1 \r\n";
    EXPECT_EQ(template_bytes(t), expected);
}

TEST_F(TemplateFile, BoardWithoutAreasIsSeventeenLinesAndReadsBackEmpty)
{
    Template t;
    const QByteArray bytes = template_bytes(t);
    EXPECT_EQ(bytes.count("\r\n"), 17);
    EXPECT_EQ(bytes.count('\n'), 17);
    const QString path = file(QStringLiteral("empty.orv"));
    ASSERT_TRUE(write_template(t, path));
    Template back;
    add_area(back, Area{});
    EXPECT_EQ(load(back, path), LoadOutcome::Read);
    EXPECT_EQ(back.area_count, 0);
    EXPECT_EQ(back.areas.size(), 1u);
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(TemplateFile, DoubleQuoteIsStoredAsPilcrowAndPilcrowReadsAsDoubleQuote)
{
    Template t;
    Area a;
    a.keys = QStringLiteral("\"x\"");
    add_area(t, a);
    EXPECT_TRUE(template_bytes(t).contains("\"\xB6x\xB6\"\r\n"));

    const QString path = file(QStringLiteral("p.ORV"));
    write_bytes(path, header(1) + area_block(1, "\"a\xB6" "b\""));
    Template back;
    ASSERT_EQ(load(back, path), LoadOutcome::Read);
    EXPECT_EQ(back.area(1).keys, QStringLiteral("a\"b"));
}

TEST_F(TemplateFile, VersionOneBoardHasThirteenLinesAndKeepsThePreviousSpeechSettings)
{
    const QString path = file(QStringLiteral("old.ORV"));
    const QByteArray v1 = " 1 \r\n 0 \r\nCOVER.BMP\r\n 1 \r\n\"prog\"\r\n 0 \r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"desc\"\r\n 1 \r\n-1 \r\n" +
                          area_block(7);
    write_bytes(path, v1);
    Template t;
    t.tts_language = 1;
    t.tts_voice = 1;
    t.tts_speed = 150;
    t.auto_cover = 1;
    EXPECT_EQ(load(t, path), LoadOutcome::Read);
    EXPECT_EQ(t.format_major, 1);
    EXPECT_EQ(t.format_minor, 0);
    EXPECT_EQ(t.auto_cover, 0);
    EXPECT_EQ(t.tts_language, 1);
    EXPECT_EQ(t.tts_voice, 1);
    EXPECT_EQ(t.tts_speed, 150);
    EXPECT_EQ(t.program, QStringLiteral("prog"));
    EXPECT_EQ(t.description, QStringLiteral("desc"));
    ASSERT_EQ(t.area_count, 1);
    EXPECT_EQ(t.area(1).Xi, 7);
    // Only the missing cover is reported.
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_EQ(messages.texts[0], QStringLiteral("Orvel no troba el fitxer ") + file(QStringLiteral("COVER.BMP")));

    // Resaving brings it to version 2, 1 with all seventeen header lines.
    const QByteArray resaved = template_bytes(t);
    EXPECT_TRUE(resaved.startsWith(" 2 \r\n 1 \r\nCOVER.BMP\r\n 1 \r\n\"prog\"\r\n"));
    EXPECT_EQ(resaved.count("\r\n"), 17 + 12);
}

TEST_F(TemplateFile, NewerVersionsAreRefusedAndLeaveTheBoardReset)
{
    for (const QByteArray& version : {QByteArray(" 2 \r\n 2 \r\n"), QByteArray(" 3 \r\n 0 \r\n")}) {
        const QString path = file(QStringLiteral("new.ORV"));
        write_bytes(path, version + "X.BMP\r\n 1 \r\n");
        Template t;
        t.directory = QStringLiteral("/somewhere/else");
        add_area(t, Area{});
        t.cover_file = QStringLiteral("old.bmp");
        messages.texts.clear();
        EXPECT_EQ(load(t, path), LoadOutcome::Refused);
        ASSERT_EQ(messages.texts.size(), 1);
        EXPECT_EQ(messages.texts[0], kNewerFormat);
        EXPECT_EQ(t.area_count, 0);
        EXPECT_TRUE(t.cover_file.isEmpty());
        EXPECT_EQ(t.directory, dir.path());
        EXPECT_EQ(t.file_name, kUnnamedTemplate);
    }
}

TEST_F(TemplateFile, NameNotEndingInOrvIsRefusedWithACriticalBoxButCaseDoesNotMatter)
{
    const QByteArray bytes = template_bytes(Template{});
    write_bytes(file(QStringLiteral("a.txt")), bytes);
    write_bytes(file(QStringLiteral("b.orv")), bytes);
    Template t;
    EXPECT_EQ(load(t, file(QStringLiteral("a.txt"))), LoadOutcome::Refused);
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_EQ(messages.texts[0], QStringLiteral("Format incorrecte"));
    EXPECT_EQ(messages.last_icon, MessageIcon::Critical);
    messages.texts.clear();
    EXPECT_EQ(load(t, file(QStringLiteral("b.orv"))), LoadOutcome::Read);
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(TemplateFile, LineFeedOnlyFilesReadLikeCrLfFiles)
{
    const Template original = sample_board();
    QByteArray lf = template_bytes(original);
    lf.replace("\r\n", "\n");
    const QString path = file(QStringLiteral("lf.ORV"));
    write_bytes(path, lf);
    Template t;
    ASSERT_EQ(load(t, path), LoadOutcome::Read);
    Template expected = original;
    expected.description = QStringLiteral("Línia 1\nLínia 2 amb \"cometes\" i €");  // the break inside the value
    expect_same_stored_fields(expected, t);
}

TEST_F(TemplateFile, AMissingFileIsReportedAsNotFound)
{
    Template t;
    const QString path = file(QStringLiteral("none.ORV"));
    EXPECT_EQ(load(t, path), LoadOutcome::Missing);
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_EQ(messages.texts[0], kReadError + path + QStringLiteral(" 53 File not found"));
    EXPECT_EQ(load(t, QString()), LoadOutcome::NothingToLoad);
}

TEST_F(TemplateFile, OnlyRegularFilesAreRead)
{
    // A device that never ends, and a folder, named like boards.
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), file(QStringLiteral("zero.ORV"))));
    QDir(dir.path()).mkdir(QStringLiteral("folder.ORV"));
    Template t;
    EXPECT_EQ(load(t, file(QStringLiteral("zero.ORV"))), LoadOutcome::Missing);
    EXPECT_EQ(load(t, file(QStringLiteral("folder.ORV"))), LoadOutcome::Missing);
    ASSERT_EQ(messages.texts.size(), 2);
    EXPECT_TRUE(messages.texts[0].endsWith(QStringLiteral("75 Path/File access error")));
}

TEST_F(TemplateFile, RelativeNamesResolveAgainstTheBoardFolderWithoutRegardToCase)
{
    QDir(dir.path()).mkdir(QStringLiteral("sub"));
    write_bytes(file(QStringLiteral("sub/next.orv")), header(1) + area_block(3));
    Template t;
    t.directory = dir.path();
    EXPECT_EQ(load(t, QStringLiteral("SUB\\NEXT.ORV")), LoadOutcome::Read);
    EXPECT_EQ(t.file_name, file(QStringLiteral("sub/next.orv")));
    EXPECT_EQ(t.directory, file(QStringLiteral("sub")));
    EXPECT_EQ(QDir::currentPath(), QFileInfo(file(QStringLiteral("sub"))).canonicalFilePath());
    EXPECT_EQ(t.area_count, 1);
}

TEST_F(TemplateFile, ExistingCoverGivesItsTimeAndNoMessage)
{
    write_bytes(file(QStringLiteral("cover.bmp")), "BM");
    write_bytes(file(QStringLiteral("c.ORV")), header(0, "  COVER.BMP , ignored"));
    Template t;
    t.cover_outdated = -1;
    ASSERT_EQ(load(t, file(QStringLiteral("c.ORV"))), LoadOutcome::Read);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
    EXPECT_EQ(t.cover_file, QStringLiteral("COVER.BMP"));  // up to the comma, trimmed
    EXPECT_EQ(t.cover_outdated, 0);
    EXPECT_FALSE(t.cover_time.isEmpty());
}

TEST_F(TemplateFile, NumberLinesAcceptBlanksSignsAndFractionsRoundedHalfToEven)
{
    const QByteArray numbers = "\t+3 \r\n2.5\r\n3.5\r\n\r\n-0\r\n 7, 8\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n 1 \r\n 0 \r\n";
    write_bytes(file(QStringLiteral("n.ORV")), header(1) + numbers);
    Template t;
    ASSERT_EQ(load(t, file(QStringLiteral("n.ORV"))), LoadOutcome::Read);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
    ASSERT_EQ(t.area_count, 1);
    EXPECT_EQ(t.area(1).Xi, 3);
    EXPECT_EQ(t.area(1).Yi, 2);
    EXPECT_EQ(t.area(1).Xf, 4);
    EXPECT_EQ(t.area(1).Yf, 0);
    EXPECT_EQ(t.area(1).parent, 0);
    EXPECT_EQ(t.area(1).clip_type, 7);
}

TEST_F(TemplateFile, BadNumbersAreReportedOnceEachAndReadingGoesOn)
{
    QByteArray bad = area_block(1);
    bad.replace(" 0 \r\n 10 \r\n", " 70000 \r\nabc\r\n");  // Yi overflows, Xf is not a number
    QByteArray also_bad = area_block(2);
    also_bad.replace(" 0 \r\n 10 \r\n", "-40000\r\n1x\r\n");
    const QString path = file(QStringLiteral("bad.ORV"));
    write_bytes(path, header(3) + bad + also_bad + area_block(3));
    Template t;
    ASSERT_EQ(load(t, path), LoadOutcome::Read);
    ASSERT_EQ(messages.texts.size(), 2) << messages.texts.join('\n').toStdString();
    EXPECT_EQ(messages.texts[0], kReadError + path + QStringLiteral(" 6 Overflow"));
    EXPECT_EQ(messages.texts[1], kReadError + path + QStringLiteral(" 13 Type mismatch"));
    ASSERT_EQ(t.area_count, 3);
    EXPECT_EQ(t.area(1).Xi, 1);
    EXPECT_EQ(t.area(1).Yi, 0);   // kept as it was
    EXPECT_EQ(t.area(1).Xf, 0);
    EXPECT_EQ(t.area(1).Yf, 10);  // the next line is read normally
    EXPECT_EQ(t.area(3).Xi, 3);
}

TEST_F(TemplateFile, TruncatedFileKeepsWhatWasReadAndReportsEndOfFileOnce)
{
    const QByteArray whole = header(3) + area_block(1) + area_block(2) + area_block(3);
    const QString path = file(QStringLiteral("cut.ORV"));
    // Cut in the middle of the second area's clip_type line.
    const qsizetype cut = header(3).size() + area_block(1).size() + 30;
    write_bytes(path, whole.left(cut));
    Template t;
    ASSERT_EQ(load(t, path), LoadOutcome::Read);
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_EQ(messages.texts[0], kReadError + path + QStringLiteral(" 62 Input past end of file"));
    ASSERT_EQ(t.area_count, 2);  // the partial second area is kept
    EXPECT_EQ(t.area(2).Xi, 2);

    // Every cut of the file loads without a crash, with at most one message per number.
    for (qsizetype n = 0; n <= whole.size(); n += 7) {
        write_bytes(path, whole.left(n));
        RecordingMessages quiet;
        Template any;
        load_template(any, path, quiet);
        EXPECT_LE(quiet.texts.size(), 3);
        EXPECT_LE(any.area_count, 3);
    }
}

TEST_F(TemplateFile, AreaCountIsNeverTrusted)
{
    const QString path = file(QStringLiteral("count.ORV"));
    // Negative: no areas, no message.
    write_bytes(path, header(-5) + area_block(1));
    Template t;
    ASSERT_EQ(load(t, path), LoadOutcome::Read);
    EXPECT_EQ(t.area_count, 0);
    EXPECT_TRUE(messages.texts.isEmpty());
    // The maximum with two blocks: two areas and the end-of-file message.
    write_bytes(path, header(32767) + area_block(1) + area_block(2));
    ASSERT_EQ(load(t, path), LoadOutcome::Read);
    EXPECT_EQ(t.area_count, 2);
    EXPECT_LE(t.areas.capacity(), 16u);  // nothing sized from the count
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].endsWith(QStringLiteral("62 Input past end of file")));
    // Beyond 16 bits: overflow, and no areas are read.
    messages.texts.clear();
    write_bytes(path, header(1000000) + area_block(1));
    ASSERT_EQ(load(t, path), LoadOutcome::Read);
    EXPECT_EQ(t.area_count, 0);
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].endsWith(QStringLiteral("6 Overflow")));
    // More blocks than counted: the rest is ignored.
    messages.texts.clear();
    write_bytes(path, header(1) + area_block(1) + area_block(2));
    ASSERT_EQ(load(t, path), LoadOutcome::Read);
    EXPECT_EQ(t.area_count, 1);
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(TemplateFile, QuotedValueMayRunOverLinesAndAnUnclosedOneEndsTheFile)
{
    const QString path = file(QStringLiteral("q.ORV"));
    write_bytes(path, header(2) + area_block(1, "\"one\r\ntwo\" trailing, stuff") + area_block(2, "\"not closed\r\n 0 \r\n"));
    Template t;
    ASSERT_EQ(load(t, path), LoadOutcome::Read);
    ASSERT_EQ(t.area_count, 2);
    EXPECT_EQ(t.area(1).keys, QStringLiteral("one\r\ntwo"));
    EXPECT_EQ(t.area(1).icon_file, QString());
    // The value runs to the next double quote, the opening one of the next line.
    EXPECT_EQ(t.area(2).keys, QStringLiteral("not closed\r\n 0 \r\n\r\n"));
    EXPECT_EQ(t.area(2).icon_file, QStringLiteral("0"));
    // A quote never closed takes the rest of the file.
    QByteArray cut = header(1) + area_block(1);
    cut.truncate(cut.lastIndexOf("\"\"\r\n 0 \r\n 0 \r\n"));
    write_bytes(path, cut + "\"never closed\r\nmore");
    messages.texts.clear();
    ASSERT_EQ(load(t, path), LoadOutcome::Read);
    ASSERT_EQ(t.area_count, 1);
    EXPECT_EQ(t.area(1).icon_file, QStringLiteral("never closed\r\nmore"));
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].endsWith(QStringLiteral("62 Input past end of file")));
    // Unquoted text lines read like the plain line.
    write_bytes(path, header(1) + area_block(1, "  bare text , rest"));
    ASSERT_EQ(load(t, path), LoadOutcome::Read);
    EXPECT_EQ(t.area(1).keys, QStringLiteral("bare text"));
}

TEST_F(TemplateFile, BinaryGarbageAndLongLinesLoadWithoutHarm)
{
    const QString path = file(QStringLiteral("g.ORV"));
    QByteArray garbage;
    for (int i = 0; i < 200000; ++i)
        garbage.append(static_cast<char>((i * 7919) % 256));
    write_bytes(path, garbage);
    Template t;
    EXPECT_EQ(load(t, path), LoadOutcome::Read);
    EXPECT_LE(t.area_count, kMaxAreas);

    // A key text of five megabytes.
    const QByteArray big(5 * 1024 * 1024, 'k');
    write_bytes(path, header(1) + area_block(1, "\"" + big + "\""));
    messages.texts.clear();
    ASSERT_EQ(load(t, path), LoadOutcome::Read);
    EXPECT_TRUE(messages.texts.isEmpty());
    ASSERT_EQ(t.area_count, 1);
    EXPECT_EQ(t.area(1).keys.size(), big.size());
}

TEST_F(TemplateFile, HundredMegabyteFileLoadsWithBoundedWork)
{
    const QString path = file(QStringLiteral("big.ORV"));
    // A valid board followed by 100 MB that is never needed.
    write_bytes(path, header(1) + area_block(5));
    ASSERT_EQ(::truncate(QFile::encodeName(path).constData(), 100LL * 1024 * 1024), 0);
    Template t;
    ASSERT_EQ(load(t, path), LoadOutcome::Read);
    EXPECT_EQ(t.area_count, 1);
    EXPECT_TRUE(messages.texts.isEmpty());
    // 100 MB of zero bytes: one huge line that holds no number.
    write_bytes(path, QByteArray());
    ASSERT_EQ(::truncate(QFile::encodeName(path).constData(), 100LL * 1024 * 1024), 0);
    ASSERT_EQ(load(t, path), LoadOutcome::Read);
    EXPECT_EQ(t.area_count, 0);
    ASSERT_GE(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].endsWith(QStringLiteral("13 Type mismatch")));
}

TEST_F(TemplateFile, CharactersWindows1252CannotHoldAreWrittenAsQuestionMarksAndCounted)
{
    Template t;
    Area a;
    a.keys = QStringLiteral("Привіт €");
    add_area(t, a);
    const QString path = file(QStringLiteral("u.ORV"));
    const WriteResult r = write_template(t, path);
    ASSERT_TRUE(r);
    EXPECT_EQ(r.unmappable, 6);
    Template back;
    ASSERT_EQ(load(back, path), LoadOutcome::Read);
    EXPECT_EQ(back.area(1).keys, QStringLiteral("?????? €"));
}

TEST_F(TemplateFile, WritingReplacesTheFileWholeAndKeepsItsPermissions)
{
    const QString path = file(QStringLiteral("w.ORV"));
    write_bytes(path, "old contents");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    ASSERT_TRUE(write_template(sample_board(), path));
    EXPECT_EQ(read_bytes(path), template_bytes(sample_board()));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(TemplateFile, FailedWriteKeepsTheOldFileAndGivesAnErrorNumber)
{
    const QString path = file(QStringLiteral("keep.ORV"));
    write_bytes(path, "old");
    // A folder where the board should be: the rename cannot replace it.
    QDir(dir.path()).mkdir(QStringLiteral("adir.ORV"));
    WriteResult r = write_template(sample_board(), file(QStringLiteral("adir.ORV")));
    EXPECT_FALSE(r);
    EXPECT_NE(r.error_number, 0);
    // A folder that does not exist: "Path not found".
    r = write_template(sample_board(), file(QStringLiteral("missing/x.ORV")));
    EXPECT_FALSE(r);
    EXPECT_EQ(r.error_number, file_error::kPathNotFound);
    EXPECT_EQ(read_bytes(path), QByteArray("old"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(TemplateFile, ReadingFromADeviceNeedsNoFile)
{
    QByteArray bytes = template_bytes(sample_board());
    QBuffer buffer(&bytes);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    Template t;
    EXPECT_EQ(read_template(t, buffer, QStringLiteral("mem"), messages), LoadOutcome::Read);
    expect_same_stored_fields(sample_board(), t);
}

namespace {
QStringList qt_warnings;
void keep_warning(QtMsgType, const QMessageLogContext&, const QString& text) { qt_warnings << text; }
}  // namespace

TEST_F(TemplateFile, NamesHoldingANulNeverReachTheFileSystem)
{
    const QString path = file(QStringLiteral("nul.ORV"));
    write_bytes(path, header(0, QByteArray("a\0b.bmp", 7)));
    qt_warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keep_warning);
    Template t;
    const LoadOutcome outcome = load(t, path);
    const LoadOutcome nul_path = load(t, path + QChar(0) + QStringLiteral("x.ORV"));
    const WriteResult written = write_template(t, path + QChar(0) + QStringLiteral("y.ORV"));
    qInstallMessageHandler(previous);
    EXPECT_EQ(outcome, LoadOutcome::Read);
    EXPECT_EQ(nul_path, LoadOutcome::Missing);
    EXPECT_FALSE(written);
    EXPECT_TRUE(qt_warnings.isEmpty()) << qt_warnings.join('\n').toStdString();
    ASSERT_GE(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].startsWith(QStringLiteral("Orvel no troba el fitxer ")));
}
