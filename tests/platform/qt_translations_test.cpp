// Qt's own texts in Catalan, from Debian's Qt translations.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "platform/qt_translations.h"

namespace orvel {
namespace {

TEST(QtTranslations, QtsOwnButtonsAndDialogsSpeakCatalan)
{
    if (QCoreApplication::instance())
        GTEST_SKIP() << "needs an application of its own (ctest runs each test alone)";
    EXPECT_FALSE(install_qt_translations());  // no application yet
    int argc = 1;
    char name[] = "qt_translations_test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    ASSERT_TRUE(install_qt_translations());
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Sí"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Cerca a:"));
    EXPECT_FALSE(install_qt_translations(QStringLiteral("xx")));
}

}  // namespace
}  // namespace orvel
