// A player's session on a real X server: start a normal game from the start
// screen, gather five balls of one colour in a row with the mouse, see the
// scored line leave the screen, quit through the question, and find both
// files saved.

#include <QFile>
#include <QFileInfo>
#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <gtest/gtest.h>

#include "ScreenBoard.h"
#include "XSession.h"

namespace {

const QPoint kBoardOffset(30, 38);     // the board inside the main window
const QPoint kNormalGame(330, 322);    // the normal-game button on the start screen
const QPoint kQuit(621, 10);           // the quit button of the main window

QImage cellPicture(const char* name)
{
    return QImage(QString(VELKO_SOURCE_DIR "/resources/cells/%1.bmp").arg(name));
}

// Reads gameinfo.cfg as eight records and tells whether it ends right after them.
bool holdsExactlyEightRecords(const QByteArray& bytes)
{
    qsizetype at = 0;
    for (int record = 0; record < 8; ++record) {
        if (at + 2 > bytes.size())
            return false;
        const int nameLength = static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
        at += 2 + nameLength + 4 + 8;
    }
    return at == bytes.size();
}

struct Cell { int column, row; };

// The five cells the player fills: row 4, columns 2 to 6.
bool inLine(Cell cell) { return cell.row == 4 && cell.column >= 2 && cell.column <= 6; }

// Empty cells joined to `from` by empty cells, no diagonal steps; with the
// number of steps to each.
std::array<std::array<int, 9>, 9> stepsFrom(const ScreenBoard& board, Cell from)
{
    std::array<std::array<int, 9>, 9> steps;
    for (auto& column : steps)
        column.fill(-1);
    std::deque<Cell> todo{from};
    steps[from.column][from.row] = 0;
    while (!todo.empty()) {
        const Cell at = todo.front();
        todo.pop_front();
        for (const auto [dc, dr] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            const Cell next{at.column + dc, at.row + dr};
            if (next.column < 0 || next.column > 8 || next.row < 0 || next.row > 8
                || steps[next.column][next.row] >= 0 || board.occupied(next.column, next.row))
                continue;
            steps[next.column][next.row] = steps[at.column][at.row] + 1;
            todo.push_back(next);
        }
    }
    return steps;
}

struct Move { Cell from, to; int steps; };

// The nearest ball that `wanted` accepts and that can travel to the empty cell `to`.
std::optional<Move> ballFor(const ScreenBoard& board, Cell to, const std::function<bool(Cell)>& wanted)
{
    const auto steps = stepsFrom(board, to);
    std::optional<Move> best;
    for (int c = 0; c < 9; ++c)
        for (int r = 0; r < 9; ++r) {
            if (board.at(c, r) <= 0 || !wanted({c, r}))
                continue;
            for (const auto [dc, dr] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                const int nc = c + dc, nr = r + dr;
                const bool joined = (nc == to.column && nr == to.row)
                                    || (nc >= 0 && nc <= 8 && nr >= 0 && nr <= 8 && steps[nc][nr] >= 0);
                const int length = nc == to.column && nr == to.row ? 1 : joined ? steps[nc][nr] + 1 : 0;
                if (joined && (!best || length < best->steps))
                    best = Move{{c, r}, to, length};
            }
        }
    return best;
}

// The player's next move towards five balls of one colour (the joker, 7,
// fits any) on the line: clear a stranger off it, else bring a ball of the
// colour it holds most of, else move any ball to bring new ones.
std::optional<Move> nextMove(const ScreenBoard& board)
{
    std::array<int, 9> score{};
    for (int c = 0; c < 9; ++c)
        for (int r = 0; r < 9; ++r)
            if (board.at(c, r) > 0)
                score[board.at(c, r)] += inLine({c, r}) ? 10 : 1;
    int colour = 1;
    for (int k = 1; k <= 8; ++k)
        if (k != 7 && score[k] > score[colour])
            colour = k;
    const auto fits = [&](Cell cell) { return board.at(cell.column, cell.row) == colour || board.at(cell.column, cell.row) == 7; };
    for (int column = 2; column <= 6; ++column) {
        const Cell cell{column, 4};
        if (board.occupied(column, 4) && !fits(cell)) {
            // Off the line to the nearest free cell beside it.
            for (int c = 0; c < 9; ++c)
                for (int r = 0; r < 9; ++r)
                    if (!board.occupied(c, r) && !inLine({c, r}))
                        if (auto move = ballFor(board, {c, r}, [&](Cell from) { return from.column == column && from.row == 4; }))
                            return move;
        }
    }
    for (int column = 2; column <= 6; ++column)
        if (!board.occupied(column, 4))
            if (auto move = ballFor(board, {column, 4}, [&](Cell from) { return !inLine(from) && fits(from); }))
                return move;
    for (int c = 0; c < 9; ++c)
        for (int r = 0; r < 9; ++r)
            if (!board.occupied(c, r) && !inLine({c, r}))
                if (auto move = ballFor(board, {c, r}, [](Cell from) { return !inLine(from); }))
                    return move;
    return std::nullopt;
}

} // namespace

