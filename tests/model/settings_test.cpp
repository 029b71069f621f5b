#include <gtest/gtest.h>

#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <vector>

#include "model/ini_file.h"
#include "model/settings.h"
#include "support/recording_messages.h"

// Designated initializers leave the fields they do not name at their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

using namespace orvel;
using namespace Qt::StringLiterals;

namespace {

// The numeric fields in file order, So as 1/0.
std::vector<double> numbers(const UserProfile& p)
{
    return {double(p.Interval), double(p.So), double(p.modus), double(p.temps), double(p.gruix), p.color,
            double(p.accio1), double(p.accio2), double(p.retard1), double(p.retard2), double(p.n_joystic),
            double(p.joystic_sensi), double(p.joystic_retard)};
}

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folders.program = dir.path() + u"/program"_s;
        folders.config = dir.path() + u"/config"_s;
        ASSERT_TRUE(QDir().mkpath(folders.program));
    }
    QString put(const QString& relative, const QByteArray& bytes) const
    {
        const QString full = dir.path() + u'/' + relative;
        orvel::testing::write_file(full, bytes);
        return full;
    }
    ProfileHooks recording_hooks()
    {
        ProfileHooks hooks;
        hooks.show_access_method = [this](int16_t modus) { ticked.push_back(modus); };
        hooks.detect_joystick = [this](int index) { joysticks.push_back(index); };
        return hooks;
    }
    QString user_setting(const QString& file, const QString& key) const
    {
        return IniFile(file).read_string(u"Orvel"_s, key, QString(), 4096);
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
    for (const Case& c : std::vector<Case>{{"[Orvel]\r\nInterval=50\r\n", 100, true},
                                           {"[Orvel]\r\nInterval=abc\r\nSo= si \r\n", 100, true},
                                           {"[Orvel]\r\nInterval=250\r\nSo=No\r\n", 250, false},
                                           {"[Orvel]\r\nInterval=99999\r\n", 32767, true},
                                           {"[Orvel]\r\nSo=\"Si\"\r\n", 500, true},
                                           {"garbage\x01\xFF", 500, true}}) {
        put(u"program/Orvel.INI"_s, c.file);
        UserProfile p;
        p.Interval = 1;
        p.So = !c.so;
        read_settings(p, folders, {});
        EXPECT_EQ(p.Interval, c.interval) << c.file.constData();
        EXPECT_EQ(p.So, c.so) << c.file.constData();
    }
    QFile::remove(folders.program + u"/Orvel.INI"_s);
    UserProfile p;
    p.Interval = 1;
    read_settings(p, folders, {});
    EXPECT_EQ(p.Interval, 500);
    // The user's copy wins over the program's, in whatever letter case it was copied, and
    // it is the one that records the last profile.
    put(u"program/ORVEL.INI"_s, "[Orvel]\r\nInterval=300\r\n");
    read_settings(p, folders, {});
    EXPECT_EQ(p.Interval, 300);
    put(u"config/orvel.ini"_s, "[Orvel]\r\nInterval=700\r\n");
    read_settings(p, folders, {});
    EXPECT_EQ(p.Interval, 700);
    put(u"profiles/a.usr"_s, "[Orvel]\r\nmodus=1\r\n");
    ASSERT_EQ(load_user_profile(p, dir.path() + u"/profiles/a.usr"_s, folders, {}), ProfileLoad::Loaded);
    EXPECT_EQ(QDir(folders.config).entryList(QDir::Files), QStringList{u"orvel.ini"_s});
    EXPECT_EQ(user_setting(folders.config + u"/orvel.ini"_s, u"usuari"_s), dir.path() + u"/profiles/a.usr"_s);
}

