// The encoders behind the pictures: what they write must read back in Qt
// as the picture that went in.

#include "BmpWriter.h"
#include "GifWriter.h"
#include "PictureFiles.h"

#include <QImage>
#include <cmath>
#include <random>

using namespace velko::pictures;

namespace {

// A picture of the given size drawn from a fixed set of `colours` colours.
QImage fewColours(QSize size, int colours, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<QRgb> set;
    for (int i = 0; i < colours; ++i) set.push_back(qRgb(int(random() % 256), int(random() % 256), int(random() % 256)));
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) image.setPixel(x, y, set[random() % set.size()]);
    return image;
}

QImage readBack(const QByteArray& bytes, const char* format) {
    return QImage::fromData(bytes, format).convertToFormat(QImage::Format_RGB32);
}

// Per channel: the mean signed, mean absolute and largest absolute difference of b from a.
struct Difference {
    double mean[3] = {}, meanAbsolute = 0;
    int largest = 0;
};

Difference compare(const QImage& a, const QImage& b) {
    Difference d;
    EXPECT_EQ(a.size(), b.size());
    if (a.size() != b.size()) return {{}, 255, 255};
    const double n = a.width() * a.height();
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int diff[3] = {qRed(q) - qRed(p), qGreen(q) - qGreen(p), qBlue(q) - qBlue(p)};
            for (int c = 0; c < 3; ++c) {
                d.mean[c] += diff[c] / n;
                d.meanAbsolute += std::abs(diff[c]) / (3 * n);
                d.largest = std::max(d.largest, std::abs(diff[c]));
            }
        }
    return d;
}

}  // namespace

TEST(GifEncoder, PicturesOfFewColoursAndLongRunsReadBackExactly) {
    // From one pixel to pictures long enough to fill the code table many times over ...
    std::vector<QImage> pictures;
    unsigned seed = 1;
    for (QSize size : {QSize(1, 1), QSize(3, 2), QSize(17, 13), QSize(64, 64), QSize(300, 200), QSize(640, 480)})
        for (int colours : {1, 2, 16, 256}) pictures.push_back(fewColours(size, colours, seed++));
    // ... and runs that grow the strings in the table to thousands of pixels.
    QImage runs(640, 480, QImage::Format_RGB32);
    runs.fill(qRgb(27, 42, 82));
    for (int x = 0; x < 640; x += 7) runs.setPixel(x, 240, qRgb(244, 197, 66));
    pictures.push_back(runs);
    for (const QImage& original : pictures)
        for (bool dither : {false, true}) {
            SCOPED_TRACE(QString("%1x%2, dither %3").arg(original.width()).arg(original.height()).arg(dither).toStdString());
            const QByteArray gif = encodeGif(original, dither);
            EXPECT_TRUE(gif.startsWith("GIF89a"));
            EXPECT_EQ(gif.back(), ';');
            EXPECT_EQ(readBack(gif, "GIF"), original);
        }
}

TEST(GifEncoder, GradientsKeepCloseIn256ColoursAndGiveTheSameBytesEachTime) {
    QImage original(320, 240, QImage::Format_RGB32);
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x) original.setPixel(x, y, qRgb(x * 255 / 319, y * 255 / 239, 255 - x * 255 / 319));
    for (bool dither : {false, true}) {
        SCOPED_TRACE(dither);
        const QByteArray gif = encodeGif(original, dither);
        EXPECT_EQ(gif, encodeGif(original, dither));
        EXPECT_LT(compare(original, readBack(gif, "GIF")).meanAbsolute, 8.0);
    }
}

TEST(BmpEncoder, KeepsEveryChannelToFiveBitsInTheGameForm) {
    for (int width : {1, 2, 3, 45}) {
        SCOPED_TRACE(width);
        const QImage original = fewColours({width, 5}, 8, unsigned(width));
        const QByteArray bmp = encodeBmp555(original, false);
        velko::test::expectBmp555(bmp, width, 5);
        // Within one 5-bit step of every pixel, so the rows are stored in the order the header says.
        EXPECT_LE(compare(original, readBack(bmp, "BMP")).largest, 7);
    }
    // A flat colour between two 5-bit steps averages out to itself when dithered.
    QImage flat(16, 16, QImage::Format_RGB32);
    flat.fill(qRgb(100, 150, 200));
    const Difference dithered = compare(flat, readBack(encodeBmp555(flat, true), "BMP"));
    for (double channel : dithered.mean) EXPECT_NEAR(channel, 0.0, 1.5);
}
