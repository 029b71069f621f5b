#pragma once
// "Idioma": the interface language for the next start, recorded in the user's Orvel.INI
// ("Idioma=ca", "es" or "en"; empty follows the desktop's language).
#include <QMenu>

#include "model/folders.h"

namespace orvel {

class MessageBoxes;

class LanguageMenu : public QMenu {
    Q_OBJECT
public:
    LanguageMenu(const Folders& folders, MessageBoxes& messages, QWidget* parent = nullptr);

    // Records the choice ("" for the desktop's language) and says when it takes effect.
    void choose(const QString& language);

private:
    void show_choice();

    const Folders& folders_;
    MessageBoxes& messages_;
    std::vector<std::pair<QString, QAction*>> items_;
};

}  // namespace orvel
