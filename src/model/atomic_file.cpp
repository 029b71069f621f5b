#include "model/atomic_file.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace orvel {

namespace {

int error_number_for_errno(int code)
{
    switch (code) {
    case ENOSPC:
    case EDQUOT: return file_error::kDiskFull;
    case EACCES:
    case EPERM:
    case EROFS: return file_error::kPermissionDenied;
    case ENOENT:
    case ENOTDIR: return file_error::kPathNotFound;
    case EIO: return file_error::kDeviceIo;
    default: return file_error::kPathFileAccess;
    }
}

WriteResult failure(int code)
{
    WriteResult r;
    r.ok = false;
    r.error_number = error_number_for_errno(code);
    r.error_text = QString::fromLocal8Bit(std::strerror(code));
    return r;
}

// The file a chain of symbolic links finally names (the name itself when it is no link).
// A link's relative target resolves against the link's folder. A loop, or more links
// than the system itself follows, ends the walk at the last name reached.
QByteArray final_link_target(QByteArray name)
{
    constexpr int kMaxLinks = 40;
    for (int i = 0; i < kMaxLinks; ++i) {
        char target[PATH_MAX];
        const ssize_t n = ::readlink(name.constData(), target, sizeof target - 1);
        if (n < 0)
            break;
        const QByteArray next(target, n);
        if (next.startsWith('/'))
            name = next;
        else
            name = name.left(name.lastIndexOf('/') + 1) + next;
    }
    return name;
}

// Removes ".NAME.PID.XXXXXX" files left by saves of the same file whose process has
// ended (killed while writing): each may hold a whole board.
void remove_stale_temporaries(const QByteArray& folder, const QByteArray& prefix)
{
    DIR* dir = ::opendir(folder.constData());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (!name.startsWith(prefix))
            continue;
        const QList<QByteArray> rest = name.mid(prefix.size()).split('.');
        bool is_number = false;
        const long pid = rest.size() == 2 && rest[1].size() == 6 ? rest[0].toLong(&is_number) : 0;
        if (!is_number || pid <= 0 || pid == ::getpid())
            continue;
        if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH)
            continue;  // that save may still be running
        const QByteArray full = folder + "/" + name;
        struct stat st {};
        if (::lstat(full.constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::getuid())
            ::unlink(full.constData());
    }
    ::closedir(dir);
}

}  // namespace

AtomicFile::AtomicFile(const QString& path)
{
    if (path.isEmpty() || path.contains(QChar(0))) {
        error_ = ENOENT;
        return;
    }
    // Write through symbolic links to the file they finally name, as an editor would.
    target_name_ = final_link_target(QFile::encodeName(QFileInfo(path).absoluteFilePath()));
    existed_ = ::stat(target_name_.constData(), &old_stat_) == 0;
    if (existed_ && S_ISDIR(old_stat_.st_mode)) {
        error_ = EISDIR;
        return;
    }
    const qsizetype slash = target_name_.lastIndexOf('/');
    folder_ = slash <= 0 ? QByteArray("/") : target_name_.left(slash);
    // ".NAME.PID.XXXXXX": the process id tells a save in progress from a killed one.
    const QByteArray temp_prefix = "." + target_name_.mid(slash + 1) + ".";
    remove_stale_temporaries(folder_, temp_prefix);
    temp_name_ = folder_ + "/" + temp_prefix + QByteArray::number(::getpid()) + ".XXXXXX";
    fd_ = ::mkstemp(temp_name_.data());
    if (fd_ < 0)
        error_ = errno;
}

AtomicFile::~AtomicFile()
{
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(temp_name_.constData());
    }
}

void AtomicFile::put(const char* data, qsizetype size)
{
    while (error_ == 0 && size > 0) {
        const ssize_t n = ::write(fd_, data, static_cast<size_t>(size));
        if (n < 0) {
            if (errno != EINTR)
                error_ = errno;
            continue;
        }
        data += n;
        size -= n;
    }
}

WriteResult AtomicFile::commit()
{
    if (error_ == 0) {
        mode_t mode = 0;
        if (existed_) {
            mode = old_stat_.st_mode & 07777;
        }
        else {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            mode = 0666 & ~mask;
        }
        if (::fchmod(fd_, mode) != 0 || ::fsync(fd_) != 0)
            error_ = errno;
    }
    if (fd_ >= 0) {
        if (::close(fd_) != 0 && error_ == 0)
            error_ = errno;
        fd_ = -1;
        if (error_ == 0 && ::rename(temp_name_.constData(), target_name_.constData()) != 0)
            error_ = errno;
        if (error_ != 0)
            ::unlink(temp_name_.constData());
    }
    if (error_ != 0)
        return failure(error_);
    // Make the rename itself durable.
    const int dir_fd = ::open(folder_.constData(), O_RDONLY | O_DIRECTORY);
    if (dir_fd >= 0) {
        ::fsync(dir_fd);
        ::close(dir_fd);
    }
    WriteResult r;
    r.ok = true;
    return r;
}

WriteResult write_file_atomically(const QString& path, const QByteArray& bytes)
{
    AtomicFile file(path);
    file.put(bytes.constData(), bytes.size());
    return file.commit();
}

}  // namespace orvel
