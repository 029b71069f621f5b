// The board file (.ORV) reader and writer: layout, code page, version rule, messages,
// bad input, and how a save replaces the file.
#include <gtest/gtest.h>

#include "support/test_files.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <dlfcn.h>
#include <iconv.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "model/cp1252.h"
#include "model/template_file.h"
#include "support/recording_messages.h"

// Designated initializers leave the fields they do not name at their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

using namespace orvel;
using namespace Qt::StringLiterals;
using orvel::testing::read_file;
using orvel::testing::RecordingMessages;
using orvel::testing::write_file;

// The file system calls of a save, recorded while `recording` is set: the order of
// flushing and renaming is what keeps a board whole through a power cut.
namespace {
bool recording = false;
std::vector<std::string> file_calls;

std::string name_of_fd(int fd)
{
    char link[64];
    char target[4096];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = ::readlink(link, target, sizeof target - 1);
    return n < 0 ? std::string() : std::string(target, static_cast<size_t>(n));
}
}  // namespace

extern "C" int fsync(int fd)
{
    static const auto real = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
    if (recording)
        file_calls.push_back("fsync " + name_of_fd(fd));
    return real(fd);
}

extern "C" int rename(const char* from, const char* to)
{
    static const auto real = reinterpret_cast<int (*)(const char*, const char*)>(dlsym(RTLD_NEXT, "rename"));
    if (recording)
        file_calls.push_back(std::string("rename ") + from);
    return real(from, to);
}

namespace {

const QString kReadError = u"Error en llegir el fitxer "_s;
const QString kEof = u"62 Input past end of file"_s;

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
    EXPECT_EQ(template_bytes(a), template_bytes(b));
    EXPECT_EQ(a.areas.size(), b.areas.size());
}

// What an unchanged board looks like from outside: its bytes, folder and name.
QStringList identity(const Template& t)
{
    return {QString::fromLatin1(template_bytes(t).toHex()), t.directory, t.file_name};
}

class TemplateFile : public ::testing::Test {
protected:
    // load_template moves the current folder; keep the tests' one.
    void SetUp() override { ASSERT_TRUE(dir.isValid()); saved_cwd = QDir::currentPath(); }
    void TearDown() override { QDir::setCurrent(saved_cwd); }

    QString at(const QString& name) const { return dir.path() + u'/' + name; }
    LoadOutcome load(Template& t, const QString& path) { return load_template(t, path, messages); }
    // Writes bytes to a board file, loads it into t with fresh messages and returns the outcome.
    LoadOutcome load_bytes(Template& t, const QByteArray& bytes, const QString& name = u"b.ORV"_s)
    {
        write_file(at(name), bytes);
        messages.texts.clear();
        return load(t, at(name));
    }
    std::string shown() const { return messages.texts.join(u'\n').toStdString(); }

    QTemporaryDir dir;
    QString saved_cwd;
    RecordingMessages messages;
};

}  // namespace

TEST_F(TemplateFile, WrittenBoardsReadBackToTheSameFieldsInTheirExactLayout)
{
    const Template original = sample_board();
    const QString path = at(u"board.ORV"_s);
    write_file(at(u"caràtula.bmp"_s), "BM");
    ASSERT_TRUE(write_template(original, path));
    Template t;
    EXPECT_EQ(load(t, path), LoadOutcome::Read);
    EXPECT_TRUE(messages.texts.isEmpty()) << shown();
    expect_same_stored_fields(original, t);
    EXPECT_EQ((QStringList{t.file_name, t.directory}), (QStringList{path, dir.path()}));
    EXPECT_EQ(t.modified, 0);

    // The same from a device, and with line feeds only (the break inside a value changes too).
    QByteArray bytes = template_bytes(original);
    QBuffer buffer(&bytes);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    Template from_device;
    EXPECT_EQ(read_template(from_device, buffer, u"mem"_s, messages), LoadOutcome::Read);
    expect_same_stored_fields(original, from_device);
    Template lf;
    EXPECT_EQ(load_bytes(lf, template_bytes(original).replace("\r\n", "\n")), LoadOutcome::Read);
    EXPECT_EQ(lf.description, u"Línia 1\nLínia 2 amb \"cometes\" i €"_s);

    // Seventeen header lines, blanks around numbers, a pilcrow for a double quote.
    Template small{.cover_file = u"X.BMP"_s, .sound_active = -1, .auto_cover = 0, .tts_speed = 100};
    add_area(small, Area{.Xi = 2, .Yi = -1, .keys = u"say \"hi\""_s, .repeat_reading = 1, .is_group = -1});
    EXPECT_EQ(template_bytes(small),
              " 2 \r\n 1 \r\nX.BMP\r\n 1 \r\n\"\"\r\n 0 \r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n 1 \r\n-1 \r\n 0 \r\n 0 \r\n 0 \r\n 100 \r\n"
              " 2 \r\n-1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n\"\"\r\n\"\"\r\n\"say \xB6hi\xB6\"\r\n\"\"\r\n 1 \r\n-1 \r\n");
    Template empty;
    EXPECT_EQ(load_bytes(empty, template_bytes(Template{})), LoadOutcome::Read);
    EXPECT_EQ(empty.area_count, 0);
}

