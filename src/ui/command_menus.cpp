#include "ui/command_menus.h"

#include <QDir>
#include <QMenu>
#include <QMenuBar>

#include "model/messages.h"
#include "ui/aux_keyboard.h"
#include "ui/command_file_picker.h"

namespace orvel {

CommandMenus::CommandMenus(QWidget* parent, CommandFilePicker& picker, AuxKeyboard* aux_keyboard,
                           CommandMenuHooks hooks)
    : QObject(parent), picker_(picker), aux_keyboard_(aux_keyboard), hooks_(std::move(hooks))
{
    for (const CommandMenu& table : command_menus())
        menus_.push_back(build(table, parent));
}

QMenu* CommandMenus::build(const CommandMenu& table, QWidget* parent)
{
    auto* menu = new QMenu(translate_caption(table.caption), parent);
    menu->setObjectName(table.name);
    menu->menuAction()->setObjectName(table.name + QStringLiteral("_menu"));
    for (const CommandMenuItem& item : table.items) {
        QAction* a = menu->addAction(translate_caption(item.caption));
        a->setObjectName(item.name);
        // The table outlives the menus, so its rows can be captured by address.
        connect(a, &QAction::triggered, this, [this, &table, &item] { choose(table, item); });
    }
    for (const CommandMenu& sub : table.submenus)
        menu->addMenu(build(sub, menu));
    return menu;
}

void CommandMenus::add_to(QMenuBar* bar) const
{
    for (QMenu* menu : menus_)
        bar->addMenu(menu);
}

void CommandMenus::set_enabled(bool enabled)
{
    for (QMenu* menu : menus_)
        menu->menuAction()->setEnabled(enabled);
}

QString CommandMenus::text_for(const CommandMenuItem& item)
{
    switch (item.source) {
    case CommandFileSource::None:
        return item.text;
    case CommandFileSource::FileDialog: {
        const QString name =
            accept_chosen_file(picker_.choose_file(command_file_dialog(item.dialog), item.dialog), picker_.board_folder());
        return name.isEmpty() ? QString() : item.text + name + item.suffix;
    }
    case CommandFileSource::GraphicsBrowser: {
        const QString name = accept_browsed_picture(picker_.browse_picture(QDir::currentPath()), picker_.board_folder());
        if (name.isEmpty())
            return QString();
        if (hooks_.set_visual_symbol)
            hooks_.set_visual_symbol(name);
        return item.text + name + item.suffix;
    }
    }
    return QString();
}

void CommandMenus::choose(const CommandMenu& menu, const CommandMenuItem& item)
{
    // The sub-menus of "Ratolí" leave the keyboard alone like their menu does.
    const bool around_keyboard = menu.closes_aux_keyboard && aux_keyboard_;
    if (around_keyboard)
        aux_keyboard_->close_for_command();
    const QString text = text_for(item);
    if (!text.isEmpty() && hooks_.insert_at_caret)
        hooks_.insert_at_caret(text);
    if (around_keyboard)
        aux_keyboard_->reopen_if_checked();
}

}  // namespace orvel
