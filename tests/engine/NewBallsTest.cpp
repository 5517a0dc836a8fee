#include "EngineFixture.h"

#include <cmath>
#include <map>

namespace velko {
namespace {

using NewBalls = EngineTest;

TEST_F(NewBalls, ColourDrawExactDistributionsOverEveryScriptedDraw)
{
    // Every branch of the draws, each weighted by its probability, in parts of `total`.
    struct Case { int colours, colourShare, jokerShare, per; };   // shares of `per` for a colour and the joker
    for (const Case c : {Case{5, 11, 5, 60}, Case{8, 99, 75, 768}}) {
        const int total = 5 * 5 * 8 * 8 * 12;
        std::map<int, int> weight;
        for (int first = 1; first <= c.colours; ++first)
            for (int second = 1; second <= (first == NumberOf(Colour::Joker) ? c.colours : 1); ++second)
                for (int t = 1; t <= 12; ++t) {
                    random.add(Pick(c.colours, first));
                    if (first == NumberOf(Colour::Joker))
                        random.add(Pick(c.colours, second));
                    random.add(Pick(12, t));
                    weight[NumberOf(game.drawColour(c.colours))] +=
                        total / c.colours / (first == NumberOf(Colour::Joker) ? c.colours : 1) / 12;
                    EXPECT_EQ(random.remaining(), 0u) << "a second colour draw only after a first joker";
                }
        ASSERT_EQ(weight.size(), static_cast<std::size_t>(c.colours == 5 ? 6 : 8)) << c.colours;
        for (const auto& [value, share] : weight)
            EXPECT_EQ(share * c.per, (value == NumberOf(Colour::Joker) ? c.jokerShare : c.colourShare) * total)
                << c.colours << " colours, value " << value;
    }
}

TEST_F(NewBalls, ColourDrawWorksInSinglePrecision)
{
    // A value just below 7/12 whose float product with 12 rounds up to 7:
    // in float the joker chance (12 - 6) is missed, exactly it would be hit.
    float r = 7.0f / 12.0f - 1e-6f;   // some 17 steps below, then upwards
    while (!(12.0f * r >= 7.0f && static_cast<double>(r) * 12.0 < 7.0) && r < 0.6f)
        r = std::nextafter(r, 1.0f);
    ASSERT_LT(r, 0.6f) << "no value tells float from double here";
    random.add({0.0f, r});
    EXPECT_EQ(game.drawColour(5), Colour::Yellow);
}

TEST_F(NewBalls, DealShowsTheThreeSlotsAndDrawsEightColoursInTheChallengeGame)
{
    random.add({0.1f, 0.2f, 0.3f, 0.4f, 0.6f, 0.7f});
    game.dealNextColours();
    EXPECT_EQ(screen.events, (Events{"preview 0 5", "preview 1 4", "preview 2 2", "refresh window"}));

    game.kind = GameKind::Challenge;
    random.add({0.0f, 0.0f, Pick(8, 6), 0.0f, Pick(8, 7), Pick(8, 7), 0.0f});
    game.dealNextColours();
    EXPECT_EQ(game.nextColours, (std::array{Colour::Red, Colour::Orange, Colour::Joker}));
}

TEST_F(NewBalls, TakenCellsAreDrawnAnewAndLinesOfNewBallsGoTogether)
{
    for (int c = 0; c < kCells; ++c)
        for (int r = 0; r < kCells; ++r)
            game.board[c][r] = c < 1 && r < 4 ? Colour::Empty : ColourNumbered(((c + 2 * r) % 4) + 1);   // never five alike
    game.nextColours = {Colour::Yellow, Colour::Orange, Colour::Red};
    // (0,3), then (0,3) again (taken: drawn anew), then (0,0), then (0,1).
    random.add({Index(0), Index(3), Index(0), Index(3), Index(0), Index(0), Index(0), Index(1)});
    game.dropNewBalls(3);
    EXPECT_EQ(random.remaining(), 0u);
    EXPECT_EQ((std::array{game.board[0][0], game.board[0][1], game.board[0][2], game.board[0][3]}),
              (std::array{Colour::Orange, Colour::Red, Colour::Empty, Colour::Yellow}))
        << "the first ball placed takes the first preview colour";

    // New balls that complete lines are removed together, the third ball's line too.
    game.board = {};
    for (int i = 0; i < 4; ++i) {
        game.board[i][0] = Colour::Blue;   // row 0, columns 0..3
        game.board[8][4 + i] = Colour::Red;   // column 8, rows 4..7
    }
    game.nextColours = {Colour::Purple, Colour::Blue, Colour::Red};
    random.add({Index(2), Index(6), Index(4), Index(0), Index(8), Index(8)});
    game.dropNewBalls(3);
    EXPECT_EQ(game.removals.size(), 10u);
    EXPECT_EQ(game.score, 30);
    EXPECT_EQ(game.board[8][8], Colour::Empty) << "the third ball's line is removed";
    EXPECT_EQ(game.board[2][6], Colour::Purple) << "the first ball made no line and stays";
    EXPECT_EQ(game.emptyCellCount(), 80);
    EXPECT_EQ(std::count(screen.events.begin(), screen.events.end(), "sound 15"), 1);
}

TEST_F(NewBalls, JokerMarksOfTheMoveAreClearedBeforeTheNewBallsAreChecked)
{
    // The joker moved to (3,1) made no line but marked the balls around it;
    // the new joker at (4,0) then completes the blue row through (3,0).
    for (int i = 0; i < 4; ++i)
        game.board[i][0] = Colour::Blue;
    game.board[3][1] = Colour::Joker;
    game.marked[3][0] = game.marked[2][0] = game.marked[2][1] = true;
    game.nextColours = {Colour::Joker, Colour::Green, Colour::Green};
    random.add({Index(4), Index(0), Index(8), Index(8), Index(8), Index(7)});
    game.dropNewBalls(3);
    EXPECT_EQ(game.score, 30) << "the row is found through (3,0) and again through (2,0) beside the old joker";
    EXPECT_EQ(game.board[3][0], Colour::Empty);
}

TEST_F(NewBalls, TooFewEmptyCellsEndTheGame)
{
    struct Case { int empty; std::int32_t score; Events events; };
    // A score equal to the eighth entry is no new high score.
    for (const Case& c : {Case{3, 90, {"timer off", "board off", "music stop", "sound 14", "wipe gameover.gif"}},
                          {2, 91, {"timer off", "board off", "music stop", "sound 13", "wipe cmd.gif", "highscore 91"}}}) {
        for (int n = 0; n < kCells * kCells; ++n)
            game.board[n / kCells][n % kCells] =
                n < c.empty ? Colour::Empty : ColourNumbered(((n / kCells + 2 * (n % kCells)) % 4) + 1);
        const Grid<Colour> before = game.board;
        screen.events.clear();
        game.score = c.score;
        screen.setLowestHighScore(90);
        game.dropNewBalls(3);
        EXPECT_EQ(game.board, before) << "no ball is placed";
        EXPECT_EQ(random.drawn(), 0u);
        EXPECT_EQ(screen.events, c.events);
        EXPECT_FALSE(screen.timerOn || screen.boardEnabled);
    }
}

} // namespace
} // namespace velko