TEST(RealGame, GatherALineSeeItLeaveTheScreenThenQuitSavesBothFiles)
{
    XSession session;
    if (!session.started())
        GTEST_SKIP() << session.error().toStdString();
    std::array<QImage, 10> pictures;
    for (int i = 0; i < 10; ++i) {
        pictures[i] = cellPicture(i == 9 ? "I00" : qPrintable(QString("I%1").arg(i)));
        ASSERT_FALSE(pictures[i].isNull()) << i;
    }

    ASSERT_TRUE(session.launch(VELKO_GAME_EXE));
    QRect start;
    ASSERT_TRUE(session.waitForWindow(640, 480, start)) << "the start screen never appeared";
    session.pause(500);
    session.click(start.x() + kNormalGame.x(), start.y() + kNormalGame.y());
    session.pause(1500);

    QRect window;
    ASSERT_TRUE(session.waitForWindow(640, 480, window)) << "the main window never appeared";
    const QPoint origin = window.topLeft() + kBoardOffset;
    ScreenBoard board(pictures);
    board.read(session.screenshot(), origin);
    ASSERT_GE(board.balls(), 1) << "a new game starts with balls on the board";
    ASSERT_LE(board.balls(), 3);

    // Gather five of a colour on the line. The move that completes it must
    // leave the five cells empty on the screen; every other move that
    // removes nothing brings new balls.
    const auto lineFull = [&] {
        int colour = 0;
        for (int column = 2; column <= 6; ++column) {
            const int ball = board.at(column, 4);
            if (ball <= 0 || (ball != 7 && colour && ball != colour))
                return false;
            colour = ball == 7 ? colour : ball;
        }
        return true;
    };
    bool scored = false, newBalls = false;
    for (int move = 0; move < 45 && !scored; ++move) {
        const std::optional<Move> next = nextMove(board);
        ASSERT_TRUE(next) << "no ball can move";
        const int before = board.balls();
        session.click(origin.x() + next->from.column * 45 + 22, origin.y() + next->from.row * 45 + 22);
        session.pause(200);
        session.click(origin.x() + next->to.column * 45 + 22, origin.y() + next->to.row * 45 + 22);
        session.pause(900 + 75 * next->steps);
        const auto unknownCells = [&] {
            board.read(session.screenshot(), origin);
            int unknown = 0;
            for (int c = 0; c < 9; ++c)
                for (int r = 0; r < 9; ++r)
                    unknown += board.at(c, r) == ScreenBoard::kUnknown;
            return unknown;
        };
        if (unknownCells() > 0) {   // still drawing: look again a little later
            session.pause(700);
            ASSERT_EQ(unknownCells(), 0) << "cells that show no cell picture after move " << move;
        }
        if (board.balls() > before) {
            newBalls = true;
            EXPECT_TRUE(board.occupied(next->to.column, next->to.row)) << "the moved ball is not on its target";
        }
        if (inLine(next->to) && board.balls() < before) {
            scored = true;
            for (int column = 2; column <= 6; ++column)
                EXPECT_FALSE(board.occupied(column, 4)) << "a ball of the scored line is still shown at column " << column;
        }
        EXPECT_FALSE(lineFull()) << "a full line stays on the screen after move " << move;
    }
    EXPECT_TRUE(newBalls) << "no move brought new balls";
    EXPECT_TRUE(scored) << "no line of five was gathered";

    // Quit: the question comes in the game's own dialog; answer Yes.
    session.click(window.x() + kQuit.x(), window.y() + kQuit.y());
    QRect dialog;
    for (int waited = 0; waited < 10000 && dialog.isNull(); waited += 250) {
        session.pause(250);
        for (const QRect& r : session.gameWindows())
            if (r.width() < 300 && r.height() < 300)
                dialog = r;
    }
    ASSERT_FALSE(dialog.isNull()) << "the quit question did not appear";
    session.pause(300);
    // Yes sits 60 pixels from the dialog's left edge, its bottom 7 pixels above the dialog's.
    session.click(dialog.x() + 1 + 60 + 11, dialog.bottom() - 19);
    int exitCode = -1;
    ASSERT_TRUE(session.waitForExit(10000, exitCode)) << "the game did not end after Yes";
    EXPECT_EQ(exitCode, 0);

    QFile settings(session.userDataFolder() + "/mysetting.cfg");
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_EQ(settings.readAll(), QByteArray(" 50 \r\n 50 \r\n"));
    QFile scores(session.userDataFolder() + "/gameinfo.cfg");
    ASSERT_TRUE(scores.open(QIODevice::ReadOnly));
    EXPECT_TRUE(holdsExactlyEightRecords(scores.readAll()));
}

// Ended from outside (a logout or `kill`): the run still saves, with the level just set.
TEST(RealGame, ALevelSetJustBeforeAKillIsSaved)
{
    XSession session;
    if (!session.started())
        GTEST_SKIP() << session.error().toStdString();
    ASSERT_TRUE(session.launch(VELKO_GAME_EXE));
    QRect start;
    ASSERT_TRUE(session.waitForWindow(640, 480, start)) << "the start screen never appeared";
    session.pause(300);
    session.click(start.x() + kNormalGame.x(), start.y() + kNormalGame.y());
    session.pause(1000);
    QRect window;
    ASSERT_TRUE(session.waitForWindow(640, 480, window)) << "the main window never appeared";
    session.click(window.x() + 560 + 19, window.y() + 436 + 5);   // the music bar, near its 20th step
    session.pause(300);
    session.sendTerminate();
    int exitCode = -1;
    ASSERT_TRUE(session.waitForExit(10000, exitCode)) << "the game did not end on SIGTERM";
    QFile settings(session.userDataFolder() + "/mysetting.cfg");
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = settings.readAll().split('\n');
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0], " 50 \r");
    EXPECT_NE(lines[1], " 50 \r");
    EXPECT_TRUE(lines[1].startsWith(" 2") || lines[1].startsWith(" 1")) << lines[1].toStdString();
}
