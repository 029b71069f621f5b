// Orvel: on-screen keyboard and communication boards for people who cannot use
// a standard keyboard or mouse.
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>
#include <cstring>

#include "cli.h"
#include "windowed.h"

namespace {

const char* const kUsageText =
    "Usage:\n"
    "  orvel [BOARD.ORV [PROFILE.USR]]      start Orvel (a board starts it in run mode)\n"
    "  orvel --dump BOARD.ORV               print the board as JSON\n"
    "  orvel --resave IN.ORV OUT.ORV        read a board and write it in the current format\n"
    "  orvel --check BOARD.ORV              list what would go wrong when the board runs\n"
    "  orvel --execute BOARD.ORV [N ...]    run the board's start-up actions, then areas N ...\n"
    "  orvel --cover BOARD.ORV OUT.BMP      draw the board's cover from its areas into OUT.BMP\n"
    "  orvel --import SET.obz|BOARD.obf OUT_FOLDER  import an Open Board Format set as boards\n"
    "  orvel --export BOARD.ORV OUT.obz     export the board and the boards it loads as a set\n"
    "  orvel --scan-cost BOARD.ORV PROFILE.USR\n"
    "                                       presses and time to reach each area when scanning\n"
    "  orvel --help | --version\n";

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 2) {
        const char* mode = argv[1];
        if (!std::strcmp(mode, "--help") || !std::strcmp(mode, "-h")) {
            std::fputs(kUsageText, stdout);
            return orvel::cli::kOk;
        }
        if (!std::strcmp(mode, "--version")) {
            std::printf("orvel %s\n", ORVEL_VERSION);
            return orvel::cli::kOk;
        }
        using Mode = int (*)(const QStringList&);
        struct Entry { const char* flag; Mode run; };
        static const Entry modes[] = {
            {"--dump", orvel::cli::dump},
            {"--resave", orvel::cli::resave},
            {"--check", orvel::cli::check},
            {"--execute", orvel::cli::execute},
            {"--cover", orvel::cli::cover},
            {"--import", orvel::cli::import_obf},
            {"--export", orvel::cli::export_obf},
            {"--scan-cost", orvel::cli::scan_cost},
        };
        for (const Entry& e : modes) {
            if (std::strcmp(mode, e.flag) != 0)
                continue;
            QStringList args;
            for (int i = 2; i < argc; ++i)
                args << QString::fromLocal8Bit(argv[i]);
            return e.run(args);
        }
        if (mode[0] == '-' && mode[1] == '-') {
            std::fprintf(stderr, "orvel: unknown option %s\n%s", mode, kUsageText);
            return orvel::cli::kUsage;
        }
    }
    return orvel::cli::windowed(argc, argv);
}
