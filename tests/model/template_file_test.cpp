// The board file (.ORV) reader and writer: layout, version rule, messages and bad input.
#include <gtest/gtest.h>

#include "support/test_files.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <QtGlobal>

#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "model/template_file.h"
#include "support/recording_messages.h"

// Designated initializers leave the fields they do not name at their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

using namespace orvel;
using namespace Qt::StringLiterals;
using orvel::testing::RecordingMessages;

namespace {

const QString kReadError = u"Error en llegir el fitxer "_s;
const QString kEof = u"62 Input past end of file"_s;

using orvel::testing::read_file;
using orvel::testing::write_file;

// Header lines 1..17 of a version 2.1 board with n areas, CRLF.
QByteArray header(int areas, const QByteArray& cover = QByteArray())
{
    return " 2 \r\n 1 \r\n" + cover + "\r\n " + QByteArray::number(areas) + " \r\n" +
           "\"\"\r\n 0 \r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n 1 \r\n-1 \r\n 0 \r\n 0 \r\n 0 \r\n 100 \r\n";
}

QByteArray area_block(int xi, const QByteArray& keys = "\"\"")
{
    return " " + QByteArray::number(xi) + " \r\n 0 \r\n 10 \r\n 10 \r\n 0 \r\n 0 \r\n\"\"\r\n\"\"\r\n" + keys +
           "\r\n\"\"\r\n 0 \r\n 0 \r\n";
}

Template sample_board()
{
    Template t{.cover_file = u"caràtula.bmp"_s, .program = u"xterm|gedit \"a b\""_s, .clip_type = 1,
               .clip_file = u"SONS\\Foto.BMP"_s, .initial_keys = u"Hola{ENTER}{|ESPERA 1}"_s, .doc_file = u"doc.txt"_s,
               .app_title = u"XTERM"_s, .description = u"Línia 1\r\nLínia 2 amb \"cometes\" i €"_s,
               .global_data_on_new = 0, .sound_active = 0, .auto_cover = 1, .tts_language = 1, .tts_voice = 1,
               .tts_speed = -32768};
    add_area(t, Area{.Xf = 640, .Yf = 445, .is_group = -1});
    add_area(t, Area{.Xi = -5, .Yi = 32767, .Xf = 100, .Yf = 200, .parent = 1, .clip_type = 1,
                     .clip_file = u"c:\\fotos\\gat.jpg"_s, .sound_file = u"SONS\\BEE.WAV"_s,
                     .keys = u"{|SIM x {\"a\"} {b}}Bon dia{ENTER}, comma"_s, .icon_file = u"icones/gat.bmp"_s,
                     .repeat_reading = 1});
    return t;
}

void expect_same_stored_fields(const Template& a, const Template& b)
{
#define SAME(f) EXPECT_EQ(a.f, b.f) << #f
    SAME(cover_file); SAME(area_count); SAME(program); SAME(clip_type); SAME(clip_file);
    SAME(initial_keys); SAME(doc_file); SAME(app_title); SAME(description); SAME(global_data_on_new);
    SAME(sound_active); SAME(auto_cover); SAME(tts_language); SAME(tts_voice); SAME(tts_speed);
#undef SAME
    ASSERT_EQ(a.areas.size(), b.areas.size());
    for (size_t i = 0; i < a.areas.size(); ++i)
        EXPECT_EQ(a.areas[i], b.areas[i]) << "area " << i;
}

class TemplateFile : public ::testing::Test {
protected:
    // load_template moves the current folder; keep the tests' one.
    void SetUp() override { ASSERT_TRUE(dir.isValid()); saved_cwd = QDir::currentPath(); }
    void TearDown() override { QDir::setCurrent(saved_cwd); }

    QString at(const QString& name) const { return dir.path() + u'/' + name; }
    LoadOutcome load(Template& t, const QString& path) { return load_template(t, path, messages); }
    // Writes bytes to a board file, loads it into t with fresh messages and expects it read.
    void load_bytes(Template& t, const QByteArray& bytes, const QString& name = u"b.ORV"_s)
    {
        write_file(at(name), bytes);
        messages.texts.clear();
        ASSERT_EQ(load(t, at(name)), LoadOutcome::Read);
    }
    std::string shown() const { return messages.texts.join(u'\n').toStdString(); }

    QTemporaryDir dir;
    QString saved_cwd;
    RecordingMessages messages;
};

}  // namespace

