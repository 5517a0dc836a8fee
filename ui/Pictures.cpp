#include "Pictures.h"

#include <QFileInfo>
#include <QGuiApplication>

namespace velko {

int pictureScale()
{
    // The desktop's highest ratio: a window moved to the denser screen stays crisp.
    return qGuiApp && qGuiApp->devicePixelRatio() > 1.0 ? 2 : 1;
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
    if (scale > 1) {
        QImage dense(scaledPicturePath(path, scale));
        if (!dense.isNull()) {
            dense.setDevicePixelRatio(scale);
            return dense;
        }
    }
    return QImage(path);
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
