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

    drawWholeBoard();

    score_ = 0;
    shownScore_ = 0;
    screen_.showScore(0);
    screen_.setScoreTimer(true);
    screen_.playSound(Sound::NewGame);
    screen_.setBoardEnabled(true);
}

void Game::resumeGame(GameKind gameKind, const Grid<Colour>& cells, const std::array<Colour, kPreviewSlots>& next,
                      std::int32_t points)
{
    kind_ = gameKind;
    board_ = cells;
    lines_.reset();

    nextColours_ = next;
    for (int slot = 0; slot < kPreviewSlots; ++slot)
        screen_.showPreview(slot, nextColours_[slot]);
    screen_.refreshWindow();
    selection_.reset();
    screen_.hideMarker();

    drawWholeBoard();

    score_ = shownScore_ = points;
    screen_.showScore(score_);
    screen_.setScoreTimer(true);
    screen_.setBoardEnabled(true);
}

void Game::drawWholeBoard()
{
    for (int column = 0; column < kCells; ++column)
        for (int row = 0; row < kCells; ++row)
            screen_.drawCell({column, row}, board_[column][row]);
    screen_.refreshBoard();
}

}   // namespace velko
