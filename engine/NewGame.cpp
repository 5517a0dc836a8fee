// A fresh game: empty board, the first balls, a preview, score 0, and the
// board and the score display switched on.
#include "Game.h"

namespace velko {

void Game::startGame()
{
    board_ = {};
    lines_.reset();

    // Three balls on random cells, untested: a later one may land on an
    // earlier one and replace it.
    for (int ball = 0; ball < 3; ++ball) {
        const int row = randomIndex();
        const int column = randomIndex();
        board_[column][row] = drawColour(colourCount());
    }

    dealNextColours();
    selection_.reset();
    screen_.hideMarker();

    for (int column = 0; column < kCells; ++column)
        for (int row = 0; row < kCells; ++row)
            screen_.drawCell({column, row}, board_[column][row]);
    screen_.refreshBoard();

    score_ = 0;
    shownScore_ = 0;
    screen_.showScore(0);
    screen_.setScoreTimer(true);
    screen_.playSound(Sound::NewGame);
    screen_.setBoardEnabled(true);
}

}   // namespace velko
