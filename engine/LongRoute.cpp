#include "LongRoute.h"

namespace velko {

std::int32_t FirstStepOfShortestRoute(const Grid<std::int32_t>& board, std::int32_t x, std::int32_t y,
                                      std::int32_t tx, std::int32_t ty)
{
    static constexpr std::int32_t kDx[5] = {0, -1, 0, 1, 0};
    static constexpr std::int32_t kDy[5] = {0, 0, -1, 0, 1};
    constexpr std::int32_t kFar = kCells * kCells + 1;

    // Distances to the target, spreading backwards from it over empty cells.
    Grid<std::int32_t> distance;
    for (auto& column : distance)
        column.fill(kFar);
    std::array<std::int32_t, kCells * kCells> queue{};
    std::size_t head = 0, tail = 0;
    distance[tx][ty] = 0;
    queue[tail++] = tx * kCells + ty;
    while (head < tail) {
        const std::int32_t cx = queue[head] / kCells, cy = queue[head] % kCells;
        ++head;
        for (std::int32_t d = kLeft; d <= kDown; ++d) {
            const std::int32_t nx = cx + kDx[d], ny = cy + kDy[d];
            if (nx < 0 || nx >= kCells || ny < 0 || ny >= kCells)
                continue;
            if (board[nx][ny] != 0 || distance[nx][ny] != kFar)
                continue;
            distance[nx][ny] = distance[cx][cy] + 1;
            queue[tail++] = nx * kCells + ny;
        }
    }

    std::int32_t bestDirection = kNone;
    std::int32_t bestDistance = kFar;
    for (std::int32_t d = kLeft; d <= kDown; ++d) {
        const std::int32_t nx = x + kDx[d], ny = y + kDy[d];
        if (nx < 0 || nx >= kCells || ny < 0 || ny >= kCells)
            continue;
        if (nx == tx && ny == ty)
            return d;   // the last step
        if (board[nx][ny] == 0 && distance[nx][ny] < bestDistance) {
            bestDistance = distance[nx][ny];
            bestDirection = d;
        }
    }
    return bestDirection;
}

} // namespace velko
