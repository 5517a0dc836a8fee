#include "EngineFixture.h"

#include <cmath>
#include <map>

namespace velko {
namespace {

using NewBalls = EngineTest;

TEST_F(NewBalls, LuanNumExactDistributionsOverEveryScriptedDraw)
{
    // Every branch of the draws, each weighted by its probability, in parts of `total`.
    struct Case { int colours, colourShare, jokerShare, per; };   // shares of `per` for a colour and the joker
    for (const Case c : {Case{5, 11, 5, 60}, Case{8, 99, 75, 768}}) {
        const int total = 5 * 5 * 8 * 8 * 12;
        std::map<int, int> weight;
        for (int first = 1; first <= c.colours; ++first)
            for (int second = 1; second <= (first == kJoker ? c.colours : 1); ++second)
                for (int t = 1; t <= 12; ++t) {
                    random.add(Pick(c.colours, first));
                    if (first == kJoker)
                        random.add(Pick(c.colours, second));
                    random.add(Pick(12, t));
                    weight[game.LuanNum(static_cast<std::uint8_t>(c.colours))] +=
                        total / c.colours / (first == kJoker ? c.colours : 1) / 12;
                    EXPECT_EQ(random.remaining(), 0u) << "a second colour draw only after a first joker";
                }
        ASSERT_EQ(weight.size(), static_cast<std::size_t>(c.colours == 5 ? 6 : 8)) << c.colours;
        for (const auto& [value, share] : weight)
            EXPECT_EQ(share * c.per, (value == kJoker ? c.jokerShare : c.colourShare) * total)
                << c.colours << " colours, value " << value;
    }
}

TEST_F(NewBalls, LuanNumWorksInSinglePrecision)
{
    // A value just below 7/12 whose float product with 12 rounds up to 7:
    // in float the joker chance (12 - 6) is missed, exactly it would be hit.
    float r = 7.0f / 12.0f - 1e-6f;   // some 17 steps below, then upwards
    while (!(12.0f * r >= 7.0f && static_cast<double>(r) * 12.0 < 7.0) && r < 0.6f)
        r = std::nextafter(r, 1.0f);
    ASSERT_LT(r, 0.6f) << "no value tells float from double here";
    random.add({0.0f, r});
    EXPECT_EQ(game.LuanNum(5), 5);
}

TEST_F(NewBalls, ToThreePaintsTheThreeSlotsAndDrawsEightColoursInTheChallengeGame)
{
    random.add({0.1f, 0.2f, 0.3f, 0.4f, 0.6f, 0.7f});
    game.ToThree();
    std::vector<std::string> previews;
    for (const auto& p : screen.previews)
        previews.push_back(p.picture + ' ' + std::to_string(p.x) + ' ' + std::to_string(p.y));
    EXPECT_EQ(previews, (std::vector<std::string>{"A5 500 248", "B4 572 317", "C2 491 370"}));

    game.GameMode = 0;
    random.add({0.0f, 0.0f, Pick(8, 6), 0.0f, Pick(8, 7), Pick(8, 7), 0.0f});
    game.ToThree();
    EXPECT_EQ(game.NextColor, (std::array<std::int32_t, 3>{8, 6, 7}));
}

TEST_F(NewBalls, TakenCellsAreDrawnAnewAndLinesOfNewBallsGoTogether)
{
    for (int c = 0; c < kCells; ++c)
        for (int r = 0; r < kCells; ++r)
            game.Board[c][r] = c < 1 && r < 4 ? 0 : ((c + 2 * r) % 4) + 1;   // never five alike in a line
    game.NextColor = {5, 6, 8};
    // (0,3), then (0,3) again (taken: drawn anew), then (0,0), then (0,1).
    random.add({Index(0), Index(3), Index(0), Index(3), Index(0), Index(0), Index(0), Index(1)});
    game.Zeng(3);
    EXPECT_EQ(random.remaining(), 0u);
    EXPECT_EQ(game.BallCount, 77);
    EXPECT_EQ((std::array{game.Board[0][0], game.Board[0][1], game.Board[0][2], game.Board[0][3]}),
              (std::array{6, 8, 0, 5})) << "the first ball placed takes the first preview colour";

    // New balls that complete lines are removed together.
    game.Board = {};
    for (int i = 0; i < 4; ++i) {
        game.Board[i][0] = 1;       // row 0, columns 0..3
        game.Board[8][4 + i] = 8;   // column 8, rows 4..7
    }
    game.NextColor = {1, 8, 3};
    random.add({Index(4), Index(0), Index(8), Index(8), Index(2), Index(6)});
    game.Zeng(3);
    EXPECT_EQ(game.List1.size(), 10u);
    EXPECT_EQ(game.Score, 30);
    EXPECT_EQ(game.Board[2][6], 3) << "the third ball made no line and stays";
    EXPECT_EQ(game.KongNum(), 80);
    EXPECT_EQ(std::count(screen.events.begin(), screen.events.end(), "sound 15"), 1);
}

TEST_F(NewBalls, TooFewEmptyCellsEndTheGame)
{
    struct Case { int empty; std::int32_t score; Events events; };
    // A score equal to the eighth entry is no new high score.
    for (const Case& c : {Case{3, 90, {"timer off", "board off", "music stop", "sound 14", "wipe gameover.gif"}},
                          {2, 91, {"timer off", "board off", "music stop", "sound 13", "wipe cmd.gif", "highscore 91"}}}) {
        for (int n = 0; n < kCells * kCells; ++n)
            game.Board[n / kCells][n % kCells] = n < c.empty ? 0 : ((n / kCells + 2 * (n % kCells)) % 4) + 1;
        const Grid<std::int32_t> before = game.Board;
        screen.events.clear();
        game.Score = c.score;
        screen.setLowestHighScore(90);
        game.Zeng(3);
        EXPECT_EQ(game.Board, before) << "no ball is placed";
        EXPECT_EQ(random.drawn(), 0u);
        EXPECT_EQ(screen.events, c.events);
        EXPECT_FALSE(screen.timerOn || screen.boardEnabled);
    }
}

} // namespace
} // namespace velko
