#pragma once
// Starts nothing: records each program and answers with a process id or a failure.
// on_start lets a test make the program's window appear in a FakeWindowSystem.
#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>

#include "event_log.h"
#include "platform/process_launcher.h"

namespace orvel::testing {

class FakeLauncher : public ProcessLauncher {
public:
    int64_t start(const QString& command_line, const QString& search_folder, QString* error) override
    {
        started << command_line;
        folders << search_folder;
        if (failures.contains(command_line)) {
            if (error)
                *error = failures.value(command_line);
            log_event(log, QStringLiteral("start-failed:%1").arg(command_line));
            return 0;
        }
        const int64_t pid = next_pid++;
        log_event(log, QStringLiteral("start:%1").arg(command_line));
        if (on_start)
            on_start(command_line, pid);
        return pid;
    }

    QStringList started;                  // every command line asked for, failed ones too
    QStringList folders;
    QHash<QString, QString> failures;     // command line -> error description
    int64_t next_pid = 1000;
    std::function<void(const QString&, int64_t)> on_start;
    EventLog* log = nullptr;
};

}  // namespace orvel::testing
