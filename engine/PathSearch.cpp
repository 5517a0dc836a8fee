#include "PathSearch.h"

#include <algorithm>
#include <array>

#include "LongRoute.h"

namespace velko {

namespace {

constexpr std::int32_t kRouteBound = 47;
constexpr Step kSteps[4] = {Step::Left, Step::Up, Step::Right, Step::Down};

}   // namespace

bool PathSearch::canMove(Cell from, Cell to)
{
    reached_ = {};
    markReachable(from);
    return reached_[to.column][to.row];
}

void PathSearch::markReachable(Cell from)
{
    floodStart_ = from;
    marked_ = {};
    for (const Step step : kSteps)
        floodFrom(neighbour(from, step), step);
}

bool PathSearch::floodFrom(Cell cell, Step arrivedBy)
{
    if (!onBoard(cell) || marked_[cell.column][cell.row])
        return false;
    marked_[cell.column][cell.row] = true;

    const Colour colour = board_[cell.column][cell.row];
    if (colour == Colour::Empty) {
        // Every branch runs, so the flood marks every ball it touches.
        bool any = false;
        for (const Step step : kSteps) {
            if (step == reverse(arrivedBy))
                continue;
            const bool found = floodFrom(neighbour(cell, step), step);
            any = any || found;
        }
        return any;
    }

    if (cell == floodStart_ || colour != board_[floodStart_.column][floodStart_.row])
        return false;
    reached_[cell.column][cell.row] = true;
    return true;
}

bool PathSearch::canReach(Cell from, Cell to, Step arrivedBy)
{
    marked_ = {};
    // The cell the ball would come from is closed to the flood.
    if (arrivedBy != Step::None) {
        const Cell back = neighbour(from, reverse(arrivedBy));
        marked_[back.column][back.row] = true;
    }
    reached_ = {};
    floodFrom(from, arrivedBy);
    return reached_[to.column][to.row];
}

std::int32_t PathSearch::routeLength(Cell from, Cell to, std::int32_t stepsSoFar)
{
    if (touch(from, to)) {
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
        const Cell next = neighbour(from, step);
        if (onBoard(next) && board_[next.column][next.row] == Colour::Empty)
            best = std::min(best, routeLength(next, to, stepsSoFar + 1));
    }
    return best;
}

Step PathSearch::chooseStep(Cell start, Cell at, Step arrivedBy, Cell target)
{
    floodStart_ = start;
    stepMemo_ = {};
    bestSteps_ = kRouteBound;

    // Scores indexed by Step; Step::None stays unused.
    std::array<std::int32_t, 5> scores{kNoRoute, kNoRoute, kNoRoute, kNoRoute, kNoRoute};
    for (const Step step : kSteps) {
        const Cell next = neighbour(at, step);
        if (!onBoard(next) || board_[next.column][next.row] != Colour::Empty)
            continue;
        const bool reach = canReach(next, target, step);
        if (step != reverse(arrivedBy) && reach)
            scores[static_cast<int>(step)] = routeLength(next, target, 1);
    }
    const std::int32_t left = scores[1], up = scores[2], right = scores[3], down = scores[4];
    if (std::min({left, up, right, down}) >= kNoRoute) {
        // The route is longer than the search may look: follow a
        // breadth-first shortest route instead of stepping blindly.
        return firstStepOfShortestRoute(board_, at, target);
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