TEST_F(TemplateFile, EveryByteOfWindows1252DecodesAsIconvDecodesItAndIsWrittenBack)
{
    iconv_t to_utf32 = iconv_open("UTF-32LE", "WINDOWS-1252");
    ASSERT_NE(to_utf32, reinterpret_cast<iconv_t>(-1));
    QString all;
    QByteArray all_bytes;
    for (int b = 0; b < 256; ++b) {
        char in = static_cast<char>(b);
        char32_t out = 0;
        char* in_p = &in;
        char* out_p = reinterpret_cast<char*>(&out);
        size_t in_left = 1, out_left = sizeof out;
        iconv(to_utf32, nullptr, nullptr, nullptr, nullptr);
        // The five bytes Windows-1252 leaves unassigned decode to the C1 control of that value.
        const char32_t expected =
            iconv(to_utf32, &in_p, &in_left, &out_p, &out_left) == static_cast<size_t>(-1) ? char32_t(b) : out;
        const QString decoded = cp1252::decode(QByteArray(1, in));
        ASSERT_EQ(decoded.size(), 1);
        EXPECT_EQ(static_cast<char32_t>(decoded[0].unicode()), expected) << "byte " << b;
        EXPECT_EQ(cp1252::encode(decoded), QByteArray(1, in)) << "byte " << b;
        if (b >= 0x20 && b != '"') {
            all += decoded;
            all_bytes += in;
        }
    }
    iconv_close(to_utf32);
    // The writer's own fast paths give the same bytes.
    Template t{.description = all};
    EXPECT_TRUE(template_bytes(t).contains("\"" + all_bytes + "\"\r\n"));
}

