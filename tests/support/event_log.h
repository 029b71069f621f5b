#pragma once
// One log shared by several fakes, so a test can check the order in which
// different parts of the outside world were reached.
#include <QString>
#include <QStringList>

namespace orvel::testing {

struct EventLog {
    QStringList entries;
    void add(const QString& entry) { entries << entry; }
};

// Appends to the log when there is one.
inline void log_event(EventLog* log, const QString& entry)
{
    if (log)
        log->add(entry);
}

}  // namespace orvel::testing
