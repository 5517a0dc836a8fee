// The board surface on its own: cells land where they belong, the curtain
// wipe leaves the right rows, and clicks reach the turn driver.

#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

#include "WindowTestSupport.h"

namespace velko::test {
namespace {

// A picture whose every row has its own colour, so rows can be told apart.
QImage stripedPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(y % 256, (y * 7) % 256, 100 + x % 50));
    return picture;
}

QImage boardRow(const BoardView& board, int row)
{
    return board.image().copy(0, row, kBoardPixels, 1);
}

TEST(BoardViewTest, CellPictureLandsAtItsPixelsAndNowhereElse)
{
    BoardView board;
    board.paintCell(2 * kCellSize, 7 * kCellSize, QStringLiteral("I4"));
    EXPECT_EQ(board.image().copy(2 * kCellSize, 7 * kCellSize, kCellSize, kCellSize), cellPicture(QStringLiteral("I4")));
    // The cells around it stay as they were: black.
    const QImage left = board.image().copy(1 * kCellSize, 7 * kCellSize, kCellSize, kCellSize);
    QImage black(kCellSize, kCellSize, QImage::Format_RGB32);
    black.fill(Qt::black);
    EXPECT_EQ(left, black);
    EXPECT_EQ(board.image().copy(2 * kCellSize, 6 * kCellSize, kCellSize, kCellSize), black);
}

TEST(BoardViewTest, DrawingShowsOnlyAfterRefresh)
{
    BoardView board;
    board.show();
    board.refresh();
    const QImage before = board.grab().toImage().convertToFormat(QImage::Format_RGB32);
    board.paintCell(0, 0, QStringLiteral("I1"));
    // The persistent image has it; the screen shows it when refreshed.
    EXPECT_EQ(board.image().copy(0, 0, kCellSize, kCellSize), cellPicture(QStringLiteral("I1")));
    board.refresh();
    EXPECT_EQ(shownCell(board, 0, 0), cellPicture(QStringLiteral("I1")));
    EXPECT_NE(board.grab().toImage().convertToFormat(QImage::Format_RGB32), before);
}

TEST(BoardViewTest, WipeShowsPictureBelowTopRowAndKeepsTopRow)
{
    BoardView board;
    for (int c = 0; c < kCells; ++c)
        board.paintCell(c * kCellSize, 0, QStringLiteral("I%1").arg(c % 8 + 1));
    const QImage oldTop = boardRow(board, 0);
    const QImage picture = stripedPicture(kBoardPixels, kBoardPixels);

    board.wipePicture(picture);

    EXPECT_EQ(boardRow(board, 0), oldTop);
    for (int y = 1; y < kBoardPixels; ++y)
        ASSERT_EQ(boardRow(board, y), picture.copy(0, y, kBoardPixels, 1)) << "row " << y;
}

TEST(BoardViewTest, WipeOfSmallerPictureCopiesOnlyWhatExists)
{
    BoardView board;
    const QImage before = board.image();
    const QImage picture = stripedPicture(300, 200);

    board.wipePicture(picture);

    for (int y = 1; y < 200; ++y) {
        ASSERT_EQ(board.image().copy(0, y, 300, 1), picture.copy(0, y, 300, 1)) << "row " << y;
        ASSERT_EQ(board.image().copy(300, y, kBoardPixels - 300, 1), before.copy(300, y, kBoardPixels - 300, 1));
    }
    for (int y = 200; y < kBoardPixels; ++y)
        ASSERT_EQ(boardRow(board, y), before.copy(0, y, kBoardPixels, 1)) << "row " << y;
}

TEST(BoardViewTest, WipeOfLargerPictureIsClippedToTheBoard)
{
    BoardView board;
    const QImage picture = stripedPicture(500, 600);
    board.wipePicture(picture);
    for (int y = 1; y < kBoardPixels; ++y)
        ASSERT_EQ(boardRow(board, y), picture.copy(0, y, kBoardPixels, 1)) << "row " << y;
}

TEST(BoardViewTest, WipeOfMissingPictureLeavesBoard)
{
    BoardView board;
    board.paintCell(0, 45, QStringLiteral("I3"));
    const QImage before = board.image();
    board.wipePicture(QImage());
    EXPECT_EQ(board.image(), before);
}

TEST(BoardViewTest, PressReportsButtonShiftAndPosition)
{
    BoardView board;
    board.show();
    struct Press { int button, shift; float x, y; };
    std::vector<Press> presses;
    board.onMouseDown = [&](int button, int shift, float x, float y) { presses.push_back({button, shift, x, y}); };

    QTest::mousePress(&board, Qt::LeftButton, Qt::NoModifier, QPoint(100, 200));
    QTest::mouseRelease(&board, Qt::LeftButton, Qt::NoModifier, QPoint(100, 200));
    QTest::mousePress(&board, Qt::RightButton, Qt::ShiftModifier, QPoint(5, 404));
    QTest::mouseRelease(&board, Qt::RightButton, Qt::ShiftModifier, QPoint(5, 404));
    QTest::mousePress(&board, Qt::MiddleButton, Qt::ControlModifier | Qt::AltModifier, QPoint(404, 0));
    QTest::mouseRelease(&board, Qt::MiddleButton, Qt::ControlModifier | Qt::AltModifier, QPoint(404, 0));

    ASSERT_EQ(presses.size(), 3u);
    EXPECT_EQ(presses[0].button, kLeftButton);
    EXPECT_EQ(presses[0].shift, 0);
    EXPECT_FLOAT_EQ(presses[0].x, 100.0f);
    EXPECT_FLOAT_EQ(presses[0].y, 200.0f);
    EXPECT_EQ(presses[1].button, kRightButton);
    EXPECT_EQ(presses[1].shift, 1);
    EXPECT_FLOAT_EQ(presses[1].y, 404.0f);
    EXPECT_EQ(presses[2].button, kMiddleButton);
    EXPECT_EQ(presses[2].shift, 6);
    EXPECT_FLOAT_EQ(presses[2].x, 404.0f);
}

} // namespace
} // namespace velko::test
