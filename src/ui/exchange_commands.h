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

    void importar_Click();
    void exportar_Click();

private:
    OrvelState& state_;
    MessageBoxes& messages_;
    QWidget* owner_;
};

}  // namespace orvel
