#pragma once
// The editor's "Macros" menu: "Carregar macros" lists the catalogue's programs;
// choosing one fills "Seleccionar" with its macros and gives that menu the
// program's title; choosing a macro fills the area panel's key text, sound and
// picture fields while an area is being edited.
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>

#include "model/catalogue.h"

class QMenu;
class QWidget;

namespace orvel {

struct MacroMenuHooks {
    std::function<int16_t()> current_area;          // 0 when no area is being edited
    std::function<MacroPanelFields()> read_fields;   // the panel's key text, sound and picture
    std::function<void(const MacroPanelFields&)> write_fields;
};

class MacrosMenu : public QObject {
    Q_OBJECT
public:
    // `catalogue` (the program's one, already read) and `program_folder` (where
    // the "icones" folder is) outlive the menu.
    MacrosMenu(QWidget* parent, Catalogue& catalogue, QString program_folder, MacroMenuHooks hooks);

    // "Macros" (`mn_macro`), for the menu bar after "Ordres".
    QMenu* menu() const { return mn_macro_; }
    QMenu* carregar() const { return carregar_; }
    QMenu* seleccionar() const { return seleccionar_; }

    // Rebuild the lists after the catalogue's programs or macros were read
    // elsewhere (start-up, the global data dialog).
    void show_programs();
    void show_macros();
    // After a board is loaded: its program's macros, and that program marked.
    void show_board_program(const QString& program_text);

    // Menu handlers, 1-based like the catalogue.
    void program_Click(int k);
    void macro_Click(int k);

private:
    void mark_program(int k);

    Catalogue& catalogue_;
    QString program_folder_;
    MacroMenuHooks hooks_;
    QMenu* mn_macro_ = nullptr;
    QMenu* carregar_ = nullptr;
    QMenu* seleccionar_ = nullptr;
};

}  // namespace orvel
