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

TEST(TraceTool, GoldenScenariosReplayByteForByte)
{
    int cases = 0;
    for (const auto& entry : fs::directory_iterator(VELKO_GOLDEN_DIR)) {
        if (entry.path().extension() != ".txt")
            continue;
        const Outcome run = runText(readFile(entry.path()));
        EXPECT_EQ(run.status, 0) << entry.path();
        EXPECT_EQ(run.output, readFile(fs::path(entry.path()).replace_extension(".out"))) << entry.path().filename();
        ++cases;
    }
    EXPECT_EQ(cases, 11);
}

TEST(TraceTool, BadLinesAndMissingRandomValuesStopTheRun)
{
    const std::pair<std::string, std::string> refused[] = {
        {"mode 2\n", "error line 1: "},
        {"next 1 2 9\n", "error line 1: "},
        {"random 0.5 1.0\n", "error line 1: "},
        {"click 10\n", "error line 1: "},
        {"# comment\n\nmode 0\njump 3 4\ndump\n", "error line 4: "},
        {"board\n.........\n....x....\n", "error line 3: "},
        {"board\n.........\n", "error line 2: the board needs 9 lines\n"}};
    for (const auto& [scenario, error] : refused) {
        const Outcome run = runText(scenario);
        EXPECT_EQ(run.status, kScenarioBadLine) << scenario;
        EXPECT_EQ(run.output.rfind(error, 0), 0u) << run.output;
    }
    const std::string four = ".........\n.........\n.........\n.........\n";
    const Outcome exhausted =
        runText("board\n" + four + "....1....\n" + four + "random 0.05 0.05\nclick 200 200\nclick 290 200\n");
    EXPECT_EQ(exhausted.status, kScenarioRandomExhausted);
    EXPECT_EQ(exhausted.output.substr(exhausted.output.rfind("draw 8 8 1")),
              "draw 8 8 1\nrefresh\nerror random exhausted\n")
        << "events up to the missing draw come out first";
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
