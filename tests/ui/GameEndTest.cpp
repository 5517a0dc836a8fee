// The end of a game on the real window: the end picture wipes over the board,
// the clock and the board stop, and a new game follows without a question.

#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "DataPaths.h"
#include "ProgramState.h"
#include "WindowTestSupport.h"

namespace velko::test {
namespace {

using GameEndTest = WindowTest;

// A full board without any line of five, except three empty cells in the
// bottom-right corner. Moving the ball at (6, 8) one cell right forms no line
// and there is no room for three new balls: the game ends.
void fillAllButCorner(Form1& window)
{
    Game& game = window.game();
    for (int c = 0; c < kCells; ++c)
        for (int r = 0; r < kCells; ++r)
            game.Board[c][r] = (c + 3 * r) % 6 + 1;
    for (auto [c, r] : {std::pair{8, 7}, {7, 8}, {8, 8}})
        game.Board[c][r] = 0;
    for (int c = 0; c < kCells; ++c)
        for (int r = 0; r < kCells; ++r)
            game.ShowXY(c, r, game.Board[c][r]);
    game.HidePic();
    boardOf(window)->refresh();
}

void playLastMove(Form1& window)
{
    clickCell(window, 6, 8);
    clickCell(window, 7, 8);
}

// Rows 1 and down show the end picture; row 0 shows what was there before.
void expectWiped(BoardView& board, const QString& pictureFile, const QImage& topRowBefore)
{
    const QImage picture = QImage(mediaPath(pictureFile)).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(picture.isNull()) << pictureFile.toStdString();
    const QImage shown = board.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.copy(0, 0, kBoardPixels, 1), topRowBefore);
    const int width = std::min(kBoardPixels, picture.width());
    const int rows = std::min(kBoardPixels, picture.height());
    ASSERT_GT(rows, 1);
    for (int y = 1; y < rows; ++y)
        ASSERT_EQ(shown.copy(0, y, width, 1), picture.copy(0, y, width, 1)) << "row " << y;
}

QImage topRow(BoardView& board)
{
    return board.grab().toImage().convertToFormat(QImage::Format_RGB32).copy(0, 0, kBoardPixels, 1);
}

TEST_F(GameEndTest, GameOverWipesTheEndPictureAndStopsClockAndBoard)
{
    auto window = startedWindow();
    fillAllButCorner(*window);
    BoardView* board = boardOf(*window);
    const QImage before = topRow(*board);

    {
        NoDialogExpected quiet;
        playLastMove(*window);
    }

    EXPECT_FALSE(part<QTimer>(*window, "Timer1")->isActive());
    EXPECT_FALSE(board->isEnabled());
    EXPECT_EQ(window->game().KongNum(), 3);
    expectWiped(*board, QStringLiteral("gameover.gif"), before);

    // The dead board takes no clicks and drags nothing.
    const auto selection = window->game().Sel;
    clickCell(*window, 0, 0);
    moveWithButtons(board, QPoint(10, 10), Qt::LeftButton);
    EXPECT_EQ(window->game().Sel, selection);
    EXPECT_EQ(log.moves, 0);
}

TEST_F(GameEndTest, NewHighScoreWipesItsPictureAndTakesTheName)
{
    HiScore[7].Points = -1;   // even a score of 0 makes the table
    auto window = startedWindow();
    fillAllButCorner(*window);
    BoardView* board = boardOf(*window);
    const QImage before = topRow(*board);

    answerNextDialog(QStringLiteral("cmdok"));
    playLastMove(*window);

    expectWiped(*board, QStringLiteral("cmd.gif"), before);
    const bool entered = std::any_of(HiScore.begin(), HiScore.end(), [](const ScoreRec& record) {
        return record.Name == SysInfo[14] && record.Points == 0;
    });
    EXPECT_TRUE(entered);
}

TEST_F(GameEndTest, NewGameAfterTheEndAsksNothingAndStartsAfresh)
{
    auto window = startedWindow();
    fillAllButCorner(*window);
    playLastMove(*window);
    ASSERT_FALSE(part<QTimer>(*window, "Timer1")->isActive());

    {
        NoDialogExpected quiet;
        QWidget* newgame = part(*window, "newgame");
        QTest::mouseClick(newgame, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    }

    EXPECT_TRUE(part<QTimer>(*window, "Timer1")->isActive());
    EXPECT_TRUE(boardOf(*window)->isEnabled());
    EXPECT_GE(window->game().KongNum(), 78);
    expectBoardShowsGame(*window);
}

} // namespace
} // namespace velko::test
