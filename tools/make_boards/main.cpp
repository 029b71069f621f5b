// orvel_make_boards FOLDER SYMBOLS: writes the shipped boards, their pictures, covers and
// profiles into FOLDER, with the symbol library in SYMBOLS (scripts/make-boards runs it
// on boards/ and data/symbols).
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "make_boards/boards.h"
#include "make_boards/symbol_finder.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs("usage: orvel_make_boards FOLDER SYMBOLS_FOLDER\n", stderr);
        return 2;
    }
    // Captions need the font database, not a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    using namespace orvel::boards;
    const SymbolFinder symbols(QString::fromLocal8Bit(argv[2]));
    if (!symbols.ready()) {
        std::fprintf(stderr, "%s\n", qPrintable(symbols.problem()));
        return 1;
    }
    const bool ok =
        make_communication_boards(folder, symbols) && make_keyboard_board(folder) && make_mouse_board(folder);
    return ok ? 0 : 1;
}
