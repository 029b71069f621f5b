// orvel --cover BOARD.ORV OUT.BMP: the board's cover drawn from its areas into a bitmap
// of one's choosing, headless; the board itself is not changed.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

#include "cli.h"
#include "editor/cover_file.h"
#include "editor/picture_cache.h"
#include "model/template_file.h"
#include "platform/message_boxes.h"

namespace orvel::cli {

int cover(const QStringList& args)
{
    if (args.size() != 2 || args[0].isEmpty() || args[1].isEmpty()) {
        std::fputs("usage: orvel --cover BOARD.ORV OUT.BMP\n", stderr);
        return kUsage;
    }
    // Captions need the font database, not a display.
    const auto app = gui_application("offscreen");

    const QString out = QFileInfo(args[1]).absoluteFilePath();  // loading changes the current folder
    Template t;
    t.directory = QDir::currentPath();
    StderrMessageBoxes messages;
    if (!board_was_read(load_template(t, args[0], messages)))
        return kRefused;
    t.cover_file = out;
    PictureCache pictures;
    const WriteResult written = generate_cover(t, pictures);
    if (!written) {
        std::fprintf(stderr, "4 Error %d %s (%s)\n", written.error_number, qPrintable(written.error_text),
                     qPrintable(out));
        return kRefused;
    }
    std::printf("%s\n", qPrintable(QDir::toNativeSeparators(t.cover_file)));
    return kOk;
}

}  // namespace orvel::cli
