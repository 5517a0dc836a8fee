#include "AtomicFile.h"

#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velko {

int FileLayer::open(const char* path, int flags, mode_t mode)
{
    return ::open(path, flags, mode);
}
ssize_t FileLayer::read(int fd, void* buffer, size_t size)
{
    return ::read(fd, buffer, size);
}
ssize_t FileLayer::write(int fd, const void* buffer, size_t size)
{
    return ::write(fd, buffer, size);
}
int FileLayer::fstat(int fd, struct stat* info)
{
    return ::fstat(fd, info);
}
int FileLayer::fdatasync(int fd)
{
    return ::fdatasync(fd);
}
int FileLayer::fsync(int fd)
{
    return ::fsync(fd);
}
int FileLayer::close(int fd)
{
    return ::close(fd);
}
int FileLayer::rename(const char* from, const char* to)
{
    return ::rename(from, to);
}
int FileLayer::unlink(const char* path)
{
    return ::unlink(path);
}
int FileLayer::flock(int fd, int operation)
{
    return ::flock(fd, operation);
}

FileLayer& systemFiles()
{
    static FileLayer layer;
    return layer;
}

namespace {

QString failure(const char* step)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(step), QString::fromLocal8Bit(std::strerror(errno)));
}

// Retries a call that a signal interrupted.
template <typename Call>
auto retried(Call call)
{
    for (;;) {
        const auto result = call();
        if (result >= 0 || errno != EINTR)
            return result;
    }
}

QByteArray temporaryName(const QByteArray& name)
{
    static std::atomic<unsigned> counter{0};
    return kTemporaryPrefix + name + '.' + QByteArray::number(::getpid()) + '.' + QByteArray::number(counter++);
}

}   // namespace

FileRead readPlayerFile(FileLayer& files, const QByteArray& path, qint64 limit)
{
    FileRead result;
    const int fd =
        retried([&] { return files.open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0); });
    if (fd < 0) {
        if (errno == ENOENT)
            return result;
        result.outcome = FileRead::Unreadable;
        result.reason = failure("cannot be opened");
        return result;
    }
    struct stat info {};
    if (files.fstat(fd, &info) != 0) {
        result.outcome = FileRead::Unreadable;
        result.reason = failure("cannot be examined");
    } else if (!S_ISREG(info.st_mode)) {
        result.outcome = FileRead::Unreadable;
        result.reason = QStringLiteral("it is not an ordinary file");
    } else {
        result.outcome = FileRead::Read;
        result.size = info.st_size;
        result.bytes.resize(static_cast<qsizetype>(std::min<qint64>(limit, info.st_size)));
        qsizetype done = 0;
        while (done < result.bytes.size()) {
            const ssize_t got = retried([&] {
                return files.read(fd, result.bytes.data() + done, static_cast<size_t>(result.bytes.size() - done));
            });
            if (got < 0) {
                result.outcome = FileRead::Unreadable;
                result.reason = failure("cannot be read");
                break;
            }
            if (got == 0)
                break;   // it shrank while being read
            done += got;
        }
        result.bytes.truncate(done);
    }
    files.close(fd);
    if (result.outcome != FileRead::Read)
        result.bytes.clear();
    return result;
}

QString replacePlayerFile(FileLayer& files, const QByteArray& folder, const QByteArray& name, const QByteArray& bytes)
{
    const QByteArray target = folder + '/' + name;
    const QByteArray temporary = folder + '/' + temporaryName(name);
    const int fd =
        retried([&] { return files.open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666); });
    if (fd < 0)
        return failure("cannot be created");

    QString problem;
    qsizetype done = 0;
    while (problem.isEmpty() && done < bytes.size()) {
        const ssize_t wrote = retried(
            [&] { return files.write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done)); });
        if (wrote < 0)
            problem = failure("cannot be written");
        else if (wrote == 0) {
            errno = ENOSPC;
            problem = failure("cannot be written");
        } else
            done += wrote;
    }
    if (problem.isEmpty() && retried([&] { return files.fdatasync(fd); }) != 0)
        problem = failure("cannot be written to the disk");
    // A failed close can mean lost data (on a network file system): that is a failure too.
    if (files.close(fd) != 0 && problem.isEmpty())
        problem = failure("cannot be written to the disk");
    if (problem.isEmpty() && files.rename(temporary.constData(), target.constData()) != 0)
        problem = failure("cannot be replaced");
    if (!problem.isEmpty()) {
        files.unlink(temporary.constData());
        return problem;
    }

    // The new name must reach the disk as well, or a power cut could bring the old file back.
    const int folderFd = retried([&] { return files.open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0); });
    if (folderFd < 0)
        return failure("was replaced, but its folder cannot be synced");
    if (retried([&] { return files.fsync(folderFd); }) != 0)
        problem = failure("was replaced, but its folder cannot be synced");
    files.close(folderFd);
    return problem;
}

FolderLock::FolderLock(FileLayer& files, const QByteArray& folder) : files_(files)
{
    if (folder.isEmpty())
        return;
    const QByteArray path = folder + '/' + kLockFileName;
    fd_ = retried([&] { return files_.open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666); });
    // Waits for the other copy of the game to finish its save; a save takes milliseconds.
    if (fd_ >= 0)
        retried([&] { return files_.flock(fd_, LOCK_EX); });
}

FolderLock::~FolderLock()
{
    if (fd_ >= 0)
        files_.close(fd_);   // closing lets go of the lock
}

void removeLeftoverTemporaries(FileLayer& files, const QByteArray& folder)
{
    DIR* dir = ::opendir(folder.constData());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        if (std::strncmp(entry->d_name, kTemporaryPrefix, sizeof kTemporaryPrefix - 1) == 0)
            files.unlink((folder + '/' + entry->d_name).constData());
    }
    ::closedir(dir);
}

bool replaceFileAtomically(const QString& path, const QByteArray& bytes)
{
    const QFileInfo info(path);
    return replacePlayerFile(systemFiles(), QFile::encodeName(info.absolutePath()), QFile::encodeName(info.fileName()),
                             bytes)
        .isEmpty();
}

}   // namespace velko
