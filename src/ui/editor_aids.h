#pragma once
// The aids to writing an area's key text and choosing its files, around the
// editor face: the "Ordres", "Macros", "Ratolí" and "Memoria" menus, the
// auxiliary keyboard ("&Teclat auxiliar" under "&Veure") and the picture
// browser behind the visual symbol's "Fitxer...", the global data dialog and
// the command builder ("Assistent tecles").
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
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
class MessageBoxes;
class SymbolChooser;
class PlantForm;
struct BuilderSession;
struct OrvelState;

class EditorAids : public QObject {
    Q_OBJECT
public:
    // `window` is the main window; `editor` and `state` outlive the aids.
    EditorAids(QWidget* window, EditorFace& editor, OrvelState& state, MessageBoxes& messages);
    ~EditorAids() override;

    // The four menus in menu-bar order.
    std::vector<QMenu*> menus() const;
    // The catalogue was read, or a board was loaded: the menus follow it.
    void catalogue_read();
    void board_loaded(const QString& program_text);

    // "&Dades globals" and the new-board command: the dialog, modal; `accepted`
    // runs after "D'Acord" stored it.
    void open_global_data(const std::function<void()>& accepted);
    // "Assistent tecles": the command builder on the area's key text.
    void open_builder();
    // "Símbols...": a library symbol for the current area, written into the board's
    // folder at the area's size; its full path, "" when none.
    QString choose_symbol();

private:
    QWidget* window_;
    EditorFace& editor_;
    OrvelState& state_;
    QPointer<PlantForm> global_data_;
    std::unique_ptr<BuilderSession> builder_;
    std::unique_ptr<CommandFilePicker> picker_;
    std::unique_ptr<SymbolChooser> symbols_;
    AuxKeyboard* aux_keyboard_ = nullptr;
    CommandMenus* command_menus_ = nullptr;
    MacrosMenu* macros_menu_ = nullptr;
};

}  // namespace orvel
