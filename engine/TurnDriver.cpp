// The board click: picking up a ball, moving it, and everything a move sets
// off. Plus the timer that counts the shown score up to the real one.
#include "Game.h"

#include <cmath>

namespace velko {

namespace {

// The cell index under a pixel coordinate, or -1 when the click lies off the
// board. The pixel is rounded half to even first, as the board always has.
int CellIndexAt(float pixel)
{
    if (!(pixel > -1.0f && pixel < static_cast<float>(kBoardPixels)))
        return -1;   // also catches NaN
    const float rounded = std::nearbyint(pixel);
    if (rounded < 0.0f || rounded >= static_cast<float>(kBoardPixels))
        return -1;
    return static_cast<int>(rounded) / kCellSize;
}

}   // namespace

void Game::pressBoard(int button, float x, float y)
{
    if (button != kLeftButton) {
        screen_.playSound(Sound::Refused);
        if (button == kRightButton)
            dropSelection();
        return;
    }

    const Cell cell{CellIndexAt(x), CellIndexAt(y)};
    if (cell.column < 0 || cell.row < 0)
        return;   // the board surface is exactly 9 cells wide and high

    if (!selection) {
        if (board[cell.column][cell.row] == Colour::Empty)
            return;
        screen_.playSound(Sound::Select);
        pickUp(cell);
        return;
    }

    if (board[cell.column][cell.row] != Colour::Empty) {
        screen_.playSound(Sound::Select);
        dropSelection();
        pickUp(cell);
        return;
    }

    selection->to = cell;
    makeMove(selection->from, cell);
}

void Game::pickUp(Cell cell)
{
    selection = Selection{cell, std::nullopt};
    screen_.showMarker(cell, board[cell.column][cell.row]);
}

// A ball is picked up and an empty cell was chosen: try to carry it there.
void Game::makeMove(Cell from, Cell to)
{
    // With the moving colour on the target, the flood recognises the target
    // as a ball it may join.
    board[to.column][to.row] = board[from.column][from.row];
    reached = {};
    markReachable(from);
    if (!reached[to.column][to.row]) {
        screen_.playSound(Sound::Refused);
        board[to.column][to.row] = Colour::Empty;
        dropSelection();
        return;
    }

    screen_.hideMarker();
    screen_.playSound(Sound::Step);
    animateMove(from, to);
    drawCell(to, board[to.column][to.row]);
    screen_.refreshBoard();
    board[from.column][from.row] = Colour::Empty;

    marked = {};
    removals.clear();
    collectLinesThrough(to);
    blinkAndRemove();
    dropSelection();
    screen_.sleepMs(150);

    if (removals.empty()) {
        dropNewBalls(3);
        dealNextColours();
    }
}

void Game::tickScore()
{
    if (shownScore < score) {
        ++shownScore;
        screen_.showScore(shownScore);
    }
}

}   // namespace velko
