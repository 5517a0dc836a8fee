#pragma once
// A breadth-first shortest route over empty cells, for journeys longer than
// the step choice's route search may look.

#include <cstdint>

#include "Game.h"

namespace velko {

// The direction (kLeft..kDown) of the first step from (x, y) along a shortest
// route of empty cells whose last step enters the target (tx, ty); the cells
// at (x, y) and at the target may hold balls. kNone when no route exists.
// Among equally short routes the first direction in the order left, up,
// right, down wins. Allocates nothing.
std::int32_t FirstStepOfShortestRoute(const Grid<std::int32_t>& board, std::int32_t x, std::int32_t y,
                                      std::int32_t tx, std::int32_t ty);

} // namespace velko
