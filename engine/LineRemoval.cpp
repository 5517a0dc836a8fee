// Lines of five or more through a ball that has just arrived: finding them,
// blinking them away and scoring 3 points for every listed cell.
#include "Game.h"

namespace velko {

void Game::collectLinesThrough(Cell cell)
{
    const Colour colour = board[cell.column][cell.row];
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
        if (!OnBoard(next))
            continue;
        if (!marked[next.column][next.row] && board[next.column][next.row] != Colour::Empty) {
            marked[next.column][next.row] = true;
            collectLinesThrough(next);
        }
    }
}

void Game::collectLinesAt(Cell cell)
{
    const Colour colour = board[cell.column][cell.row];
    // The four lines through the cell: row, column, the diagonal running
    // up-right and the one running down-right. Cell j of a line is
    // (j, rowBase + rowSlope * j); cells off the board break the run.
    const int rowBase[4] = {cell.row, 0, cell.column + cell.row, cell.row - cell.column};
    const int rowSlope[4] = {0, 0, -1, 1};

    for (int line = 0; line < 4; ++line) {
        auto cellAt = [&](int j) {
            return line == 1 ? Cell{cell.column, j} : Cell{j, rowBase[line] + rowSlope[line] * j};
        };
        int run = 0;
        for (int j = 0; j < kCells; ++j) {
            const Cell at = cellAt(j);
            const Colour value = OnBoard(at) ? board[at.column][at.row] : Colour::Empty;
            if (!OnBoard(at) || (value != colour && value != Colour::Joker)) {
                run = 0;
                continue;
            }
            ++run;
            if (run > 5) {
                removals.push_back(at);
            } else if (run == 5) {
                ++linesFound;
                for (int back = 0; back < 5; ++back)
                    removals.push_back(cellAt(j - back));
            }
        }
    }
}

void Game::blinkAndRemove()
{
    if (removals.empty())
        return;
    screen_.playSound(Sound::LinesRemoved);

    // Vanish, reappear, vanish, reappear: four frames of 75 ms.
    for (int pass = 0; pass < 4; ++pass) {
        const bool shown = pass % 2 == 1;
        for (const Cell cell : removals)
            drawCell(cell, shown ? board[cell.column][cell.row] : Colour::Empty);
        screen_.refreshBoard();
        screen_.sleepMs(75);
    }
    for (const Cell cell : removals) {
        board[cell.column][cell.row] = Colour::Empty;
        drawCell(cell, Colour::Empty);
        score += 3;
    }
}

}   // namespace velko
