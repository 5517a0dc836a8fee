#pragma once
// One game of Velko Lines: the 9 x 9 board and every rule of a turn. The
// game takes the player's acts on cells; where a click lands in pixels is
// the board's business (BoardGeometry.h). Everything runs synchronously on
// the caller's thread; the animations draw, refresh and sleep through the
// GameScreen.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "Board.h"
#include "GameScreen.h"
#include "LineCheck.h"
#include "PathSearch.h"
#include "RandomSource.h"

namespace velko {

constexpr int kPreviewSlots = 3;   // new balls shown one turn ahead

// The normal game deals five colours and the joker, the challenge game all eight.
enum class GameKind { Normal, Challenge };

// The mouse button pressed on the board: the left one plays, the right one
// puts the picked-up ball down, the middle one and any other only refuse.
enum class MouseButton { Left, Right, Other };

// The picked-up ball, and the empty cell it was sent to while it moves.
struct Selection {
    Cell from;
    std::optional<Cell> to;
    bool operator==(const Selection& other) const { return from == other.from && to == other.to; }
};

class Game {
public:
    Game(GameScreen& screen, RandomSource& random);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // --- the player's acts ---
    // A new game: fresh board, first balls, preview, score 0, timer and board
    // on, the new-game sound. The window asks the question before it and
    // shows the best score and starts the tune after it.
    void startGame();
    // Takes up a game left at an earlier run where it stood: its board, the
    // next colours and the score, all shown, timer and board on; no sound.
    void resumeGame(GameKind gameKind, const Grid<Colour>& cells, const std::array<Colour, kPreviewSlots>& next,
                    std::int32_t points);
    // A mouse button pressed over the cell, or over no cell (past the board's
    // last pixel). The left button picks up a ball, picks up another one, or
    // sends the picked-up ball to an empty cell; off the board it does
    // nothing. Any other button sounds refused wherever it is pressed, and
    // the right one also puts the picked-up ball down.
    void press(std::optional<Cell> cell, MouseButton button);
    // Puts the picked-up ball down again and hides the marker.
    void dropSelection();
    // Counts the shown score one point towards the real score.
    void tickScore();

    // --- setting up a position, as a test, a scenario or a resumed game needs it ---
    // None of these draws or sounds anything, and none touches the selection.
    void setKind(GameKind kind) { kind_ = kind; }
    void setBoard(const Grid<Colour>& board) { board_ = board; }
    void setNextColours(const std::array<Colour, kPreviewSlots>& colours) { nextColours_ = colours; }
    // A score already counted up on the labels.
    void setScore(std::int32_t points) { setScore(points, points); }
    // A score the labels still count up to from `shownPoints`.
    void setScore(std::int32_t points, std::int32_t shownPoints)
    {
        score_ = points;
        shownScore_ = shownPoints;
    }

    // --- the state of the game ---
    const Grid<Colour>& board() const { return board_; }
    GameKind kind() const { return kind_; }
    const std::optional<Selection>& selection() const { return selection_; }
    const std::array<Colour, kPreviewSlots>& nextColours() const { return nextColours_; }
    std::int32_t score() const { return score_; }
    std::int32_t shownScore() const { return shownScore_; }   // the number the score labels show
    // The cells the last line check listed, one entry per ball of every line:
    // a cell on two lines is listed, removed and scored twice.
    const std::vector<Cell>& removals() const { return lines_.removals(); }
    // Runs of five or more found by the line check since the game began.
    std::int64_t linesFound() const { return lines_.linesFound(); }
    // How many cells hold no ball.
    int emptyCellCount() const;

    // A random colour among the first `colours`, with the joker's chances.
    Colour drawColour(int colours);

private:
    // floor(n * r) for a fresh random r, worked out in single precision.
    std::int32_t drawBelow(std::int32_t n);
    // A random board index 0..8.
    int randomIndex();
    int colourCount() const { return kind_ == GameKind::Normal ? 5 : 8; }

    // --- the turn (TurnDriver.cpp) ---
    void pickUp(Cell cell);
    // The picked-up ball sent to the empty cell: carried there, or refused.
    void makeMove(Cell from, Cell to);
    // Walks the ball from `from` to the cell beside `to`, one cell a frame (MoveAnimation.cpp).
    void animateMove(Cell from, Cell to);
    // Blinks the listed cells, empties them and scores 3 points for each entry (LineRemoval.cpp).
    void blinkAndRemove();

    // --- new balls (NewBalls.cpp) ---
    // Draws the three colours of the next turn and shows them in the preview.
    void dealNextColours();
    // Drops the previewed balls on random empty cells and removes the lines
    // they complete; ends the game when `count` balls no longer fit.
    void dropNewBalls(int count);
    void gameOver();
    // Draws every cell as the board holds it, and shows them.
    void drawWholeBoard();

    GameScreen& screen_;
    RandomSource& random_;

    Grid<Colour> board_{};
    GameKind kind_ = GameKind::Normal;
    std::optional<Selection> selection_;
    std::array<Colour, kPreviewSlots> nextColours_{Colour::Blue, Colour::Blue, Colour::Blue};
    std::int32_t score_ = 0;
    std::int32_t shownScore_ = 0;

    // Both read board_ and keep their own scratch marks.
    PathSearch paths_{board_};
    LineCheck lines_{board_};
};

}   // namespace velko
