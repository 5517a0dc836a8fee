#include "PictureFiles.h"

#include <QFile>

namespace velko::test {

QString resourcesDir() { return QStringLiteral(VELKO_SOURCE_DIR "/resources"); }
QString mediasDir() { return QStringLiteral(VELKO_SOURCE_DIR "/medias"); }

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

QStringList cellNames() {
    QStringList names{"I0", "I00"};
    for (const char* family : {"I", "T", "A", "B", "C"})
        for (int value = 1; value <= 8; ++value) names << QString("%1%2").arg(family).arg(value);
    return names;
}

QColor averageAround(const QImage& image, int x, int y, int half) {
    long r = 0, g = 0, b = 0, n = 0;
    for (int yy = y - half; yy <= y + half; ++yy)
        for (int xx = x - half; xx <= x + half; ++xx) {
            if (!image.valid(xx, yy)) continue;
            const QRgb p = image.pixel(xx, yy);
            r += qRed(p);
            g += qGreen(p);
            b += qBlue(p);
            ++n;
        }
    if (n == 0) return {};
    return QColor(int(r / n), int(g / n), int(b / n));
}

quint32 le32(const QByteArray& bytes, int at) {
    quint32 value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | quint8(bytes.at(at + i));
    return value;
}

quint16 le16(const QByteArray& bytes, int at) {
    return quint16(quint8(bytes.at(at)) | (quint8(bytes.at(at + 1)) << 8));
}

}  // namespace velko::test
