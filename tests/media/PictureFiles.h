#pragma once
// Where the game's pictures live in the source tree, and small helpers for
// looking at their pixels.

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>

namespace velko::test {

QString resourcesDir();
QString mediasDir();
QByteArray readAll(const QString& path);

// The 42 cell names the board, the marker and the preview ask for.
QStringList cellNames();

// Average colour of a square of pixels around (x, y).
QColor averageAround(const QImage& image, int x, int y, int half);

// Little-endian fields of a file's bytes.
quint32 le32(const QByteArray& bytes, int at);
quint16 le16(const QByteArray& bytes, int at);

}  // namespace velko::test
