#include "LongRoute.h"

namespace velko {

namespace {
constexpr Step kSteps[4] = {Step::Left, Step::Up, Step::Right, Step::Down};
}

Step firstStepOfShortestRoute(const Grid<Colour>& board, Cell from, Cell target)
{
    constexpr int kFar = kCells * kCells + 1;

    // Distances to the target, spreading backwards from it over empty cells.
    Grid<int> distance;
    for (auto& column : distance)
        column.fill(kFar);
    std::array<Cell, kCells * kCells> queue{};
    std::size_t head = 0, tail = 0;
    distance[target.column][target.row] = 0;
    queue[tail++] = target;
    while (head < tail) {
        const Cell at = queue[head++];
        for (const Step step : kSteps) {
            const Cell next = neighbour(at, step);
            if (!onBoard(next) || board[next.column][next.row] != Colour::Empty ||
                distance[next.column][next.row] != kFar)
                continue;
            distance[next.column][next.row] = distance[at.column][at.row] + 1;
            queue[tail++] = next;
        }
    }

    Step best = Step::None;
    int bestDistance = kFar;
    for (const Step step : kSteps) {
        const Cell next = neighbour(from, step);
        if (!onBoard(next))
            continue;
        if (next == target)
            return step;   // the last step
        if (board[next.column][next.row] == Colour::Empty && distance[next.column][next.row] < bestDistance) {
            bestDistance = distance[next.column][next.row];
            best = step;
        }
    }
    return best;
}

}   // namespace velko
