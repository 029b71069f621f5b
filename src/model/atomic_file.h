#pragma once
// Replacing a file that holds the user's work so that it is never lost: the new contents
// go to a temporary file beside the file, are flushed to disk and renamed over it.
#include <QByteArray>
#include <QString>
#include <sys/stat.h>

#include "model/template_file.h"

namespace orvel {

// Where written bytes go: a byte array, or a file written as it is produced.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual void put(const char* data, qsizetype size) = 0;
};

// A file written beside its target and renamed over it once complete and on disk. The
// target is the file a chain of symbolic links at path finally names. Temporary files
// ".NAME.PID.XXXXXX" that saves of the same file left when their process was killed are
// removed first. Destroyed without commit(), nothing changes.
class AtomicFile : public ByteSink {
public:
    explicit AtomicFile(const QString& path);
    ~AtomicFile() override;
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    void put(const char* data, qsizetype size) override;
    // Keeps the old file's permissions (a new file gets 0666 less the umask), flushes the
    // data to disk and renames the file over the target.
    WriteResult commit();

private:
    QByteArray target_name_;
    QByteArray folder_;
    QByteArray temp_name_;
    struct stat old_stat_ {};
    bool existed_ = false;
    int fd_ = -1;
    int error_ = 0;
};

}  // namespace orvel