TEST_F(SettingsTest, TheSingleInstanceLockLivesInAFolderOfTheUsersOwn)
{
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    folders.state = dir.path() + u"/state"_s;
    qputenv("XDG_RUNTIME_DIR", dir.path().toLocal8Bit());
    EXPECT_EQ(single_instance_lock_file(folders), dir.path() + u"/orvel.lock"_s);
    // Without a runtime folder: never a fixed name in the shared temporary folder.
    for (const char* runtime : {"", "relative/run", "/no/such/folder"}) {
        qputenv("XDG_RUNTIME_DIR", runtime);
        EXPECT_EQ(single_instance_lock_file(folders), folders.state + u"/orvel.lock"_s) << runtime;
    }
    qputenv("XDG_RUNTIME_DIR", saved);
}

TEST_F(SettingsTest, LastProfileIsLoadedAndRecordedInTheUsersSettings)
{
    put(u"profiles/joan.usr"_s, "[Orvel]\r\nmodus=2\r\ntemps=15\r\n");
    // Written on Windows in capitals; on disk in lower case.
    const QString stored = dir.path() + u"/PROFILES/JOAN.USR"_s;
    put(u"program/Orvel.INI"_s, "[Orvel]\r\nInterval=300\r\nusuari=  " + stored.toLocal8Bit() + "  \r\n");
    read_settings(profile, folders, recording_hooks());
    // Absent joystick keys read as zero and are corrected like zeros.
    EXPECT_EQ(numbers(profile), (std::vector<double>{300, 1, 2, 15, 8, 255, 0, 0, 0, 0, 0, 1, 10}));
    EXPECT_EQ(ticked, std::vector<int16_t>{2});
    // The user's settings start from the program's, so Interval survives the write.
    const QString user_ini = folders.config + u"/Orvel.INI"_s;
    EXPECT_EQ(user_setting(user_ini, u"usuari"_s), dir.path() + u"/profiles/joan.usr"_s);
    EXPECT_EQ(user_setting(user_ini, u"Interval"_s), u"300"_s);
    EXPECT_EQ(orvel::testing::read_file(folders.program + u"/Orvel.INI"_s).count("usuari"), 1);
    // A profile that no longer exists changes nothing and records nothing.
    ticked.clear();
    profile.modus = 5;
    EXPECT_EQ(load_user_profile(profile, dir.path() + u"/gone.usr"_s, folders, recording_hooks()), ProfileLoad::Missing);
    EXPECT_EQ(profile.modus, 5);
    EXPECT_TRUE(ticked.empty());
}

TEST_F(SettingsTest, ProfileKeysAndTheirCorrections)
{
    const QString path = put(u"a.usr"_s, "[Orvel]\r\nInterval=50.6\r\nmodus=2.5\r\ntemps=3.5\r\ncolor=0\r\naccio1=-4\r\n"
                                         "accio2=abc\r\nvariable2={ENTER}\r\nretard1=99999\r\nn_joystic=3\r\n"
                                         "joystic_sensi=5\r\njoystic_retard=0\r\n");
    profile.So = false;
    profile.variable1 = u"kept"_s;
    profile.variable2 = u"replaced"_s;
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
    // Interval at least 100, halves to even, colour 0 is red, overflow saturates, a missing So
    // or gruix stays, a zero joystick delay becomes 10.
    EXPECT_EQ(numbers(profile), (std::vector<double>{100, 0, 2, 4, 8, 255, -4, 0, 32767, 0, 3, 5, 10}));
    EXPECT_EQ(profile.variable1, u"kept"_s);
    EXPECT_EQ(profile.variable2, u"{ENTER}"_s);

    // A method the program does not have is the mouse method; 0 to 8 stay.
    for (const auto& [text, modus] : {std::pair{"9", 0}, {"99", 0}, {"-1", 0}, {"8", 8}, {"0", 0}}) {
        const QString other = put(u"m.usr"_s, QByteArray("[Orvel]\r\nmodus=") + text + "\r\n");
        read_user_profile(profile, other, hooks);
        EXPECT_EQ(profile.modus, modus) << text;
    }

    const QString other = put(u"b.usr"_s, "[Orvel]\r\nSo=SI\r\ngruix=-3\r\njoystic_sensi=0\r\n");
    profile.So = true;
    read_user_profile(profile, other, {});
    // Only "Si" itself means yes; a negative thickness and a zero sensitivity are corrected.
    const std::vector<double> after = numbers(profile);
    EXPECT_EQ((std::vector<double>{after[1], after[4], after[5], after[10], after[11]}),
              (std::vector<double>{0, 8, 255, 0, 1}));
    EXPECT_EQ(joysticks.size(), 1u);
}

