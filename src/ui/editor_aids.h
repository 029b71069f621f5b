#pragma once
// The aids to writing an area's key text and choosing its files, around the
// editor face: the "Ordres", "Macros", "Ratolí" and "Memoria" menus, the
// auxiliary keyboard ("&Teclat auxiliar" under "&Veure") and the picture
// browser behind the visual symbol's "Fitxer...".
#include <QObject>
#include <QString>
#include <memory>
#include <vector>

class QMenu;
class QWidget;

namespace orvel {

class AuxKeyboard;
class CommandFilePicker;
class CommandMenus;
class EditorFace;
class MacrosMenu;
struct OrvelState;

class EditorAids : public QObject {
public:
    // `window` is the main window; `editor` and `state` outlive the aids.
    EditorAids(QWidget* window, EditorFace& editor, OrvelState& state);
    ~EditorAids() override;

    // The four menus in menu-bar order.
    std::vector<QMenu*> menus() const;
    // The catalogue was read, or a board was loaded: the menus follow it.
    void catalogue_read();
    void board_loaded(const QString& program_text);

private:
    std::unique_ptr<CommandFilePicker> picker_;
    AuxKeyboard* aux_keyboard_ = nullptr;
    CommandMenus* command_menus_ = nullptr;
    MacrosMenu* macros_menu_ = nullptr;
};

}  // namespace orvel
