#pragma once
// The interface in the chosen language: Orvel's own texts (orvel_es.qm, orvel_en.qm, made
// by lrelease from translations/*.ts) and Qt's own (the buttons of message boxes, the file
// dialogs) from the translations Debian ships for Qt (qt6-translations-l10n).
#include <QString>

#include <memory>
#include <vector>

class QTranslator;

namespace orvel {

struct Folders;

// The one place Orvel's .qm files are looked for: "translations" in the program's folder,
// that is beside the executable in a build tree and PREFIX/share/orvel/translations when
// installed.
QString translations_folder(const Folders& folders);

// The translators of one language, installed into the running application; replacing
// them (or destroying this) takes the previous language's out again.
class InterfaceTranslations {
public:
    InterfaceTranslations();
    ~InterfaceTranslations();
    InterfaceTranslations(const InterfaceTranslations&) = delete;
    InterfaceTranslations& operator=(const InterfaceTranslations&) = delete;

    // Installs language ("ca", "es" or "en"): Orvel's texts from folder (Catalan needs
    // none, it is the language they are written in) and Qt's (English needs none). False
    // when there is no application or a translation that the language needs is missing;
    // what could be loaded is installed all the same.
    bool use(const QString& language, const QString& folder);

private:
    void remove_all();
    std::vector<std::unique_ptr<QTranslator>> installed_;
};

}  // namespace orvel
