#pragma once
// The outside commands, recorded as "WORD:argument" instead of performed.
#include <QString>
#include <QStringList>

#include "event_log.h"
#include "exec/outside_commands.h"

namespace orvel::testing {

class RecordingOutsideCommands : public OutsideCommands {
public:
    void read_text(const QString& text) override { record(QStringLiteral("LLEGIR"), text); }
    void read_file(const QString& argument) override { record(QStringLiteral("LLEGEIX"), argument); }
    void load_command(const QString& argument) override { record(QStringLiteral("CARREGA"), argument); }
    void sound_command(const QString& argument) override { record(QStringLiteral("SONA"), argument); }
    void paste_command(const QString& argument) override { record(QStringLiteral("ENGANXA"), argument); }
    void registry_command(const QString& argument) override { record(QStringLiteral("REG"), argument); }

    QStringList calls;  // "SONA:A.WAV"
    EventLog* log = nullptr;

private:
    void record(const QString& word, const QString& argument)
    {
        const QString entry = word + QLatin1Char(':') + argument;
        calls << entry;
        log_event(log, entry);
    }
};

}  // namespace orvel::testing
