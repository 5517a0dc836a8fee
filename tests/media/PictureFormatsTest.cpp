// The encoders behind the pictures: what they write must read back in Qt
// as the picture that went in.

#include "BmpWriter.h"
#include "GifWriter.h"

#include <QImage>
#include <gtest/gtest.h>
#include <cmath>
#include <random>

using namespace velko::pictures;

namespace {

// A picture of w × h pixels drawn from a fixed set of `colours` colours.
QImage fewColours(int w, int h, int colours, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<QRgb> set;
    for (int i = 0; i < colours; ++i) set.push_back(qRgb(int(random() % 256), int(random() % 256), int(random() % 256)));
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image.setPixel(x, y, set[random() % set.size()]);
    return image;
}

QImage gradient(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x * 255 / (w - 1), y * 255 / (h - 1), 255 - x * 255 / (w - 1)));
    return image;
}

QImage readBack(const QByteArray& bytes, const char* format) {
    return QImage::fromData(bytes, format).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

TEST(GifEncoder, PicturesOfFewColoursReadBackExactly) {
    // From one pixel to pictures long enough to fill the code table many times over.
    const QSize sizes[] = {{1, 1}, {3, 2}, {17, 13}, {64, 64}, {300, 200}, {640, 480}};
    unsigned seed = 1;
    for (const QSize& size : sizes) {
        for (int colours : {1, 2, 16, 256}) {
            SCOPED_TRACE(QString("%1x%2, %3 colours").arg(size.width()).arg(size.height()).arg(colours).toStdString());
            const QImage original = fewColours(size.width(), size.height(), colours, seed++);
            const QByteArray gif = encodeGif(original, true);
            EXPECT_TRUE(gif.startsWith("GIF89a"));
            EXPECT_EQ(gif.back(), ';');
            const QImage decoded = readBack(gif, "GIF");
            ASSERT_FALSE(decoded.isNull());
            EXPECT_EQ(decoded, original);
        }
    }
}

TEST(GifEncoder, LongRunsOfOneColourReadBackExactly) {
    // Runs grow the strings in the table to thousands of pixels.
    QImage image(640, 480, QImage::Format_RGB32);
    image.fill(qRgb(27, 42, 82));
    for (int x = 0; x < 640; x += 7) image.setPixel(x, 240, qRgb(244, 197, 66));
    EXPECT_EQ(readBack(encodeGif(image, false), "GIF"), image);
}

TEST(GifEncoder, GradientsKeepCloseToTheOriginalWith256Colours) {
    const QImage original = gradient(320, 240);
    for (bool dither : {false, true}) {
        SCOPED_TRACE(dither);
        const QImage decoded = readBack(encodeGif(original, dither), "GIF");
        ASSERT_EQ(decoded.size(), original.size());
        double error = 0;
        for (int y = 0; y < original.height(); ++y)
            for (int x = 0; x < original.width(); ++x) {
                const QRgb a = original.pixel(x, y), b = decoded.pixel(x, y);
                error += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                         std::abs(qBlue(a) - qBlue(b));
            }
        EXPECT_LT(error / (3.0 * original.width() * original.height()), 8.0);
        EXPECT_LE(decoded.convertToFormat(QImage::Format_Indexed8).colorCount(), 256);
    }
}

TEST(GifEncoder, TheSamePictureGivesTheSameBytes) {
    const QImage original = gradient(200, 150);
    EXPECT_EQ(encodeGif(original, true), encodeGif(original, true));
}

TEST(BmpEncoder, WritesSixteenBitRowsPaddedToFourBytes) {
    for (int width : {1, 2, 3, 45}) {
        SCOPED_TRACE(width);
        const QImage original = fewColours(width, 5, 8, unsigned(width));
        const QByteArray bmp = encodeBmp555(original, false);
        const int rowBytes = (width * 2 + 3) / 4 * 4;
        EXPECT_EQ(bmp.size(), 14 + 40 + rowBytes * 5);
        EXPECT_TRUE(bmp.startsWith("BM"));
        const QImage decoded = readBack(bmp, "BMP");
        ASSERT_EQ(decoded.size(), original.size());
        // Five bits a channel: every channel within one step of 8.
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < width; ++x) {
                const QRgb a = original.pixel(x, y), b = decoded.pixel(x, y);
                EXPECT_LE(std::abs(qRed(a) - qRed(b)), 7);
                EXPECT_LE(std::abs(qGreen(a) - qGreen(b)), 7);
                EXPECT_LE(std::abs(qBlue(a) - qBlue(b)), 7);
            }
    }
}

TEST(BmpEncoder, StoresTheBottomRowFirst) {
    QImage image(4, 2, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 0));
    for (int x = 0; x < 4; ++x) image.setPixel(x, 1, qRgb(255, 255, 255));
    const QByteArray bmp = encodeBmp555(image, false);
    // First stored pixel: bottom-left, white (all 15 bits set, top bit clear).
    EXPECT_EQ(quint8(bmp.at(54)), 0xFF);
    EXPECT_EQ(quint8(bmp.at(55)), 0x7F);
    EXPECT_EQ(quint8(bmp.at(54 + 8)), 0x00);
    const QImage decoded = readBack(bmp, "BMP");
    EXPECT_GE(qGray(decoded.pixel(0, 1)), 248);
    EXPECT_EQ(qGray(decoded.pixel(0, 0)), 0);
}

TEST(BmpEncoder, DitheringKeepsTheAverageColour) {
    // A flat colour between two 5-bit steps averages out to itself when dithered.
    QImage flat(16, 16, QImage::Format_RGB32);
    flat.fill(qRgb(100, 150, 200));
    const QImage decoded = readBack(encodeBmp555(flat, true), "BMP");
    double r = 0, g = 0, b = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            r += qRed(decoded.pixel(x, y));
            g += qGreen(decoded.pixel(x, y));
            b += qBlue(decoded.pixel(x, y));
        }
    EXPECT_NEAR(r / 256, 100, 1.5);
    EXPECT_NEAR(g / 256, 150, 1.5);
    EXPECT_NEAR(b / 256, 200, 1.5);
}
