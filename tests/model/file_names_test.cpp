// File names inside boards: ARCHITECTURE.md "File names inside boards".
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <vector>

#include "model/file_names.h"
#include "support/test_files.h"

using namespace orvel;
using namespace Qt::StringLiterals;

namespace {

struct Row {
    QString in, base, out;
};

}  // namespace

TEST(FileNames, PureNameRules)
{
    // Absolute: a leading separator or a drive letter, never a colon later on.
    for (const auto& [name, absolute] : std::vector<std::pair<QString, bool>>{
             {u"/x"_s, true}, {u"\\x"_s, true}, {u"C:\\BOARDS\\A.ORV"_s, true}, {u"d:a.orv"_s, true},
             {u"A:B"_s, true}, {u"SONS\\BEE.WAV"_s, false}, {u"1:B"_s, false}, {u"dir/a:b"_s, false}, {QString(), false}})
        EXPECT_EQ(is_absolute_stored_name(name), absolute) << name.toStdString();
    // Translation: slashes, the drive letter maps to the root, ".." and doubled separators fold.
    for (const Row& r : std::vector<Row>{{u"C:\\BOARDS\\A.ORV"_s, u"/home"_s, u"/BOARDS/A.ORV"_s},
                                         {u"SONS\\BEE.WAV"_s, u"/b"_s, u"/b/SONS/BEE.WAV"_s},
                                         {u"..\\X\\\\Y.WAV"_s, u"/b/c/"_s, u"/b/X/Y.WAV"_s},
                                         {u"a/b"_s, QString(), u"a/b"_s},
                                         {QString(), u"/b"_s, QString()}})
        EXPECT_EQ(translate_stored_name(r.in, r.base), r.out) << r.in.toStdString();
    // Relative only inside the folder, letter case kept; a sibling whose name starts the
    // same is not inside, nor is another drive letter although both map to "/".
    for (const Row& r : std::vector<Row>{{u"/home/u/boards/sons/bee.wav"_s, u"/home/u/boards"_s, u"sons/bee.wav"_s},
                                         {u"/HOME/U/BOARDS/X.BMP"_s, u"/home/u/boards/"_s, u"X.BMP"_s},
                                         {u"C:\\BOARDS\\SONS\\A.WAV"_s, u"/BOARDS"_s, u"SONS/A.WAV"_s},
                                         {u"C:\\T\\IMG\\A.BMP"_s, u"c:\\t"_s, u"IMG/A.BMP"_s},
                                         {u"D:\\T\\IMG\\A.BMP"_s, u"C:\\T"_s, u"D:\\T\\IMG\\A.BMP"_s},
                                         {u"/T/A.BMP"_s, u"D:\\T"_s, u"A.BMP"_s},
                                         {u"/home/u/boards2/x.wav"_s, u"/home/u/boards"_s, u"/home/u/boards2/x.wav"_s},
                                         {u"/other/x.wav"_s, u"/home/u"_s, u"/other/x.wav"_s},
                                         {u"sons/x.wav"_s, u"/home/u"_s, u"sons/x.wav"_s},
                                         {u"/t/x/../img/a.bmp"_s, u"/t"_s, u"img/a.bmp"_s},
                                         {u"/t"_s, u"/t"_s, u"/t"_s},
                                         {u"/x.wav"_s, u"/"_s, u"x.wav"_s}})
        EXPECT_EQ(relative_to_folder(r.in, r.base), r.out) << r.in.toStdString();
}

TEST(FileNames, ResolvingAgainstTheDisk)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString d = tmp.path();
    // Nothing matching: the plain translated path.
    EXPECT_EQ(resolve_stored_name(u"SONS\\BEE.WAV"_s, d), d + u"/SONS/BEE.WAV"_s);
    // A folder found in another case; the missing file keeps its spelling.
    QDir(d).mkdir(u"sons"_s);
    EXPECT_EQ(resolve_stored_name(u"SONS\\BEE.WAV"_s, d), d + u"/sons/BEE.WAV"_s);
    EXPECT_EQ(resolve_stored_name(QString(), d), QString());
    // The exact name wins over a match without case.
    orvel::testing::write_file(d + u"/sons/bee.wav"_s);
    orvel::testing::write_file(d + u"/sons/BEE.WAV"_s);
    EXPECT_EQ(resolve_stored_name(u"sons\\BEE.WAV"_s, d), d + u"/sons/BEE.WAV"_s);
    EXPECT_EQ(resolve_stored_name(u"sons/bee.wav"_s, d), d + u"/sons/bee.wav"_s);
    // Folder by folder without case, non-ASCII letters too.
    orvel::testing::write_file(d + u"/sons/animals/bee.wav"_s);
    EXPECT_EQ(resolve_stored_name(u"SONS\\ANIMALS\\BEE.WAV"_s, d), d + u"/sons/animals/bee.wav"_s);
    orvel::testing::write_file(d + u"/àlbum/ça.bmp"_s);
    EXPECT_EQ(resolve_stored_name(u"ÀLBUM\\ÇA.BMP"_s, d), d + u"/àlbum/ça.bmp"_s);
    // A drive letter maps to the root and is matched without case.
    orvel::testing::write_file(d + u"/Boards/a.orv"_s);
    QString windows = u"C:"_s + d + u"/BOARDS/A.ORV"_s;
    windows.replace(u'/', u'\\');
    EXPECT_EQ(resolve_stored_name(windows, u"/elsewhere"_s), d + u"/Boards/a.orv"_s);
}
