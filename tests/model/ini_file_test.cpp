#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <limits>
#include <vector>

#include "model/ini_file.h"
#include "support/test_files.h"

using namespace orvel;
using namespace Qt::StringLiterals;

namespace {

const QString S = u"Orvel"_s;

class IniFileTest : public ::testing::Test {
protected:
    QString path(const QString& name = u"test.ini"_s) const { return dir.path() + u'/' + name; }
    void put(const QByteArray& bytes, const QString& name = u"test.ini"_s) const { orvel::testing::write_file(path(name), bytes); }
    QByteArray bytes(const QString& name = u"test.ini"_s) const { return orvel::testing::read_file(path(name)); }
    QTemporaryDir dir;
};

}  // namespace

TEST_F(IniFileTest, ReadsLikeTheProfileReader)
{
    put("; a comment=not a key\r\n  [ orvel ]  \r\n  MODUS  =  2  \r\nquoted=\"  spaced  \"\nsingle='x'\r\n"
        "key=first\r\nKEY=second\r\nunbalanced=\"abc\r\nlonequote=\"\r\nnoequals\r\nempty=\r\na=b=c\r\n"
        "[Other]\r\nmodus=9\r\n"
        "[other]\nx=1\n[ORVEL]\nkey=third\nonlylater=4\n");
    const IniFile ini(path());
    struct Row {
        QString section, key, fallback;
        int size;
        QString expected;
    };
    // Defaults lose their trailing blanks; everything is cut to the buffer; only the first
    // section of a name is searched, as on Windows.
    const std::vector<Row> rows = {
        {S, u"modus"_s, u"d"_s, 512, u"2"_s}, {u"ORVEL"_s, u"Modus"_s, QString(), 512, u"2"_s},
        {S, u"quoted"_s, QString(), 512, u"  spaced  "_s}, {S, u"single"_s, QString(), 512, u"x"_s},
        {S, u"unbalanced"_s, QString(), 512, u"\"abc"_s}, {S, u"lonequote"_s, QString(), 512, u"\""_s},
        {S, u"noequals"_s, u"dflt"_s, 512, u"dflt"_s}, {S, u"; a comment"_s, u"dflt"_s, 512, u"dflt"_s},
        {S, u"empty"_s, u"dflt"_s, 512, QString()}, {S, u"a"_s, QString(), 512, u"b=c"_s},
        {S, u"key"_s, QString(), 512, u"first"_s}, {u"other"_s, u"modus"_s, QString(), 512, u"9"_s},
        {S, u"onlylater"_s, u"none"_s, 512, u"none"_s}, {S, u"missing"_s, u" def  "_s, 512, u" def"_s},
        {S, u"a"_s, QString(), 3, u"b="_s}, {S, u"missing"_s, u"default"_s, 4, u"def"_s},
        {S, u"quoted"_s, QString(), 4, u"  s"_s}, {S, u"modus"_s, u"d"_s, 1, QString()},
        {S, u"modus"_s, u"d"_s, 0, QString()},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ini.read_string(r.section, r.key, r.fallback, r.size), r.expected)
            << r.section.toStdString() << " " << r.key.toStdString() << " " << r.size;
    const auto section = ini.read_section(S);
    // modus quoted single key unbalanced lonequote empty a: duplicates and later sections add none.
    EXPECT_EQ(section.size(), 8);
    EXPECT_EQ(section.value(u"key"_s), u"first"_s);

    const IniFile missing(path(u"nothere.ini"_s));
    EXPECT_EQ(missing.read_string(S, u"modus"_s, u"7"_s), u"7"_s);
    EXPECT_EQ(missing.read_int(S, u"modus"_s, 7), 7);
}

