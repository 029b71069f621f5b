#include "model/board_files.h"

#include <QFile>
#include <QStringDecoder>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "model/cp1252.h"

namespace orvel {

namespace {

bool within_limit(const struct stat& st)
{
    return S_ISREG(st.st_mode) && st.st_size <= kMaxBoardFileBytes;
}

}  // namespace

bool is_readable_board_file(const QString& path)
{
    if (path.isEmpty() || path.contains(QChar(0)))
        return false;
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && within_limit(st);
}

std::optional<QByteArray> read_board_file(const QString& path)
{
    if (path.isEmpty() || path.contains(QChar(0)))
        return std::nullopt;
    // O_NONBLOCK: opening a pipe would otherwise wait for a writer.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    std::optional<QByteArray> result;
    if (::fstat(fd, &st) == 0 && within_limit(st)) {
        // The size may change while it is read: never more than the limit is taken.
        QByteArray bytes(static_cast<qsizetype>(st.st_size) + 1, Qt::Uninitialized);
        qsizetype got = 0;
        bool failed = false;
        while (got < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + got, static_cast<size_t>(bytes.size() - got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                failed = true;
            if (n <= 0)
                break;
            got += n;
        }
        if (!failed && got <= kMaxBoardFileBytes) {
            bytes.truncate(got);
            result = std::move(bytes);
        }
    }
    ::close(fd);
    return result;
}

QString decode_board_text(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? cp1252::decode(bytes) : text;
}

}  // namespace orvel
