#pragma once
// The 9 x 9 board: its cells, the ball colours, and the four steps between
// neighbouring cells.

#include <array>
#include <cstdint>

namespace velko {

constexpr int kCells = 9;   // columns and rows

// A board cell; row 0 is at the top.
struct Cell {
    int column = 0;
    int row = 0;
    bool operator==(const Cell& other) const { return column == other.column && row == other.row; }
    bool operator!=(const Cell& other) const { return !(*this == other); }
};

// What a cell holds: nothing, or a ball. The silver joker counts as every colour.
enum class Colour : std::int8_t { Empty, Blue, Green, Purple, Cyan, Yellow, Orange, Joker, Red };

// The colour numbered 1..8 in the order above (0 is empty).
constexpr Colour colourNumbered(int number)
{
    return static_cast<Colour>(number);
}
// The number of a colour, 0 for an empty cell.
constexpr int numberOf(Colour colour)
{
    return static_cast<int>(colour);
}

// A table with one entry per cell, indexed [column][row].
template <typename T>
using Grid = std::array<std::array<T, kCells>, kCells>;

// The four ways a ball steps, in the order the step choice tries them.
enum class Step { None, Left, Up, Right, Down };

// Column and row change of each step, indexed by Step.
constexpr int kStepColumn[5] = {0, -1, 0, 1, 0};
constexpr int kStepRow[5] = {0, 0, -1, 0, 1};

// The cell one step away.
constexpr Cell neighbour(Cell cell, Step step)
{
    return {cell.column + kStepColumn[static_cast<int>(step)], cell.row + kStepRow[static_cast<int>(step)]};
}

// The step back the way a ball came.
constexpr Step reverse(Step step)
{
    constexpr Step kReverse[5] = {Step::None, Step::Right, Step::Down, Step::Left, Step::Up};
    return kReverse[static_cast<int>(step)];
}

// Whether the cell lies on the board.
constexpr bool onBoard(Cell cell)
{
    return cell.column >= 0 && cell.column < kCells && cell.row >= 0 && cell.row < kCells;
}

// Whether two cells share a side.
constexpr bool touch(Cell a, Cell b)
{
    return (a.column == b.column && (a.row == b.row + 1 || a.row + 1 == b.row)) ||
           (a.row == b.row && (a.column == b.column + 1 || a.column + 1 == b.column));
}

}   // namespace velko
