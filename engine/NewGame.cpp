// A fresh game: empty board, the first balls, a preview, score 0, and the
// board and the score display switched on.
#include "Game.h"

namespace velko {

void Game::StartGame()
{
    Board = {};
    Visited = {};
    Reach = {};
    List1.clear();
    LinesFound = 0;

    // Three balls on random cells, untested: a later one may land on an
    // earlier one and replace it.
    const std::uint8_t colours = static_cast<std::uint8_t>(8 - GameMode);
    for (int ball = 0; ball < 3; ++ball) {
        const std::int32_t row = RandomIndex();
        const std::int32_t column = RandomIndex();
        Board[column][row] = LuanNum(colours);
    }

    ToThree();
    Sel[0] = kNoSelection;
    screen_.hideMarker();

    for (std::int32_t column = 0; column < kCells; ++column)
        for (std::int32_t row = 0; row < kCells; ++row)
            ShowXY(column, row, Board[column][row]);
    screen_.refreshBoard();

    Score = 0;
    ShownScore = 0;
    screen_.setScoreLabels("0");
    screen_.setScoreTimer(true);
    screen_.playSound(11);
    screen_.setBoardEnabled(true);
}

} // namespace velko
