// The ball's journey to its target, one cell per 75 ms frame. Board is not
// touched here: the turn driver puts the ball down when the journey ends.
#include "Game.h"

namespace velko {

void Game::DongHua(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t fx)
{
    static constexpr std::int32_t kDx[5] = {0, -1, 0, 1, 0};
    static constexpr std::int32_t kDy[5] = {0, 0, -1, 0, 1};
    const std::int32_t colour = Board[x2][y2];

    std::int32_t x = x1, y = y1, arrivedBy = fx;
    for (;;) {
        const bool touchesTarget = (x == x2 && (y == y2 + 1 || y + 1 == y2)) ||
                                   (y == y2 && (x == x2 + 1 || x + 1 == x2));
        if (touchesTarget) {
            ShowXY(x, y, 0);   // the driver draws the ball on the target
            return;
        }
        const std::int32_t step = ChooseStep(x, y, arrivedBy, x2, y2);
        ShowXY(x, y, 0);
        if (step == kNone)
            return;   // no route at all; the reachability test rules this out
        screen_.playSound(25);
        x += kDx[step];
        y += kDy[step];
        ShowXY(x, y, colour);
        screen_.refreshBoard();
        screen_.sleepMs(75);
        arrivedBy = step;
    }
}

} // namespace velko
