#include "EngineFixture.h"

namespace velko {
namespace {

using BoardCells = EngineTest;

TEST_F(BoardCells, EmptyCellsAreChequered)
{
    game.ShowXY(0, 0, 0);
    game.ShowXY(1, 0, 0);
    game.ShowXY(0, 1, 0);
    game.ShowXY(4, 4, 0);
    game.ShowXY(3, 4, -5);   // anything below 1 is an empty cell
    RecordingScreen::Picture first = screen.pictures.at(0);
    EXPECT_EQ(first.picture, "I00");
    EXPECT_EQ(first.x, 0);
    EXPECT_EQ(screen.pictures.at(1).picture, "I0");
    EXPECT_EQ(screen.pictures.at(2).picture, "I0");
    EXPECT_EQ(screen.pictures.at(3).picture, "I00");
    EXPECT_EQ(screen.pictures.at(4).picture, "I0");
}

TEST_F(BoardCells, BallsUseTheirColourPictureAtTheCellCorner)
{
    game.ShowXY(2, 5, 7);
    ASSERT_EQ(screen.pictures.size(), 1u);
    EXPECT_EQ(screen.pictures[0].picture, "I7");
    EXPECT_EQ(screen.pictures[0].x, 90);
    EXPECT_EQ(screen.pictures[0].y, 225);
    EXPECT_EQ(game.Board[2][5], 0) << "drawing never changes the board";
    EXPECT_EQ(count("refresh"), 0u) << "drawing alone does not refresh";
}

TEST_F(BoardCells, KongNumCountsEmptyCells)
{
    EXPECT_EQ(game.KongNum(), 81);
    for (auto& column : game.Board)
        column.fill(3);
    EXPECT_EQ(game.KongNum(), 0);
    game.Board[8][0] = 0;
    game.Board[0][8] = 0;
    EXPECT_EQ(game.KongNum(), 2);
}

TEST_F(BoardCells, HidePicClearsTheWholeSelection)
{
    game.Sel = {3, 4, 5, 6};
    game.HidePic();
    EXPECT_EQ(game.Sel, (std::array<std::int32_t, 4>{255, 0, 0, 0}));
    EXPECT_FALSE(screen.markerShown);
    game.HidePic();
    EXPECT_EQ(game.Sel, (std::array<std::int32_t, 4>{255, 0, 0, 0}));
    EXPECT_EQ(screen.events, (std::vector<std::string>{"marker off", "marker off"}));
}

} // namespace
} // namespace velko
