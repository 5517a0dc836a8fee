#pragma once
// Reading and replacing a player's files so that nothing is ever lost: a file
// is read without blocking and only when it is a regular file, and it is
// replaced through a checked, synced temporary file in the same folder, so a
// failure or a kill at any point leaves either the old file or the new one.
// A file that is a symbolic link stays one: the file it names is replaced, in
// its own folder. A replaced file keeps its permissions (and its owner and
// group where the game may set them); one without its owner's write permission
// is left as it is.
// Paths are byte strings, exactly as the environment gives them.

#include <QByteArray>
#include <QList>
#include <QString>

#include "Outcome.h"

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
    virtual int lstat(const char* path, struct stat* info);
    virtual ssize_t readlink(const char* path, char* buffer, size_t size);
    virtual int fchmod(int fd, mode_t mode);
    virtual int fchown(int fd, uid_t owner, gid_t group);
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
    mode_t mode = 0;    // its type and permissions
    QString reason;     // why an existing file could not be read
};
// Opens without blocking (a FIFO or device never stalls the game) and reads
// only a regular file.
FileRead readPlayerFile(FileLayer& files, const QByteArray& path, qint64 limit);

// Replaces `folder`/`name` (or the file its links lead to, created when they
// lead nowhere) with `bytes`. On a failure, whose reason completes a sentence
// naming the file, the old file stays and no temporary file is left. A file its
// owner made read-only is not replaced: the reason says so and `readOnly`, when
// given, is set.
Outcome replacePlayerFile(FileLayer& files, const QByteArray& folder, const QByteArray& name, const QByteArray& bytes,
                          bool* readOnly = nullptr);
// Whether a file of this mode is one its owner has made read-only.
bool isReadOnly(mode_t mode);

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

// Removes the temporary files of earlier saves that were killed half-way: in
// `folder`, and beside the file each of `names` there leads to when it is a
// symbolic link into another folder (only that file's own temporaries there).
void removeLeftoverTemporaries(FileLayer& files, const QByteArray& folder, const QList<QByteArray>& names);

// The path form: replacePlayerFile() for a path given as text.
bool replaceFileAtomically(const QString& path, const QByteArray& bytes);

}   // namespace velko
