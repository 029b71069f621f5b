#pragma once
// Writes the reaction record in the background: run mode hands over a line and goes on
// at once, a selection never waits on the disk. The file is turned over when it passes
// its size bound (see reaction_record.h).
#include <QByteArray>
#include <QString>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "runtime/reaction_record.h"

namespace orvel {

class ReactionLog {
public:
    explicit ReactionLog(QString state_folder, qint64 max_bytes = kReactionRecordMaxBytes);
    // Writes what is still queued, then stops.
    ~ReactionLog();
    ReactionLog(const ReactionLog&) = delete;
    ReactionLog& operator=(const ReactionLog&) = delete;

    // Queues the entry; past a bound of queued lines (a disk that does not answer) the
    // entry is dropped rather than held.
    void append(const ReactionEntry& entry);
    // Waits until every queued line is written (for tests and before reading back).
    void flush();
    int dropped() const;

private:
    void run();
    void write(const std::deque<QByteArray>& lines);

    const QString folder_;
    const qint64 max_bytes_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable written_;
    std::deque<QByteArray> queue_;
    bool writing_ = false;
    bool stopping_ = false;
    int dropped_ = 0;
    std::thread thread_;
};

}  // namespace orvel