TEST_F(IniFileTest, NumbersAsProfilesReadThem)
{
    put("[Orvel]\r\nabc=abc\r\nneg=  -12x\r\nplus=+7\r\nempty=\r\nhuge=99999999999999\r\n"
        "low=-99999999999999\r\nquoted=\"42\"\r\n");
    const IniFile ini(path());
    const std::vector<std::pair<QString, int>> ints = {
        {u"abc"_s, 0}, {u"missing"_s, 500}, {u"empty"_s, 500}, {u"neg"_s, -12}, {u"plus"_s, 7},
        {u"huge"_s, std::numeric_limits<int>::max()}, {u"low"_s, std::numeric_limits<int>::min()}, {u"quoted"_s, 42}};
    for (const auto& [key, expected] : ints)
        EXPECT_EQ(ini.read_int(S, key, 500), expected) << key.toStdString();
    const std::vector<std::pair<QString, double>> numbers = {
        {u"  12abc"_s, 12.0}, {u"abc"_s, 0.0}, {QString(), 0.0}, {u"-2.5e2x"_s, -250.0},
        {u"1.5E"_s, 1.5}, {u".5"_s, 0.5}, {u"-"_s, 0.0}, {u"1D3"_s, 1000.0}};
    for (const auto& [text, expected] : numbers)
        EXPECT_EQ(leading_number(text), expected) << text.toStdString();
    EXPECT_GT(leading_number(u"1e999"_s), 1e300);
    const std::vector<std::pair<double, int16_t>> rounded = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {1e9, 32767}, {-1e9, -32768}};
    for (const auto& [value, expected] : rounded)
        EXPECT_EQ(rounded_int16(value), expected) << value;
}

TEST_F(IniFileTest, WritingKeepsEveryOtherByteAndFollowsTheLineEnds)
{
    const QByteArray before = "; settings\r\n[Orvel]\r\n  Interval = 300   ; hand-edited\r\nSo=Si\r\n\r\n"
                              "[Other]\nusuari=keep\n\r\n";
    put(before);
    IniFile ini(path());
    ASSERT_TRUE(ini.write_string(S, u"INTERVAL"_s, u" 250"_s));
    QByteArray expected = before;
    expected.replace("  Interval = 300   ; hand-edited\r\n", "  Interval = 250\r\n");
    EXPECT_EQ(bytes(), expected);
    EXPECT_EQ(ini.read_string(S, u"interval"_s, QString()), u"250"_s);
    // A new key goes after the section's last line, before the blank line that ends it.
    ASSERT_TRUE(ini.write_string(S, u"usuari"_s, u"/p/joan.usr"_s));
    expected.replace("So=Si\r\n", "So=Si\r\nusuari=/p/joan.usr\r\n");
    EXPECT_EQ(bytes(), expected);
    // A new section goes at the end of the file.
    ASSERT_TRUE(ini.write_string(u"Nova"_s, u"k"_s, u"v"_s));
    EXPECT_EQ(bytes(), expected + "[Nova]\r\nk=v\r\n");
    EXPECT_EQ(IniFile(path()).read_string(u"other"_s, u"usuari"_s, QString()), u"keep"_s);

    put("[Orvel]\nlast=1", u"lf.ini"_s);
    IniFile lf(path(u"lf.ini"_s));
    ASSERT_TRUE(lf.write_string(S, u"added"_s, u"2"_s));
    EXPECT_EQ(bytes(u"lf.ini"_s), QByteArray("[Orvel]\nlast=1\nadded=2\n"));
    ASSERT_TRUE(lf.write_string(u"B"_s, u"x"_s, u"3"_s));
    EXPECT_EQ(bytes(u"lf.ini"_s), QByteArray("[Orvel]\nlast=1\nadded=2\n[B]\nx=3\n"));
    put("[A]\r\nk=1", u"noend.ini"_s);
    ASSERT_TRUE(IniFile(path(u"noend.ini"_s)).write_string(u"C"_s, u"y"_s, u"4"_s));
    EXPECT_EQ(bytes(u"noend.ini"_s), QByteArray("[A]\r\nk=1\r\n[C]\r\ny=4\r\n"));
    IniFile created(path(u"new.ini"_s));
    ASSERT_TRUE(created.write_string(S, u"So"_s, u"No"_s));
    EXPECT_EQ(bytes(u"new.ini"_s), QByteArray("[Orvel]\r\nSo=No\r\n"));
    // A line break inside a value cannot start a new line in the file.
    ASSERT_TRUE(created.write_string(S, u"v"_s, u"a\r\n[X]\nb"_s));
    EXPECT_EQ(bytes(u"new.ini"_s), QByteArray("[Orvel]\r\nSo=No\r\nv=a  [X] b\r\n"));
}

