#pragma once
// Shared by the picture tests: the one check of the 16-bit bitmap form that
// both the cell files and the encoder must keep.

#include <QByteArray>
#include <gtest/gtest.h>

#include <vector>

namespace velko::test {

inline quint32 le(const QByteArray& bytes, int at, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes.at(at + i));
    return value;
}

// A Windows bitmap with a 40-byte information header, 16 bits per pixel
// (5-5-5, top bit clear), rows bottom-up and padded to four bytes.
inline void expectBmp555(const QByteArray& bytes, int width, int height)
{
    const int rowBytes = (width * 2 + 3) / 4 * 4;
    ASSERT_EQ(bytes.size(), 14 + 40 + rowBytes * height);
    EXPECT_TRUE(bytes.startsWith("BM"));
    // File size, pixel start, information header size, width, height (positive:
    // bottom-up rows), planes, bits per pixel, compression (none: 5-5-5).
    const std::vector<quint32> header{le(bytes, 2, 4),  le(bytes, 10, 4), le(bytes, 14, 4), le(bytes, 18, 4),
                                      le(bytes, 22, 4), le(bytes, 26, 2), le(bytes, 28, 2), le(bytes, 30, 4)};
    EXPECT_EQ(header, (std::vector<quint32>{quint32(bytes.size()), 54, 40, quint32(width), quint32(height), 1, 16, 0}));
    int setTopBits = 0;
    for (int i = 0; i < width * height; ++i)
        setTopBits += (le(bytes, 54 + i / width * rowBytes + i % width * 2, 2) & 0x8000) != 0;
    EXPECT_EQ(setTopBits, 0);
}

}   // namespace velko::test
