#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "ScenarioRunner.h"

namespace velko {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct ToolRun {
    std::string output;
    int status;
};

// Runs the built velko-trace with the file on its standard input.
ToolRun RunTool(const fs::path& input)
{
    const std::string command = std::string("'") + VELKO_TRACE_EXE + "' < '" + input.string() + "'";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return {"", -1};
    std::string output;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    const int raw = pclose(pipe);
    return {output, WIFEXITED(raw) ? WEXITSTATUS(raw) : -1};
}

ToolRun RunText(const std::string& scenario)
{
    std::istringstream in(scenario);
    std::ostringstream out;
    const int status = RunScenario(in, out);
    return {out.str(), status};
}

TEST(TraceTool, GoldenScenariosReplayByteForByte)
{
    int cases = 0;
    for (const auto& entry : fs::directory_iterator(VELKO_GOLDEN_DIR)) {
        if (entry.path().extension() != ".txt")
            continue;
        fs::path expected = entry.path();
        expected.replace_extension(".out");
        ASSERT_TRUE(fs::exists(expected)) << expected;
        const ToolRun run = RunTool(entry.path());
        EXPECT_EQ(run.status, 0) << entry.path();
        EXPECT_EQ(run.output, ReadFile(expected)) << entry.path().filename();
        ++cases;
    }
    EXPECT_EQ(cases, 5);
}

TEST(TraceTool, ExhaustedRandomValuesStopTheRunWithStatus3)
{
    const fs::path input = fs::temp_directory_path() / "velko-trace-exhausted.txt";
    std::ofstream(input) << "board\n.........\n.........\n.........\n.........\n....1....\n"
                            ".........\n.........\n.........\n.........\nrandom 0.05 0.05\n"
                            "click 200 200\nclick 290 200\n";
    const ToolRun run = RunTool(input);
    fs::remove(input);
    EXPECT_EQ(run.status, 3);
    const std::string tail = "draw 8 8 1\nrefresh\nerror random exhausted\n";
    ASSERT_GE(run.output.size(), tail.size());
    EXPECT_EQ(run.output.substr(run.output.size() - tail.size()), tail)
        << "events up to the missing draw come out first";
}

TEST(TraceTool, UnknownLineStopsWithItsNumberAndStatus2)
{
    const ToolRun run = RunText("# comment\n\nmode 0\njump 3 4\ndump\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.output.rfind("error line 4: ", 0), 0u) << run.output;
}

TEST(TraceTool, MalformedSettingsAreRefused)
{
    EXPECT_EQ(RunText("mode 2\n").status, 2);
    EXPECT_EQ(RunText("next 1 2\n").status, 2);
    EXPECT_EQ(RunText("next 1 2 9\n").status, 2);
    EXPECT_EQ(RunText("random 0.5 1.0\n").status, 2);
    EXPECT_EQ(RunText("random 0.5 abc\n").status, 2);
    EXPECT_EQ(RunText("click 10\n").status, 2);
    EXPECT_EQ(RunText("tick -1\n").status, 2);
    EXPECT_EQ(RunText("board\n.........\n").output, "error line 2: the board needs 9 lines\n");
    const ToolRun badCell = RunText("board\n.........\n....x....\n");
    EXPECT_EQ(badCell.status, 2);
    EXPECT_EQ(badCell.output.rfind("error line 3: ", 0), 0u) << badCell.output;
    EXPECT_EQ(RunText("board\n........\n").status, 2);
}

TEST(TraceTool, StartsEmptyAndDumpsInTheInputForm)
{
    const ToolRun run = RunText("mode 0\nscore 12\nnext 3 7 8\ndump\n");
    EXPECT_EQ(run.status, 0);
    std::string expected = "board\n";
    for (int row = 0; row < 9; ++row)
        expected += ".........\n";
    expected += "score 12\nsel 255 0 0 0\nnext 3 7 8\nlist\n";
    EXPECT_EQ(run.output, expected);
}

TEST(TraceTool, TicksCountUpFromTheGivenScoreOnly)
{
    const ToolRun run = RunText("score 5\ntick 3\n");
    EXPECT_EQ(run.output, "") << "labels already show the score";
}

TEST(TraceTool, ClicksAndTicksAfterGameOverAreIgnored)
{
    std::string scenario = ReadFile(fs::path(VELKO_GOLDEN_DIR) / "4-game-over-high-score.txt");
    const std::string before = RunText(scenario).output;
    scenario += "click 10 10\nclick 10 10 2\ntick 5\n";
    const ToolRun run = RunText(scenario);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, before);
}

} // namespace
} // namespace velko