TEST_F(TemplateFile, VersionsAreReadOrRefusedAndARefusedFileLeavesTheOpenBoardAsItWas)
{
    // Version 1.0 has thirteen header lines and keeps the previous speech settings.
    Template t{.auto_cover = 1, .tts_language = 1, .tts_voice = 1, .tts_speed = 150};
    ASSERT_EQ(load_bytes(t, " 1 \r\n 0 \r\nCOVER.BMP\r\n 1 \r\n\"prog\"\r\n 0 \r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"desc\"\r\n"
                            " 1 \r\n-1 \r\n" + area_block(7)),
              LoadOutcome::Read);
    EXPECT_EQ((std::vector<int>{t.format_major, t.auto_cover, t.tts_language, t.tts_speed, t.area(1).Xi}),
              (std::vector<int>{1, 0, 1, 150, 7}));
    EXPECT_EQ(messages.texts, QStringList{u"Orvel no troba el fitxer "_s + at(u"COVER.BMP"_s)});
    EXPECT_TRUE(template_bytes(t).startsWith(" 2 \r\n 1 \r\nCOVER.BMP\r\n 1 \r\n\"prog\"\r\n"));

    // Newer versions, a name that is not a board's, a text file named like a board, a
    // missing file, a device and a folder: the board stays, messages say why.
    t.directory = at(u"elsewhere"_s);
    t.file_name = at(u"elsewhere/A.ORV"_s);
    const QStringList before = identity(t);
    ASSERT_TRUE(QFile::link(u"/dev/zero"_s, at(u"zero.ORV"_s)));
    QDir(dir.path()).mkdir(u"folder.ORV"_s);
    write_file(at(u"notes.txt"_s), template_bytes(Template{}));
    struct Row {
        QString name;
        QByteArray bytes;  // written first when not empty
        LoadOutcome outcome;
        QString message;
    };
    const std::vector<Row> rows = {
        {u"v22.ORV"_s, " 2 \r\n 2 \r\nX.BMP\r\n", LoadOutcome::Refused,
         u"Teniu instal·lada una versió de Orvel anterior que no reconeix aquets format de fitxer"_s},
        {u"v30.ORV"_s, " 3 \r\n 0 \r\n", LoadOutcome::Refused,
         u"Teniu instal·lada una versió de Orvel anterior que no reconeix aquets format de fitxer"_s},
        {u"notes.txt"_s, {}, LoadOutcome::Refused, u"Format incorrecte"_s},
        {u"text.ORV"_s, "Benvolguda,\r\nUna carta.\r\n", LoadOutcome::Refused, kReadError + at(u"text.ORV"_s) + u" 13 Type mismatch"_s},
        {u"none.ORV"_s, {}, LoadOutcome::Missing, kReadError + at(u"none.ORV"_s) + u" 53 File not found"_s},
        {u"zero.ORV"_s, {}, LoadOutcome::Missing, kReadError + at(u"zero.ORV"_s) + u" 75 Path/File access error"_s},
        {u"folder.ORV"_s, {}, LoadOutcome::Missing, kReadError + at(u"folder.ORV"_s) + u" 75 Path/File access error"_s},
    };
    const QString cwd = QDir::currentPath();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name.toStdString());
        if (!r.bytes.isEmpty())
            write_file(at(r.name), r.bytes);
        messages.texts.clear();
        EXPECT_EQ(load(t, at(r.name)), r.outcome);
        EXPECT_EQ(messages.texts.value(0), r.message);
        EXPECT_EQ(identity(t), before);
        EXPECT_EQ(QDir::currentPath(), cwd);
    }
    EXPECT_EQ(messages.last_icon, MessageIcon::None);
    EXPECT_EQ(load(t, QString()), LoadOutcome::NothingToLoad);

    // Relative names resolve against the board's folder without regard to case.
    write_file(at(u"sub/next.orv"_s), header(1) + area_block(3));
    t.directory = dir.path();
    EXPECT_EQ(load(t, u"SUB\\NEXT.ORV"_s), LoadOutcome::Read);
    EXPECT_EQ((QStringList{t.file_name, t.directory}), (QStringList{at(u"sub/next.orv"_s), at(u"sub"_s)}));
    EXPECT_EQ(QDir::currentPath(), QFileInfo(at(u"sub"_s)).canonicalFilePath());
}

TEST_F(TemplateFile, NumbersCoverLineAndQuotedValues)
{
    // An existing cover gives its time and no message; the name runs up to the comma.
    // Numbers: blanks, signs and fractions rounded half to even; an empty line is zero.
    write_file(at(u"cover.bmp"_s), "BM");
    Template t;
    ASSERT_EQ(load_bytes(t, header(1, "  COVER.BMP , ignored") +
                                "\t+3 \r\n2.5\r\n3.5\r\n\r\n-0\r\n 7, 8\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n 1 \r\n 0 \r\n"),
              LoadOutcome::Read)
        << shown();
    EXPECT_EQ(t.cover_file, u"COVER.BMP"_s);
    EXPECT_FALSE(t.cover_time.isEmpty());
    const Area& n = t.area(1);
    EXPECT_EQ((std::vector<int>{n.Xi, n.Yi, n.Xf, n.Yf, n.parent, n.clip_type}), (std::vector<int>{3, 2, 4, 0, 0, 7}));

    // Bad numbers are reported once each, the field is kept and reading goes on.
    QByteArray bad = area_block(1), also_bad = area_block(2);
    bad.replace(" 0 \r\n 10 \r\n", " 70000 \r\nabc\r\n");
    also_bad.replace(" 0 \r\n 10 \r\n", "-40000\r\n1x\r\n");
    EXPECT_EQ(load_bytes(t, header(3) + bad + also_bad + area_block(3)), LoadOutcome::ReadWithErrors);
    EXPECT_EQ(messages.texts, (QStringList{kReadError + at(u"b.ORV"_s) + u" 6 Overflow"_s,
                                           kReadError + at(u"b.ORV"_s) + u" 13 Type mismatch"_s}));
    EXPECT_EQ((std::vector<int>{t.area_count, t.area(1).Yi, t.area(1).Xf, t.area(3).Xi}), (std::vector<int>{3, 0, 0, 3}));

    // A quoted value runs to the next double quote, across lines; unquoted lines read like
    // the plain line; a pilcrow reads as a double quote.
    ASSERT_EQ(load_bytes(t, header(3) + area_block(1, "\"one\r\ntwo\" trailing, stuff") + area_block(2, "  bare , rest") +
                                area_block(3, "\"a\xB6" "b\"")),
              LoadOutcome::Read);
    EXPECT_EQ((QStringList{t.area(1).keys, t.area(2).keys, t.area(3).keys}), (QStringList{u"one\r\ntwo"_s, u"bare"_s, u"a\"b"_s}));
    // A quote never closed takes the rest of the file.
    QByteArray cut = header(1) + area_block(1);
    cut.truncate(cut.lastIndexOf("\"\"\r\n 0 \r\n 0 \r\n"));
    EXPECT_EQ(load_bytes(t, cut + "\"never closed\r\nmore"), LoadOutcome::ReadWithErrors);
    EXPECT_EQ(t.area(1).icon_file, u"never closed\r\nmore"_s);
    EXPECT_EQ(messages.texts, QStringList{kReadError + at(u"b.ORV"_s) + u" "_s + kEof});
}

