#include "model/interface_language.h"

#include <QStringList>

namespace orvel {

QString known_language(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.size() < 2)
        return QString();
    const QString code = trimmed.left(2).toLower();
    // "es_ES", "en-GB" and "ca@valencia" name a language; "eng" or "cat" do not.
    const bool whole_code = trimmed.size() == 2 || !trimmed.at(2).isLetter();
    if (whole_code && (code == QLatin1String("ca") || code == QLatin1String("es") || code == QLatin1String("en")))
        return code;
    return QString();
}

QString language_from_locale(const std::function<QString(const char*)>& environment)
{
    QString locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment(variable);
        if (!locale.isEmpty())
            break;
    }
    const QString name = locale.section(QLatin1Char('.'), 0, 0);
    if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX"))
        return QString::fromLatin1(kSourceLanguage);
    const QStringList preferred = environment("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString& entry : preferred) {
        const QString language = known_language(entry);
        if (!language.isEmpty())
            return language;
    }
    const QString language = known_language(name);
    return language.isEmpty() ? QString::fromLatin1(kSourceLanguage) : language;
}

QString interface_language(const QString& setting, const std::function<QString(const char*)>& environment)
{
    const QString chosen = known_language(setting);
    return chosen.isEmpty() ? language_from_locale(environment) : chosen;
}

}  // namespace orvel
