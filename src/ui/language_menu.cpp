#include "ui/language_menu.h"

#include <QActionGroup>

#include "model/interface_language.h"
#include "model/settings.h"
#include "platform/message_boxes.h"

namespace orvel {

LanguageMenu::LanguageMenu(const Folders& folders, MessageBoxes& messages, QWidget* parent)
    : QMenu(tr("&Idioma"), parent), folders_(folders), messages_(messages)
{
    setObjectName(QStringLiteral("idioma"));
    auto* group = new QActionGroup(this);
    // Each language is named in its own words, so that anyone finds theirs.
    const std::pair<QString, QString> choices[] = {
        {QString(), tr("Segons l'escriptori")},
        {QStringLiteral("ca"), QStringLiteral("Català")},
        {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("en"), QStringLiteral("English")},
    };
    for (const auto& [language, caption] : choices) {
        QAction* a = addAction(caption);
        a->setObjectName(QStringLiteral("idioma_") + (language.isEmpty() ? QStringLiteral("escriptori") : language));
        a->setCheckable(true);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, language] { choose(language); });
        items_.emplace_back(language, a);
    }
    show_choice();
}

void LanguageMenu::show_choice()
{
    const QString chosen = known_language(read_language_setting(folders_));
    for (const auto& [language, action] : items_)
        action->setChecked(language == chosen);
}

void LanguageMenu::choose(const QString& language)
{
    if (!write_language_setting(folders_, language)) {
        messages_.show(tr("No s'ha pogut desar l'idioma a Orvel.INI."), QStringLiteral("Orvel"), MessageIcon::Exclamation);
        show_choice();
        return;
    }
    show_choice();
    messages_.show(tr("L'idioma nou es farà servir la propera vegada que engegueu Orvel."), QStringLiteral("Orvel"),
                   MessageIcon::Information);
}

}  // namespace orvel
