#pragma once
// Starting programs named by boards, never through a shell.
#include <QString>
#include <cstdint>

namespace orvel {

class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    // Splits the text like a command line (quotes respected) and starts the program,
    // looked up on PATH and in search_folder. Returns the process id, or 0 with a
    // description of the failure in *error. The process is detached from Orvel's life.
    virtual int64_t start(const QString& command_line, const QString& search_folder, QString* error) = 0;
};

}  // namespace orvel