TEST_F(TemplateFile, CutFilesAndCountsThatLieKeepWhatWasRead)
{
    const QByteArray whole = header(3) + area_block(1) + area_block(2) + area_block(3);
    Template t;
    EXPECT_EQ(load_bytes(t, whole.left(header(3).size() + area_block(1).size() + 30)), LoadOutcome::ReadWithErrors);
    EXPECT_EQ(messages.texts, QStringList{kReadError + at(u"b.ORV"_s) + u" "_s + kEof});
    EXPECT_EQ(t.area_count, 2);  // the partial second area is kept
    // Every cut loads without a crash, at most one message per number; a cut before the
    // first area holds no board.
    for (qsizetype n = 0; n <= whole.size(); n += 7) {
        Template any;
        const LoadOutcome outcome = load_bytes(any, whole.left(n));
        EXPECT_LE(messages.texts.size(), 3) << n;
        EXPECT_TRUE(any.area_count > 0 || outcome == LoadOutcome::Refused || outcome == LoadOutcome::Read) << n;
    }
    struct Row {
        const char* what;
        QByteArray bytes;
        int areas;
    };
    for (const Row& r : std::vector<Row>{{"negative: no areas", header(-5) + area_block(1), 0},
                                         {"the maximum with two blocks", header(32767) + area_block(1) + area_block(2), 2},
                                         {"more blocks than counted", header(1) + area_block(1) + area_block(2), 1}}) {
        Template c;
        load_bytes(c, r.bytes);
        EXPECT_EQ(c.area_count, r.areas) << r.what;
        EXPECT_LE(c.areas.capacity(), 16u) << r.what;  // nothing sized from the count
    }
}

TEST_F(TemplateFile, Utf8BoardsWithAByteOrderMarkAndHugeFiles)
{
    // Saved as UTF-8 by a text editor: read as UTF-8, written back as Windows-1252.
    Template t;
    const QByteArray utf8_keys = "\"Bon dia, qu\xC3\xA8 tal? \xE2\x82\xAC\"";
    ASSERT_EQ(load_bytes(t, "\xEF\xBB\xBF" + header(1) + area_block(1, utf8_keys)), LoadOutcome::Read) << shown();
    EXPECT_EQ(t.area(1).keys, u"Bon dia, què tal? €"_s);
    EXPECT_TRUE(template_bytes(t).contains("\"Bon dia, qu\xE8 tal? \x80\""));
    // Without the mark the same bytes are Windows-1252.
    ASSERT_EQ(load_bytes(t, header(1) + area_block(1, utf8_keys)), LoadOutcome::Read);
    EXPECT_EQ(t.area(1).keys, u"Bon dia, quÃ¨ tal? â‚¬"_s);

    // A key text of five megabytes; a board followed by 100 MB never needed; 100 MB of
    // zero bytes, one huge line that holds no number and no board.
    const QByteArray big(5 * 1024 * 1024, 'k');
    ASSERT_EQ(load_bytes(t, header(1) + area_block(1, "\"" + big + "\"")), LoadOutcome::Read);
    EXPECT_EQ(t.area(1).keys.size(), big.size());
    const QString path = at(u"big.ORV"_s);
    for (const QByteArray& start : {header(1) + area_block(5), QByteArray()}) {
        write_file(path, start);
        ASSERT_EQ(::truncate(QFile::encodeName(path).constData(), 100LL * 1024 * 1024), 0);
        messages.texts.clear();
        Template b;
        EXPECT_EQ(load(b, path), start.isEmpty() ? LoadOutcome::Refused : LoadOutcome::Read) << shown();
        EXPECT_EQ(b.area_count, start.isEmpty() ? 0 : 1);
    }
}

