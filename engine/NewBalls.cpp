// New balls: the colour draw, the preview beside the board, and the arrival
// of the previewed balls on random empty cells, or the end of the game when
// no room is left for them.
#include "Game.h"

#include <algorithm>

namespace velko {

Colour Game::drawColour(int colours)
{
    int value = colours - drawBelow(colours);
    if (colourNumbered(value) == Colour::Joker)
        value = colours - drawBelow(colours);   // the second draw stands, joker or not
    // One chance in twelve turns any ball into the joker, in either game.
    if (12 - drawBelow(12) == 6)
        return Colour::Joker;
    return colourNumbered(value);
}

void Game::dealNextColours()
{
    for (int slot = 0; slot < kPreviewSlots; ++slot) {
        nextColours_[slot] = drawColour(colourCount());
        screen_.showPreview(slot, nextColours_[slot]);
    }
    screen_.refreshWindow();
}

void Game::dropNewBalls(int count)
{
    const int wanted = std::min(count, kPreviewSlots);   // only three balls are ever previewed
    if (emptyCellCount() <= wanted) {
        gameOver();
        return;
    }

    std::array<Cell, kPreviewSlots> placed{};
    int dropped = 0;
    while (dropped < wanted) {
        const Cell cell{randomIndex(), randomIndex()};
        if (board_[cell.column][cell.row] != Colour::Empty)
            continue;
        const Colour colour = nextColours_[dropped];
        board_[cell.column][cell.row] = colour;
        placed[dropped++] = cell;
        screen_.drawCell(cell, colour);
        screen_.refreshBoard();
        screen_.sleepMs(75);
        screen_.drawCell(cell, Colour::Empty);
        screen_.refreshBoard();
        screen_.sleepMs(75);
        screen_.drawCell(cell, colour);
        screen_.refreshBoard();
        lines_.clearJokerMarks();
    }

    lines_.clearRemovals();
    for (int n = 0; n < wanted; ++n)
        lines_.collectLinesThrough(placed[n]);
    blinkAndRemove();
}

// No room for the next balls: the game is over. The board stays as it is
// under the end picture.
void Game::gameOver()
{
    screen_.setScoreTimer(false);
    const bool newHighScore = score_ > screen_.lowestHighScore();
    screen_.setBoardEnabled(false);
    screen_.stopMusic();
    screen_.playSound(newHighScore ? Sound::HighScore : Sound::GameOver);
    screen_.showEnding(newHighScore ? Ending::HighScore : Ending::GameOver);
    if (newHighScore)
        screen_.newHighScore(score_);
}

}   // namespace velko
