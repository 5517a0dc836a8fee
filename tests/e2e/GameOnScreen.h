#pragma once
// A player's session on a real display, whatever the display: the game is
// started with a fresh data folder, a normal game is chosen on its start
// screen, the board is read from screenshots and a line of five is gathered
// with the mouse. The X11 and the Wayland fixtures derive from it and only
// say how to find a window, click and take a screenshot there.

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>
#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

#include "CellPictureNames.h"
#include "WindowLayout.h"

namespace velko::test {

// The board as the screen shows it, cell (column, row) at 9 * column + row:
// 0 empty, 1..8 a ball, -1 a cell that shows no cell picture.
using Board = std::array<int, 81>;
// A ball's move from cell to cell (9 * column + row), and its length.
struct Move {
    int from, to, steps;
};

// How far the `scale` x `scale` square of `screen` at `topLeft` (in pixels of
// the screenshot) is from `picture`: the mean difference of a colour channel.
double pictureDifference(const QImage& screen, QPoint topLeft, const QImage& picture);
// The cell picture `name` of the pictures built into the game, at `scale` (1 or 2).
const QImage& cellPicture(const QString& name, int scale);
// Reads the board whose top-left pixel in the screenshot is `origin`, on a
// screen of `scale` pixels to a logical pixel, against the cell pictures of that density.
Board readBoard(const QImage& screen, QPoint origin, int scale = 1);
int count(const Board& board, int value);

class GameOnScreen : public ::testing::Test {
protected:
    // --- what each display does its own way ---
    // A shown window of the game whose rectangle (in logical pixels) `fits`; a null rectangle if none comes in time.
    virtual QRect waitForWindow(const std::function<bool(QRect)>& fits, int timeoutMs = 15000) = 0;
    // A left click at `at`, in logical pixels of the screen.
    virtual void click(QPoint at) = 0;
    // The whole screen, at its own pixels (`scale_` to a logical pixel).
    virtual QImage screenshot() = 0;

    void TearDown() override;

    // Starts the game with env_ and a fresh data folder, chooses a normal game
    // on the start screen and sets `window` to the game window's rectangle.
    void startNormalGame();
    // The board once it is still: two looks in a row alike, with a cell
    // picture in every cell (or in none, under the end picture).
    Board settledBoard();
    // Makes the move with two clicks and reads the board once it is still again.
    Board make(const Move& move);
    // Makes that many moves of the scripted player and gives the board they leave.
    Board playMoves(int moves);
    // Moves balls until a line of five leaves the screen, taking new games as boards fill up.
    void playUntilALineIsScored();
    // Clicks a control of the game window.
    void clickControl(const layout::Place& control);
    // One of the game's questions once it is shown; a null rectangle if none comes in time.
    QRect waitForQuestion(int timeoutMs = 15000);
    // Waits for a question and clicks its `button` (yes, no); false if no question came.
    bool answerQuestion(const layout::Place& button);
    // Clicks the game's quit button and the question's Yes, and checks that
    // the game ends well and that both files are saved whole.
    void quitAndAnswerYes();

    QString dataFile(const char* name) const { return dataHome_.filePath(QString("velko-lines/") + name); }
    QByteArray run(const QString& program, const QStringList& arguments);

    QRect window;   // the game window's rectangle, logical pixels
    int scale_ = 1;
    QProcessEnvironment env_ = QProcessEnvironment::systemEnvironment();
    QProcess game_;
    QTemporaryDir dataHome_;
};

}   // namespace velko::test
