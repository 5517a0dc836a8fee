// Every picture the windows and buttons load from the media folder: present,
// a real GIF, readable by Qt, made to its size, and made to fit where the
// program puts it.

#include "PictureFiles.h"

#include <QImage>
#include <QImageReader>
#include <gtest/gtest.h>
#include <cmath>

using namespace velko::test;

namespace {

struct Expected {
    QString name;
    QSize size;
};

struct Button {
    QString name;
    QSize size;
};

const Button kButtons[] = {
    {"newgame", {72, 32}}, {"phbt", {72, 32}},  {"web", {93, 32}},   {"help", {52, 30}},
    {"min", {8, 10}},      {"ex", {10, 10}},    {"ptms", {140, 45}}, {"tzms", {140, 40}},
    {"tcyx", {140, 40}},   {"cmdok", {43, 24}}, {"cmdyes", {23, 24}}, {"cmdno", {23, 24}},
};

QImage media(const QString& name) {
    return QImage(mediasDir() + "/" + name).convertToFormat(QImage::Format_RGB32);
}

int channelGap(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

double meanLightness(const QImage& image) {
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) sum += qGray(image.pixel(x, y));
    return sum / (image.width() * image.height());
}

// A button's corner pixel against the window picture under it.
void expectCornersBlendIn(const QString& window, const QString& button, QPoint at) {
    const QImage ground = media(window);
    const QImage face = media(button + "0.gif");
    ASSERT_FALSE(ground.isNull());
    ASSERT_FALSE(face.isNull());
    const QPoint corners[] = {{0, 0}, {face.width() - 1, 0}, {0, face.height() - 1}};
    for (const QPoint& c : corners)
        EXPECT_LE(channelGap(face.pixel(c), ground.pixel(at + c)), 24)
            << button.toStdString() << " corner " << c.x() << "," << c.y() << " on " << window.toStdString();
}

}  // namespace

TEST(MediaPictures, EveryWindowPictureIsAGifOfItsSize) {
    const Expected pictures[] = {
        {"game.gif", {640, 480}}, {"back.gif", {640, 480}}, {"cmd.gif", {405, 405}},
        {"gameover.gif", {405, 405}}, {"tit.gif", {16, 16}},
    };
    for (const Expected& picture : pictures) {
        SCOPED_TRACE(picture.name.toStdString());
        const QByteArray bytes = readAll(mediasDir() + "/" + picture.name);
        ASSERT_FALSE(bytes.isEmpty());
        EXPECT_TRUE(bytes.startsWith("GIF89a") || bytes.startsWith("GIF87a"));
        QImageReader reader(mediasDir() + "/" + picture.name);
        EXPECT_EQ(reader.format(), "gif");
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(image.size(), picture.size);
    }
}

TEST(MediaPictures, TheTitleStripIsWideEnoughForTheWidestDialogAnd22High) {
    const QImage strip = media("tbk.gif");
    ASSERT_FALSE(strip.isNull());
    EXPECT_TRUE(readAll(mediasDir() + "/tbk.gif").startsWith("GIF8"));
    EXPECT_EQ(strip.height(), 22);
    EXPECT_GE(strip.width(), 341);   // stretched to 236, 284 or 341 wide, never enlarged
}

TEST(MediaPictures, EveryButtonHasThreeGifStatesOfItsSize) {
    for (const Button& button : kButtons) {
        for (int state = 0; state < 3; ++state) {
            const QString name = QString("%1%2.gif").arg(button.name).arg(state);
            SCOPED_TRACE(name.toStdString());
            EXPECT_TRUE(readAll(mediasDir() + "/" + name).startsWith("GIF8"));
            const QImage face = media(name);
            ASSERT_FALSE(face.isNull());
            EXPECT_EQ(face.size(), button.size);
        }
    }
}

TEST(MediaPictures, HoverIsLighterAndPressedDarkerThanNormal) {
    for (const Button& button : kButtons) {
        SCOPED_TRACE(button.name.toStdString());
        const double normal = meanLightness(media(button.name + "0.gif"));
        EXPECT_GT(meanLightness(media(button.name + "1.gif")), normal + 1.0);
        EXPECT_LT(meanLightness(media(button.name + "2.gif")), normal - 1.0);
    }
}

TEST(MediaPictures, ButtonCornersBlendIntoTheWindowPictureUnderThem) {
    expectCornersBlendIn("back.gif", "newgame", {526, 105});
    expectCornersBlendIn("back.gif", "phbt", {526, 141});
    expectCornersBlendIn("back.gif", "web", {515, 175});
    expectCornersBlendIn("back.gif", "help", {536, 211});
    expectCornersBlendIn("back.gif", "min", {597, 5});
    expectCornersBlendIn("back.gif", "ex", {616, 5});
    expectCornersBlendIn("game.gif", "ptms", {260, 300});
    expectCornersBlendIn("game.gif", "tzms", {260, 350});
    expectCornersBlendIn("game.gif", "tcyx", {260, 395});
}

TEST(MediaPictures, DialogButtonsBlendIntoTheDialogAndItsTitleStrip) {
    const QRgb dialogGrey = qRgb(216, 216, 216);
    for (const char* name : {"cmdok", "cmdyes", "cmdno"}) {
        SCOPED_TRACE(name);
        const QImage face = media(QString("%1%2.gif").arg(name).arg(0));
        EXPECT_LE(channelGap(face.pixel(0, 0), dialogGrey), 8);
        EXPECT_LE(channelGap(face.pixel(face.width() - 1, 0), dialogGrey), 8);
    }
    // The close button sits on the title strip (placed one pixel above the
    // dialog) at its right end, whatever width the strip is stretched to.
    const QImage strip = media("tbk.gif");
    const QImage close = media("ex0.gif");
    for (auto [dialogWidth, left] : {std::pair{236, 220}, std::pair{284, 268}, std::pair{341, 324}}) {
        SCOPED_TRACE(dialogWidth);
        const QImage stretched = strip.scaled(dialogWidth, 22);
        EXPECT_LE(channelGap(close.pixel(0, 0), stretched.pixel(left, 5 + 1)), 24);
    }
    // The title icon's corner matches the strip under it at (4, 2).
    const QImage icon = media("tit.gif");
    EXPECT_LE(channelGap(icon.pixel(0, 0), strip.pixel(4, 3)), 12);
}

TEST(MediaPictures, TheTwoEndPicturesSayDifferentThings) {
    const QImage record = media("cmd.gif");
    const QImage over = media("gameover.gif");
    ASSERT_EQ(record.size(), over.size());
    int differing = 0;
    for (int y = 0; y < record.height(); ++y)
        for (int x = 0; x < record.width(); ++x)
            if (channelGap(record.pixel(x, y), over.pixel(x, y)) > 30) ++differing;
    EXPECT_GT(differing, 2000);
}
