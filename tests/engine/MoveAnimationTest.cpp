#include "EngineFixture.h"

namespace velko {
namespace {

class MoveAnimation : public EngineTest {
protected:
    // Runs the journey alone, with the board prepared as the turn driver leaves it.
    void animate(CellPos from, CellPos to, std::int32_t colour)
    {
        game.Board[from.column][from.row] = colour;
        game.Board[to.column][to.row] = colour;
        game.Reach = {};
        game.IsOK(from.column, from.row);
        screen.events.clear();
        game.DongHua(from.column, from.row, to.column, to.row, kNone);
    }
};

TEST_F(MoveAnimation, NeighbourTargetHasNoFrameOnlyTheBlankedSource)
{
    animate({4, 4}, {5, 4}, 2);
    EXPECT_EQ(screen.events, (std::vector<std::string>{"draw 4 4 0"}));
}

TEST_F(MoveAnimation, DiagonalTargetShowsOneFrameBelowTheSource)
{
    animate({4, 4}, {5, 5}, 2);
    EXPECT_EQ(screen.events, (std::vector<std::string>{
                                 "draw 4 4 0", "sound 25", "draw 4 5 2", "refresh", "sleep 75", "draw 4 5 0"}));
}

TEST_F(MoveAnimation, FiveCellsLeftTakeFourFramesAndFourSounds)
{
    animate({6, 2}, {1, 2}, 4);
    EXPECT_EQ(count("sleep 75"), 4u);
    EXPECT_EQ(screen.sleptMs, 4 * 75);
    EXPECT_EQ(count("sound 25"), 4u);
    EXPECT_EQ(count("refresh"), 4u);
    for (int column = 5; column >= 2; --column)
        EXPECT_EQ(count("draw " + std::to_string(column) + " 2 4"), 1u) << "frame at column " << column;
}

TEST_F(MoveAnimation, WholeMoveAddsTheDriversSoundAndTheLanding)
{
    game.Board[6][2] = 4;
    random.add({0.05f, 0.05f, 0.15f, 0.05f, 0.25f, 0.05f, 0.5f, 0.1f, 0.5f, 0.1f, 0.5f, 0.1f});
    const auto events = move({6, 2}, {1, 2});
    EXPECT_EQ(std::count(events.begin(), events.end(), "sound 25"), 5);
    ASSERT_GE(events.size(), 2u);
    EXPECT_EQ(events[0], "marker off");
    EXPECT_EQ(events[1], "sound 25");
    // The landing: source of the last step blanked, ball drawn on the target, one refresh.
    const auto landing = std::find(events.begin(), events.end(), "draw 1 2 4");
    ASSERT_NE(landing, events.end());
    EXPECT_EQ(*(landing - 1), "draw 2 2 0");
    EXPECT_EQ(*(landing + 1), "refresh");
    EXPECT_EQ(game.Board[6][2], 0);
    EXPECT_EQ(game.Board[1][2], 4);
}

TEST_F(MoveAnimation, BoardIsUntouchedWhileTheBallTravels)
{
    animate({0, 0}, {5, 3}, 6);
    Grid<std::int32_t> expected{};
    expected[0][0] = 6;
    expected[5][3] = 6;
    EXPECT_EQ(game.Board, expected);
}

} // namespace
} // namespace velko
