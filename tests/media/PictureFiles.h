#pragma once
// Shared by the picture tests: the one check of the 16-bit bitmap form that
// both the cell files and the encoder must keep.

#include <QByteArray>
#include <QtEndian>
#include <gtest/gtest.h>

#include <vector>

namespace velko::test {

// A Windows bitmap with a 40-byte information header, 16 bits per pixel
// (5-5-5, top bit clear), rows bottom-up and padded to four bytes.
inline void expectBmp555(const QByteArray& bytes, int width, int height)
{
    const int rowBytes = (width * 2 + 3) / 4 * 4;
    ASSERT_EQ(bytes.size(), 14 + 40 + rowBytes * height);
    EXPECT_TRUE(bytes.startsWith("BM"));
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    const auto u16 = [&](int at) { return quint32(qFromLittleEndian<quint16>(bytes.constData() + at)); };
    // File size, pixel start, information header size, width, height (positive:
    // bottom-up rows), planes, bits per pixel, compression (none: 5-5-5).
    const std::vector<quint32> header{u32(2), u32(10), u32(14), u32(18), u32(22), u16(26), u16(28), u32(30)};
    EXPECT_EQ(header, (std::vector<quint32>{quint32(bytes.size()), 54, 40, quint32(width), quint32(height), 1, 16, 0}));
    int setTopBits = 0;
    for (int i = 0; i < width * height; ++i)
        setTopBits += (u16(54 + i / width * rowBytes + i % width * 2) & 0x8000) != 0;
    EXPECT_EQ(setTopBits, 0);
}

}   // namespace velko::test
