#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <limits>

#include "model/ini_file.h"

using namespace orvel;

namespace {

class IniFileTest : public ::testing::Test {
protected:
    QString path(const QString& name = QStringLiteral("test.ini")) const { return dir.path() + QLatin1Char('/') + name; }

    void put(const QByteArray& bytes, const QString& name = QStringLiteral("test.ini")) const
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }

    QByteArray bytes(const QString& name = QStringLiteral("test.ini")) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir dir;
};

const QString S = QStringLiteral("Orvel");

}  // namespace

TEST_F(IniFileTest, ReadsLikeTheProfileReader)
{
    put("; a comment=not a key\r\n"
        "  [ orvel ]  \r\n"
        "  MODUS  =  2  \r\n"
        "quoted=\"  spaced  \"\n"
        "single='x'\r\n"
        "unbalanced=\"abc\r\n"
        "lonequote=\"\r\n"
        "noequals\r\n"
        "empty=\r\n"
        "a=b=c\r\n"
        "[Other]\r\n"
        "modus=9\r\n");
    const IniFile ini(path());
    EXPECT_EQ(ini.read_string(S, QStringLiteral("modus"), QStringLiteral("d")), QStringLiteral("2"));
    EXPECT_EQ(ini.read_string(QStringLiteral("ORVEL"), QStringLiteral("Modus"), QString()), QStringLiteral("2"));
    EXPECT_EQ(ini.read_string(S, QStringLiteral("quoted"), QString()), QStringLiteral("  spaced  "));
    EXPECT_EQ(ini.read_string(S, QStringLiteral("single"), QString()), QStringLiteral("x"));
    EXPECT_EQ(ini.read_string(S, QStringLiteral("unbalanced"), QString()), QStringLiteral("\"abc"));
    EXPECT_EQ(ini.read_string(S, QStringLiteral("lonequote"), QString()), QStringLiteral("\""));
    EXPECT_EQ(ini.read_string(S, QStringLiteral("noequals"), QStringLiteral("dflt")), QStringLiteral("dflt"));
    EXPECT_EQ(ini.read_string(S, QStringLiteral("; a comment"), QStringLiteral("dflt")), QStringLiteral("dflt"));
    EXPECT_EQ(ini.read_string(S, QStringLiteral("empty"), QStringLiteral("dflt")), QString());
    EXPECT_EQ(ini.read_string(S, QStringLiteral("a"), QString()), QStringLiteral("b=c"));
    EXPECT_EQ(ini.read_string(QStringLiteral("other"), QStringLiteral("modus"), QString()), QStringLiteral("9"));
    // Defaults lose their trailing blanks; everything is cut to the buffer.
    EXPECT_EQ(ini.read_string(S, QStringLiteral("missing"), QStringLiteral(" def  ")), QStringLiteral(" def"));
    EXPECT_EQ(ini.read_string(S, QStringLiteral("a"), QString(), 3), QStringLiteral("b="));
    EXPECT_EQ(ini.read_string(S, QStringLiteral("missing"), QStringLiteral("default"), 4), QStringLiteral("def"));
    EXPECT_EQ(ini.read_string(S, QStringLiteral("quoted"), QString(), 4), QStringLiteral("  s"));
    EXPECT_EQ(ini.read_string(S, QStringLiteral("modus"), QStringLiteral("d"), 1), QString());
    EXPECT_EQ(ini.read_string(S, QStringLiteral("modus"), QStringLiteral("d"), 0), QString());

    const IniFile missing(path(QStringLiteral("nothere.ini")));
    EXPECT_EQ(missing.read_string(S, QStringLiteral("modus"), QStringLiteral("7")), QStringLiteral("7"));
    EXPECT_EQ(missing.read_int(S, QStringLiteral("modus"), 7), 7);
}

TEST_F(IniFileTest, FirstDuplicateSectionAndKeyWin)
{
    put("[Orvel]\nkey=first\nKEY=second\n[other]\nx=1\n[ORVEL]\nkey=third\nonlylater=4\n");
    const IniFile ini(path());
    EXPECT_EQ(ini.read_string(S, QStringLiteral("key"), QString()), QStringLiteral("first"));
    // Only the first section of a name is searched, as on Windows.
    EXPECT_EQ(ini.read_string(S, QStringLiteral("onlylater"), QStringLiteral("none")), QStringLiteral("none"));
    const auto section = ini.read_section(S);
    EXPECT_EQ(section.size(), 1);
    EXPECT_EQ(section.value(QStringLiteral("key")), QStringLiteral("first"));
}

