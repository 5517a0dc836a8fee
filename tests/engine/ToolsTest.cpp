#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "ScenarioRunner.h"
#include "SelfPlay.h"

namespace velko {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path)
{
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

struct Outcome {
    std::string output;
    int status;
};

Outcome runText(const std::string& scenario)
{
    std::istringstream in(scenario);
    std::ostringstream out;
    const int status = runScenario(in, out);
    return {out.str(), status};
}

// Each scenario's events come out byte for byte as kept beside it; a run stopped
// by a bad line, or for want of random values, gives every event up to there
// and then says why, with its own exit status.
TEST(TraceTool, GoldenScenariosReplayByteForByte)
{
    int cases = 0;
    for (const auto& entry : fs::directory_iterator(VELKO_GOLDEN_DIR)) {
        if (entry.path().extension() != ".txt")
            continue;
        const Outcome run = runText(readFile(entry.path()));
        const std::string expected = readFile(fs::path(entry.path()).replace_extension(".out"));
        const bool exhausted = expected.find("error random exhausted\n") != std::string::npos;
        const bool badLine = expected.find("error line ") != std::string::npos;
        EXPECT_EQ(run.status, exhausted ? kScenarioRandomExhausted : badLine ? kScenarioBadLine : 0) << entry.path();
        EXPECT_EQ(run.output, expected) << entry.path().filename();
        ++cases;
    }
    EXPECT_EQ(cases, 19);
}

TEST(SelfPlay, HundredsOfSeededGamesKeepEveryCheckAndReplayAlike)
{
    const SelfPlaySummary summary = playSelfGames(300, 20261206u);
    for (const std::string& fault : summary.faults)
        ADD_FAILURE() << fault;
    EXPECT_EQ(summary.games, 300);
    EXPECT_GT(summary.moves, 300 * 10) << "games last more than a handful of moves";
    EXPECT_GT(summary.turns, summary.moves) << "refused moves are tried too";
    EXPECT_GT(summary.lines, 0) << "random play forms some lines";
    EXPECT_GE(summary.ballsRemoved * 3, summary.maxScore);
    EXPECT_EQ(describeSummary(playSelfGames(20, 7u)), describeSummary(playSelfGames(20, 7u)));
    EXPECT_NE(describeSummary(playSelfGames(20, 7u)), describeSummary(playSelfGames(20, 8u)));
}

}   // namespace
}   // namespace velko
