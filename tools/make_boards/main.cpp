// orvel_make_boards FOLDER: writes the shipped boards, their pictures, covers and
// profiles into FOLDER (scripts/make-boards runs it on boards/).
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "make_boards/boards.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: orvel_make_boards FOLDER\n", stderr);
        return 2;
    }
    // Captions need the font database, not a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    using namespace orvel::boards;
    const bool ok = make_communication_boards(folder) && make_keyboard_board(folder) && make_mouse_board(folder);
    return ok ? 0 : 1;
}
