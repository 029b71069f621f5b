#include "exec/board_check_tools.h"

#include <QProcess>

#include "exec/executor.h"
#include "platform/keys/key_notation.h"
#include "platform/qt_process_launcher.h"

namespace orvel {

BoardCheckTools board_check_tools(const Catalogue& catalogue, const QString& board_folder)
{
    BoardCheckTools tools;
    tools.key_run_error = [](const QString& run) { return parse_key_notation(run).error; };
    tools.program_found = [&catalogue, board_folder](const QString& program_text) {
        const QStringList words = QProcess::splitCommand(resolve_program(program_text, catalogue.program_lookup));
        return !words.isEmpty() && !QtProcessLauncher::find_program(words.first(), board_folder).isEmpty();
    };
    return tools;
}

}  // namespace orvel
