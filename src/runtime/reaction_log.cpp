#include "runtime/reaction_log.h"

#include <QDir>
#include <QFile>

namespace orvel {

namespace {
constexpr size_t kLongestQueue = 4096;
}  // namespace

ReactionLog::ReactionLog(QString state_folder, qint64 max_bytes)
    : folder_(std::move(state_folder)), max_bytes_(max_bytes), thread_([this] { run(); })
{
}

ReactionLog::~ReactionLog()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void ReactionLog::append(const ReactionEntry& entry)
{
    QByteArray line = reaction_line(entry);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (queue_.size() >= kLongestQueue) {
            ++dropped_;
            return;
        }
        queue_.push_back(std::move(line));
    }
    wake_.notify_one();
}

void ReactionLog::flush()
{
    std::unique_lock<std::mutex> lock(mutex_);
    written_.wait(lock, [this] { return queue_.empty() && !writing_; });
}

int ReactionLog::dropped() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return dropped_;
}

void ReactionLog::run()
{
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (queue_.empty() && stopping_)
            return;
        std::deque<QByteArray> lines;
        lines.swap(queue_);
        writing_ = true;
        lock.unlock();
        write(lines);
        lock.lock();
        writing_ = false;
        written_.notify_all();
    }
}

void ReactionLog::write(const std::deque<QByteArray>& lines)
{
    if (folder_.isEmpty() || !QDir().mkpath(folder_))
        return;
    const QString path = folder_ + QLatin1Char('/') + QLatin1String(kReactionRecordName);
    const QByteArray header = QByteArray(kReactionRecordHeader) + '\n';
    QFile file(path);
    auto open = [&] {
        if (!file.open(QIODevice::ReadWrite | QIODevice::Append))
            return false;
        if (file.size() == 0) {
            // How a person presses is theirs alone: the record is readable by them only.
            file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            file.write(header);
        }
        else if (file.seek(file.size() - 1) && file.read(1) != "\n")
            file.write("\n");  // a line cut short by a crash stays on a line of its own
        return true;
    };
    if (!open())
        return;
    for (const QByteArray& line : lines) {
        if (file.size() > header.size() && file.size() + line.size() > max_bytes_) {
            // The older half goes; the current file becomes the older one.
            file.close();
            const QString older = folder_ + QLatin1Char('/') + QLatin1String(kOlderReactionRecordName);
            QFile::remove(older);
            QFile::rename(path, older);
            if (!open())
                return;
        }
        file.write(line);
    }
}

}  // namespace orvel
