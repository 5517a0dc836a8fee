#include "EngineFixture.h"

namespace velko {
namespace {

using NewGame = EngineTest;

float Index(int i) { return (static_cast<float>(8 - i) + 0.5f) / 9.0f; }
float Colour(int colours, int value) { return (static_cast<float>(colours - value) + 0.5f) / static_cast<float>(colours); }
constexpr float kNoJoker = 0.0f;   // 12 - floor(12 * 0) = 12, not 6

TEST_F(NewGame, FirstBallsLandUntestedAndALaterOneMayReplaceAnEarlier)
{
    for (auto& column : game.Board)
        column.fill(2);
    game.Score = 55;
    game.ShownScore = 40;
    game.Sel = {3, 4, 5, 6};
    screen.setBoardEnabled(false);
    screen.setScoreTimer(false);
    screen.events.clear();

    // Row first, then column, then the colour: (5,2) blue 4, (0,7) 1, then
    // (5,2) again with a joker that replaces the 4.
    random.add({Index(2), Index(5), Colour(5, 4), kNoJoker});
    random.add({Index(7), Index(0), Colour(5, 1), kNoJoker});
    random.add({Index(2), Index(5), Colour(5, 3), (12.0f - 6.0f + 0.5f) / 12.0f});
    random.add({0.1f, 0.2f, 0.3f, 0.4f, 0.6f, 0.7f});
    game.StartGame();

    Grid<std::int32_t> expected{};
    expected[5][2] = kJoker;
    expected[0][7] = 1;
    EXPECT_EQ(game.Board, expected);
    EXPECT_EQ(game.NextColor, (std::array<std::int32_t, 3>{5, 4, 2}));
    EXPECT_EQ(random.remaining(), 0u);
    EXPECT_EQ(game.Score, 0);
    EXPECT_EQ(game.ShownScore, 0);
    EXPECT_EQ(game.Sel[0], kNoSelection);
    EXPECT_TRUE(screen.boardEnabled);
    EXPECT_TRUE(screen.timerOn);
    EXPECT_FALSE(screen.markerShown);
    EXPECT_EQ(screen.labels, "0");
}

TEST_F(NewGame, DrawsEveryCellThenSwitchesTheGameOn)
{
    random.add({Index(0), Index(0), Colour(5, 3), kNoJoker});
    random.add({Index(8), Index(8), Colour(5, 2), kNoJoker});
    random.add({Index(4), Index(1), Colour(5, 5), kNoJoker});
    random.add({0.1f, 0.2f, 0.3f, 0.4f, 0.6f, 0.7f});
    game.StartGame();

    const auto& events = screen.events;
    ASSERT_EQ(events.size(), 3u + 1u + 1u + 81u + 1u + 4u);
    EXPECT_EQ(events[3], "refresh window");
    EXPECT_EQ(events[4], "marker off");
    EXPECT_EQ(events[5], "draw 0 0 3");
    EXPECT_EQ(events[5 + 1 * 9 + 4], "draw 1 4 5") << "columns in the outer loop";
    EXPECT_EQ(events[5 + 80], "draw 8 8 2");
    EXPECT_EQ(std::vector<std::string>(events.end() - 5, events.end()),
              (std::vector<std::string>{"refresh", "label 0", "timer on", "sound 11", "board on"}));
}

} // namespace
} // namespace velko
