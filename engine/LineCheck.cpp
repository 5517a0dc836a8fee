#include "LineCheck.h"

namespace velko {

void LineCheck::reset()
{
    removals_.clear();
    linesFound_ = 0;
    jokerChecked_ = {};
}

void LineCheck::collectLinesThrough(Cell cell)
{
    const Colour colour = board_[cell.column][cell.row];
    if (colour == Colour::Empty)
        return;
    if (colour != Colour::Joker) {
        collectLinesAt(cell);
        return;
    }
    // A joker hands the check on to the balls around it.
    static constexpr int kAround[8][2] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}, {-1, -1}, {1, 1}, {-1, 1}, {1, -1}};
    for (const auto& offset : kAround) {
        const Cell next{cell.column + offset[0], cell.row + offset[1]};
        if (!onBoard(next))
            continue;
        if (!jokerChecked_[next.column][next.row] && board_[next.column][next.row] != Colour::Empty) {
            jokerChecked_[next.column][next.row] = true;
            collectLinesThrough(next);
        }
    }
}

void LineCheck::collectLinesAt(Cell cell)
{
    const Colour colour = board_[cell.column][cell.row];
    // The four lines through the cell: row, column, the diagonal running
    // up-right and the one running down-right. Cell j of a line is
    // (j, rowBase + rowSlope * j); cells off the board break the run.
    const int rowBase[4] = {cell.row, 0, cell.column + cell.row, cell.row - cell.column};
    const int rowSlope[4] = {0, 0, -1, 1};

    for (int line = 0; line < 4; ++line) {
        auto lineCell = [&](int j) {
            return line == 1 ? Cell{cell.column, j} : Cell{j, rowBase[line] + rowSlope[line] * j};
        };
        int run = 0;
        for (int j = 0; j < kCells; ++j) {
            const Cell at = lineCell(j);
            const Colour value = onBoard(at) ? board_[at.column][at.row] : Colour::Empty;
            if (!onBoard(at) || (value != colour && value != Colour::Joker)) {
                run = 0;
                continue;
            }
            ++run;
            if (run > 5) {
                removals_.push_back(at);
            } else if (run == 5) {
                ++linesFound_;
                for (int back = 0; back < 5; ++back)
                    removals_.push_back(lineCell(j - back));
            }
        }
    }
}

}   // namespace velko
