#pragma once
// Finding the lines of five or more through balls that have just arrived.
// The check lists the cells to remove, one entry per ball of every line: a
// cell on two lines is listed, removed and scored twice. It reads the board
// it was given and never changes it.

#include <cstdint>
#include <vector>

#include "Board.h"

namespace velko {

class LineCheck {
public:
    explicit LineCheck(const Grid<Colour>& board) : board_(board) {}
    LineCheck(const LineCheck&) = delete;
    LineCheck& operator=(const LineCheck&) = delete;

    // A fresh game: no list, no lines found, no balls marked.
    void reset();
    // Empties the list before the balls of one arrival are checked.
    void clearRemovals() { removals_.clear(); }
    // Forgets which balls the joker's spread has checked. Until then a ball
    // it has checked once is not checked again, whichever ball arrives.
    void clearJokerMarks() { jokerChecked_ = {}; }

    // Lists the lines of five or more through the ball at the cell; a joker
    // hands the check on to the balls around it.
    void collectLinesThrough(Cell cell);

    // The listed cells, in the order found.
    const std::vector<Cell>& removals() const { return removals_; }
    // Runs of five or more found since the game began.
    std::int64_t linesFound() const { return linesFound_; }

private:
    // Lists the lines of five or more of the cell's colour through the cell.
    void collectLinesAt(Cell cell);

    const Grid<Colour>& board_;
    Grid<bool> jokerChecked_{};   // balls the joker's spread has checked
    std::vector<Cell> removals_;
    std::int64_t linesFound_ = 0;
};

}   // namespace velko
