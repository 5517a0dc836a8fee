#pragma once
// A breadth-first shortest route over empty cells, for journeys longer than
// the step choice's route search may look.

#include "Board.h"

namespace velko {

// The first step from `from` along a shortest route of empty cells whose last
// step enters `target`; the cells at `from` and at the target may hold balls.
// Step::None when no route exists. Among equally short routes the first step
// in the order left, up, right, down wins. Allocates nothing.
Step firstStepOfShortestRoute(const Grid<Colour>& board, Cell from, Cell target);

}   // namespace velko
