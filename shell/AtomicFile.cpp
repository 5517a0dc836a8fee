#include "AtomicFile.h"

#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <unistd.h>

namespace velko {

namespace {

// Makes the rename itself survive a power cut: the folder's entry is synced too.
void syncFolder(const QString& path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

bool replaceFileAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    // Never fall back to writing over the old file in place.
    file.setDirectWriteFallback(false);
    // Unbuffered, so that a failed write (a full disk) is seen here. A buffered
    // save file flushes its last bytes inside commit() and misses such a
    // failure, putting a cut-off file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;   // the temporary file goes with `file`
    }
    if (!file.commit())
        return false;
    syncFolder(path);
    return true;
}

} // namespace velko
