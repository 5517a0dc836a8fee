// The ball's journey to its target, one cell per 75 ms frame. The board is not
// touched here: the turn puts the ball down when the journey ends.
#include "Game.h"

namespace velko {

void Game::animateMove(Cell from, Cell to)
{
    const Colour colour = board_[to.column][to.row];
    Cell at = from;
    Step arrivedBy = Step::None;
    for (;;) {
        if (touch(at, to)) {
            screen_.drawCell(at, Colour::Empty);   // the turn draws the ball on the target
            return;
        }
        const Step step = paths_.chooseStep(from, at, arrivedBy, to);
        screen_.drawCell(at, Colour::Empty);
        if (step == Step::None)
            return;   // no route at all; the reachability test rules this out
        screen_.playSound(Sound::Step);
        at = neighbour(at, step);
        screen_.drawCell(at, colour);
        screen_.refreshBoard();
        screen_.sleepMs(75);
        arrivedBy = step;
    }
}

}   // namespace velko
