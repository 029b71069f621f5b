#pragma once
// "Importar..." and "Exportar..." of the "&Fitxers" menu: Open Board Format sets made
// by other communication programs become a folder of boards, and the open board (with
// the boards it loads) becomes a set they can read.
#include <QObject>
#include <functional>

#include "model/orvel_state.h"

class QMenu;
class QWidget;

namespace orvel {

class MessageBoxes;

class ExchangeCommands : public QObject {
    Q_OBJECT
public:
    // Adds the two items at the end of menu.
    ExchangeCommands(QMenu* menu, OrvelState& state, MessageBoxes& messages, QWidget* owner);

    std::function<void()> save;                            // "&Desar ..."
    std::function<void(const QString& board)> open_board;  // opens an imported board

    // Where the paths come from: the file dialogs, unless replaced (by tests, which
    // drive the import and export without a person at the dialogs).
    std::function<QString()> choose_set;
    std::function<QString(const QString& near)> choose_folder;
    std::function<QString(const QString& proposed)> choose_export_file;

    void importar_Click();
    void exportar_Click();

private:
    OrvelState& state_;
    MessageBoxes& messages_;
    QWidget* owner_;
};

}  // namespace orvel
