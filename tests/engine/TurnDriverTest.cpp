#include "EngineFixture.h"

namespace velko {
namespace {

using TurnDriver = EngineTest;

const std::vector<std::string> kWalledBall = {
    ".2.......",
    "212......",
    ".2.......",
    ".........",
    ".........",
    ".........",
    ".........",
    ".........",
    "........."};

TEST_F(TurnDriver, LeftClickOnEmptyCellWithNothingSelectedDoesNothing)
{
    clickCell(4, 4);
    EXPECT_TRUE(screen.events.empty());
    EXPECT_EQ(game.Sel[0], kNoSelection);
}

TEST_F(TurnDriver, ClickOnBallSelectsItAndShowsItsMarker)
{
    game.Board[3][6] = 5;
    clickCell(3, 6);
    EXPECT_EQ(screen.events, (std::vector<std::string>{"sound 0", "marker 3 6 5"}));
    EXPECT_EQ(game.Sel[0], 3);
    EXPECT_EQ(game.Sel[2], 6);
}

TEST_F(TurnDriver, ClickingAnotherBallMovesTheSelection)
{
    game.Board[3][6] = 5;
    game.Board[7][1] = 2;
    clickCell(3, 6);
    screen.events.clear();
    clickCell(7, 1);
    EXPECT_EQ(screen.events, (std::vector<std::string>{"sound 0", "marker off", "marker 7 1 2"}));
    EXPECT_EQ(game.Sel, (std::array<std::int32_t, 4>{7, 0, 1, 0}));
    screen.events.clear();
    clickCell(7, 1);   // the selected ball again: it stays selected
    EXPECT_EQ(screen.events, (std::vector<std::string>{"sound 0", "marker off", "marker 7 1 2"}));
    EXPECT_EQ(game.Sel[0], 7);
}

TEST_F(TurnDriver, RightClickDeselectsMiddleClickKeepsTheSelection)
{
    game.Board[3][6] = 5;
    clickCell(3, 6);
    screen.events.clear();
    clickCell(0, 0, kMiddleButton);
    EXPECT_EQ(screen.events, (std::vector<std::string>{"sound 12"}));
    EXPECT_EQ(game.Sel[0], 3);
    screen.events.clear();
    clickCell(0, 0, kRightButton);
    EXPECT_EQ(screen.events, (std::vector<std::string>{"sound 12", "marker off"}));
    EXPECT_EQ(game.Sel[0], kNoSelection);
}

TEST_F(TurnDriver, RefusedMoveLeavesTheBoardExactlyAsItWas)
{
    setBoard(kWalledBall);
    const Grid<std::int32_t> before = game.Board;
    const auto events = move({1, 1}, {6, 6});
    EXPECT_EQ(game.Board, before);
    EXPECT_EQ(events, (std::vector<std::string>{"sound 12", "marker off"}));
    EXPECT_EQ(game.Sel, (std::array<std::int32_t, 4>{255, 0, 0, 0}));
    EXPECT_EQ(random.drawn(), 0u) << "no new balls after a refused move";
}

TEST_F(TurnDriver, TargetNextToTheBallIsReachableWhenItsOtherNeighboursAreTaken)
{
    setBoard({
        ".2.......",
        "21.......",
        ".2.......",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        "........."});
    random.add({0.0f, 0.0f, 0.0f, 0.1f, 0.0f, 0.2f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f});
    move({1, 1}, {2, 1});
    EXPECT_EQ(game.Board[2][1], 1);
    EXPECT_EQ(game.Board[1][1], 0);
}

TEST_F(TurnDriver, ClickPixelsRoundHalfToEvenBeforeTheCellIsTaken)
{
    game.Board[0][0] = 4;
    game.Board[1][0] = 6;
    game.PictureBox0_MouseDown(kLeftButton, 0, 44.5f, 10.0f);   // 44.5 rounds to 44: column 0
    EXPECT_EQ(game.Sel[0], 0);
    game.PictureBox0_MouseDown(kLeftButton, 0, 44.6f, 10.0f);   // 45: column 1
    EXPECT_EQ(game.Sel[0], 1);
    game.PictureBox0_MouseDown(kLeftButton, 0, 45.5f, 10.0f);   // 46: column 1
    EXPECT_EQ(game.Sel[0], 1);
    game.PictureBox0_MouseDown(kLeftButton, 0, 0.5f, 10.0f);    // 0: column 0
    EXPECT_EQ(game.Sel[0], 0);
}

TEST_F(TurnDriver, ClicksOffTheBoardAreIgnored)
{
    game.Board[8][8] = 4;
    game.Board[0][0] = 4;
    game.PictureBox0_MouseDown(kLeftButton, 0, 404.6f, 404.0f);   // rounds to 405, past the edge
    game.PictureBox0_MouseDown(kLeftButton, 0, -30.0f, 10.0f);
    game.PictureBox0_MouseDown(kLeftButton, 0, 10.0f, 1e9f);
    EXPECT_TRUE(screen.events.empty());
    game.PictureBox0_MouseDown(kLeftButton, 0, 404.4f, 404.4f);
    EXPECT_EQ(game.Sel[0], 8);
}

TEST_F(TurnDriver, MoveThatFormsNoLineBringsThreeBallsAndANewPreview)
{
    game.Board[4][4] = 1;
    game.NextColor = {2, 3, 4};
    // Three cells (8,8), (4,4) and (0,0), then the preview 5, 4, 2.
    random.add({0.05f, 0.05f, 0.5f, 0.5f, 0.95f, 0.95f, 0.1f, 0.2f, 0.3f, 0.4f, 0.6f, 0.7f});
    move({4, 4}, {6, 4});
    EXPECT_EQ(game.Board[6][4], 1);
    EXPECT_EQ(game.Board[8][8], 2);
    EXPECT_EQ(game.Board[4][4], 3) << "the cell the ball left is free for a new ball";
    EXPECT_EQ(game.Board[0][0], 4);
    EXPECT_EQ(game.NextColor, (std::array<std::int32_t, 3>{5, 4, 2}));
    EXPECT_EQ(random.remaining(), 0u);
    EXPECT_EQ(count("sleep 150"), 1u);
}

TEST_F(TurnDriver, MoveThatFormsALineBringsNoBallsAndKeepsThePreview)
{
    setBoard({
        ".........",
        ".........",
        ".........",
        ".........",
        "..1111...",
        ".........",
        "......1..",
        ".........",
        "........."});
    game.NextColor = {2, 3, 4};
    const auto events = move({6, 6}, {6, 4});
    EXPECT_EQ(game.Score, 15);
    EXPECT_EQ(game.KongNum(), 81);
    EXPECT_EQ(game.NextColor, (std::array<std::int32_t, 3>{2, 3, 4}));
    EXPECT_EQ(std::count(events.begin(), events.end(), "refresh window"), 0);
    EXPECT_EQ(random.drawn(), 0u);
}

TEST_F(TurnDriver, TimerCountsTheShownScoreUpOneAtATime)
{
    game.Timer1_Timer();
    EXPECT_TRUE(screen.events.empty()) << "score 0 showing 0: nothing to do";
    game.Score = 10;
    for (int tick = 0; tick < 12; ++tick)
        game.Timer1_Timer();
    EXPECT_EQ(game.ShownScore, 10);
    EXPECT_EQ(screen.labels, "10");
    EXPECT_EQ(screen.events.size(), 10u);
    EXPECT_EQ(screen.events.front(), "label 1");
}

} // namespace
} // namespace velko