TEST_F(TemplateFile, SavesReplaceTheFileWholeThroughLinksAndClearKilledSavesLeftovers)
{
    const QString path = at(u"w.ORV"_s);
    write_file(path, "old contents");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    // What a save killed by another process left, and what a save still running has.
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    const QString killed = at(u".w.ORV.%1.aB3xYz"_s.arg(child));
    const QString running = at(u".w.ORV.1.qWe4Rt"_s);
    write_file(killed, "half a board");
    write_file(running, "a save in progress");

    recording = true;
    file_calls.clear();
    const WriteResult written = write_template(sample_board(), path);
    recording = false;
    ASSERT_TRUE(written);
    EXPECT_EQ(read_file(path), template_bytes(sample_board()));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);  // permissions kept
    EXPECT_FALSE(QFileInfo::exists(killed));
    EXPECT_TRUE(QFileInfo::exists(running));
    // The new file is on disk before it replaces the old one.
    ASSERT_GE(file_calls.size(), 2u);
    const std::string temp = file_calls[0].substr(6);
    EXPECT_EQ(file_calls[0], "fsync " + temp);
    EXPECT_EQ(file_calls[1], "rename " + temp);
    QFile::remove(running);

    // Through a chain of links (a relative one among them) the file at its end is replaced.
    QDir(dir.path()).mkdir(u"real"_s);
    write_file(at(u"real/board.ORV"_s), "old");
    ASSERT_TRUE(QFile::link(u"real/board.ORV"_s, at(u"middle.ORV"_s)));
    ASSERT_TRUE(QFile::link(at(u"middle.ORV"_s), at(u"first.ORV"_s)));
    ASSERT_TRUE(write_template(sample_board(), at(u"first.ORV"_s)));
    EXPECT_EQ(read_file(at(u"real/board.ORV"_s)), template_bytes(sample_board()));
    EXPECT_TRUE(QFileInfo(at(u"middle.ORV"_s)).isSymLink());
    EXPECT_TRUE(QFileInfo(at(u"first.ORV"_s)).isSymLink());

    // A folder where the board should be, or a folder that does not exist: nothing changes.
    QDir(dir.path()).mkdir(u"adir.ORV"_s);
    WriteResult r = write_template(Template{}, at(u"adir.ORV"_s));
    EXPECT_FALSE(r);
    EXPECT_NE(r.error_number, 0);
    r = write_template(Template{}, at(u"missing/x.ORV"_s));
    EXPECT_EQ(r.error_number, file_error::kPathNotFound);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 3);  // no temporaries

    // Characters Windows-1252 cannot hold are written as question marks and counted.
    Template u;
    add_area(u, Area{.keys = u"Привіт €"_s});
    r = write_template(u, path);
    ASSERT_TRUE(r);
    EXPECT_EQ(r.unmappable, 6);
    EXPECT_TRUE(read_file(path).contains("\"?????? \x80\""));
}

TEST_F(TemplateFile, NamesHoldingANulNeverReachTheFileSystem)
{
    const QString path = at(u"nul.ORV"_s);
    Template t;
    ASSERT_EQ(load_bytes(t, header(1, QByteArray("a\0b.bmp", 7)) + area_block(1), u"nul.ORV"_s), LoadOutcome::Read);
    EXPECT_TRUE(messages.texts.value(0).startsWith(u"Orvel no troba el fitxer "_s)) << shown();
    EXPECT_EQ(load(t, path + QChar(0) + u"x.ORV"_s), LoadOutcome::Missing);
    EXPECT_FALSE(write_template(t, path + QChar(0) + u"y.ORV"_s));
}
