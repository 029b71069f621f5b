// What the area panel's "Veure" buttons accept.
#include <gtest/gtest.h>

#include "editor/file_viewers.h"

namespace orvel {
namespace {

TEST(ViewerAccepts, PicturesForTheSymbolAndTextsToForTheClipboardFile)
{
    for (auto [name, picture, clipboard] :
         {std::tuple{"A.BMP", true, true}, {"a.pcx", true, true}, {"A.JPG", false, false},
          {"NOTA.TXT", false, true}, {"carta.wri", false, true}, {"x", false, false}})
    {
        EXPECT_EQ(viewer_accepts(ViewerKind::VisualSymbol, QString::fromLatin1(name)), picture) << name;
        EXPECT_EQ(viewer_accepts(ViewerKind::ClipboardFile, QString::fromLatin1(name)), clipboard) << name;
    }
}

}  // namespace
}  // namespace orvel
