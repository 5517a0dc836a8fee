// Where may the selected ball go, and which way does it step next?
// The flood AreLJ answers the first; the step choice runs a flood and a
// bounded route-length search from each neighbour of the ball's cell.
#include "Game.h"

#include "LongRoute.h"

namespace velko {

namespace {

constexpr std::int32_t kRouteBound = 47;

bool Touches(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    return (x1 == x2 && (y1 == y2 + 1 || y1 + 1 == y2)) ||
           (y1 == y2 && (x1 == x2 + 1 || x1 + 1 == x2));
}

} // namespace

bool Game::IsOK(std::int32_t temX, std::int32_t temY)
{
    FloodStart = {temX, temY};
    Visited = {};
    const bool left = temX >= 1 && AreLJ(temX - 1, temY, kLeft);
    const bool up = temY >= 1 && AreLJ(temX, temY - 1, kUp);
    const bool right = temX <= 7 && AreLJ(temX + 1, temY, kRight);
    const bool down = temY <= 7 && AreLJ(temX, temY + 1, kDown);
    return left || up || right || down;
}

bool Game::AreLJ(std::int32_t X, std::int32_t Y, std::int32_t fx)
{
    if (X < 0 || X >= kCells || Y < 0 || Y >= kCells)
        return false;
    if (Visited[X][Y])
        return false;
    Visited[X][Y] = true;

    if (Board[X][Y] == 0) {
        // Every branch runs, so the flood marks every ball it touches.
        const bool left = X >= 1 && fx != kRight && AreLJ(X - 1, Y, kLeft);
        const bool up = Y >= 1 && fx != kDown && AreLJ(X, Y - 1, kUp);
        const bool right = X <= 7 && fx != kLeft && AreLJ(X + 1, Y, kRight);
        const bool down = Y <= 7 && fx != kUp && AreLJ(X, Y + 1, kDown);
        return left || up || right || down;
    }

    const std::int32_t startColumn = FloodStart[0], startRow = FloodStart[1];
    if ((X == startColumn && Y == startRow) || Board[X][Y] != Board[startColumn][startRow])
        return false;
    Reach[X][Y] = true;
    return true;
}

bool Game::CeShi(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t fx)
{
    Visited = {};
    // The cell the ball would come from is closed to the flood.
    switch (fx) {
    case kLeft: Visited[x1 + 1][y1] = true; break;
    case kUp: Visited[x1][y1 + 1] = true; break;
    case kRight: Visited[x1 - 1][y1] = true; break;
    case kDown: Visited[x1][y1 - 1] = true; break;
    default: break;
    }
    Reach = {};
    AreLJ(x1, y1, fx);
    return Reach[x2][y2];
}

std::int32_t Game::CeBu(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t BuShu)
{
    if (Touches(x1, y1, x2, y2)) {
        BestSteps = BuShu;
        return BuShu + 1;
    }
    const std::int32_t memo = StepMemo[x1][y1];
    if ((memo > 0 && BuShu >= memo) || BuShu + 1 >= BestSteps)
        return kNoRoute;
    StepMemo[x1][y1] = BuShu;

    // Each branch runs to its end before the next, so a bound lowered by one
    // limits the ones after it.
    const std::int32_t left = (x1 > 0 && Board[x1 - 1][y1] == 0) ? CeBu(x1 - 1, y1, x2, y2, BuShu + 1) : kNoRoute;
    const std::int32_t up = (y1 > 0 && Board[x1][y1 - 1] == 0) ? CeBu(x1, y1 - 1, x2, y2, BuShu + 1) : kNoRoute;
    const std::int32_t right = (x1 < 8 && Board[x1 + 1][y1] == 0) ? CeBu(x1 + 1, y1, x2, y2, BuShu + 1) : kNoRoute;
    const std::int32_t down = (y1 < 8 && Board[x1][y1 + 1] == 0) ? CeBu(x1, y1 + 1, x2, y2, BuShu + 1) : kNoRoute;

    std::int32_t best = left;
    if (up < best) best = up;
    if (right < best) best = right;
    if (down < best) best = down;
    return best;
}

std::int32_t Game::ChooseStep(std::int32_t x, std::int32_t y, std::int32_t fx, std::int32_t tx, std::int32_t ty)
{
    StepMemo = {};
    BestSteps = kRouteBound;

    static constexpr std::int32_t kDx[5] = {0, -1, 0, 1, 0};
    static constexpr std::int32_t kDy[5] = {0, 0, -1, 0, 1};
    static constexpr std::int32_t kReverse[5] = {kNone, kRight, kDown, kLeft, kUp};

    std::array<std::int32_t, 5> score{kNoRoute, kNoRoute, kNoRoute, kNoRoute, kNoRoute};
    for (std::int32_t d = kLeft; d <= kDown; ++d) {
        const std::int32_t nx = x + kDx[d], ny = y + kDy[d];
        if (nx < 0 || nx >= kCells || ny < 0 || ny >= kCells || Board[nx][ny] != 0)
            continue;
        const bool reach = CeShi(nx, ny, tx, ty, d);
        if (d != kReverse[fx] && reach)
            score[d] = CeBu(nx, ny, tx, ty, 1);
    }
    StepScores = {score[kLeft], score[kUp], score[kRight], score[kDown]};

    const bool found = score[kLeft] < kNoRoute || score[kUp] < kNoRoute ||
                       score[kRight] < kNoRoute || score[kDown] < kNoRoute;
    StepByLongRoute = !found;
    if (!found) {
        // The route is longer than the search may look: follow a
        // breadth-first shortest route instead of stepping blindly.
        return FirstStepOfShortestRoute(Board, x, y, tx, ty);
    }

    if (score[kLeft] < score[kUp] && score[kLeft] < score[kRight] && score[kLeft] < score[kDown])
        return kLeft;
    if (score[kUp] < score[kDown] && score[kUp] < score[kRight])
        return kUp;
    if (score[kRight] < score[kDown])
        return kRight;
    return kDown;
}

} // namespace velko
