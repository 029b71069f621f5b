#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <vector>

#include "model/ini_file.h"
#include "model/settings.h"
#include "support/recording_messages.h"

using namespace orvel;

namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folders.program = dir.path() + QStringLiteral("/program");
        folders.config = dir.path() + QStringLiteral("/config");
        ASSERT_TRUE(QDir().mkpath(folders.program));
    }

    QString put(const QString& relative, const QByteArray& bytes) const
    {
        const QString full = dir.path() + QLatin1Char('/') + relative;
        QDir().mkpath(full.section(QLatin1Char('/'), 0, -2));
        QFile f(full);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        return full;
    }

    static QByteArray bytes_of(const QString& full)
    {
        QFile f(full);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    ProfileHooks recording_hooks()
    {
        ProfileHooks hooks;
        hooks.show_access_method = [this](int16_t modus) { ticked.push_back(modus); };
        hooks.detect_joystick = [this](int index) { joysticks.push_back(index); };
        return hooks;
    }

    QTemporaryDir dir;
    Folders folders;
    UserProfile profile;
    std::vector<int16_t> ticked;
    std::vector<int> joysticks;
};

}  // namespace

TEST_F(SettingsTest, IntervalAndSoFromOrvelIni)
{
    struct Case {
        QByteArray file;
        int16_t interval;
        bool so;
    };
    const std::vector<Case> cases = {
        {"[Orvel]\r\nInterval=50\r\n", 100, true},
        {"[Orvel]\r\nInterval=abc\r\nSo= si \r\n", 100, true},
        {"[Orvel]\r\nInterval=250\r\nSo=No\r\n", 250, false},
        {"[Orvel]\r\nInterval=99999\r\n", 32767, true},
        {"[Orvel]\r\nSo=\"Si\"\r\n", 500, true},
        {"garbage\x01\xFF", 500, true},
    };
    for (const Case& c : cases) {
        put(QStringLiteral("program/Orvel.INI"), c.file);
        UserProfile p;
        p.Interval = 1;
        p.So = !c.so;
        read_settings(p, folders, {});
        EXPECT_EQ(p.Interval, c.interval) << c.file.constData();
        EXPECT_EQ(p.So, c.so) << c.file.constData();
    }
    QFile::remove(folders.program + QStringLiteral("/Orvel.INI"));
    UserProfile p;
    p.Interval = 1;
    read_settings(p, folders, {});
    EXPECT_EQ(p.Interval, 500);

    // The user's copy wins over the program's.
    put(QStringLiteral("program/Orvel.INI"), "[Orvel]\r\nInterval=300\r\n");
    put(QStringLiteral("config/Orvel.INI"), "[Orvel]\r\nInterval=700\r\n");
    read_settings(p, folders, {});
    EXPECT_EQ(p.Interval, 700);
}

TEST_F(SettingsTest, LastProfileIsLoadedAndRecordedInTheUsersSettings)
{
    put(QStringLiteral("profiles/joan.usr"), "[Orvel]\r\nmodus=2\r\ntemps=15\r\n");
    // Written on Windows in capitals; on disk in lower case.
    const QString stored = dir.path() + QStringLiteral("/PROFILES/JOAN.USR");
    put(QStringLiteral("program/Orvel.INI"),
        "[Orvel]\r\nInterval=300\r\nusuari=  " + stored.toLocal8Bit() + "  \r\n");

    read_settings(profile, folders, recording_hooks());
    EXPECT_EQ(profile.Interval, 300);
    EXPECT_EQ(profile.modus, 2);
    EXPECT_EQ(profile.temps, 15);
    EXPECT_EQ(ticked, std::vector<int16_t>{2});

    // The user's settings start from the program's, so Interval survives the write.
    const IniFile user_settings(folders.config + QStringLiteral("/Orvel.INI"));
    EXPECT_EQ(user_settings.read_string(QStringLiteral("Orvel"), QStringLiteral("usuari"), QString(), 4096),
              dir.path() + QStringLiteral("/profiles/joan.usr"));
    EXPECT_EQ(user_settings.read_int(QStringLiteral("Orvel"), QStringLiteral("Interval"), 0), 300);
    EXPECT_EQ(bytes_of(folders.program + QStringLiteral("/Orvel.INI")).count("usuari"), 1);

    // A profile that no longer exists changes nothing and records nothing.
    ticked.clear();
    profile.modus = 5;
    EXPECT_EQ(load_user_profile(profile, dir.path() + QStringLiteral("/gone.usr"), folders, recording_hooks()),
              ProfileLoad::Missing);
    EXPECT_EQ(profile.modus, 5);
    EXPECT_TRUE(ticked.empty());
}

