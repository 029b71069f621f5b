#pragma once
// The "Ordres", "Ratolí" and "Memoria" menus of the editor: each item inserts a
// ready-made command at the caret of the area's key text, asking for a file
// where the command needs one.
#include <QObject>
#include <functional>
#include <vector>

#include "exec/command_catalogue.h"

class QMenu;
class QMenuBar;
class QWidget;

namespace orvel {

class AuxKeyboard;
class CommandFilePicker;

struct CommandMenuHooks {
    // Inserts a text at the caret of the area panel's key text field
    // (insert_into_field does it for a field on screen).
    std::function<void(const QString&)> insert_at_caret;
    // "Enganxar un dibuix" makes the pasted picture the area's visual symbol too.
    std::function<void(const QString&)> set_visual_symbol;
};

class CommandMenus : public QObject {
    Q_OBJECT
public:
    // `aux_keyboard` may be null (no auxiliary keyboard to close around "Ordres").
    CommandMenus(QWidget* parent, CommandFilePicker& picker, AuxKeyboard* aux_keyboard, CommandMenuHooks hooks);

    // The three menus in menu-bar order, each named as its table says
    // (mn_or, mn_rata, mn_mem); add them to a menu bar where they belong.
    const std::vector<QMenu*>& menus() const { return menus_; }
    // Adds the three menus at the end of a menu bar.
    void add_to(QMenuBar* bar) const;
    // The key-text modes: the menus work only while the key text is edited directly.
    void set_enabled(bool enabled);

    // What choosing an item does.
    void choose(const CommandMenu& menu, const CommandMenuItem& item);

private:
    QMenu* build(const CommandMenu& table, QWidget* parent);
    QString text_for(const CommandMenuItem& item);

    CommandFilePicker& picker_;
    AuxKeyboard* aux_keyboard_;
    CommandMenuHooks hooks_;
    std::vector<QMenu*> menus_;
};

}  // namespace orvel
