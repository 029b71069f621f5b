#pragma once
// .obz archives through libzip. Reading is bounded so that an archive cannot make the
// import use unbounded memory or time (a "zip bomb"): the number of entries, each
// entry's and the total uncompressed size are limited, and entries are read into
// memory only, by name, never unpacked under the names the archive gives them.
#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

struct zip;

namespace orvel::obf {

struct ZipLimits {
    qint64 max_entries = 20000;
    qint64 max_entry_bytes = 32 * 1024 * 1024;   // a board with its pictures inside
    qint64 max_total_bytes = 512 * 1024 * 1024;  // read over the whole import
};

class ZipReader {
public:
    // Opens the archive; on failure error() says why and every read fails.
    ZipReader(const QString& path, ZipLimits limits = {});
    ~ZipReader();
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    bool is_open() const { return archive_ != nullptr; }
    QString error() const { return error_; }

    // The entry's bytes, or nullopt with *why set: missing, an unsafe name ("../",
    // absolute, a symbolic link), larger than the limits, or damaged.
    std::optional<QByteArray> read(const QString& name, QString* why);

    // The names of the archive's entries (at most max_entries).
    std::vector<QString> names() const;

    // True for names an archive may hold for a set: relative, no "..", no "\".
    static bool safe_entry_name(const QString& name);

private:
    zip* archive_ = nullptr;
    ZipLimits limits_;
    qint64 total_read_ = 0;
    QString error_;
};

// Collects the entries of an archive and writes it whole.
class ZipWriter {
public:
    void add(const QString& name, const QByteArray& bytes);
    // Writes the archive to path (a temporary file renamed over it). Empty on success,
    // else the reason.
    QString write(const QString& path) const;

private:
    std::vector<std::pair<QString, QByteArray>> entries_;
};

}  // namespace orvel::obf
