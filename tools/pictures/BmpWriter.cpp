#include "BmpWriter.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace velko::pictures {

namespace {

void putLE16(QByteArray& out, quint16 value)
{
    out.append(char(value & 0xFF));
    out.append(char(value >> 8));
}

void putLE32(QByteArray& out, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

// Readers widen a 5-bit level back to 8 bits by multiplying by 8, so a level
// stands for value / 8.
int toFiveBits(int value, double threshold)
{
    const double level = value / 8.0 + threshold;
    return std::clamp(int(std::floor(level + 0.5)), 0, 31);
}

}   // namespace

QByteArray encodeBmp555(const QImage& image, bool dither)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int height = rgb.height();
    const int rowBytes = (width * 2 + 3) / 4 * 4;
    const quint32 pixelBytes = quint32(rowBytes * height);
    const quint32 offset = 14 + 40;

    QByteArray out;
    out.reserve(int(offset + pixelBytes));
    // File header.
    out.append("BM", 2);
    putLE32(out, offset + pixelBytes);
    putLE16(out, 0);
    putLE16(out, 0);
    putLE32(out, offset);
    // Information header.
    putLE32(out, 40);
    putLE32(out, quint32(width));
    putLE32(out, quint32(height));   // positive: rows run bottom-up
    putLE16(out, 1);                 // planes
    putLE16(out, 16);                // bits per pixel
    putLE32(out, 0);                 // BI_RGB: 5-5-5
    putLE32(out, pixelBytes);
    putLE32(out, 2835);   // 72 dots per inch
    putLE32(out, 2835);
    putLE32(out, 0);
    putLE32(out, 0);

    for (int y = height - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const double threshold = dither ? (kBayer[y % 4][x % 4] + 0.5) / 16.0 - 0.5 : 0.0;
            const int r = toFiveBits(qRed(line[x]), threshold);
            const int g = toFiveBits(qGreen(line[x]), threshold);
            const int b = toFiveBits(qBlue(line[x]), threshold);
            putLE16(out, quint16((r << 10) | (g << 5) | b));
        }
        for (int pad = width * 2; pad < rowBytes; ++pad)
            out.append('\0');
    }
    return out;
}

}   // namespace velko::pictures