TEST_F(TemplateFile, WrittenBoardsReadBackToTheSameFieldsAndBytes)
{
    const Template original = sample_board();
    const QString path = at(u"board.ORV"_s);
    write_file(at(u"caràtula.bmp"_s), "BM");
    ASSERT_TRUE(write_template(original, path));
    Template t;
    EXPECT_EQ(load(t, path), LoadOutcome::Read);
    EXPECT_TRUE(messages.texts.isEmpty()) << shown();
    expect_same_stored_fields(original, t);
    EXPECT_EQ((std::vector<int>{t.format_major, t.format_minor, t.modified}), (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(t.file_name, path);
    EXPECT_EQ(t.directory, dir.path());
    ASSERT_TRUE(write_template(t, at(u"again.ORV"_s)));
    EXPECT_EQ(read_file(at(u"again.ORV"_s)), read_file(path));

    // The same from a device, and with line feeds only (the break inside a value changes too).
    QByteArray bytes = template_bytes(original);
    QBuffer buffer(&bytes);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    Template from_device;
    EXPECT_EQ(read_template(from_device, buffer, u"mem"_s, messages), LoadOutcome::Read);
    expect_same_stored_fields(original, from_device);
    Template lf;
    load_bytes(lf, template_bytes(original).replace("\r\n", "\n"));
    Template expected = original;
    expected.description = u"Línia 1\nLínia 2 amb \"cometes\" i €"_s;
    expect_same_stored_fields(expected, lf);

    // A board without areas is seventeen lines and reads back empty.
    const QByteArray empty = template_bytes(Template{});
    EXPECT_EQ(empty.count("\r\n"), 17);
    EXPECT_EQ(empty.count('\n'), 17);
    Template back;
    add_area(back, Area{});
    load_bytes(back, empty);
    EXPECT_EQ(back.area_count, 0);
    EXPECT_EQ(back.areas.size(), 1u);
    EXPECT_TRUE(messages.texts.isEmpty()) << shown();
}

TEST_F(TemplateFile, LayoutIsExactlyTheseLines)
{
    Template t{.cover_file = u"X.BMP"_s, .sound_active = -1, .auto_cover = 0, .tts_speed = 100};
    // A double quote is stored as a pilcrow.
    add_area(t, Area{.Xi = 2, .Yi = -1, .keys = u"say \"hi\""_s, .repeat_reading = 1, .is_group = -1});
    EXPECT_EQ(template_bytes(t),
              " 2 \r\n 1 \r\nX.BMP\r\n 1 \r\n\"\"\r\n 0 \r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n 1 \r\n-1 \r\n 0 \r\n 0 \r\n 0 \r\n 100 \r\n"
              " 2 \r\n-1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n\"\"\r\n\"\"\r\n\"say \xB6hi\xB6\"\r\n\"\"\r\n 1 \r\n-1 \r\n");
}

TEST_F(TemplateFile, VersionOneBoardHasThirteenLinesAndKeepsThePreviousSpeechSettings)
{
    Template t{.auto_cover = 1, .tts_language = 1, .tts_voice = 1, .tts_speed = 150};
    load_bytes(t, " 1 \r\n 0 \r\nCOVER.BMP\r\n 1 \r\n\"prog\"\r\n 0 \r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"desc\"\r\n"
                  " 1 \r\n-1 \r\n" + area_block(7));
    EXPECT_EQ((std::vector<int>{t.format_major, t.format_minor, t.auto_cover, t.tts_language, t.tts_voice, t.tts_speed}),
              (std::vector<int>{1, 0, 0, 1, 1, 150}));
    EXPECT_EQ(t.program, u"prog"_s);
    EXPECT_EQ(t.description, u"desc"_s);
    ASSERT_EQ(t.area_count, 1);
    EXPECT_EQ(t.area(1).Xi, 7);
    // Only the missing cover is reported.
    EXPECT_EQ(messages.texts, QStringList{u"Orvel no troba el fitxer "_s + at(u"COVER.BMP"_s)});
    // Resaving brings it to version 2, 1 with all seventeen header lines.
    const QByteArray resaved = template_bytes(t);
    EXPECT_TRUE(resaved.startsWith(" 2 \r\n 1 \r\nCOVER.BMP\r\n 1 \r\n\"prog\"\r\n"));
    EXPECT_EQ(resaved.count("\r\n"), 17 + 12);
}

TEST_F(TemplateFile, NewerVersionsAreRefusedAndLeaveTheBoardReset)
{
    for (const QByteArray& version : {QByteArray(" 2 \r\n 2 \r\n"), QByteArray(" 3 \r\n 0 \r\n")}) {
        SCOPED_TRACE(version.constData());
        write_file(at(u"new.ORV"_s), version + "X.BMP\r\n 1 \r\n");
        Template t{.directory = u"/somewhere/else"_s, .cover_file = u"old.bmp"_s};
        add_area(t, Area{});
        messages.texts.clear();
        EXPECT_EQ(load(t, at(u"new.ORV"_s)), LoadOutcome::Refused);
        EXPECT_EQ(messages.texts, QStringList{u"Teniu instal·lada una versió de Orvel anterior que no reconeix "
                                              u"aquets format de fitxer"_s});
        EXPECT_EQ(t.area_count, 0);
        EXPECT_TRUE(t.cover_file.isEmpty());
        EXPECT_EQ(t.directory, dir.path());
        EXPECT_EQ(t.file_name, kUnnamedTemplate);
    }
}

TEST_F(TemplateFile, WhichFilesAreReadAndHowRefusalsAreReported)
{
    const QByteArray bytes = template_bytes(Template{});
    write_file(at(u"a.txt"_s), bytes);
    write_file(at(u"b.orv"_s), bytes);
    Template t;
    // The name must end in .orv, in any case; otherwise a critical box.
    EXPECT_EQ(load(t, at(u"a.txt"_s)), LoadOutcome::Refused);
    EXPECT_EQ(messages.texts, QStringList{u"Format incorrecte"_s});
    EXPECT_EQ(messages.last_icon, MessageIcon::Critical);
    messages.texts.clear();
    EXPECT_EQ(load(t, at(u"b.orv"_s)), LoadOutcome::Read);
    EXPECT_TRUE(messages.texts.isEmpty()) << shown();
    // Missing files, a device that never ends and a folder named like boards.
    EXPECT_EQ(load(t, at(u"none.ORV"_s)), LoadOutcome::Missing);
    EXPECT_EQ(messages.texts, QStringList{kReadError + at(u"none.ORV"_s) + u" 53 File not found"_s});
    EXPECT_EQ(load(t, QString()), LoadOutcome::NothingToLoad);
    ASSERT_TRUE(QFile::link(u"/dev/zero"_s, at(u"zero.ORV"_s)));
    QDir(dir.path()).mkdir(u"folder.ORV"_s);
    messages.texts.clear();
    EXPECT_EQ(load(t, at(u"zero.ORV"_s)), LoadOutcome::Missing);
    EXPECT_EQ(load(t, at(u"folder.ORV"_s)), LoadOutcome::Missing);
    ASSERT_EQ(messages.texts.size(), 2);
    EXPECT_TRUE(messages.texts[0].endsWith(u"75 Path/File access error"_s));
    // Relative names resolve against the board's folder without regard to case.
    QDir(dir.path()).mkdir(u"sub"_s);
    write_file(at(u"sub/next.orv"_s), header(1) + area_block(3));
    t.directory = dir.path();
    EXPECT_EQ(load(t, u"SUB\\NEXT.ORV"_s), LoadOutcome::Read);
    EXPECT_EQ(t.file_name, at(u"sub/next.orv"_s));
    EXPECT_EQ(t.directory, at(u"sub"_s));
    EXPECT_EQ(QDir::currentPath(), QFileInfo(at(u"sub"_s)).canonicalFilePath());
    EXPECT_EQ(t.area_count, 1);
}

TEST_F(TemplateFile, CoverLineAndNumberLines)
{
    // An existing cover gives its time and no message; the name runs up to the comma, trimmed.
    write_file(at(u"cover.bmp"_s), "BM");
    Template t;
    t.cover_outdated = -1;
    load_bytes(t, header(0, "  COVER.BMP , ignored"));
    EXPECT_TRUE(messages.texts.isEmpty()) << shown();
    EXPECT_EQ(t.cover_file, u"COVER.BMP"_s);
    EXPECT_EQ(t.cover_outdated, 0);
    EXPECT_FALSE(t.cover_time.isEmpty());

    // Blanks, signs and fractions rounded half to even; an empty line is zero.
    load_bytes(t, header(1) + "\t+3 \r\n2.5\r\n3.5\r\n\r\n-0\r\n 7, 8\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n 1 \r\n 0 \r\n");
    EXPECT_TRUE(messages.texts.isEmpty()) << shown();
    ASSERT_EQ(t.area_count, 1);
    const Area& n = t.area(1);
    EXPECT_EQ((std::vector<int>{n.Xi, n.Yi, n.Xf, n.Yf, n.parent, n.clip_type}), (std::vector<int>{3, 2, 4, 0, 0, 7}));

    // Bad numbers are reported once each, the field is kept and reading goes on.
    QByteArray bad = area_block(1), also_bad = area_block(2);
    bad.replace(" 0 \r\n 10 \r\n", " 70000 \r\nabc\r\n");  // Yi overflows, Xf is not a number
    also_bad.replace(" 0 \r\n 10 \r\n", "-40000\r\n1x\r\n");
    load_bytes(t, header(3) + bad + also_bad + area_block(3));
    EXPECT_EQ(messages.texts, (QStringList{kReadError + at(u"b.ORV"_s) + u" 6 Overflow"_s,
                                           kReadError + at(u"b.ORV"_s) + u" 13 Type mismatch"_s}));
    ASSERT_EQ(t.area_count, 3);
    EXPECT_EQ((std::vector<int>{t.area(1).Xi, t.area(1).Yi, t.area(1).Xf, t.area(1).Yf, t.area(3).Xi}),
              (std::vector<int>{1, 0, 0, 10, 3}));
}

TEST_F(TemplateFile, TruncatedFileKeepsWhatWasReadAndReportsEndOfFileOnce)
{
    const QByteArray whole = header(3) + area_block(1) + area_block(2) + area_block(3);
    // Cut in the middle of the second area's clip_type line.
    Template t;
    load_bytes(t, whole.left(header(3).size() + area_block(1).size() + 30), u"cut.ORV"_s);
    EXPECT_EQ(messages.texts, QStringList{kReadError + at(u"cut.ORV"_s) + u" "_s + kEof});
    ASSERT_EQ(t.area_count, 2);  // the partial second area is kept
    EXPECT_EQ(t.area(2).Xi, 2);
    // Every cut of the file loads without a crash, with at most one message per number.
    for (qsizetype n = 0; n <= whole.size(); n += 7) {
        write_file(at(u"cut.ORV"_s), whole.left(n));
        RecordingMessages quiet;
        Template any;
        load_template(any, at(u"cut.ORV"_s), quiet);
        EXPECT_LE(quiet.texts.size(), 3) << n;
        EXPECT_LE(any.area_count, 3) << n;
    }
}

TEST_F(TemplateFile, AreaCountIsNeverTrusted)
{
    struct Row {
        const char* what;
        QByteArray bytes;
        int areas;
        QString message;  // the end of the only message, or none
    };
    const std::vector<Row> rows = {
        {"negative: no areas", header(-5) + area_block(1), 0, QString()},
        {"the maximum with two blocks", header(32767) + area_block(1) + area_block(2), 2, kEof},
        {"beyond 16 bits: no areas", header(1000000) + area_block(1), 0, u"6 Overflow"_s},
        {"more blocks than counted", header(1) + area_block(1) + area_block(2), 1, QString()},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        Template t;
        load_bytes(t, r.bytes);
        EXPECT_EQ(t.area_count, r.areas);
        EXPECT_LE(t.areas.capacity(), 16u);  // nothing sized from the count
        ASSERT_EQ(messages.texts.size(), r.message.isEmpty() ? 0 : 1) << shown();
        if (!r.message.isEmpty()) {
            EXPECT_TRUE(messages.texts[0].endsWith(r.message)) << shown();
        }
    }
}

TEST_F(TemplateFile, QuotedValues)
{
    Template t;
    load_bytes(t, header(2) + area_block(1, "\"one\r\ntwo\" trailing, stuff") + area_block(2, "\"not closed\r\n 0 \r\n"));
    ASSERT_EQ(t.area_count, 2);
    EXPECT_EQ(t.area(1).keys, u"one\r\ntwo"_s);
    EXPECT_EQ(t.area(1).icon_file, QString());
    // The value runs to the next double quote, the opening one of the next line.
    EXPECT_EQ(t.area(2).keys, u"not closed\r\n 0 \r\n\r\n"_s);
    EXPECT_EQ(t.area(2).icon_file, u"0"_s);
    // A quote never closed takes the rest of the file.
    QByteArray cut = header(1) + area_block(1);
    cut.truncate(cut.lastIndexOf("\"\"\r\n 0 \r\n 0 \r\n"));
    load_bytes(t, cut + "\"never closed\r\nmore");
    ASSERT_EQ(t.area_count, 1);
    EXPECT_EQ(t.area(1).icon_file, u"never closed\r\nmore"_s);
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].endsWith(kEof));
    // Unquoted text lines read like the plain line; a pilcrow reads as a double quote.
    load_bytes(t, header(1) + area_block(1, "  bare text , rest"));
    EXPECT_EQ(t.area(1).keys, u"bare text"_s);
    load_bytes(t, header(1) + area_block(1, "\"a\xB6" "b\""));
    EXPECT_EQ(t.area(1).keys, u"a\"b"_s);
}