TEST_F(SettingsTest, WrittenProfileHasTheFifteenKeysInOrderAndReadsBack)
{
    const UserProfile p{.Interval = 300, .So = false, .modus = 2, .temps = 15, .gruix = 4, .color = 16711680, .accio1 = -1,
                        .accio2 = 3, .variable1 = u"{ENTER}à"_s, .retard1 = 0, .retard2 = 2, .n_joystic = 1,
                        .joystic_sensi = 5, .joystic_retard = 12};
    const QString path = dir.path() + u"/p.usr"_s;
    ASSERT_TRUE(write_user_profile(p, path));
    EXPECT_EQ(orvel::testing::read_file(path), QByteArray("[Orvel]\r\nInterval= 300\r\nSo=No\r\nmodus= 2\r\ntemps= 15\r\ngruix= 4\r\n"
                                         "color= 16711680\r\naccio1=-1\r\naccio2= 3\r\nvariable1={ENTER}\xE0\r\n"
                                         "variable2=\r\nretard1= 0\r\nretard2= 2\r\nn_joystic= 1\r\n"
                                         "joystic_sensi= 5\r\njoystic_retard= 12\r\nacceptacio= 0\r\n"
                                         "post_acceptacio= 0\r\nretard_inicial= 0\r\nvoltes= 0\r\nfiles= 0\r\n"
                                         "permanencia= 0\r\nmarc_contrast= 0\r\n"));
    UserProfile back;
    back.variable2 = u"in memory"_s;
    read_user_profile(back, path, {});
    EXPECT_EQ(numbers(back), numbers(p));
    EXPECT_EQ(back.variable1, p.variable1);
    EXPECT_EQ(back.variable2, u"in memory"_s);  // an empty list reads as missing

    // Rewriting keeps what else the file holds.
    put(u"q.usr"_s, "; mine\r\n[Orvel]\r\nmodus=9\r\nextra=1\r\n[Other]\r\nx=y\r\n");
    ASSERT_TRUE(write_user_profile(p, dir.path() + u"/q.usr"_s));
    const QByteArray q = orvel::testing::read_file(dir.path() + u"/q.usr"_s);
    EXPECT_TRUE(q.startsWith("; mine\r\n[Orvel]\r\nmodus= 2\r\nextra=1\r\nInterval= 300\r\n")) << q.constData();
    EXPECT_TRUE(q.endsWith("marc_contrast= 0\r\n[Other]\r\nx=y\r\n")) << q.constData();
    for (const auto& [value, text] : std::vector<std::pair<double, QString>>{
             {0.5, u" 0.5"_s}, {-2.25, u"-2.25"_s}, {1e20, u" 1E+20"_s}, {-7, u"-7"_s}})
        EXPECT_EQ(profile_number(value), text) << value;
}

