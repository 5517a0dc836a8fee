#include "EngineFixture.h"

namespace velko {
namespace {

using Turn = EngineTest;

// The selection as the trace prints it: from-column and from-row, 255 when none.
std::pair<int, int> Picked(const Game& game)
{
    return game.selection ? std::pair(game.selection->from.column, game.selection->from.row) : std::pair(255, 0);
}

TEST_F(Turn, RefusedMoveLeavesTheBoardExactlyAsItWas)
{
    setBoard({".2.......", "212......", ".2.......", ".........", ".........", ".........", ".........",
              ".........", "........."});   // the ball at (1,1) is walled in
    const Grid<Colour> before = game.board;
    EXPECT_EQ(move({1, 1}, {6, 6}), (Events{"sound 12", "marker off"}));
    EXPECT_EQ(game.board, before);
    EXPECT_FALSE(game.selection);
    EXPECT_EQ(random.drawn(), 0u) << "no new balls after a refused move";
}

TEST_F(Turn, ClicksRoundHalfToEvenSelectTheBallAndIgnoreTheOffBoardOnes)
{
    game.board[0][0] = Colour::Cyan;
    game.board[1][0] = Colour::Orange;
    game.board[8][8] = Colour::Cyan;
    // 404.6 rounds to 405, past the edge; 44.5 to 44, 44.6 and 45.5 to 45 and 46, 0.5 to 0.
    struct Case { float x, y; std::pair<int, int> picked; Events events; };
    const Case cases[] = {
        {404.6f, 404.0f, {255, 0}, {}}, {-30.0f, 10.0f, {255, 0}, {}},
        {10.0f, 1e9f, {255, 0}, {}}, {44.5f, 10.0f, {0, 0}, {"sound 0", "marker 0 0 4"}},
        {44.6f, 10.0f, {1, 0}, {"sound 0", "marker off", "marker 1 0 6"}},   // another ball
        {45.5f, 10.0f, {1, 0}, {"sound 0", "marker off", "marker 1 0 6"}},   // the selected ball again
        {0.5f, 10.0f, {0, 0}, {"sound 0", "marker off", "marker 0 0 4"}},
        {404.4f, 404.4f, {8, 8}, {"sound 0", "marker off", "marker 8 8 4"}}};
    for (const Case& c : cases) {
        screen.events.clear();
        game.pressBoard(kLeftButton, c.x, c.y);
        EXPECT_EQ(Picked(game), c.picked) << c.x << ',' << c.y;
        EXPECT_EQ(screen.events, c.events) << c.x << ',' << c.y;
    }
}

TEST_F(Turn, StartGameDrawsTheFirstBallsUntestedAndSwitchesTheGameOn)
{
    for (auto& column : game.board)
        column.fill(Colour::Green);
    game.score = 55;
    game.shownScore = 40;
    game.selection = Selection{{3, 5}, Cell{4, 6}};
    screen.setBoardEnabled(false);
    screen.setScoreTimer(false);
    screen.events.clear();

    // Row first, then column, then the colour and the joker chance: (5,2)
    // colour 4, (0,7) colour 1, then (5,2) again with a joker replacing the 4.
    random.add({Index(2), Index(5), Pick(5, 4), Pick(12, 12), Index(7), Index(0), Pick(5, 1), Pick(12, 12)});
    random.add({Index(2), Index(5), Pick(5, 3), Pick(12, 6)});   // the joker chance is 6
    random.add({0.1f, 0.2f, 0.3f, 0.4f, 0.6f, 0.7f});
    game.startGame();

    EXPECT_EQ(game.board[5][2], Colour::Joker);
    EXPECT_EQ(game.board[0][7], Colour::Blue);
    EXPECT_EQ(game.emptyCellCount(), 79);
    EXPECT_EQ(game.nextColours, (std::array{Colour::Yellow, Colour::Cyan, Colour::Green}));
    EXPECT_EQ(random.remaining(), 0u);
    EXPECT_EQ(game.score + game.shownScore, 0);
    EXPECT_FALSE(game.selection);
    EXPECT_TRUE(screen.boardEnabled && screen.timerOn && !screen.markerShown);
    EXPECT_EQ(screen.labels, "0");

    // The preview, the marker off, every cell drawn, then the game on.
    const Events& events = screen.events;
    EXPECT_EQ(std::count_if(events.begin(), events.end(), [](const std::string& e) { return e.rfind("draw", 0) == 0; }), 81);
    EXPECT_NE(std::find(events.begin(), events.end(), "draw 5 2 7"), events.end());
    EXPECT_EQ(Events(events.end() - 5, events.end()), (Events{"refresh", "label 0", "timer on", "sound 11", "board on"}));
}

} // namespace
} // namespace velko
