#pragma once
// Choosing a library symbol for a board: the "Símbols" window, then the chosen symbol
// written into the board's folder as a bitmap. The library is read once, at the first
// choice, and read again later only while it could not be read.
#include <QSize>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "editor/symbol_index.h"

class QWidget;

namespace orvel {

class MessageBoxes;
class SymbolPicker;

class SymbolChooser {
public:
    // `library_folder` tells where the library lies (symbols_folder()).
    SymbolChooser(QWidget* parent, std::function<QString()> library_folder, MessageBoxes& messages);

    // Shows the window searching `query` and offering `caption` under the symbol; the
    // chosen symbol is drawn at `size` and written into `board_folder`. Its full path,
    // "" when cancelled or when it could not be written (the person was told why).
    QString choose(const QString& board_folder, QSize size, const QString& query, const QString& caption);

    // Runs the window (default: modal); tests answer it themselves.
    std::function<void(SymbolPicker& picker)> run_picker;

private:
    QWidget* parent_;
    std::function<QString()> library_folder_;
    MessageBoxes& messages_;
    std::shared_ptr<const SymbolIndex> library_;
};

}  // namespace orvel
