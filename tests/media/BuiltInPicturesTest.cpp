// The program icon and the hand cursor, from the files and from the
// resources built into the program.

#include "PictureFiles.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace velko::test;

TEST(ProgramIcon, ComesAt48And32PixelsInFilesAndResources) {
    for (int size : {48, 32, 256}) {
        SCOPED_TRACE(size);
        const QString name = QString("velko-lines-%1.png").arg(size);
        const QImage file(resourcesDir() + "/icons/" + name);
        const QImage built(":/icons/" + name);
        ASSERT_FALSE(file.isNull());
        ASSERT_FALSE(built.isNull());
        EXPECT_EQ(file.size(), QSize(size, size));
        EXPECT_EQ(built.convertToFormat(QImage::Format_ARGB32), file.convertToFormat(QImage::Format_ARGB32));
    }
}

TEST(ProgramIcon, ShowsACyanBallOnAGoldStarOnAClearGround) {
    for (int size : {48, 32}) {
        SCOPED_TRACE(size);
        const QImage icon = QImage(resourcesDir() + QString("/icons/velko-lines-%1.png").arg(size))
                                .convertToFormat(QImage::Format_ARGB32);
        // Corners lie outside the star.
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, 0)), 0);
        // The star's top point is gold.
        const QRgb top = icon.pixel(size / 2, size / 12 + 1);
        EXPECT_GT(qAlpha(top), 200);
        EXPECT_GT(qRed(top), qBlue(top) + 60);
        // The ball's lower body is cyan: more green and blue than red.
        const QRgb ball = icon.pixel(size * 3 / 8, size * 3 / 4);
        EXPECT_GT(qGreen(ball), qRed(ball) + 40);
        EXPECT_GT(qBlue(ball), qRed(ball) + 40);
    }
}

TEST(HandCursor, IsA32PixelHandWithItsFingerTipAtTheHotSpot) {
    const QImage file(resourcesDir() + "/cursors/hand.png");
    const QImage built(":/cursors/hand.png");
    ASSERT_FALSE(file.isNull());
    ASSERT_FALSE(built.isNull());
    EXPECT_EQ(file.size(), QSize(32, 32));
    const QImage hand = file.convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(built.convertToFormat(QImage::Format_ARGB32), hand);
    EXPECT_TRUE(hand.hasAlphaChannel());
    // Nothing above or beside the finger tip at (5, 0); the tip itself is the black outline.
    const QRgb tip = hand.pixel(5, 0);
    EXPECT_GT(qAlpha(tip), 128);
    EXPECT_LT(qGray(tip), 80);
    EXPECT_EQ(qAlpha(hand.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(hand.pixel(10, 0)), 0);
    EXPECT_EQ(qAlpha(hand.pixel(31, 31)), 0);
    // Inside the finger it is white.
    const QRgb finger = hand.pixel(5, 6);
    EXPECT_EQ(qAlpha(finger), 255);
    EXPECT_GT(qGray(finger), 220);
    // Black and white only: every visible pixel is a shade of grey.
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb p = hand.pixel(x, y);
            if (qAlpha(p) == 0) continue;
            EXPECT_LE(std::abs(qRed(p) - qBlue(p)), 2);
        }
}
