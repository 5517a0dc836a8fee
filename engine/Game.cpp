#include "Game.h"

#include <cmath>

namespace velko {

Game::Game(GameScreen& screen, RandomSource& random) : screen_(screen), random_(random) {}

std::int32_t Game::drawBelow(std::int32_t n)
{
    // The product stays a float: the game has always rounded it that way.
    const float r = random_.next();
    const float product = static_cast<float>(n) * r;
    return static_cast<std::int32_t>(std::floor(product));
}

int Game::randomIndex()
{
    return 8 - drawBelow(9);
}

int Game::emptyCellCount() const
{
    int empty = 0;
    for (const auto& column : board_)
        for (const Colour colour : column)
            if (colour == Colour::Empty)
                ++empty;
    return empty;
}

void Game::dropSelection()
{
    selection_.reset();
    screen_.hideMarker();
}

}   // namespace velko
