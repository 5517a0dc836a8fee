#include "EngineFixture.h"

namespace velko {
namespace {

using PathSearch = EngineTest;

// Wall rows 1, 3, 5, 7 with a single gap, alternating ends: the only way
// from the top-left corner to the bottom-right one is 48 steps long.
const Rows kCorridor = {"1........", "23232323.", ".........", ".32323232", ".........",
                        "23232323.", ".........", ".32323232", "........."};
// Diagonal gaps between the 2s lead nowhere.
const Rows kGaps = {"1........", ".........", ".........", ".........", ".........",
                    ".........", ".......2.", "......2.2", ".......2."};
// The blue ball on the rim of the top-left pocket does not open the way out of it.
const Rows kPocket = {"1..2.....", "...2.....", "2221.....", ".........", ".........",
                      ".........", ".........", ".........", "........."};

TEST_F(PathSearch, BallWalksAShortestWayOverEmptyCellsWithAFrameAndASoundPerStep)
{
    // A length of 0: no way there, the move is refused.
    struct Case {
        Rows board;
        Cell from, to;
        std::vector<Cell> start;
        std::size_t length;
    };
    const Cell centre{4, 4};
    const Case cases[] = {
        {BallAt(centre), centre, {6, 6}, {{5, 4}, {6, 4}, {6, 5}, {6, 6}}, 4},
        {BallAt(centre), centre, {4, 8}, {{4, 5}, {4, 6}, {4, 7}, {4, 8}}, 4},
        {BallAt(centre), centre, {5, 5}, {{4, 5}}, 2},   // down-right: down first
        {BallAt(centre), centre, {3, 3}, {{4, 3}}, 2},   // up-left: up first
        {BallAt(centre), centre, {5, 3}, {{5, 4}}, 2},   // up-right: right first
        {BallAt(centre), centre, {3, 5}, {{4, 5}}, 2},   // down-left: down first
        {BallAt(centre), centre, {2, 6}, {{3, 4}}, 4},   // left and down equally short: left
        {BallAt(centre), centre, {5, 4}, {{5, 4}}, 1},   // neighbour: no frame
        {BallAt({6, 2}), {6, 2}, {1, 2}, {{5, 2}, {4, 2}, {3, 2}, {2, 2}, {1, 2}}, 5},
        {{".2.......", "21.......", ".2.......", ".........", ".........", ".........", ".........", ".........",
          "........."},
         {1, 1},
         {2, 1},
         {{2, 1}},
         1},                                   // the only free neighbour is the target
        {kCorridor, {0, 0}, {8, 8}, {}, 48},   // beyond the route search: the long route
        {kGaps, {0, 0}, {6, 6}, {}, 12},
        {kGaps, {0, 0}, {7, 7}, {}, 0},
        {kPocket, {0, 0}, {2, 1}, {}, 3},
        {kPocket, {0, 0}, {6, 6}, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.from << " to " << c.to);
        setBoard(c.board);
        const Grid<Colour> before = game.board;
        // The new balls land in the top-right corner, a preview follows.
        if (c.length > 0)
            random.add({0.05f, 0.95f, 0.15f, 0.95f, 0.25f, 0.95f, 0.5f, 0.1f, 0.5f, 0.1f, 0.5f, 0.1f});
        const Events events = move(c.from, c.to);
        if (c.length == 0) {
            EXPECT_EQ(events, (Events{"sound 12", "marker off"}));
            EXPECT_EQ(game.board, before);
            continue;
        }
        const std::vector<Cell> cells = journey(events);   // shortest lengths: no cell twice
        ASSERT_EQ(cells.size(), c.length);
        EXPECT_TRUE(std::equal(c.start.begin(), c.start.end(), cells.begin()));
        Cell at = c.from;
        for (const Cell& cell : cells) {
            ASSERT_EQ(std::abs(cell.column - at.column) + std::abs(cell.row - at.row), 1) << "jump to " << cell;
            ASSERT_EQ(before[cell.column][cell.row], Colour::Empty) << "entered a ball at " << cell;
            at = cell;
        }
        EXPECT_EQ(at, c.to);
        const auto travel = Events(events.begin(), std::find(events.begin(), events.end(), "sleep 150"));
        EXPECT_EQ(std::count(travel.begin(), travel.end(), "sleep 75"), static_cast<long>(c.length - 1));
        EXPECT_EQ(std::count(travel.begin(), travel.end(), "sound 25"), static_cast<long>(c.length));
        EXPECT_EQ(game.board[c.to.column][c.to.row], before[c.from.column][c.from.row]);
    }
}

}   // namespace
}   // namespace velko
