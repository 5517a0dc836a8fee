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
QImage fewColours(QSize size, int colours, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<QRgb> set;
    for (int i = 0; i < colours; ++i)
        set.push_back(qRgb(int(random() % 256), int(random() % 256), int(random() % 256)));
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, set[random() % set.size()]);
    return image;
}

QImage readBack(const QByteArray& bytes, const char* format)
{
    return QImage::fromData(bytes, format).convertToFormat(QImage::Format_RGB32);
}

// The differences of b from a: red, green and blue of each pixel in turn.
std::vector<int> differences(const QImage& a, const QImage& b)
{
    std::vector<int> d;
    EXPECT_EQ(a.size(), b.size());
    for (int y = 0; y < a.height() && a.size() == b.size(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            d.insert(d.end(), {qRed(q) - qRed(p), qGreen(q) - qGreen(p), qBlue(q) - qBlue(p)});
        }
    return d;
}

}   // namespace

TEST(GifEncoder, PicturesOfFewColoursAndLongRunsReadBackExactly)
{
    // From one pixel to pictures long enough to fill the code table many times over ...
    std::vector<QImage> pictures;
    unsigned seed = 1;
    for (QSize size : {QSize(1, 1), QSize(3, 2), QSize(17, 13), QSize(64, 64), QSize(300, 200), QSize(640, 480)})
        for (int colours : {1, 2, 16, 256})
            pictures.push_back(fewColours(size, colours, seed++));
    // ... and runs that grow the strings in the table to thousands of pixels.
    QImage runs(640, 480, QImage::Format_RGB32);
    runs.fill(qRgb(27, 42, 82));
    for (int x = 0; x < 640; x += 7)
        runs.setPixel(x, 240, qRgb(244, 197, 66));
    pictures.push_back(runs);
    for (const QImage& original : pictures)
        for (bool dither : {false, true}) {
            SCOPED_TRACE(
                QString("%1x%2, dither %3").arg(original.width()).arg(original.height()).arg(dither).toStdString());
            const QByteArray gif = encodeGif(original, dither);
            EXPECT_TRUE(gif.startsWith("GIF89a"));
            EXPECT_EQ(gif.back(), ';');
            EXPECT_EQ(readBack(gif, "GIF"), original);
        }
}

TEST(GifEncoder, GradientsKeepCloseIn256ColoursAndGiveTheSameBytesEachTime)
{
    QImage original(320, 240, QImage::Format_RGB32);
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x)
            original.setPixel(x, y, qRgb(x * 255 / 319, y * 255 / 239, 255 - x * 255 / 319));
    for (bool dither : {false, true}) {
        SCOPED_TRACE(dither);
        const QByteArray gif = encodeGif(original, dither);
        EXPECT_EQ(gif, encodeGif(original, dither));
        double sum = 0;
        for (const int d : differences(original, readBack(gif, "GIF")))
            sum += std::abs(d);
        EXPECT_LT(sum / (320 * 240 * 3), 8.0);
    }
}

TEST(BmpEncoder, KeepsEveryChannelToFiveBitsInTheGameForm)
{
    for (int width : {1, 2, 3, 45}) {
        SCOPED_TRACE(width);
        const QImage original = fewColours({width, 5}, 8, unsigned(width));
        const QByteArray bmp = encodeBmp555(original, false);
        velko::test::expectBmp555(bmp, width, 5);
        // Within one 5-bit step of every pixel, so the rows are stored in the order the header says.
        for (const int d : differences(original, readBack(bmp, "BMP")))
            EXPECT_LE(std::abs(d), 7);
    }
    // A flat colour between two 5-bit steps averages out to itself when dithered.
    QImage flat(16, 16, QImage::Format_RGB32);
    flat.fill(qRgb(100, 150, 200));
    const std::vector<int> dithered = differences(flat, readBack(encodeBmp555(flat, true), "BMP"));
    for (int channel = 0; channel < 3; ++channel) {
        double sum = 0;
        for (std::size_t i = channel; i < dithered.size(); i += 3)
            sum += dithered[i];
        EXPECT_NEAR(sum / (16 * 16), 0.0, 1.5) << channel;
    }
}