TEST_F(IniFileTest, IntegerReading)
{
    put("[Orvel]\r\nabc=abc\r\nneg=  -12x\r\nplus=+7\r\nempty=\r\nhuge=99999999999999\r\n"
        "low=-99999999999999\r\nquoted=\"42\"\r\n");
    const IniFile ini(path());
    EXPECT_EQ(ini.read_int(S, QStringLiteral("abc"), 500), 0);
    EXPECT_EQ(ini.read_int(S, QStringLiteral("missing"), 500), 500);
    EXPECT_EQ(ini.read_int(S, QStringLiteral("empty"), 500), 500);
    EXPECT_EQ(ini.read_int(S, QStringLiteral("neg"), 500), -12);
    EXPECT_EQ(ini.read_int(S, QStringLiteral("plus"), 500), 7);
    EXPECT_EQ(ini.read_int(S, QStringLiteral("huge"), 0), std::numeric_limits<int>::max());
    EXPECT_EQ(ini.read_int(S, QStringLiteral("low"), 0), std::numeric_limits<int>::min());
    EXPECT_EQ(ini.read_int(S, QStringLiteral("quoted"), 0), 42);
}

TEST_F(IniFileTest, NumbersAsProfilesReadThem)
{
    EXPECT_EQ(leading_number(QStringLiteral("  12abc")), 12.0);
    EXPECT_EQ(leading_number(QStringLiteral("abc")), 0.0);
    EXPECT_EQ(leading_number(QString()), 0.0);
    EXPECT_EQ(leading_number(QStringLiteral("-2.5e2x")), -250.0);
    EXPECT_EQ(leading_number(QStringLiteral("1.5E")), 1.5);
    EXPECT_EQ(leading_number(QStringLiteral(".5")), 0.5);
    EXPECT_EQ(leading_number(QStringLiteral("-")), 0.0);
    EXPECT_EQ(leading_number(QStringLiteral("1D3")), 1000.0);
    EXPECT_GT(leading_number(QStringLiteral("1e999")), 1e300);
    EXPECT_EQ(rounded_int16(2.5), 2);
    EXPECT_EQ(rounded_int16(3.5), 4);
    EXPECT_EQ(rounded_int16(-2.5), -2);
    EXPECT_EQ(rounded_int16(1e9), 32767);
    EXPECT_EQ(rounded_int16(-1e9), -32768);
}

TEST_F(IniFileTest, WritingKeepsEveryOtherByte)
{
    const QByteArray before = "; settings\r\n"
                              "[Orvel]\r\n"
                              "  Interval = 300   ; hand-edited\r\n"
                              "So=Si\r\n"
                              "\r\n"
                              "[Other]\n"
                              "usuari=keep\n"
                              "\r\n";
    put(before);
    IniFile ini(path());

    ASSERT_TRUE(ini.write_string(S, QStringLiteral("INTERVAL"), QStringLiteral(" 250")));
    QByteArray expected = before;
    expected.replace("  Interval = 300   ; hand-edited\r\n", "  Interval = 250\r\n");
    EXPECT_EQ(bytes(), expected);
    EXPECT_EQ(ini.read_string(S, QStringLiteral("interval"), QString()), QStringLiteral("250"));

    // A new key goes after the section's last line, before the blank line that ends it.
    ASSERT_TRUE(ini.write_string(S, QStringLiteral("usuari"), QStringLiteral("/p/joan.usr")));
    expected.replace("So=Si\r\n", "So=Si\r\nusuari=/p/joan.usr\r\n");
    EXPECT_EQ(bytes(), expected);

    // A new section goes at the end of the file.
    ASSERT_TRUE(ini.write_string(QStringLiteral("Nova"), QStringLiteral("k"), QStringLiteral("v")));
    expected += "[Nova]\r\nk=v\r\n";
    EXPECT_EQ(bytes(), expected);
    EXPECT_EQ(IniFile(path()).read_string(QStringLiteral("other"), QStringLiteral("usuari"), QString()),
              QStringLiteral("keep"));
}

TEST_F(IniFileTest, WritingFollowsTheFilesLineEnds)
{
    put("[Orvel]\nlast=1", QStringLiteral("lf.ini"));
    IniFile lf(path(QStringLiteral("lf.ini")));
    ASSERT_TRUE(lf.write_string(S, QStringLiteral("added"), QStringLiteral("2")));
    EXPECT_EQ(bytes(QStringLiteral("lf.ini")), QByteArray("[Orvel]\nlast=1\nadded=2\n"));
    ASSERT_TRUE(lf.write_string(QStringLiteral("B"), QStringLiteral("x"), QStringLiteral("3")));
    EXPECT_EQ(bytes(QStringLiteral("lf.ini")), QByteArray("[Orvel]\nlast=1\nadded=2\n[B]\nx=3\n"));

    put("[A]\r\nk=1", QStringLiteral("noend.ini"));
    IniFile noend(path(QStringLiteral("noend.ini")));
    ASSERT_TRUE(noend.write_string(QStringLiteral("C"), QStringLiteral("y"), QStringLiteral("4")));
    EXPECT_EQ(bytes(QStringLiteral("noend.ini")), QByteArray("[A]\r\nk=1\r\n[C]\r\ny=4\r\n"));

    IniFile created(path(QStringLiteral("new.ini")));
    ASSERT_TRUE(created.write_string(S, QStringLiteral("So"), QStringLiteral("No")));
    EXPECT_EQ(bytes(QStringLiteral("new.ini")), QByteArray("[Orvel]\r\nSo=No\r\n"));

    // A line break inside a value cannot start a new line in the file.
    ASSERT_TRUE(created.write_string(S, QStringLiteral("v"), QStringLiteral("a\r\n[X]\nb")));
    EXPECT_EQ(bytes(QStringLiteral("new.ini")), QByteArray("[Orvel]\r\nSo=No\r\nv=a  [X] b\r\n"));
}

