#include "platform/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "model/folders.h"
#include "model/interface_language.h"

namespace orvel {

namespace {

std::unique_ptr<QTranslator> loaded(const QString& name, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder) || !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator;
}

}  // namespace

QString translations_folder(const Folders& folders)
{
    return folders.program + QStringLiteral("/translations");
}

InterfaceTranslations::InterfaceTranslations() = default;

InterfaceTranslations::~InterfaceTranslations() { remove_all(); }

void InterfaceTranslations::remove_all()
{
    if (QCoreApplication::instance()) {
        for (const auto& translator : installed_)
            QCoreApplication::removeTranslator(translator.get());
    }
    installed_.clear();
}

bool InterfaceTranslations::use(const QString& language, const QString& folder)
{
    remove_all();
    if (!QCoreApplication::instance())
        return false;
    bool complete = true;
    if (language != QLatin1String(kSourceLanguage)) {
        auto own = loaded(QStringLiteral("orvel_") + language, folder);
        complete = own != nullptr;
        if (own)
            installed_.push_back(std::move(own));
    }
    // Qt's texts are written in English.
    if (language != QLatin1String("en")) {
        auto qt = loaded(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        complete = complete && qt != nullptr;
        if (qt)
            installed_.push_back(std::move(qt));
    }
    return complete;
}

}  // namespace orvel
