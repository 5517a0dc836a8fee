#include "EngineFixture.h"

#include <set>

#include "LongRoute.h"

namespace velko {
namespace {

class PathSearch : public EngineTest {
protected:
    // Enough random values for the three new balls and the preview after a
    // move on a board whose top-right corner cells are free.
    void feedNewBalls()
    {
        random.add({0.05f, 0.95f, 0.15f, 0.95f, 0.25f, 0.95f});   // cells (8,0), (7,0), (6,0)
        random.add({0.5f, 0.1f, 0.5f, 0.1f, 0.5f, 0.1f});         // preview 3, 3, 3
    }

    // Prepares a journey as the turn driver does and runs one step choice.
    std::int32_t firstStep(CellPos from, CellPos to)
    {
        game.Board[to.column][to.row] = game.Board[from.column][from.row];
        game.Reach = {};
        game.IsOK(from.column, from.row);
        return game.ChooseStep(from.column, from.row, kNone, to.column, to.row);
    }

    bool reachable(CellPos from, CellPos to)
    {
        game.Board[to.column][to.row] = game.Board[from.column][from.row];
        game.Reach = {};
        game.IsOK(from.column, from.row);
        const bool result = game.Reach[to.column][to.row];
        game.Board[to.column][to.row] = 0;
        return result;
    }

