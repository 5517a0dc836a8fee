// Where may the selected ball go, and which way does it step next?
// The flood answers the first; the step choice runs a flood and a bounded
// route-length search from each neighbour of the ball's cell.
#include "Game.h"

#include <algorithm>

#include "LongRoute.h"

namespace velko {

namespace {

constexpr std::int32_t kRouteBound = 47;
constexpr Step kSteps[4] = {Step::Left, Step::Up, Step::Right, Step::Down};

}   // namespace

bool Game::markReachable(Cell from)
{
    floodStart = from;
    marked = {};
    bool any = false;
    for (const Step step : kSteps) {
        const bool found = floodFrom(Neighbour(from, step), step);
        any = any || found;
    }
    return any;
}

bool Game::floodFrom(Cell cell, Step arrivedBy)
{
    if (!OnBoard(cell) || marked[cell.column][cell.row])
        return false;
    marked[cell.column][cell.row] = true;

    const Colour colour = board[cell.column][cell.row];
    if (colour == Colour::Empty) {
        // Every branch runs, so the flood marks every ball it touches.
        bool any = false;
        for (const Step step : kSteps) {
            if (step == Reverse(arrivedBy))
                continue;
            const bool found = floodFrom(Neighbour(cell, step), step);
            any = any || found;
        }
        return any;
    }

    if (cell == floodStart || colour != board[floodStart.column][floodStart.row])
        return false;
    reached[cell.column][cell.row] = true;
    return true;
}

bool Game::canReach(Cell from, Cell to, Step arrivedBy)
{
    marked = {};
    // The cell the ball would come from is closed to the flood.
    if (arrivedBy != Step::None) {
        const Cell back = Neighbour(from, Reverse(arrivedBy));
        marked[back.column][back.row] = true;
    }
    reached = {};
    floodFrom(from, arrivedBy);
    return reached[to.column][to.row];
}

std::int32_t Game::routeLength(Cell from, Cell to, std::int32_t stepsSoFar)
{
    if (Touch(from, to)) {
        bestSteps_ = stepsSoFar;
        return stepsSoFar + 1;
    }
    const std::int32_t memo = stepMemo_[from.column][from.row];
    if ((memo > 0 && stepsSoFar >= memo) || stepsSoFar + 1 >= bestSteps_)
        return kNoRoute;
    stepMemo_[from.column][from.row] = stepsSoFar;

    // Each branch runs to its end before the next, so a bound lowered by one
    // limits the ones after it.
    std::int32_t best = kNoRoute;
    for (const Step step : kSteps) {
        const Cell next = Neighbour(from, step);
        if (OnBoard(next) && board[next.column][next.row] == Colour::Empty)
            best = std::min(best, routeLength(next, to, stepsSoFar + 1));
    }
    return best;
}

Step Game::chooseStep(Cell at, Step arrivedBy, Cell target)
{
    stepMemo_ = {};
    bestSteps_ = kRouteBound;

    // Scores indexed by Step; Step::None stays unused.
    std::array<std::int32_t, 5> scores{kNoRoute, kNoRoute, kNoRoute, kNoRoute, kNoRoute};
    for (const Step step : kSteps) {
        const Cell next = Neighbour(at, step);
        if (!OnBoard(next) || board[next.column][next.row] != Colour::Empty)
            continue;
        const bool reach = canReach(next, target, step);
        if (step != Reverse(arrivedBy) && reach)
            scores[static_cast<int>(step)] = routeLength(next, target, 1);
    }
    const std::int32_t left = scores[1], up = scores[2], right = scores[3], down = scores[4];
    if (std::min({left, up, right, down}) >= kNoRoute) {
        // The route is longer than the search may look: follow a
        // breadth-first shortest route instead of stepping blindly.
        return FirstStepOfShortestRoute(board, at, target);
    }

    // Ties go to the later step, down first of all.
    if (left < up && left < right && left < down)
        return Step::Left;
    if (up < down && up < right)
        return Step::Up;
    if (right < down)
        return Step::Right;
    return Step::Down;
}

}   // namespace velko
