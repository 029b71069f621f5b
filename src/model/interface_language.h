#pragma once
// Which of the interface languages Orvel speaks: Catalan, the language its texts are
// written in, or the Spanish or English translation.
#include <QString>
#include <functional>

namespace orvel {

inline constexpr char kSourceLanguage[] = "ca";
// Orvel.INI, section "Orvel": "Idioma=es" chooses the language whatever the desktop's
// locale; empty or missing follows the locale.
inline constexpr char kLanguageKey[] = "Idioma";

// "ca", "es" or "en" when text names one of them ("es", "es_ES.UTF-8", "EN", "en-GB");
// empty otherwise.
QString known_language(const QString& text);

// The desktop's language, read as gettext does: LC_ALL, else LC_MESSAGES, else LANG gives
// the locale; a "C" or "POSIX" locale means no language (Catalan); otherwise the first
// entry of the LANGUAGE list that Orvel speaks, else the locale's own language. A
// language Orvel does not speak gives Catalan.
QString language_from_locale(const std::function<QString(const char*)>& environment);

// The setting when it names a language Orvel speaks, else the desktop's.
QString interface_language(const QString& setting, const std::function<QString(const char*)>& environment);

}  // namespace orvel
