#include "Game.h"

namespace velko {

Game::Game(GameScreen& screen, RandomSource& random) : screen_(screen), random_(random) {}

} // namespace velko
