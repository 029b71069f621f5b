#pragma once
// A key sender that records every run of keys instead of typing it.
#include <QHash>
#include <QString>
#include <QStringList>

#include "event_log.h"
#include "platform/key_sender.h"

namespace orvel::testing {

class FakeKeySender : public KeySender {
public:
    int send_keys(const QString& notation) override
    {
        if (const int code = failures.value(notation)) {
            log_event(log, QStringLiteral("keys-failed:%1").arg(notation));
            return code;
        }
        runs << notation;
        typed += notation;
        log_event(log, QStringLiteral("keys:%1").arg(notation));
        return 0;
    }
    bool wait_until_processed() override
    {
        ++waits;
        log_event(log, QStringLiteral("wait"));
        return !targets_stop_reading;
    }

    QStringList runs;                // every run that was typed, in order
    QString typed;                   // the runs joined
    int waits = 0;
    QHash<QString, int> failures;    // a run that fails with its code
    bool targets_stop_reading = false;  // waits report that the target did not read in time
    EventLog* log = nullptr;
};

}  // namespace orvel::testing
