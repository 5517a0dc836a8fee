#include "Pictures.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QWidget>

namespace velko {

namespace {

// A partner copied or unpacked together with its picture may be a little
// older than it; a picture replaced later is not.
constexpr int kCopySlackSeconds = 10;

// The whole file, read once: its size and its pixels both come from these bytes.
QByteArray readWhole(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QSize sizeOf(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    return QImageReader(&buffer).size();
}

// Whether the partner at `densePath` (`dense` its bytes) was made for the
// picture at `path` (`plain` its bytes).
bool belongs(const QString& path, const QByteArray& plain, const QString& densePath, const QByteArray& dense, int scale)
{
    const QSize plainSize = sizeOf(plain);
    if (!plainSize.isValid() || sizeOf(dense) != plainSize * scale)
        return false;
    // Built-in pictures come together and have no times.
    const QDateTime plainTime = QFileInfo(path).lastModified();
    const QDateTime denseTime = QFileInfo(densePath).lastModified();
    return !plainTime.isValid() || !denseTime.isValid() || denseTime.addSecs(kCopySlackSeconds) >= plainTime;
}

}   // namespace

int pictureScale()
{
    // The desktop's highest ratio: a window moved to the denser screen stays crisp.
    return qGuiApp && qGuiApp->devicePixelRatio() > 1.0 ? 2 : 1;
}

int pictureScale(const QWidget& widget)
{
    return widget.devicePixelRatioF() > 1.0 ? 2 : 1;
}

QString scaledPicturePath(const QString& path, int scale)
{
    if (scale == 1)
        return path;
    const QString tag = QStringLiteral("@%1x").arg(scale);
    // The suffix belongs to the file name, never to a folder above it.
    const qsizetype nameStart = path.lastIndexOf(QLatin1Char('/')) + 1;
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot <= nameStart)
        return path + tag;
    return path.left(dot) + tag + path.mid(dot);
}

QImage loadPicture(const QString& path, int scale)
{
    return loadPicture(path, QByteArray(), scale);
}

QImage loadPicture(const QString& path, const QByteArray& bytes, int scale)
{
    if (scale <= 1)
        return bytes.isEmpty() ? QImage(path) : QImage::fromData(bytes);
    // Each file is opened once, for its size and its pixels alike.
    const QByteArray plainBytes = bytes.isEmpty() ? readWhole(path) : bytes;
    const QString densePath = scaledPicturePath(path, scale);
    if (const QByteArray denseBytes = readWhole(densePath); belongs(path, plainBytes, densePath, denseBytes, scale)) {
        QImage dense = QImage::fromData(denseBytes);
        if (!dense.isNull()) {
            dense.setDevicePixelRatio(scale);
            return dense;
        }
    }
    const QImage plain = QImage::fromData(plainBytes);
    if (plain.isNull())
        return plain;
    QImage scaled = plain.scaled(plain.size() * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(scale);
    return scaled;
}

QPixmap loadPixmap(const QString& path, int scale)
{
    const QImage picture = loadPicture(path, scale);
    return picture.isNull() ? QPixmap() : QPixmap::fromImage(picture);
}

QIcon programIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/velko-lines-48.png"), QSize(48, 48));
    icon.addFile(QStringLiteral(":/icons/velko-lines-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/velko-lines-48@2x.png"), QSize(96, 96));
    icon.addFile(QStringLiteral(":/icons/velko-lines-32@2x.png"), QSize(64, 64));
    return icon;
}

}   // namespace velko