TEST_F(TemplateFile, GarbageLongLinesAndHugeFilesLoadWithBoundedWork)
{
    QByteArray garbage;
    for (int i = 0; i < 200000; ++i)
        garbage.append(static_cast<char>((i * 7919) % 256));
    write_file(at(u"g.ORV"_s), garbage);
    Template t;
    EXPECT_EQ(load(t, at(u"g.ORV"_s)), LoadOutcome::Read);
    EXPECT_LE(t.area_count, kMaxAreas);
    // A key text of five megabytes.
    const QByteArray big(5 * 1024 * 1024, 'k');
    load_bytes(t, header(1) + area_block(1, "\"" + big + "\""));
    EXPECT_TRUE(messages.texts.isEmpty()) << shown();
    ASSERT_EQ(t.area_count, 1);
    EXPECT_EQ(t.area(1).keys.size(), big.size());
    // A valid board followed by 100 MB that is never needed, then 100 MB of zero bytes: one
    // huge line that holds no number.
    const QString path = at(u"big.ORV"_s);
    for (const QByteArray& start : {header(1) + area_block(5), QByteArray()}) {
        write_file(path, start);
        ASSERT_EQ(::truncate(QFile::encodeName(path).constData(), 100LL * 1024 * 1024), 0);
        messages.texts.clear();
        ASSERT_EQ(load(t, path), LoadOutcome::Read);
        EXPECT_EQ(t.area_count, start.isEmpty() ? 0 : 1);
        if (start.isEmpty()) {
            ASSERT_GE(messages.texts.size(), 1);
            EXPECT_TRUE(messages.texts[0].endsWith(u"13 Type mismatch"_s)) << shown();
        } else {
            EXPECT_TRUE(messages.texts.isEmpty()) << shown();
        }
    }
}

