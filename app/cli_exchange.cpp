// orvel --import SET.obz|BOARD.obf OUT_FOLDER and orvel --export BOARD.ORV OUT.obz:
// Open Board Format sets in and out, headless. What could not be carried over is
// printed one line each (and, for an import, kept in the folder's report).
#include <QGuiApplication>
#include <cstdio>

#include "cli.h"
#include "interchange/export_set.h"
#include "interchange/import_set.h"
#include "platform/message_boxes.h"

namespace orvel::cli {

namespace {

void print(FILE* stream, const QString& text)
{
    std::fprintf(stream, "%s\n", StderrMessageBoxes::as_one_line(text).toUtf8().constData());
}

// The boards written on stdout, what was not carried over and the error on stderr.
template <typename Result>
int print_outcome(const Result& result)
{
    for (const QString& board : result.boards)
        print(stdout, board);
    for (const QString& line : result.report.lines())
        print(stderr, line);
    if (!result.error.isEmpty()) {
        print(stderr, result.error);
        return kRefused;
    }
    return kOk;
}

}  // namespace

int import_obf(const QStringList& args)
{
    if (args.size() != 2 || args[0].isEmpty() || args[1].isEmpty()) {
        std::fputs("usage: orvel --import SET.obz|BOARD.obf OUT_FOLDER\n", stderr);
        return kUsage;
    }
    // Faces and covers are drawn with fonts: Qt's GUI part, no display.
    const auto app = gui_application("offscreen");
    const obf::ImportResult result = obf::import_set(args[0], args[1]);
    return print_outcome(result);
}

int export_obf(const QStringList& args)
{
    if (args.size() != 2 || args[0].isEmpty() || args[1].isEmpty()) {
        std::fputs("usage: orvel --export BOARD.ORV OUT.obz\n", stderr);
        return kUsage;
    }
    const auto app = gui_application("offscreen");
    const obf::ExportResult result = obf::export_set(args[0], args[1]);
    return print_outcome(result);
}

}  // namespace orvel::cli