TEST_F(IniFileTest, RefusedWritesLeaveTheFileAlone)
{
    put("[Orvel]\r\nk=1\r\n");
    IniFile ini(path());
    for (const auto& [section, key] : std::vector<std::pair<QString, QString>>{
             {S, u"a=b"_s}, {S, u"  "_s}, {S, u"[k"_s}, {S, u";k"_s}, {QString(), u"k"_s}, {u"a\nb"_s, u"k"_s}})
        EXPECT_FALSE(ini.write_string(section, key, u"v"_s)) << section.toStdString() << "/" << key.toStdString();
    EXPECT_EQ(bytes(), QByteArray("[Orvel]\r\nk=1\r\n"));
    EXPECT_FALSE(IniFile(path(u"no/such/folder.ini"_s)).write_string(S, u"k"_s, u"v"_s));
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"adir.ini"_s));
    IniFile a_folder(path(u"adir.ini"_s));
    EXPECT_FALSE(a_folder.write_string(S, u"k"_s, u"v"_s));
    EXPECT_EQ(a_folder.read_string(S, u"k"_s, u"d"_s), u"d"_s);
}

TEST_F(IniFileTest, Windows1252RoundTrip)
{
    IniFile ini(path());
    int unmappable = -1;
    ASSERT_TRUE(ini.write_string(S, u"variable1"_s, u"à ç €"_s, &unmappable));
    EXPECT_EQ(unmappable, 0);
    EXPECT_EQ(bytes(), QByteArray("[Orvel]\r\nvariable1=\xE0 \xE7 \x80\r\n"));
    EXPECT_EQ(IniFile(path()).read_string(S, u"variable1"_s, QString()), u"à ç €"_s);
    ASSERT_TRUE(ini.write_string(S, u"variable2"_s, u"a✓b"_s, &unmappable));
    EXPECT_EQ(unmappable, 1);
    EXPECT_EQ(IniFile(path()).read_string(S, u"variable2"_s, QString()), u"a?b"_s);
    // Key names with accents match without regard to case too.
    put("[Orvel]\r\n\xC0NIM=1\r\n");
    EXPECT_EQ(IniFile(path()).read_string(S, u"ànim"_s, QString()), u"1"_s);
}

TEST_F(IniFileTest, SeesChangesMadeBehindItsBack)
{
    put("[Orvel]\r\nk=1\r\n");
    IniFile ini(path());
    EXPECT_EQ(ini.read_string(S, u"k"_s, QString()), u"1"_s);
    put("[Orvel]\r\nk=2\r\n");  // same size, rewritten in place at once
    EXPECT_EQ(ini.read_string(S, u"k"_s, QString()), u"2"_s);
    ASSERT_TRUE(IniFile(path()).write_string(S, u"k"_s, u"3"_s));
    EXPECT_EQ(ini.read_string(S, u"k"_s, QString()), u"3"_s);
    ASSERT_TRUE(QFile::remove(path()));
    EXPECT_EQ(ini.read_string(S, u"k"_s, u"gone"_s), u"gone"_s);
}

TEST_F(IniFileTest, SurvivesHostileFiles)
{
    // A megabyte line without a closing bracket, a megabyte of empty lines, garbage bytes.
    QByteArray hostile = "[" + QByteArray(1 << 20, 'x') + "\n" + QByteArray(1 << 20, '\n');
    for (int i = 0; i < 4096; ++i)
        hostile.append(static_cast<char>((i * 131 + 7) & 0xFF));
    hostile += "\n[Orvel]\nk=" + QByteArray(1 << 20, 'v') + "\n";
    put(hostile);
    IniFile ini(path());
    EXPECT_EQ(ini.read_string(S, u"k"_s, QString(), 10), u"vvvvvvvvv"_s);
    EXPECT_EQ(ini.read_section(S, 4).value(u"k"_s), u"vvv"_s);
    ASSERT_TRUE(ini.write_string(S, u"k"_s, u"short"_s));
    EXPECT_EQ(ini.read_string(S, u"k"_s, QString()), u"short"_s);
    EXPECT_TRUE(bytes().startsWith(hostile.left(hostile.size() - (1 << 20) - 1)));
}
