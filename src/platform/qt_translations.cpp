#include "platform/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace orvel {

bool install_qt_translations(const QString& language)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return false;
    // Owned by the application: the texts are needed for as long as it runs.
    auto* translator = new QTranslator(app);
    if (!translator->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

}  // namespace orvel