// The switch-access keys come after the fifteen: a profile without them (as older
// copies write) reads them as off, whatever was in memory; one with them keeps them
// through a rewrite.
TEST_F(SettingsTest, LaterSwitchKeysReadAsOffWhenMissingAndSurviveARewrite)
{
    auto later = [](const UserProfile& p) {
        return std::vector<int>{p.acceptacio, p.post_acceptacio, p.retard_inicial, p.voltes,
                                p.files,      p.permanencia,     p.marc_contrast};
    };
    profile.acceptacio = profile.voltes = profile.files = profile.marc_contrast = 1;
    const QString old = put(u"old.usr"_s, "[Orvel]\r\nmodus=2\r\ntemps=5\r\njoystic_retard=3\r\n");
    read_user_profile(profile, old, {});
    EXPECT_EQ(later(profile), (std::vector<int>{0, 0, 0, 0, 0, 0, 0}));

    const QString fresh = put(u"new.usr"_s, "[Orvel]\r\nmodus=2\r\nacceptacio=300\r\npost_acceptacio=-5\r\n"
                                            "retard_inicial=700\r\nvoltes=3\r\nfiles=-1\r\npermanencia=99999\r\n"
                                            "marc_contrast=abc\r\n");
    read_user_profile(profile, fresh, {});
    // A negative time is off, a flag is on when not 0, overflow saturates.
    EXPECT_EQ(later(profile), (std::vector<int>{300, 0, 700, 3, 1, 32767, 0}));

    // Written after joystic_retard, in their order; an older file's keys stay in place.
    profile.post_acceptacio = 150;
    profile.marc_contrast = 1;
    ASSERT_TRUE(write_user_profile(profile, old));
    const QByteArray bytes = orvel::testing::read_file(old);
    EXPECT_TRUE(bytes.endsWith("joystic_retard= 10\r\nInterval= 500\r\nSo=Si\r\ngruix= 8\r\ncolor= 255\r\n"
                               "accio1= 0\r\naccio2= 0\r\nvariable1=\r\nvariable2=\r\nretard1= 0\r\nretard2= 0\r\n"
                               "n_joystic= 0\r\njoystic_sensi= 1\r\nacceptacio= 300\r\npost_acceptacio= 150\r\n"
                               "retard_inicial= 700\r\nvoltes= 3\r\nfiles= 1\r\npermanencia= 32767\r\n"
                               "marc_contrast= 1\r\n"))
        << bytes.constData();
    UserProfile back;
    read_user_profile(back, old, {});
    EXPECT_EQ(later(back), later(profile));
    EXPECT_EQ(numbers(back), numbers(profile));
}

TEST_F(SettingsTest, NewUserKeepsOnlyIntervalAndSo)
{
    profile.Interval = 321;
    profile.So = false;
    profile.modus = profile.temps = profile.gruix = profile.accio1 = profile.accio2 = 3;
    profile.retard1 = profile.retard2 = profile.n_joystic = profile.joystic_sensi = profile.joystic_retard = 9;
    profile.color = 7;
    profile.variable1 = profile.variable2 = u"x"_s;
    new_user(profile);
    EXPECT_EQ(numbers(profile), (std::vector<double>{321, 0, 0, 0, 8, 255, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(profile.variable1.isEmpty() && profile.variable2.isEmpty());
}

TEST_F(SettingsTest, UserMenuCommands)
{
    orvel::testing::RecordingMessages boxes;
    const QString path = put(u"Maria.USR"_s, "[Orvel]\r\nmodus=1\r\n");
    for (const QString& refused : {QString(), u"a.US"_s, u"*.USR"_s})
        load_user_command(profile, refused, folders, recording_hooks(), boxes);
    EXPECT_TRUE(ticked.empty());
    EXPECT_FALSE(QFileInfo::exists(folders.config + u"/Orvel.INI"_s));
    load_user_command(profile, path, folders, recording_hooks(), boxes);
    EXPECT_EQ(profile.modus, 1);
    EXPECT_EQ(ticked, std::vector<int16_t>{1});
    EXPECT_TRUE(boxes.texts.isEmpty());
    // Saving does not change the last profile.
    profile.modus = 4;
    save_user_command(profile, dir.path() + u"/other.USR"_s, boxes);
    EXPECT_EQ(user_setting(dir.path() + u"/other.USR"_s, u"modus"_s), u"4"_s);
    EXPECT_EQ(user_setting(folders.config + u"/Orvel.INI"_s, u"usuari"_s), path);
    save_user_command(profile, QString(), boxes);
    EXPECT_TRUE(boxes.texts.isEmpty());
    save_user_command(profile, dir.path() + u"/no/such/folder/x.USR"_s, boxes);
    EXPECT_EQ(boxes.texts, QStringList{u"3 Error75"_s});
    boxes.texts.clear();
    profile.variable1 = u"✓"_s;
    save_user_command(profile, dir.path() + u"/third.USR"_s, boxes);
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(boxes.texts[0].endsWith(u"/third.USR"_s));
}
