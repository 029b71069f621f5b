#pragma once
// Starts board programs with QProcess, detached and without a shell.
#include "platform/process_launcher.h"

namespace orvel {

class QtProcessLauncher : public ProcessLauncher {
public:
    int64_t start(const QString& command_line, const QString& search_folder, QString* error) override;
    // The executable a program name stands for: on PATH, then in search_folder; a
    // Windows name ending in ".EXE" that is not found is tried without it, in lower case.
    // A Linux path ("/...") is that file or nothing. Empty when not found.
    static QString find_program(const QString& name, const QString& search_folder);
};

}  // namespace orvel
