#include <QGuiApplication>

#include "cli.h"

namespace orvel::cli {

std::unique_ptr<QGuiApplication> gui_application(const char* platform)
{
    qputenv("QT_QPA_PLATFORM", platform);
    static int argc = 1;
    static char program_name[] = "orvel";
    static char* argv[] = {program_name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace orvel::cli
