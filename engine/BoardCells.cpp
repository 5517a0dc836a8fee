// Drawing single cells, counting the empty ones, and putting a ball down.
#include "Game.h"

namespace velko {

void Game::drawCell(Cell cell, Colour colour)
{
    screen_.drawCell(cell, colour);
}

int Game::emptyCellCount() const
{
    int empty = 0;
    for (const auto& column : board)
        for (const Colour colour : column)
            if (colour == Colour::Empty)
                ++empty;
    return empty;
}

void Game::dropSelection()
{
    selection.reset();
    screen_.hideMarker();
}

}   // namespace velko
