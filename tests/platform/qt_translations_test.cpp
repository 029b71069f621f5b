// The interface language: Orvel's own texts from the .qm files lrelease made beside the
// program, Qt's own texts from Debian's Qt translations, switched as a whole.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "model/folders.h"
#include "platform/qt_translations.h"

namespace orvel {
namespace {

TEST(QtTranslations, EachLanguageInstallsOrvelsAndQtsTextsAndTakesThePreviousOut)
{
    if (QCoreApplication::instance())
        GTEST_SKIP() << "needs an application of its own (ctest runs each test alone)";
    Folders folders;
    folders.program = QStringLiteral(ORVEL_BINARY_DIR);
    const QString folder = translations_folder(folders);
    {
        InterfaceTranslations none;
        EXPECT_FALSE(none.use(QStringLiteral("es"), folder));  // no application yet
    }
    int argc = 1;
    char name[] = "qt_translations_test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    auto qt_yes = [] { return QCoreApplication::translate("QPlatformTheme", "&Yes"); };
    auto orvel_title = [] { return QCoreApplication::translate("Orvel", "Quant a Orvel"); };

    InterfaceTranslations translations;
    ASSERT_TRUE(translations.use(QStringLiteral("ca"), folder));
    EXPECT_EQ(qt_yes(), QStringLiteral("&Sí"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Cerca a:"));
    EXPECT_EQ(orvel_title(), QStringLiteral("Quant a Orvel"));

    ASSERT_TRUE(translations.use(QStringLiteral("es"), folder));
    EXPECT_EQ(qt_yes(), QStringLiteral("&Sí"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Ver en:"));
    EXPECT_EQ(orvel_title(), QStringLiteral("Acerca de Orvel"));

    ASSERT_TRUE(translations.use(QStringLiteral("en"), folder));
    EXPECT_EQ(qt_yes(), QStringLiteral("&Yes"));  // Catalan and Spanish are out again
    EXPECT_EQ(orvel_title(), QStringLiteral("About Orvel"));

    // A folder without Orvel's files: Qt's texts still change, Orvel's stay Catalan.
    EXPECT_FALSE(translations.use(QStringLiteral("es"), QStringLiteral("/nonexistent")));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Ver en:"));
    EXPECT_EQ(orvel_title(), QStringLiteral("Quant a Orvel"));
}

}  // namespace
}  // namespace orvel
