#pragma once
// Qt's own texts (the buttons of message boxes, the file dialogs) in the interface's
// language, from the translations Debian ships for Qt (qt6-translations-l10n).
#include <QString>

namespace orvel {

// Installs Qt's translation for the language ("qtbase_ca" from Qt's translations folder)
// into the running application. False when there is no application or no translation.
bool install_qt_translations(const QString& language = QStringLiteral("ca"));

}  // namespace orvel
