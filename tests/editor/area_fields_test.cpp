// The area panel's rules: names relative to the board's folder and insertion at the caret.
#include <gtest/gtest.h>

#include "editor/area_fields.h"

namespace orvel {
namespace {

TEST(RelativePath, OnlyNamesInsideTheBoardsFolderLoseIt)
{
    struct Case {
        const char* name;
        const char* folder;
        const char* stored;
    };
    const Case cases[] = {
        {"C:\\T\\IMG\\A.BMP", "C:\\T", "IMG/A.BMP"},
        {"c:\\t\\img\\a.bmp", "C:\\T", "img/a.bmp"},             // letter case of the folder ignored
        {"/home/ana/boards/img/a.png", "/home/ana/boards", "img/a.png"},
        {"/home/ana/boards/a.png", "/home/ana/boards/", "a.png"},  // a trailing separator
        {"D:\\OTHER\\A.BMP", "C:\\T", "D:\\OTHER\\A.BMP"},       // another drive: unchanged
        {"/home/ana/other/a.png", "/home/ana/boards", "/home/ana/other/a.png"},
        {"/home/ana/boardsX/a.png", "/home/ana/boards", "/home/ana/boardsX/a.png"},  // a longer sibling
        {"/x/home/ana/boards/a.png", "/home/ana/boards", "/x/home/ana/boards/a.png"},  // the folder further in
        {"/home/ana/boards", "/home/ana/boards", "/home/ana/boards"},
        {"a.png", "", "a.png"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(relative_path(QString::fromLatin1(c.name), QString::fromLatin1(c.folder)),
                  QString::fromLatin1(c.stored))
            << c.name;
}

TEST(InsertAtCaret, PlacesTheTextAtTheCaretAndMovesTheCaretPastIt)
{
    struct Case {
        const char* text;
        int caret;
        const char* insert;
        const char* result;
        int after;
    };
    const Case cases[] = {
        {"abcdef", 3, "XY", "abcXYdef", 5}, {"", 0, "{ENTER}", "{ENTER}", 7}, {"ab", 2, "c", "abc", 3},
        {"ab", 99, "c", "abc", 3},          {"ab", -4, "c", "cab", 1},
    };
    for (const Case& c : cases) {
        const CaretText r = insert_at_caret(QString::fromLatin1(c.text), c.caret, QString::fromLatin1(c.insert));
        EXPECT_EQ(r.text, QString::fromLatin1(c.result)) << c.text << c.caret;
        EXPECT_EQ(r.caret, c.after);
    }
    // Characters beyond Latin-1 count as one each.
    EXPECT_EQ(insert_at_caret(QStringLiteral("àç"), 1, QStringLiteral("€")).text, QStringLiteral("à€ç"));
}

}  // namespace
}  // namespace orvel
