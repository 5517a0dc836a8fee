#include <gtest/gtest.h>

#include "SelfPlay.h"

namespace velko {
namespace {

TEST(SelfPlay, HundredsOfRandomGamesKeepEveryPromise)
{
    const SelfPlaySummary summary = PlaySelfGames(300, 20261206u);
    for (const std::string& fault : summary.faults)
        ADD_FAILURE() << fault;
    EXPECT_EQ(summary.games, 300);
    EXPECT_GT(summary.moves, 300 * 10) << "games last more than a handful of moves";
    EXPECT_GT(summary.turns, summary.moves) << "refused moves are tried too";
    EXPECT_GT(summary.lines, 0) << "random play forms some lines";
    EXPECT_EQ(summary.ballsRemoved * 3 >= summary.maxScore, true);
}

TEST(SelfPlay, SameSeedPlaysTheSameGames)
{
    const SelfPlaySummary first = PlaySelfGames(20, 7u);
    const SelfPlaySummary second = PlaySelfGames(20, 7u);
    EXPECT_EQ(DescribeSummary(first), DescribeSummary(second));
    const SelfPlaySummary other = PlaySelfGames(20, 8u);
    EXPECT_NE(DescribeSummary(first), DescribeSummary(other));
}

} // namespace
} // namespace velko