TEST_F(SettingsTest, ProfileKeysAndTheirCorrections)
{
    const QString path = put(QStringLiteral("a.usr"),
                             "[Orvel]\r\n"
                             "Interval=50.6\r\n"
                             "modus=2.5\r\n"
                             "temps=3.5\r\n"
                             "color=0\r\n"
                             "accio1=-4\r\n"
                             "accio2=abc\r\n"
                             "variable2={ENTER}\r\n"
                             "retard1=99999\r\n"
                             "n_joystic=3\r\n"
                             "joystic_sensi=5\r\n"
                             "joystic_retard=0\r\n");
    profile.So = false;
    profile.variable1 = QStringLiteral("kept");
    profile.variable2 = QStringLiteral("replaced");
    profile.joystic_sensi = 77;
    // Detection of joystick n_joystic - 1 comes before its sensitivity is read.
    std::vector<int16_t> sensitivity_at_detection;
    ProfileHooks hooks;
    hooks.detect_joystick = [&](int index) {
        joysticks.push_back(index);
        sensitivity_at_detection.push_back(profile.joystic_sensi);
    };
    read_user_profile(profile, path, hooks);
    EXPECT_EQ(joysticks, std::vector<int>{2});
    EXPECT_EQ(sensitivity_at_detection, std::vector<int16_t>{77});
    EXPECT_EQ(profile.Interval, 100);
    EXPECT_FALSE(profile.So);  // missing: stays
    EXPECT_EQ(profile.modus, 2);
    EXPECT_EQ(profile.temps, 4);
    EXPECT_EQ(profile.gruix, 8);  // missing
    EXPECT_EQ(profile.color, 255.0);
    EXPECT_EQ(profile.accio1, -4);
    EXPECT_EQ(profile.accio2, 0);
    EXPECT_EQ(profile.variable1, QStringLiteral("kept"));
    EXPECT_EQ(profile.variable2, QStringLiteral("{ENTER}"));
    EXPECT_EQ(profile.retard1, 32767);
    EXPECT_EQ(profile.n_joystic, 3);
    EXPECT_EQ(profile.joystic_sensi, 5);
    EXPECT_EQ(profile.joystic_retard, 10);

    const QString other = put(QStringLiteral("b.usr"), "[Orvel]\r\nSo=SI\r\ngruix=-3\r\njoystic_sensi=0\r\n");
    profile.So = true;
    read_user_profile(profile, other, {});
    EXPECT_FALSE(profile.So);  // only "Si" itself means yes
    EXPECT_EQ(profile.gruix, 8);
    EXPECT_EQ(profile.color, 255.0);
    EXPECT_EQ(profile.joystic_sensi, 1);
    EXPECT_EQ(profile.n_joystic, 0);
    EXPECT_EQ(joysticks.size(), 1u);
}

TEST_F(SettingsTest, WrittenProfileHasTheFifteenKeysInOrderAndReadsBack)
{
    UserProfile p;
    p.Interval = 300;
    p.So = false;
    p.modus = 2;
    p.temps = 15;
    p.gruix = 4;
    p.color = 16711680;
    p.accio1 = -1;
    p.accio2 = 3;
    p.variable1 = QStringLiteral("{ENTER}à");
    p.variable2 = QString();
    p.retard1 = 0;
    p.retard2 = 2;
    p.n_joystic = 1;
    p.joystic_sensi = 5;
    p.joystic_retard = 12;
    const QString path = dir.path() + QStringLiteral("/p.usr");
    ASSERT_TRUE(write_user_profile(p, path));
    EXPECT_EQ(bytes_of(path), QByteArray("[Orvel]\r\n"
                                         "Interval= 300\r\n"
                                         "So=No\r\n"
                                         "modus= 2\r\n"
                                         "temps= 15\r\n"
                                         "gruix= 4\r\n"
                                         "color= 16711680\r\n"
                                         "accio1=-1\r\n"
                                         "accio2= 3\r\n"
                                         "variable1={ENTER}\xE0\r\n"
                                         "variable2=\r\n"
                                         "retard1= 0\r\n"
                                         "retard2= 2\r\n"
                                         "n_joystic= 1\r\n"
                                         "joystic_sensi= 5\r\n"
                                         "joystic_retard= 12\r\n"));
    UserProfile back;
    back.variable2 = QStringLiteral("in memory");
    read_user_profile(back, path, {});
    EXPECT_EQ(back.Interval, 300);
    EXPECT_FALSE(back.So);
    EXPECT_EQ(back.color, 16711680.0);
    EXPECT_EQ(back.accio1, -1);
    EXPECT_EQ(back.variable1, p.variable1);
    EXPECT_EQ(back.variable2, QStringLiteral("in memory"));  // an empty list reads as missing
    EXPECT_EQ(back.joystic_retard, 12);

    // Rewriting keeps what else the file holds.
    put(QStringLiteral("q.usr"), "; mine\r\n[Orvel]\r\nmodus=9\r\nextra=1\r\n[Other]\r\nx=y\r\n");
    ASSERT_TRUE(write_user_profile(p, dir.path() + QStringLiteral("/q.usr")));
    const QByteArray q = bytes_of(dir.path() + QStringLiteral("/q.usr"));
    EXPECT_TRUE(q.startsWith("; mine\r\n[Orvel]\r\nmodus= 2\r\nextra=1\r\nInterval= 300\r\n")) << q.constData();
    EXPECT_TRUE(q.endsWith("joystic_retard= 12\r\n[Other]\r\nx=y\r\n")) << q.constData();

    EXPECT_EQ(profile_number(0.5), QStringLiteral(" 0.5"));
    EXPECT_EQ(profile_number(-2.25), QStringLiteral("-2.25"));
    EXPECT_EQ(profile_number(1e20), QStringLiteral(" 1E+20"));
    EXPECT_EQ(profile_number(-7), QStringLiteral("-7"));
}

