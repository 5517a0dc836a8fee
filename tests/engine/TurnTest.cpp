#include "EngineFixture.h"

namespace velko {
namespace {

using Turn = EngineTest;
using Selection = std::array<std::int32_t, 4>;

TEST_F(Turn, CellsAreChequeredWhenEmptyAndBallsUseTheirColourPicture)
{
    struct Case { int column, row, value; std::string picture; };   // below 1 is an empty cell
    for (const Case& c : {Case{0, 0, 0, "I00"}, {1, 0, 0, "I0"}, {0, 1, 0, "I0"}, {4, 4, 0, "I00"},
                          {3, 4, -5, "I0"}, {2, 5, 7, "I7"}}) {
        screen.pictures.clear();
        game.ShowXY(c.column, c.row, c.value);
        ASSERT_EQ(screen.pictures.size(), 1u);
        EXPECT_EQ(screen.pictures[0].picture, c.picture) << c.column << ',' << c.row;
        EXPECT_EQ(screen.pictures[0].x, c.column * kCellSize);
        EXPECT_EQ(screen.pictures[0].y, c.row * kCellSize);
    }
    EXPECT_EQ(game.Board, Grid<std::int32_t>{}) << "drawing never changes the board";
    EXPECT_EQ(std::count(screen.events.begin(), screen.events.end(), "refresh"), 0) << "drawing alone does not refresh";
}

TEST_F(Turn, RefusedMoveLeavesTheBoardExactlyAsItWas)
{
    setBoard({".2.......", "212......", ".2.......", ".........", ".........", ".........", ".........",
              ".........", "........."});   // the ball at (1,1) is walled in
    const Grid<std::int32_t> before = game.Board;
    EXPECT_EQ(move({1, 1}, {6, 6}), (Events{"sound 12", "marker off"}));
    EXPECT_EQ(game.Board, before);
    EXPECT_EQ(game.Sel, (Selection{kNoSelection, 0, 0, 0}));
    EXPECT_EQ(random.drawn(), 0u) << "no new balls after a refused move";
}

TEST_F(Turn, ClicksRoundHalfToEvenSelectTheBallAndIgnoreTheOffBoardOnes)
{
    game.Board[0][0] = 4;
    game.Board[1][0] = 6;
    game.Board[8][8] = 4;
    // 404.6 rounds to 405, past the edge; 44.5 to 44, 44.6 and 45.5 to 45 and 46, 0.5 to 0.
    struct Case { float x, y; Selection sel; Events events; };
    const Case cases[] = {
        {404.6f, 404.0f, {kNoSelection, 0, 0, 0}, {}}, {-30.0f, 10.0f, {kNoSelection, 0, 0, 0}, {}},
        {10.0f, 1e9f, {kNoSelection, 0, 0, 0}, {}}, {44.5f, 10.0f, {0, 0, 0, 0}, {"sound 0", "marker 0 0 4"}},
        {44.6f, 10.0f, {1, 0, 0, 0}, {"sound 0", "marker off", "marker 1 0 6"}},   // another ball
        {45.5f, 10.0f, {1, 0, 0, 0}, {"sound 0", "marker off", "marker 1 0 6"}},   // the selected ball again
        {0.5f, 10.0f, {0, 0, 0, 0}, {"sound 0", "marker off", "marker 0 0 4"}},
        {404.4f, 404.4f, {8, 0, 8, 0}, {"sound 0", "marker off", "marker 8 8 4"}}};
    for (const Case& c : cases) {
        screen.events.clear();
        game.PictureBox0_MouseDown(kLeftButton, 0, c.x, c.y);
        EXPECT_EQ(game.Sel, c.sel) << c.x << ',' << c.y;
        EXPECT_EQ(screen.events, c.events) << c.x << ',' << c.y;
    }
}

TEST_F(Turn, StartGameDrawsTheFirstBallsUntestedAndSwitchesTheGameOn)
{
    for (auto& column : game.Board)
        column.fill(2);
    game.Score = 55;
    game.ShownScore = 40;
    game.Sel = {3, 4, 5, 6};
    screen.setBoardEnabled(false);
    screen.setScoreTimer(false);
    screen.events.clear();

    // Row first, then column, then the colour and the joker chance: (5,2)
    // colour 4, (0,7) colour 1, then (5,2) again with a joker replacing the 4.
    random.add({Index(2), Index(5), Pick(5, 4), Pick(12, 12), Index(7), Index(0), Pick(5, 1), Pick(12, 12)});
    random.add({Index(2), Index(5), Pick(5, 3), Pick(12, 6)});   // the joker chance is 6
    random.add({0.1f, 0.2f, 0.3f, 0.4f, 0.6f, 0.7f});
    game.StartGame();

    EXPECT_EQ(game.Board[5][2], kJoker);
    EXPECT_EQ(game.Board[0][7], 1);
    EXPECT_EQ(game.KongNum(), 79);
    EXPECT_EQ(game.NextColor, (std::array<std::int32_t, 3>{5, 4, 2}));
    EXPECT_EQ(random.remaining(), 0u);
    EXPECT_EQ(game.Score + game.ShownScore, 0);
    EXPECT_EQ(game.Sel[0], kNoSelection);
    EXPECT_TRUE(screen.boardEnabled && screen.timerOn && !screen.markerShown);
    EXPECT_EQ(screen.labels, "0");

    // The preview, the marker off, every cell with the columns in the outer loop, then the game on.
    const Events& events = screen.events;
    ASSERT_EQ(events.size(), 3u + 1u + 1u + 81u + 5u);
    EXPECT_EQ(events[5 + 5 * 9 + 2], "draw 5 2 7");
    EXPECT_EQ(Events(events.end() - 5, events.end()), (Events{"refresh", "label 0", "timer on", "sound 11", "board on"}));
}

} // namespace
} // namespace velko
