// The player's press on the board: picking up a ball, moving it, and
// everything a move sets off. Plus the timer that counts the shown score up
// to the real one.
#include "Game.h"

namespace velko {

void Game::press(std::optional<Cell> cell, MouseButton button)
{
    if (button != MouseButton::Left) {
        screen_.playSound(Sound::Refused);
        if (button == MouseButton::Right)
            dropSelection();
        return;
    }
    if (!cell || !onBoard(*cell))
        return;
    const Cell at = *cell;

    if (!selection_) {
        if (board_[at.column][at.row] == Colour::Empty)
            return;
        screen_.playSound(Sound::Select);
        pickUp(at);
        return;
    }

    if (board_[at.column][at.row] != Colour::Empty) {
        screen_.playSound(Sound::Select);
        dropSelection();
        pickUp(at);
        return;
    }

    selection_->to = at;
    makeMove(selection_->from, at);
}

void Game::pickUp(Cell cell)
{
    selection_ = Selection{cell, std::nullopt};
    screen_.showMarker(cell, board_[cell.column][cell.row]);
}

void Game::makeMove(Cell from, Cell to)
{
    // With the moving colour on the target, the flood recognises the target
    // as a ball it may join.
    board_[to.column][to.row] = board_[from.column][from.row];
    if (!paths_.canMove(from, to)) {
        screen_.playSound(Sound::Refused);
        board_[to.column][to.row] = Colour::Empty;
        dropSelection();
        return;
    }

    screen_.hideMarker();
    screen_.playSound(Sound::Step);
    animateMove(from, to);
    screen_.drawCell(to, board_[to.column][to.row]);
    screen_.refreshBoard();
    board_[from.column][from.row] = Colour::Empty;

    lines_.clearJokerMarks();
    lines_.clearRemovals();
    lines_.collectLinesThrough(to);
    blinkAndRemove();
    dropSelection();
    screen_.sleepMs(150);

    if (lines_.removals().empty()) {
        dropNewBalls(3);
        dealNextColours();
    }
}

void Game::tickScore()
{
    if (shownScore_ < score_) {
        ++shownScore_;
        screen_.showScore(shownScore_);
    }
}

}   // namespace velko
