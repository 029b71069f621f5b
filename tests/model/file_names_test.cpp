// File names inside boards: ARCHITECTURE.md "File names inside boards".
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "model/file_names.h"

using namespace orvel;

namespace {

void touch(const QString& path)
{
    QDir().mkpath(folder_part(path));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
}

}  // namespace

TEST(FileNames, AbsoluteWhenStartingWithASeparatorOrADriveLetter)
{
    EXPECT_TRUE(is_absolute_stored_name(QStringLiteral("/x")));
    EXPECT_TRUE(is_absolute_stored_name(QStringLiteral("\\x")));
    EXPECT_TRUE(is_absolute_stored_name(QStringLiteral("C:\\BOARDS\\A.ORV")));
    EXPECT_TRUE(is_absolute_stored_name(QStringLiteral("d:a.orv")));
    EXPECT_FALSE(is_absolute_stored_name(QStringLiteral("SONS\\BEE.WAV")));
    EXPECT_TRUE(is_absolute_stored_name(QStringLiteral("A:B")));  // drive "A:" + name
    EXPECT_FALSE(is_absolute_stored_name(QStringLiteral("1:B")));
    EXPECT_FALSE(is_absolute_stored_name(QStringLiteral("dir/a:b")));  // a colon later is not a drive
    EXPECT_FALSE(is_absolute_stored_name(QString()));
}

TEST(FileNames, TranslationUsesSlashesAndMapsTheDriveLetterToRoot)
{
    EXPECT_EQ(translate_stored_name(QStringLiteral("C:\\BOARDS\\A.ORV"), QStringLiteral("/home")),
              QStringLiteral("/BOARDS/A.ORV"));
    EXPECT_EQ(translate_stored_name(QStringLiteral("SONS\\BEE.WAV"), QStringLiteral("/b")),
              QStringLiteral("/b/SONS/BEE.WAV"));
    EXPECT_EQ(translate_stored_name(QStringLiteral("..\\X\\\\Y.WAV"), QStringLiteral("/b/c/")),
              QStringLiteral("/b/X/Y.WAV"));
    EXPECT_EQ(translate_stored_name(QStringLiteral("a/b"), QString()), QStringLiteral("a/b"));
    EXPECT_EQ(translate_stored_name(QString(), QStringLiteral("/b")), QString());
}

TEST(FileNames, ExactNameWinsOverACaseInsensitiveMatch)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    touch(tmp.path() + QStringLiteral("/sons/bee.wav"));
    touch(tmp.path() + QStringLiteral("/sons/BEE.WAV"));
    EXPECT_EQ(resolve_stored_name(QStringLiteral("sons\\BEE.WAV"), tmp.path()),
              tmp.path() + QStringLiteral("/sons/BEE.WAV"));
    EXPECT_EQ(resolve_stored_name(QStringLiteral("sons/bee.wav"), tmp.path()),
              tmp.path() + QStringLiteral("/sons/bee.wav"));
}

TEST(FileNames, CaseInsensitiveMatchFolderByFolder)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    touch(tmp.path() + QStringLiteral("/sons/animals/bee.wav"));
    EXPECT_EQ(resolve_stored_name(QStringLiteral("SONS\\ANIMALS\\BEE.WAV"), tmp.path()),
              tmp.path() + QStringLiteral("/sons/animals/bee.wav"));
    EXPECT_TRUE(stored_name_exists(QStringLiteral("Sons/Animals/Bee.Wav"), tmp.path()));
    // Non-ASCII letters too.
    touch(tmp.path() + QStringLiteral("/àlbum/ça.bmp"));
    EXPECT_EQ(resolve_stored_name(QStringLiteral("ÀLBUM\\ÇA.BMP"), tmp.path()),
              tmp.path() + QStringLiteral("/àlbum/ça.bmp"));
}

TEST(FileNames, DriveLetterMapsToRootAndIsMatchedWithoutCase)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    touch(tmp.path() + QStringLiteral("/Boards/a.orv"));
    QString windows = QStringLiteral("C:") + tmp.path() + QStringLiteral("/BOARDS/A.ORV");
    windows.replace(QLatin1Char('/'), QLatin1Char('\\'));
    EXPECT_EQ(resolve_stored_name(windows, QStringLiteral("/elsewhere")),
              tmp.path() + QStringLiteral("/Boards/a.orv"));
}

