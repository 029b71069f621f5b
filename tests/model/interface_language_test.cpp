// Which interface language Orvel picks from the locale variables and the Orvel.INI setting.
#include <gtest/gtest.h>

#include <QHash>

#include "model/interface_language.h"

namespace orvel {
namespace {

using namespace Qt::StringLiterals;

TEST(InterfaceLanguageChoice, TheSettingWinsElseTheLocaleAsGettextReadsItElseCatalan)
{
    struct Case {
        QString setting;
        QHash<QString, QString> environment;
        QString expected;
    };
    const Case cases[] = {
        {{}, {}, u"ca"_s},
        {{}, {{u"LANG"_s, u"C.UTF-8"_s}}, u"ca"_s},
        {{}, {{u"LANG"_s, u"POSIX"_s}}, u"ca"_s},
        // A C locale turns the LANGUAGE list off, as it does for gettext.
        {{}, {{u"LANG"_s, u"C"_s}, {u"LANGUAGE"_s, u"es"_s}}, u"ca"_s},
        {{}, {{u"LANG"_s, u"es_ES.UTF-8"_s}}, u"es"_s},
        {{}, {{u"LANG"_s, u"en_GB.UTF-8"_s}}, u"en"_s},
        {{}, {{u"LANG"_s, u"ca_ES.UTF-8@valencia"_s}}, u"ca"_s},
        {{}, {{u"LANG"_s, u"fr_FR.UTF-8"_s}}, u"ca"_s},
        {{}, {{u"LANG"_s, u"eu_ES.UTF-8"_s}}, u"ca"_s},
        // LC_ALL, then LC_MESSAGES, then LANG; an empty variable counts as unset.
        {{}, {{u"LC_ALL"_s, u"en_US.UTF-8"_s}, {u"LC_MESSAGES"_s, u"es_ES"_s}, {u"LANG"_s, u"ca_ES"_s}}, u"en"_s},
        {{}, {{u"LC_ALL"_s, u""_s}, {u"LC_MESSAGES"_s, u"es_ES"_s}, {u"LANG"_s, u"en_US"_s}}, u"es"_s},
        {{}, {{u"LC_ALL"_s, u"C"_s}, {u"LANG"_s, u"es_ES"_s}}, u"ca"_s},
        // The first language of the LANGUAGE list that Orvel speaks.
        {{}, {{u"LANG"_s, u"fr_FR.UTF-8"_s}, {u"LANGUAGE"_s, u"fr:es:en"_s}}, u"es"_s},
        {{}, {{u"LANG"_s, u"es_ES.UTF-8"_s}, {u"LANGUAGE"_s, u"en_GB:es"_s}}, u"en"_s},
        {{}, {{u"LANG"_s, u"es_ES.UTF-8"_s}, {u"LANGUAGE"_s, u"fr:de"_s}}, u"es"_s},
        // Orvel.INI's Idioma, whatever the locale; anything else is no choice.
        {u"es"_s, {{u"LANG"_s, u"en_US.UTF-8"_s}}, u"es"_s},
        {u" EN "_s, {{u"LANG"_s, u"C"_s}}, u"en"_s},
        {u"ca"_s, {{u"LANG"_s, u"es_ES"_s}}, u"ca"_s},
        {u"eng"_s, {{u"LANG"_s, u"es_ES"_s}}, u"es"_s},
        {u"xx"_s, {}, u"ca"_s},
        {u"e"_s, {{u"LANG"_s, u"en_US"_s}}, u"en"_s},
    };
    for (const Case& c : cases) {
        const QString got = interface_language(
            c.setting, [&c](const char* variable) { return c.environment.value(QString::fromLatin1(variable)); });
        EXPECT_EQ(got, c.expected) << "setting \"" << c.setting.toStdString() << "\", LANG "
                                   << c.environment.value(u"LANG"_s).toStdString();
    }
}

}  // namespace
}  // namespace orvel