TEST_F(TemplateFile, WritingReplacesTheFileWholeOrNotAtAll)
{
    const QString path = at(u"w.ORV"_s);
    write_file(path, "old contents");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    ASSERT_TRUE(write_template(sample_board(), path));
    EXPECT_EQ(read_file(path), template_bytes(sample_board()));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);  // permissions kept
    // A folder where the board should be: the rename cannot replace it.
    QDir(dir.path()).mkdir(u"adir.ORV"_s);
    WriteResult r = write_template(Template{}, at(u"adir.ORV"_s));
    EXPECT_FALSE(r);
    EXPECT_NE(r.error_number, 0);
    // A folder that does not exist: "Path not found".
    r = write_template(Template{}, at(u"missing/x.ORV"_s));
    EXPECT_FALSE(r);
    EXPECT_EQ(r.error_number, file_error::kPathNotFound);
    EXPECT_EQ(read_file(path), template_bytes(sample_board()));
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

    // Characters Windows-1252 cannot hold are written as question marks and counted.
    Template u;
    add_area(u, Area{.keys = u"Привіт €"_s});
    r = write_template(u, path);
    ASSERT_TRUE(r);
    EXPECT_EQ(r.unmappable, 6);
    Template back;
    ASSERT_EQ(load(back, path), LoadOutcome::Read);
    EXPECT_EQ(back.area(1).keys, u"?????? €"_s);
}

namespace {
QStringList qt_warnings;
void keep_warning(QtMsgType, const QMessageLogContext&, const QString& text) { qt_warnings << text; }
}  // namespace

TEST_F(TemplateFile, NamesHoldingANulNeverReachTheFileSystem)
{
    const QString path = at(u"nul.ORV"_s);
    write_file(path, header(0, QByteArray("a\0b.bmp", 7)));
    qt_warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keep_warning);
    Template t;
    const LoadOutcome outcome = load(t, path);
    const LoadOutcome nul_path = load(t, path + QChar(0) + u"x.ORV"_s);
    const WriteResult written = write_template(t, path + QChar(0) + u"y.ORV"_s);
    qInstallMessageHandler(previous);
    EXPECT_EQ(outcome, LoadOutcome::Read);
    EXPECT_EQ(nul_path, LoadOutcome::Missing);
    EXPECT_FALSE(written);
    EXPECT_TRUE(qt_warnings.isEmpty()) << qt_warnings.join('\n').toStdString();
    ASSERT_GE(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].startsWith(u"Orvel no troba el fitxer "_s));
}
