#pragma once
// One game of Velko Lines: the 9 x 9 board and every rule of a turn.
// Everything runs synchronously on the caller's thread; the animations draw,
// refresh and sleep through the GameScreen.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "Board.h"
#include "GameScreen.h"
#include "RandomSource.h"

namespace velko {

constexpr int kCellSize = 45;   // board pixels of one cell, as clicks arrive
constexpr int kBoardPixels = kCells * kCellSize;
constexpr int kPreviewSlots = 3;   // new balls shown one turn ahead
// The route-length search gives this score to a way that leads nowhere.
constexpr std::int32_t kNoRoute = 50;

// Mouse buttons as the board click receives them.
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;

// The normal game deals five colours and the joker, the challenge game all eight.
enum class GameKind { Normal, Challenge };

// The picked-up ball, and the empty cell it was sent to while it moves.
struct Selection {
    Cell from;
    std::optional<Cell> to;
    bool operator==(const Selection& other) const { return from == other.from && to == other.to; }
};

class Game {
public:
    Game(GameScreen& screen, RandomSource& random);

    // --- state of the running game ---
    Grid<Colour> board{};
    GameKind kind = GameKind::Normal;
    std::optional<Selection> selection;
    std::array<Colour, kPreviewSlots> nextColours{Colour::Blue, Colour::Blue, Colour::Blue};
    std::int32_t score = 0;
    std::int32_t shownScore = 0;   // the number the score labels show
    // The cells the line check found, one entry per ball of every line: a
    // cell on two lines is listed, removed and scored twice.
    std::vector<Cell> removals;

    // Runs of five or more found by the line check since the game began.
    std::int64_t linesFound = 0;

    // Scratch marks of the reachability flood and the joker's spread.
    Grid<bool> marked{};
    // Balls of the moving colour the last flood touched; the target counts as one.
    Grid<bool> reached{};
    // The ball whose colour the flood looks for.
    Cell floodStart{};

    // --- cells ---
    // Draws a cell with the given colour (the board itself is not changed).
    void drawCell(Cell cell, Colour colour);
    // How many cells hold no ball.
    int emptyCellCount() const;
    // Puts the picked-up ball down again and hides the marker.
    void dropSelection();

    // --- the turn ---
    // A mouse button pressed at board pixel (x, y): picks up, moves or drops a ball.
    void pressBoard(int button, float x, float y);
    // Counts the shown score one point towards the real score.
    void tickScore();

    // --- new balls ---
    // A random colour among the first `colours`, with the joker's chances.
    Colour drawColour(int colours);
    // Draws the three colours of the next turn and shows them in the preview.
    void dealNextColours();
    // Drops the previewed balls on random empty cells and removes the lines
    // they complete; ends the game when `count` balls no longer fit.
    void dropNewBalls(int count);

    // --- path search ---
    // Floods the empty cells around the ball at `from`, marking in `reached`
    // every ball of its colour they touch; true when any was touched.
    bool markReachable(Cell from);
    // One cell of the flood, entered by the given step.
    bool floodFrom(Cell cell, Step arrivedBy);
    // Whether the empty cell `from`, entered by the given step, leads to `to`
    // without going straight back.
    bool canReach(Cell from, Cell to, Step arrivedBy);
    // Length of the shortest route from `from` to a cell beside `to` within the
    // search bound, after `stepsSoFar` steps; kNoRoute when there is none.
    std::int32_t routeLength(Cell from, Cell to, std::int32_t stepsSoFar);
    // The next step of a ball at `at`, arrived by the given step, towards the target.
    Step chooseStep(Cell at, Step arrivedBy, Cell target);

    // --- move animation ---
    // Walks the ball from `from` to the cell beside `to`, one cell a frame.
    void animateMove(Cell from, Cell to);

    // --- lines and scoring ---
    // Lists the lines of five or more through the ball at the cell; a joker
    // hands the check on to the balls around it.
    void collectLinesThrough(Cell cell);
    // Lists the lines of five or more of the cell's colour through the cell.
    void collectLinesAt(Cell cell);
    // Blinks the listed cells, empties them and scores 3 points for each entry.
    void blinkAndRemove();

    // A new game: fresh board, first balls, preview, score 0, timer and board
    // on, the new-game sound. The window asks the question before it and
    // shows the best score and starts the tune after it.
    void startGame();
    // Takes up a game left at an earlier run where it stood: its board, the
    // next colours and the score, all shown, timer and board on; no sound.
    void resumeGame(GameKind gameKind, const Grid<Colour>& cells, const std::array<Colour, kPreviewSlots>& next,
                    std::int32_t points);

private:
    // floor(n * r) for a fresh random r, worked out in single precision.
    std::int32_t drawBelow(std::int32_t n);
    // A random board index 0..8.
    int randomIndex();
    int colourCount() const { return kind == GameKind::Normal ? 5 : 8; }
    void pickUp(Cell cell);
    void makeMove(Cell from, Cell to);
    void gameOver();

    GameScreen& screen_;
    RandomSource& random_;
    Grid<std::int32_t> stepMemo_{};   // route-length search memory
    std::int32_t bestSteps_ = 0;      // route-length search bound
};

}   // namespace velko