TEST(FileNames, NothingMatchingGivesThePlainTranslatedPath)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    EXPECT_EQ(resolve_stored_name(QStringLiteral("SONS\\BEE.WAV"), tmp.path()),
              tmp.path() + QStringLiteral("/SONS/BEE.WAV"));
    EXPECT_FALSE(stored_name_exists(QStringLiteral("SONS\\BEE.WAV"), tmp.path()));
    // A folder that exists in another case is found; the missing file keeps its spelling.
    QDir(tmp.path()).mkdir(QStringLiteral("sons"));
    EXPECT_EQ(resolve_stored_name(QStringLiteral("SONS\\BEE.WAV"), tmp.path()),
              tmp.path() + QStringLiteral("/sons/BEE.WAV"));
    EXPECT_EQ(resolve_stored_name(QString(), tmp.path()), QString());
}

TEST(FileNames, ComparisonIgnoresLetterCase)
{
    EXPECT_TRUE(same_file_name(QStringLiteral("(Sense Nom)"), QStringLiteral("(SENSE NOM)")));
    EXPECT_TRUE(same_file_name(QStringLiteral("àlbum.orv"), QStringLiteral("ÀLBUM.ORV")));
    EXPECT_FALSE(same_file_name(QStringLiteral("a.orv"), QStringLiteral("b.orv")));
    EXPECT_TRUE(ends_with_no_case(QStringLiteral("x.orv"), QStringLiteral(".ORV")));
    EXPECT_FALSE(ends_with_no_case(QStringLiteral("x.orvx"), QStringLiteral(".ORV")));
}

TEST(FileNames, RelativeToFolderOnlyInsideIt)
{
    EXPECT_EQ(relative_to_folder(QStringLiteral("/home/u/boards/sons/bee.wav"), QStringLiteral("/home/u/boards")),
              QStringLiteral("sons/bee.wav"));
    EXPECT_EQ(relative_to_folder(QStringLiteral("/HOME/U/BOARDS/X.BMP"), QStringLiteral("/home/u/boards/")),
              QStringLiteral("X.BMP"));
    EXPECT_EQ(relative_to_folder(QStringLiteral("C:\\BOARDS\\SONS\\A.WAV"), QStringLiteral("/BOARDS")),
              QStringLiteral("SONS/A.WAV"));
    // A sibling folder whose name starts the same is not inside.
    EXPECT_EQ(relative_to_folder(QStringLiteral("/home/u/boards2/x.wav"), QStringLiteral("/home/u/boards")),
              QStringLiteral("/home/u/boards2/x.wav"));
    EXPECT_EQ(relative_to_folder(QStringLiteral("/other/x.wav"), QStringLiteral("/home/u")),
              QStringLiteral("/other/x.wav"));
    EXPECT_EQ(relative_to_folder(QStringLiteral("sons/x.wav"), QStringLiteral("/home/u")),
              QStringLiteral("sons/x.wav"));
    EXPECT_EQ(relative_to_folder(QStringLiteral("/x.wav"), QStringLiteral("/")), QStringLiteral("x.wav"));
}

TEST(FileNames, NameAndFolderParts)
{
    EXPECT_EQ(file_name_part(QStringLiteral("C:\\A\\B.EXE")), QStringLiteral("B.EXE"));
    EXPECT_EQ(file_name_part(QStringLiteral("/a/b.exe")), QStringLiteral("b.exe"));
    EXPECT_EQ(file_name_part(QStringLiteral("b.exe")), QStringLiteral("b.exe"));
    EXPECT_EQ(folder_part(QStringLiteral("/a/b.exe")), QStringLiteral("/a"));
    EXPECT_EQ(folder_part(QStringLiteral("/b.exe")), QStringLiteral("/"));
    EXPECT_EQ(folder_part(QStringLiteral("b.exe")), QString());
}
