#pragma once
// Reading and replacing a player's files so that nothing is ever lost: a file
// is read without blocking and only when it is a regular file, and it is
// replaced through a checked, synced temporary file in the same folder, so a
// failure or a kill at any point leaves either the old file or the new one.
// Paths are byte strings, exactly as the environment gives them.

#include <QByteArray>
#include <QString>

#include <sys/types.h>

struct stat;

namespace velko {

// The system calls used on a player's files. The game uses the system's own;
// tests put a layer in its place that makes any call fail.
class FileLayer {
public:
    virtual ~FileLayer() = default;
    virtual int open(const char* path, int flags, mode_t mode);
    virtual ssize_t read(int fd, void* buffer, size_t size);
    virtual ssize_t write(int fd, const void* buffer, size_t size);
    virtual int fstat(int fd, struct stat* info);
    virtual int fdatasync(int fd);
    virtual int fsync(int fd);
    virtual int close(int fd);
    virtual int rename(const char* from, const char* to);
    virtual int unlink(const char* path);
    virtual int flock(int fd, int operation);
};
FileLayer& systemFiles();

// Every temporary file of a save is named ".velko-new." + the file's name + a
// unique ending; a start-up removes what a killed save left behind.
inline constexpr char kTemporaryPrefix[] = ".velko-new.";
// The lock file every save and start-up holds in the data folder.
inline constexpr char kLockFileName[] = ".velko-lines.lock";

struct FileRead {
    enum Outcome { Missing, Read, Unreadable } outcome = Missing;
    QByteArray bytes;   // at most `limit` bytes of a regular file
    qint64 size = 0;    // the whole file's size
    QString reason;     // why an existing file could not be read
};
// Opens without blocking (a FIFO or device never stalls the game) and reads
// only a regular file.
FileRead readPlayerFile(FileLayer& files, const QByteArray& path, qint64 limit);

// Replaces `folder`/`name` with `bytes`. Returns an empty string on success,
// else the reason; the old file then stays and no temporary file is left.
QString replacePlayerFile(FileLayer& files, const QByteArray& folder, const QByteArray& name, const QByteArray& bytes);

// Holds the data folder's advisory lock while it lives (an empty folder holds nothing).
class FolderLock {
public:
    FolderLock(FileLayer& files, const QByteArray& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    FileLayer& files_;
    int fd_ = -1;
};

// Removes the temporary files of earlier saves that were killed half-way.
void removeLeftoverTemporaries(FileLayer& files, const QByteArray& folder);

// The path form: replacePlayerFile() for a path given as text.
bool replaceFileAtomically(const QString& path, const QByteArray& bytes);

}   // namespace velko
