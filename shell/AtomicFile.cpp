#include "AtomicFile.h"

#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <climits>
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

int FileLayer::lstat(const char* path, struct stat* info)
{
    return ::lstat(path, info);
}
ssize_t FileLayer::readlink(const char* path, char* buffer, size_t size)
{
    return ::readlink(path, buffer, size);
}
int FileLayer::fchmod(int fd, mode_t mode)
{
    return ::fchmod(fd, mode);
}
int FileLayer::fchown(int fd, uid_t owner, gid_t group)
{
    return ::fchown(fd, owner, group);
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
Outcome failed(const char* step)
{
    return Outcome::failure(failure(step));
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

constexpr int kMostLinks = 40;   // as many as the system itself follows in a path

QByteArray folderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

// The file `path` leads to, through symbolic links (relative ones from the
// link's own folder): `path` becomes its path and `info` its details, or
// `exists` is false when nothing is there yet.
Outcome followLinks(FileLayer& files, QByteArray& path, struct stat& info, bool& exists)
{
    for (int links = 0;; ++links) {
        if (files.lstat(path.constData(), &info) != 0) {
            if (errno != ENOENT)
                return failed("cannot be examined");
            exists = false;
            return {};
        }
        if (!S_ISLNK(info.st_mode)) {
            exists = true;
            return {};
        }
        if (links == kMostLinks) {
            errno = ELOOP;
            return failed("cannot be followed");
        }
        QByteArray link(PATH_MAX, Qt::Uninitialized);
        const ssize_t length = files.readlink(path.constData(), link.data(), static_cast<size_t>(link.size()));
        if (length < 0)
            return failed("cannot be followed");
        if (length == 0 || length >= link.size()) {
            errno = length == 0 ? ENOENT : ENAMETOOLONG;
            return failed("cannot be followed");
        }
        link.truncate(length);
        path = link.startsWith('/') ? link : folderOf(path) + '/' + link;
    }
}

// Gives the new file the old one's owner and group, as far as the game may
// (only the superuser may give a file away; a member of the group may set it).
void keepOwner(FileLayer& files, int fd, const struct stat& old)
{
    if (old.st_uid == ::geteuid() && old.st_gid == ::getegid())
        return;
    if (files.fchown(fd, old.st_uid, old.st_gid) != 0)
        files.fchown(fd, static_cast<uid_t>(-1), old.st_gid);
}

}   // namespace

bool isReadOnly(mode_t mode)
{
    return (mode & S_IWUSR) == 0;
}

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
        result.mode = info.st_mode;
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

Outcome replacePlayerFile(FileLayer& files, const QByteArray& folder, const QByteArray& name, const QByteArray& bytes,
                          bool* readOnly)
{
    QByteArray target = folder + '/' + name;
    struct stat old {};
    bool exists = false;
    if (Outcome followed = followLinks(files, target, old, exists); !followed.done())
        return followed;
    if (exists && !S_ISREG(old.st_mode))
        return Outcome::failure(QStringLiteral("is not an ordinary file, so it was left as it is"));
    if (exists && isReadOnly(old.st_mode)) {
        if (readOnly)
            *readOnly = true;
        return Outcome::failure(QStringLiteral("is read-only, so it was left as it is"));
    }
    // The temporary file lies beside the file it replaces: a rename never crosses file systems.
    const QByteArray targetFolder = folderOf(target);
    const QByteArray temporary = targetFolder + '/' + temporaryName(target.mid(target.lastIndexOf('/') + 1));
    const int fd =
        retried([&] { return files.open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666); });
    if (fd < 0)
        return failed("cannot be created");

    Outcome written;
    if (exists) {
        keepOwner(files, fd, old);
        if (files.fchmod(fd, old.st_mode & 07777) != 0)
            written = failed("cannot keep its permissions");
    }
    qsizetype done = 0;
    while (written.done() && done < bytes.size()) {
        const ssize_t wrote = retried(
            [&] { return files.write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done)); });
        if (wrote < 0)
            written = failed("cannot be written");
        else if (wrote == 0) {
            errno = ENOSPC;
            written = failed("cannot be written");
        } else
            done += wrote;
    }
    if (written.done() && retried([&] { return files.fdatasync(fd); }) != 0)
        written = failed("cannot be written to the disk");
    // A failed close can mean lost data (on a network file system): that is a failure too.
    if (files.close(fd) != 0 && written.done())
        written = failed("cannot be written to the disk");
    if (written.done() && files.rename(temporary.constData(), target.constData()) != 0)
        written = failed("cannot be replaced");
    if (!written.done()) {
        files.unlink(temporary.constData());
        return written;
    }

    // The new name must reach the disk as well, or a power cut could bring the old file back.
    const int folderFd =
        retried([&] { return files.open(targetFolder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0); });
    if (folderFd < 0)
        return failed("was replaced, but its folder cannot be synced");
    if (retried([&] { return files.fsync(folderFd); }) != 0)
        written = failed("was replaced, but its folder cannot be synced");
    files.close(folderFd);
    return written;
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

namespace {

void removeEntriesStarting(FileLayer& files, const QByteArray& folder, const QByteArray& start)
{
    DIR* dir = ::opendir(folder.constData());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        if (QByteArray::fromRawData(entry->d_name, qsizetype(std::strlen(entry->d_name))).startsWith(start))
            files.unlink((folder + '/' + entry->d_name).constData());
    }
    ::closedir(dir);
}

}   // namespace

void removeLeftoverTemporaries(FileLayer& files, const QByteArray& folder, const QList<QByteArray>& names)
{
    removeEntriesStarting(files, folder, kTemporaryPrefix);
    for (const QByteArray& name : names) {
        // A save through a link writes its temporary file beside the file the
        // link leads to. Finding it is a tidying-up that may fail unseen: the
        // save itself follows the link again and says what fails.
        QByteArray target = folder + '/' + name;
        struct stat info {};
        bool exists = false;
        if (!followLinks(systemFiles(), target, info, exists).done() || target == folder + '/' + name)
            continue;
        const QByteArray targetFolder = folderOf(target);
        if (targetFolder != folder)
            removeEntriesStarting(files, targetFolder,
                                  kTemporaryPrefix + target.mid(target.lastIndexOf('/') + 1) + '.');
    }
}

bool replaceFileAtomically(const QString& path, const QByteArray& bytes)
{
    const QFileInfo info(path);
    return replacePlayerFile(systemFiles(), QFile::encodeName(info.absolutePath()), QFile::encodeName(info.fileName()),
                             bytes)
        .done();
}

}   // namespace velko