TEST_F(SettingsTest, NewUserKeepsOnlyIntervalAndSo)
{
    profile.Interval = 321;
    profile.So = false;
    profile.modus = 3;
    profile.temps = 4;
    profile.gruix = 2;
    profile.color = 7;
    profile.variable1 = QStringLiteral("x");
    profile.n_joystic = 2;
    profile.joystic_retard = 9;
    new_user(profile);
    EXPECT_EQ(profile.Interval, 321);
    EXPECT_FALSE(profile.So);
    EXPECT_EQ(profile.modus, 0);
    EXPECT_EQ(profile.temps, 0);
    EXPECT_EQ(profile.gruix, 8);
    EXPECT_EQ(profile.color, 255.0);
    EXPECT_TRUE(profile.variable1.isEmpty());
    EXPECT_EQ(profile.n_joystic, 0);
    EXPECT_EQ(profile.joystic_retard, 0);
}

TEST_F(SettingsTest, UserMenuCommands)
{
    orvel::testing::RecordingMessages boxes;
    const QString path = put(QStringLiteral("Maria.USR"), "[Orvel]\r\nmodus=1\r\n");
    for (const QString& refused : {QString(), QStringLiteral("a.US"), QStringLiteral("*.USR")})
        load_user_command(profile, refused, folders, recording_hooks(), boxes);
    EXPECT_TRUE(ticked.empty());
    EXPECT_FALSE(QFileInfo::exists(folders.config + QStringLiteral("/Orvel.INI")));

    load_user_command(profile, path, folders, recording_hooks(), boxes);
    EXPECT_EQ(profile.modus, 1);
    EXPECT_EQ(ticked, std::vector<int16_t>{1});
    EXPECT_TRUE(boxes.texts.isEmpty());

    // Saving does not change the last profile.
    profile.modus = 4;
    save_user_command(profile, dir.path() + QStringLiteral("/other.USR"), boxes);
    EXPECT_EQ(IniFile(dir.path() + QStringLiteral("/other.USR")).read_int(QStringLiteral("Orvel"), QStringLiteral("modus"), 0), 4);
    EXPECT_EQ(IniFile(folders.config + QStringLiteral("/Orvel.INI"))
                  .read_string(QStringLiteral("Orvel"), QStringLiteral("usuari"), QString(), 4096),
              path);
    save_user_command(profile, QString(), boxes);
    EXPECT_TRUE(boxes.texts.isEmpty());

    save_user_command(profile, dir.path() + QStringLiteral("/no/such/folder/x.USR"), boxes);
    EXPECT_EQ(boxes.texts, QStringList{QStringLiteral("3 Error75")});

    boxes.texts.clear();
    profile.variable1 = QStringLiteral("✓");
    save_user_command(profile, dir.path() + QStringLiteral("/third.USR"), boxes);
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(boxes.texts[0].endsWith(QStringLiteral("/third.USR")));
}

TEST_F(SettingsTest, FileNamedOnTheCommandLine)
{
    EXPECT_EQ(command_line_file(QStringLiteral("\"C:\\My Boards\\a.ORV\""), QStringLiteral(".orv")),
              QStringLiteral("C:\\My Boards\\a.ORV"));
    EXPECT_EQ(command_line_file(QStringLiteral("C:\\BOARDS\\A.ORV"), QStringLiteral(".ORV")),
              QStringLiteral("C:\\BOARDS\\A.ORV"));
    EXPECT_EQ(command_line_file(QStringLiteral("C:\\BOARDS\\A.ORV"), QStringLiteral(".usr")), QString());
    EXPECT_EQ(command_line_file(QStringLiteral("board.orv  joan.usr "), QStringLiteral(".usr")),
              QStringLiteral("joan.usr"));
    EXPECT_EQ(command_line_file(QStringLiteral("board.orv  joan.usr "), QStringLiteral(".ORV")),
              QStringLiteral("board.orv"));
    EXPECT_EQ(command_line_file(QStringLiteral("\"/a b/x.orv\" \"/c d/y.usr\""), QStringLiteral(".usr")),
              QStringLiteral("/c d/y.usr"));
    // Unquoted blanks split the name unless the whole line names one existing file.
    EXPECT_EQ(command_line_file(QStringLiteral("/a b/x.orv"), QStringLiteral(".orv")), QStringLiteral("b/x.orv"));
    const QString with_blanks = put(QStringLiteral("My Boards/x.orv"), "2.1\r\n");
    EXPECT_EQ(command_line_file(with_blanks, QStringLiteral(".ORV")), with_blanks);
    EXPECT_EQ(command_line_file(QString(), QStringLiteral(".usr")), QString());
    EXPECT_EQ(command_line_file(QStringLiteral("x.usr"), QString()), QString());
}
