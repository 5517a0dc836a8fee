#include "EngineFixture.h"

#include <cmath>
#include <map>

namespace velko {
namespace {

class NewBalls : public EngineTest {
protected:
    // A board with exactly `empty` empty cells, the first ones in column-major
    // order, filled with colours that never make a line.
    void fillLeaving(int empty)
    {
        for (int c = 0; c < kCells; ++c)
            for (int r = 0; r < kCells; ++r)
                game.Board[c][r] = ((c + 2 * r) % 4) + 1;   // 1..4, never five alike in a line
        for (int n = 0; n < empty; ++n)
            game.Board[n / kCells][n % kCells] = 0;
    }

    // The value that picks the middle of outcome k of n equal outcomes, where
    // outcome k gives n - k from "n - floor(n * r)".
    static float pick(int n, int value) { return (static_cast<float>(n - value) + 0.5f) / static_cast<float>(n); }
    // The value that picks board index i from "8 - floor(9 * r)".
    static float index(int i) { return pick(9, i + 1); }
};

// Runs LuanNum over every branch of its draws, weighting each path by its
// probability, and returns the distribution in parts of kTotal.
constexpr int kTotal = 5 * 5 * 8 * 8 * 12;

std::map<int, int> ExactDistribution(int colours)
{
    std::map<int, int> weight;
    const int total = kTotal;
    for (int first = 1; first <= colours; ++first) {
        const bool redraw = first == kJoker;
        for (int second = 1; second <= (redraw ? colours : 1); ++second)
            for (int t = 1; t <= 12; ++t) {
                RecordingScreen screen;
                ScriptedRandom random;
                Game game(screen, random);
                auto pickFor = [](int n, int value) {
                    return (static_cast<float>(n - value) + 0.5f) / static_cast<float>(n);
                };
                random.add(pickFor(colours, first));
                if (redraw)
                    random.add(pickFor(colours, second));
                random.add(pickFor(12, t));
                const int value = game.LuanNum(static_cast<std::uint8_t>(colours));
                EXPECT_EQ(random.remaining(), 0u) << "LuanNum draws once more only after a first joker";
                const int pathWeight = total / colours / (redraw ? colours : 1) / 12;
                weight[value] += pathWeight;
            }
    }
    return weight;
}

TEST(LuanNumDistribution, FiveColoursGiveEachColour11In60AndTheJoker1In12)
{
    const auto weight = ExactDistribution(5);
    ASSERT_EQ(weight.size(), 6u) << "values 1..5 and the joker, nothing else";
    for (int value = 1; value <= 5; ++value)
        EXPECT_EQ(weight.at(value) * 60, 11 * kTotal) << "value " << value;
    EXPECT_EQ(weight.at(kJoker) * 12, kTotal);
}

TEST(LuanNumDistribution, EightColoursGiveEachColour99In768AndTheJoker75)
{
    const auto weight = ExactDistribution(8);
    ASSERT_EQ(weight.size(), 8u);
    for (int value : {1, 2, 3, 4, 5, 6, 8})
        EXPECT_EQ(weight.at(value) * 768, 99 * kTotal) << "value " << value;
    EXPECT_EQ(weight.at(kJoker) * 768, 75 * kTotal);
}

TEST_F(NewBalls, LuanNumEdgesOfTheRandomRange)
{
    const float belowOne = std::nextafter(1.0f, 0.0f);
    random.add({0.0f, 0.0f});
    EXPECT_EQ(game.LuanNum(5), 5);
    random.add({belowOne, belowOne});
    EXPECT_EQ(game.LuanNum(5), 1);
    random.add({belowOne, belowOne});
    EXPECT_EQ(game.LuanNum(8), 1);
}

TEST_F(NewBalls, DrawsAreWorkedOutInSinglePrecision)
{
    // A value just below 7/12 whose float product with 12 rounds up to 7,
    // while the exact product stays below 7: in float the joker chance
    // (12 - 6 = 6) is missed, exactly it would be hit.
    float r = 7.0f / 12.0f;
    for (int i = 0; i < 8; ++i)
        r = std::nextafter(r, 0.0f);
    while (!(12.0f * r >= 7.0f && static_cast<double>(r) * 12.0 < 7.0) && r < 0.6f)
        r = std::nextafter(r, 1.0f);
    ASSERT_LT(r, 0.6f) << "no value tells float from double here";

    random.add({0.0f, r});
    EXPECT_EQ(game.LuanNum(5), 5);
}

TEST_F(NewBalls, ToThreePaintsTheSlotsThenRefreshesTheWindowOnce)
{
    random.add({0.1f, 0.2f, 0.3f, 0.4f, 0.6f, 0.7f});
    game.ToThree();
    EXPECT_EQ(game.NextColor, (std::array<std::int32_t, 3>{5, 4, 2}));
    ASSERT_EQ(screen.previews.size(), 3u);
    EXPECT_EQ(screen.previews[0].picture, "A5");
    EXPECT_EQ(screen.previews[0].x, 500);
    EXPECT_EQ(screen.previews[0].y, 248);
    EXPECT_EQ(screen.previews[1].picture, "B4");
    EXPECT_EQ(screen.previews[1].x, 572);
    EXPECT_EQ(screen.previews[1].y, 317);
    EXPECT_EQ(screen.previews[2].picture, "C2");
    EXPECT_EQ(screen.previews[2].x, 491);
    EXPECT_EQ(screen.previews[2].y, 370);
    EXPECT_EQ(screen.events.back(), "refresh window");
    EXPECT_EQ(count("refresh window"), 1u);
}

TEST_F(NewBalls, ChallengeGameDrawsFromEightColours)
{
    game.GameMode = 0;
    random.add({0.0f, 0.0f, pick(8, 6), 0.0f, pick(8, 7), pick(8, 7), 0.0f});
    game.ToThree();
    EXPECT_EQ(game.NextColor, (std::array<std::int32_t, 3>{8, 6, 7}));
}

TEST_F(NewBalls, FourEmptyCellsTakeThreeBallsAndLeaveOne)
{
    fillLeaving(4);   // (0,0), (0,1), (0,2), (0,3)
    game.NextColor = {5, 6, 8};
    // (0,3), then (0,3) again (taken: drawn anew), then (0,0), then (0,1).
    random.add({index(0), index(3), index(0), index(3), index(0), index(0), index(0), index(1)});
    game.Zeng(3);
    EXPECT_EQ(game.Board[0][3], 5) << "the first ball placed takes the first preview colour";
    EXPECT_EQ(game.Board[0][0], 6);
    EXPECT_EQ(game.Board[0][1], 8);
    EXPECT_EQ(game.Board[0][2], 0);
    EXPECT_EQ(game.KongNum(), 1);
    EXPECT_EQ(random.remaining(), 0u);
    EXPECT_EQ(game.BallCount, 77);

    const std::vector<std::string> expected{
        "draw 0 3 5", "refresh", "sleep 75", "draw 0 3 0", "refresh", "sleep 75", "draw 0 3 5", "refresh",
        "draw 0 0 6", "refresh", "sleep 75", "draw 0 0 0", "refresh", "sleep 75", "draw 0 0 6", "refresh",
        "draw 0 1 8", "refresh", "sleep 75", "draw 0 1 0", "refresh", "sleep 75", "draw 0 1 8", "refresh"};
    EXPECT_EQ(screen.events, expected);
}

TEST_F(NewBalls, NewBallsThatCompleteLinesAreRemovedTogether)
{
    // Row 0 holds four blues at columns 0..3, column 8 four reds at rows 4..7.
    for (int c = 0; c < 4; ++c)
        game.Board[c][0] = 1;
    for (int r = 4; r < 8; ++r)
        game.Board[8][r] = 8;
    game.NextColor = {1, 8, 3};
    random.add({index(4), index(0), index(8), index(8), index(2), index(6)});
    game.Zeng(3);
    EXPECT_EQ(game.List1.size(), 10u);
    EXPECT_EQ(game.Score, 30);
    EXPECT_EQ(game.Board[2][6], 3) << "the third ball made no line and stays";
    EXPECT_EQ(game.KongNum(), 80);
    EXPECT_EQ(count("sound 15"), 1u);
}

TEST_F(NewBalls, ThreeEmptyCellsEndTheGameAndStayEmpty)
{
    fillLeaving(3);
    game.Score = 90;
    screen.setLowestHighScore(90);
    const Grid<std::int32_t> before = game.Board;
    game.Zeng(3);
    EXPECT_EQ(game.Board, before);
    EXPECT_EQ(random.drawn(), 0u);
    EXPECT_EQ(screen.events,
              (std::vector<std::string>{"timer off", "board off", "music stop", "sound 14", "wipe gameover.gif"}))
        << "a score equal to the eighth entry is no new high score";
    EXPECT_FALSE(screen.timerOn);
    EXPECT_FALSE(screen.boardEnabled);
}

TEST_F(NewBalls, ScoreAboveTheEighthEntryIsANewHighScore)
{
    fillLeaving(2);
    game.Score = 91;
    screen.setLowestHighScore(90);
    game.Zeng(3);
    EXPECT_EQ(screen.events, (std::vector<std::string>{"timer off", "board off", "music stop", "sound 13",
                                                       "wipe cmd.gif", "highscore 91"}));
}

} // namespace
} // namespace velko