    std::vector<CellPos> travel(CellPos from, CellPos to)
    {
        feedNewBalls();
        return journey(move(from, to));
    }
};

using Scores = std::array<std::int32_t, 4>;

TEST_F(PathSearch, BallWithAllFourNeighboursTakenReachesNothing)
{
    setBoard({
        ".........",
        ".........",
        ".........",
        "....3....",
        "...414...",
        "....5....",
        ".........",
        ".........",
        "........."});
    EXPECT_FALSE(reachable({4, 4}, {0, 0}));
    EXPECT_FALSE(reachable({4, 4}, {8, 8}));
}

TEST_F(PathSearch, FloodDoesNotSlipThroughDiagonalGaps)
{
    // The target (7,7) is closed in by balls of other colours; the diagonal
    // gaps between them lead nowhere.
    setBoard({
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".......2.",
        "......2.2",
        ".......2."});
    game.Board[0][0] = 1;
    EXPECT_FALSE(reachable({0, 0}, {7, 7}));
    EXPECT_TRUE(reachable({0, 0}, {6, 6}));
}

TEST_F(PathSearch, SameColourBallOnTheRimDoesNotOpenAClosedTarget)
{
    // The ball at (0,0) lives in the top-left pocket; another blue ball sits
    // on the pocket's rim and touches the closed target region.
    setBoard({
        "1..2.....",
        "...2.....",
        "2221.....",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        "........."});
    EXPECT_FALSE(reachable({0, 0}, {6, 6}));
    EXPECT_TRUE(reachable({0, 0}, {2, 1}));
}

TEST_F(PathSearch, EmptyBoardTowardsDiagonalTargetScoresLeft6Right4)
{
    game.Board[4][4] = 2;
    EXPECT_EQ(firstStep({4, 4}, {6, 6}), kRight);
    EXPECT_EQ(game.StepScores, (Scores{6, 50, 4, 50}));
    EXPECT_FALSE(game.StepByLongRoute);
}

TEST_F(PathSearch, EmptyBoardTowardsTargetBelowScoresLeft6Down4)
{
    game.Board[4][4] = 2;
    EXPECT_EQ(firstStep({4, 4}, {4, 8}), kDown);
    EXPECT_EQ(game.StepScores, (Scores{6, 50, 50, 4}));
}

TEST_F(PathSearch, CornerBallScoresOnlyTheWayRight)
{
    game.Board[0][0] = 2;
    EXPECT_EQ(firstStep({0, 0}, {3, 0}), kRight);
    EXPECT_EQ(game.StepScores, (Scores{50, 50, 3, 50}));
}

TEST_F(PathSearch, WholeJourneysOnAnEmptyBoard)
{
    game.Board[4][4] = 3;
    EXPECT_EQ(travel({4, 4}, {6, 6}), (std::vector<CellPos>{{5, 4}, {6, 4}, {6, 5}, {6, 6}}));
    EXPECT_EQ(game.Board[6][6], 3);
}

TEST_F(PathSearch, StraightDownJourney)
{
    game.Board[4][4] = 3;
    EXPECT_EQ(travel({4, 4}, {4, 8}), (std::vector<CellPos>{{4, 5}, {4, 6}, {4, 7}, {4, 8}}));
}

TEST_F(PathSearch, TwoCellsRightAlongAnEmptyRow)
{
    game.Board[4][4] = 3;
    EXPECT_EQ(travel({4, 4}, {6, 4}), (std::vector<CellPos>{{5, 4}, {6, 4}}));
}

TEST_F(PathSearch, DiagonalNeighboursTakeTheLastShortestWayInOrder)
{
    struct Case {
        CellPos to;
        CellPos firstStep;
    };
    const Case cases[] = {
        {{5, 5}, {4, 5}},   // down-right: down first
        {{3, 3}, {4, 3}},   // up-left: up first
        {{5, 3}, {5, 4}},   // up-right: right first
        {{3, 5}, {4, 5}},   // down-left: down first
    };
    for (const Case& c : cases) {
        game.Board = {};
        game.Board[4][4] = 3;
        const auto cells = travel({4, 4}, c.to);
        ASSERT_EQ(cells.size(), 2u) << "to " << c.to;
        EXPECT_EQ(cells[0], c.firstStep) << "to " << c.to;
        EXPECT_EQ(cells[1], c.to);
    }
}

TEST_F(PathSearch, EqualRoutesStartingLeftAndDownStartLeft)
{
    game.Board[4][4] = 3;
    const auto cells = travel({4, 4}, {2, 6});
    ASSERT_EQ(cells.size(), 4u);
    EXPECT_EQ(cells[0], (CellPos{3, 4}));
}

TEST_F(PathSearch, BallNeverStepsBackAndWalksAShortestRouteAroundWalls)
{
    setBoard({
        ".........",
        ".222222..",
        ".2.......",
        ".2.2222..",
        ".2.2..2..",
        ".2.2.1...",
        ".2.2222..",
        ".2.......",
        "........."});
    const auto cells = travel({5, 5}, {0, 0});
    std::set<std::pair<int, int>> seen;
    CellPos at{5, 5};
    for (const CellPos& cell : cells) {
        EXPECT_EQ(std::abs(cell.column - at.column) + std::abs(cell.row - at.row), 1);
        EXPECT_TRUE(seen.insert({cell.column, cell.row}).second) << "cell " << cell << " visited twice";
        at = cell;
    }
    EXPECT_EQ(at, (CellPos{0, 0}));
    // Out of the pocket right to column 7, up to row 0, then left along it:
    // 2 + 5 + 7 steps.
    EXPECT_EQ(cells.size(), 14u);
}

// Wall rows 1, 3, 5, 7 with a single gap, alternating ends: the only way
// from the top-left corner to the bottom-right one is 48 steps long.
const std::vector<std::string> kCorridor = {
    "1........",
    "23232323.",
    ".........",
    ".32323232",
    ".........",
    "23232323.",
    ".........",
    ".32323232",
    "........."};

TEST_F(PathSearch, CorridorLongerThanTheSearchBoundIsStillWalkedCellByCell)
{
    setBoard(kCorridor);
    const Grid<std::int32_t> before = game.Board;

    EXPECT_EQ(firstStep({0, 0}, {8, 8}), kRight);
    EXPECT_TRUE(game.StepByLongRoute) << "48 steps are beyond the route search";
    EXPECT_EQ(game.StepScores, (Scores{50, 50, 50, 50}));
    game.Board[8][8] = 0;

    random.add({0.05f, 0.95f, 0.15f, 0.95f, 0.25f, 0.95f, 0.5f, 0.1f, 0.5f, 0.1f, 0.5f, 0.1f});
    const auto cells = journey(move({0, 0}, {8, 8}));
    ASSERT_EQ(cells.size(), 48u);
    CellPos at{0, 0};
    for (const CellPos& cell : cells) {
        ASSERT_EQ(std::abs(cell.column - at.column) + std::abs(cell.row - at.row), 1) << "jump to " << cell;
        if (!(cell == CellPos{8, 8})) {
            ASSERT_EQ(before[cell.column][cell.row], 0) << "the ball entered a ball at " << cell;
        }
        at = cell;
    }
    EXPECT_EQ(game.Board[8][8], 1);
    EXPECT_EQ(game.Board[0][0], 0);
    EXPECT_EQ(count("sleep 75"), 47u + 3u * 2u) << "47 travel frames, then two blink frames per new ball";
}

TEST_F(PathSearch, ShortestRouteHelperFindsTheWayAndNothingWhenClosed)
{
    setBoard(kCorridor);
    game.Board[8][8] = 1;
    EXPECT_EQ(FirstStepOfShortestRoute(game.Board, 0, 0, 8, 8), kRight);
    EXPECT_EQ(FirstStepOfShortestRoute(game.Board, 8, 1, 8, 8), kDown);
    EXPECT_EQ(FirstStepOfShortestRoute(game.Board, 8, 7, 8, 8), kDown) << "the last step enters the target";
    game.Board[8][1] = 3;   // close the corridor
    EXPECT_EQ(FirstStepOfShortestRoute(game.Board, 0, 0, 8, 8), kNone);
}

} // namespace
} // namespace velko