TEST_F(IniFileTest, RefusedWritesLeaveTheFileAlone)
{
    put("[Orvel]\r\nk=1\r\n");
    IniFile ini(path());
    EXPECT_FALSE(ini.write_string(S, QStringLiteral("a=b"), QStringLiteral("v")));
    EXPECT_FALSE(ini.write_string(S, QStringLiteral("  "), QStringLiteral("v")));
    EXPECT_FALSE(ini.write_string(S, QStringLiteral("[k"), QStringLiteral("v")));
    EXPECT_FALSE(ini.write_string(S, QStringLiteral(";k"), QStringLiteral("v")));
    EXPECT_FALSE(ini.write_string(QString(), QStringLiteral("k"), QStringLiteral("v")));
    EXPECT_FALSE(ini.write_string(QStringLiteral("a\nb"), QStringLiteral("k"), QStringLiteral("v")));
    EXPECT_EQ(bytes(), QByteArray("[Orvel]\r\nk=1\r\n"));

    IniFile in_missing_folder(path(QStringLiteral("no/such/folder.ini")));
    EXPECT_FALSE(in_missing_folder.write_string(S, QStringLiteral("k"), QStringLiteral("v")));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("adir.ini")));
    IniFile a_folder(path(QStringLiteral("adir.ini")));
    EXPECT_FALSE(a_folder.write_string(S, QStringLiteral("k"), QStringLiteral("v")));
    EXPECT_EQ(a_folder.read_string(S, QStringLiteral("k"), QStringLiteral("d")), QStringLiteral("d"));
}

TEST_F(IniFileTest, Windows1252RoundTrip)
{
    IniFile ini(path());
    int unmappable = -1;
    ASSERT_TRUE(ini.write_string(S, QStringLiteral("variable1"), QStringLiteral("à ç €"), &unmappable));
    EXPECT_EQ(unmappable, 0);
    EXPECT_EQ(bytes(), QByteArray("[Orvel]\r\nvariable1=\xE0 \xE7 \x80\r\n"));
    EXPECT_EQ(IniFile(path()).read_string(S, QStringLiteral("variable1"), QString()), QStringLiteral("à ç €"));

    ASSERT_TRUE(ini.write_string(S, QStringLiteral("variable2"), QStringLiteral("a✓b"), &unmappable));
    EXPECT_EQ(unmappable, 1);
    EXPECT_EQ(IniFile(path()).read_string(S, QStringLiteral("variable2"), QString()), QStringLiteral("a?b"));

    // Key names with accents match without regard to case too.
    put("[Orvel]\r\n\xC0NIM=1\r\n");
    EXPECT_EQ(IniFile(path()).read_string(S, QStringLiteral("ànim"), QString()), QStringLiteral("1"));
}

TEST_F(IniFileTest, SeesChangesMadeBehindItsBack)
{
    put("[Orvel]\r\nk=1\r\n");
    IniFile ini(path());
    EXPECT_EQ(ini.read_string(S, QStringLiteral("k"), QString()), QStringLiteral("1"));
    put("[Orvel]\r\nk=2\r\n");  // same size, rewritten in place at once
    EXPECT_EQ(ini.read_string(S, QStringLiteral("k"), QString()), QStringLiteral("2"));
    IniFile other(path());
    ASSERT_TRUE(other.write_string(S, QStringLiteral("k"), QStringLiteral("3")));
    EXPECT_EQ(ini.read_string(S, QStringLiteral("k"), QString()), QStringLiteral("3"));
    ASSERT_TRUE(QFile::remove(path()));
    EXPECT_EQ(ini.read_string(S, QStringLiteral("k"), QStringLiteral("gone")), QStringLiteral("gone"));
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
    EXPECT_EQ(ini.read_string(S, QStringLiteral("k"), QString(), 10), QStringLiteral("vvvvvvvvv"));
    EXPECT_EQ(ini.read_section(S, 4).value(QStringLiteral("k")), QStringLiteral("vvv"));
    ASSERT_TRUE(ini.write_string(S, QStringLiteral("k"), QStringLiteral("short")));
    EXPECT_EQ(ini.read_string(S, QStringLiteral("k"), QString()), QStringLiteral("short"));
    EXPECT_TRUE(bytes().startsWith(hostile.left(hostile.size() - (1 << 20) - 1)));
}
