// New balls: the colour draw, the preview beside the board, and the arrival
// of the previewed balls on random empty cells, or the end of the game when
// no room is left for them.
#include "Game.h"

#include <algorithm>

namespace velko {

Colour Game::drawColour(int colours)
{
    int value = colours - drawBelow(colours);
    if (ColourNumbered(value) == Colour::Joker)
        value = colours - drawBelow(colours);   // the second draw stands, joker or not
    // One chance in twelve turns any ball into the joker, in either game.
    if (12 - drawBelow(12) == 6)
        return Colour::Joker;
    return ColourNumbered(value);
}

void Game::dealNextColours()
{
    for (int slot = 0; slot < kPreviewSlots; ++slot) {
        nextColours[slot] = drawColour(colourCount());
        screen_.showPreview(slot, nextColours[slot]);
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
        if (board[cell.column][cell.row] != Colour::Empty)
            continue;
        const Colour colour = nextColours[dropped];
        board[cell.column][cell.row] = colour;
        placed[dropped++] = cell;
        drawCell(cell, colour);
        screen_.refreshBoard();
        screen_.sleepMs(75);
        drawCell(cell, Colour::Empty);
        screen_.refreshBoard();
        screen_.sleepMs(75);
        drawCell(cell, colour);
        screen_.refreshBoard();
        marked = {};
    }

    removals.clear();
    for (int n = 0; n < wanted; ++n)
        collectLinesThrough(placed[n]);
    blinkAndRemove();
}

// No room for the next balls: the game is over. The board stays as it is
// under the end picture.
void Game::gameOver()
{
    screen_.setScoreTimer(false);
    const bool newHighScore = score > screen_.lowestHighScore();
    screen_.setBoardEnabled(false);
    screen_.stopMusic();
    screen_.playSound(newHighScore ? Sound::HighScore : Sound::GameOver);
    screen_.showEnding(newHighScore ? Ending::HighScore : Ending::GameOver);
    if (newHighScore)
        screen_.newHighScore(score);
}

}   // namespace velko
