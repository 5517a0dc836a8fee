// Lines of five or more through a ball that has just arrived: finding them,
// blinking them away and scoring 3 points for every listed cell.
#include "Game.h"

namespace velko {

void Game::RealXiaoChu(std::int32_t X, std::int32_t Y)
{
    if (Board[X][Y] == 0)
        return;
    if (Board[X][Y] != kJoker) {
        XiaoChu(X, Y);
        return;
    }
    // A joker hands the check on to the balls around it.
    static constexpr std::int32_t kAround[8][2] = {
        {-1, 0}, {0, -1}, {1, 0}, {0, 1}, {-1, -1}, {1, 1}, {-1, 1}, {1, -1}};
    for (const auto& offset : kAround) {
        const std::int32_t nx = X + offset[0], ny = Y + offset[1];
        if (nx < 0 || nx >= kCells || ny < 0 || ny >= kCells)
            continue;
        if (!Visited[nx][ny] && Board[nx][ny] > 0) {
            Visited[nx][ny] = true;
            RealXiaoChu(nx, ny);
        }
    }
}

void Game::XiaoChu(std::int32_t X, std::int32_t Y)
{
    const std::int32_t colour = Board[X][Y];
    // The four lines through the cell: row, column, the diagonal running
    // up-right and the one running down-right. Cell j of a line is
    // (j, rowBase + rowSlope * j); cells off the board break the run.
    const std::int32_t rowBase[4] = {Y, 0, X + Y, Y - X};
    const std::int32_t rowSlope[4] = {0, 0, -1, 1};

    for (int line = 0; line < 4; ++line) {
        auto cellAt = [&](std::int32_t j, std::int32_t& column, std::int32_t& row) {
            column = (line == 1) ? X : j;
            row = (line == 1) ? j : rowBase[line] + rowSlope[line] * j;
            return row >= 0 && row < kCells;
        };
        std::int32_t run = 0;
        for (std::int32_t j = 0; j < kCells; ++j) {
            std::int32_t column = 0, row = 0;
            if (!cellAt(j, column, row)) {
                run = 0;
                continue;
            }
            const std::int32_t value = Board[column][row];
            if (value != colour && value != kJoker) {
                run = 0;
                continue;
            }
            ++run;
            if (run > 5) {
                List1.push_back(std::to_string(column) + std::to_string(row));
            } else if (run == 5) {
                ++LinesFound;
                for (std::int32_t back = 0; back < 5; ++back) {
                    std::int32_t c = 0, r = 0;
                    cellAt(j - back, c, r);
                    List1.push_back(std::to_string(c) + std::to_string(r));
                }
            }
        }
    }
}

void Game::HideXiaoChu()
{
    if (List1.empty())
        return;
    screen_.playSound(15);

    auto cellOf = [](const std::string& entry) {
        const int value = std::stoi(entry);
        return std::array<std::int32_t, 2>{value / 10, value % 10};
    };
    // Vanish, reappear, vanish, reappear: four frames of 75 ms.
    for (int pass = 0; pass < 4; ++pass) {
        const bool shown = pass % 2 == 1;
        for (const std::string& entry : List1) {
            const auto cell = cellOf(entry);
            ShowXY(cell[0], cell[1], shown ? Board[cell[0]][cell[1]] : 0);
        }
        screen_.refreshBoard();
        screen_.sleepMs(75);
    }
    for (const std::string& entry : List1) {
        const auto cell = cellOf(entry);
        Board[cell[0]][cell[1]] = 0;
        ShowXY(cell[0], cell[1], 0);
        Score += 3;
    }
}

} // namespace velko
