#include "EngineFixture.h"

#include <cmath>
#include <map>

namespace velko {
namespace {

using NewBalls = EngineTest;

TEST_F(NewBalls, ColourDrawExactDistributionsOverEveryScriptedDraw)
{
    // Every branch of the draws, each weighted by its probability, in parts of `total`.
    struct Case {
        int colours, colourShare, jokerShare, per;
    };   // shares of `per` for a colour and the joker
    for (const Case c : {Case{5, 11, 5, 60}, Case{8, 99, 75, 768}}) {
        const int total = 5 * 5 * 8 * 8 * 12;
        std::map<int, int> weight;
        for (int first = 1; first <= c.colours; ++first)
            for (int second = 1; second <= (first == numberOf(Colour::Joker) ? c.colours : 1); ++second)
                for (int t = 1; t <= 12; ++t) {
                    random.add(pick(c.colours, first));
                    if (first == numberOf(Colour::Joker))
                        random.add(pick(c.colours, second));
                    random.add(pick(12, t));
                    weight[numberOf(game.drawColour(c.colours))] +=
                        total / c.colours / (first == numberOf(Colour::Joker) ? c.colours : 1) / 12;
                    EXPECT_EQ(random.remaining(), 0u) << "a second colour draw only after a first joker";
                }
        ASSERT_EQ(weight.size(), static_cast<std::size_t>(c.colours == 5 ? 6 : 8)) << c.colours;
        for (const auto& [value, share] : weight)
            EXPECT_EQ(share * c.per, (value == numberOf(Colour::Joker) ? c.jokerShare : c.colourShare) * total)
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

TEST_F(NewBalls, StartGameDrawsTheFirstBallsUntestedAndSwitchesTheGameOn)
{
    Grid<Colour> green;
    for (auto& column : green)
        column.fill(Colour::Green);
    game.setBoard(green);
    game.setScore(55, 40);
    game.press(Cell{3, 5}, MouseButton::Left);
    ASSERT_TRUE(game.selection() && screen.markerShown);
    screen.setBoardEnabled(false);
    screen.setScoreTimer(false);
    screen.events.clear();

    // Row first, then column, then the colour and the joker chance: (5,2)
    // colour 4, (0,7) colour 1, then (5,2) again with a joker replacing the 4.
    random.add({boardIndex(2), boardIndex(5), pick(5, 4), pick(12, 12), boardIndex(7), boardIndex(0), pick(5, 1),
                pick(12, 12)});
    random.add({boardIndex(2), boardIndex(5), pick(5, 3), pick(12, 6)});   // the joker chance is 6
    random.add({0.1f, 0.2f, 0.3f, 0.4f, 0.6f, 0.7f});
    game.startGame();

    EXPECT_EQ(game.board()[5][2], Colour::Joker);
    EXPECT_EQ(game.board()[0][7], Colour::Blue);
    EXPECT_EQ(game.emptyCellCount(), 79);
    EXPECT_EQ(game.nextColours(), (std::array{Colour::Yellow, Colour::Cyan, Colour::Green}));
    EXPECT_EQ(random.remaining(), 0u);
    EXPECT_TRUE(game.score() == 0 && game.shownScore() == 0 && !game.selection() && screen.labels == "0");
    EXPECT_TRUE(screen.boardEnabled && screen.timerOn && !screen.markerShown);
    // Every cell drawn anew, with the new game's sound.
    const Events& events = screen.events;
    EXPECT_EQ(std::count_if(events.begin(), events.end(), [](const std::string& e) { return e.rfind("draw", 0) == 0; }),
              81);
    EXPECT_EQ(std::count(events.begin(), events.end(), "sound 11"), 1);
}

}   // namespace
}   // namespace velko
