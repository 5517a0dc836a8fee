// Lines the check has listed: blinking them away and scoring 3 points for
// every listed cell. LineCheck.cpp finds them.
#include "Game.h"

namespace velko {

void Game::blinkAndRemove()
{
    const std::vector<Cell>& removals = lines_.removals();
    if (removals.empty())
        return;
    screen_.playSound(Sound::LinesRemoved);

    // Vanish, reappear, vanish, reappear: four frames of 75 ms.
    for (int pass = 0; pass < 4; ++pass) {
        const bool shown = pass % 2 == 1;
        for (const Cell cell : removals)
            screen_.drawCell(cell, shown ? board_[cell.column][cell.row] : Colour::Empty);
        screen_.refreshBoard();
        screen_.sleepMs(75);
    }
    for (const Cell cell : removals) {
        board_[cell.column][cell.row] = Colour::Empty;
        screen_.drawCell(cell, Colour::Empty);
        score_ += 3;
    }
}

}   // namespace velko
