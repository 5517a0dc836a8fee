#pragma once
// Where may the picked-up ball go, and which way does it step next? A flood
// over the empty cells answers the first; the step choice runs a flood and a
// bounded route-length search from each neighbour of the ball's cell. The
// search reads the board it was given and keeps its own scratch marks.

#include <cstdint>

#include "Board.h"

namespace velko {

// The route-length search gives this score to a way that leads nowhere.
constexpr std::int32_t kNoRoute = 50;

class PathSearch {
public:
    explicit PathSearch(const Grid<Colour>& board) : board_(board) {}
    PathSearch(const PathSearch&) = delete;
    PathSearch& operator=(const PathSearch&) = delete;

    // Whether the ball at `from` may travel to the empty cell `to`. The target
    // must already hold the moving colour: the flood recognises it as a ball
    // of that colour it may join.
    bool canMove(Cell from, Cell to);

    // The next step of the ball that set out from `start` and stands at `at`,
    // arrived by the given step, towards `target`; Step::None when no route
    // is left. The ball is still on the board at `start`, and its colour on
    // the target.
    Step chooseStep(Cell start, Cell at, Step arrivedBy, Cell target);

private:
    // Floods the empty cells around the ball at `from`, marking in reached_
    // every ball of its colour they touch.
    void markReachable(Cell from);
    // One cell of the flood, entered by the given step.
    bool floodFrom(Cell cell, Step arrivedBy);
    // Whether the empty cell `from`, entered by the given step, leads to `to`
    // without going straight back.
    bool canReach(Cell from, Cell to, Step arrivedBy);
    // Length of the shortest route from `from` to a cell beside `to` within the
    // search bound, after `stepsSoFar` steps; kNoRoute when there is none.
    std::int32_t routeLength(Cell from, Cell to, std::int32_t stepsSoFar);

    const Grid<Colour>& board_;
    Grid<bool> marked_{};             // cells the flood has entered
    Grid<bool> reached_{};            // balls of the moving colour the flood touched; the target counts as one
    Cell floodStart_{};               // the ball whose colour the flood looks for
    Grid<std::int32_t> stepMemo_{};   // route-length search memory
    std::int32_t bestSteps_ = 0;      // route-length search bound
};

}   // namespace velko
