// How long the step choice and a whole move take. The screen does nothing
// and never sleeps, so only the rules are timed.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "CountingAllocator.h"
#include "Game.h"
#include "PathSearch.h"

namespace velko {
namespace {

class SilentScreen final : public GameScreen {
public:
    void drawCell(Cell, Colour) override {}
    void refreshBoard() override {}
    void showPreview(int, Colour) override {}
    void refreshWindow() override {}
    void showMarker(Cell, Colour) override {}
    void hideMarker() override {}
    void showEnding(Ending) override {}
    void sleepMs(int) override {}
    void playSound(Sound) override {}
    void stopMusic() override {}
    void setBoardEnabled(bool) override {}
    void setScoreTimer(bool) override {}
    void showScore(std::int32_t) override {}
    std::int32_t lowestHighScore() override { return 0; }
    void newHighScore(std::int32_t) override {}
};

Grid<Colour> boardFrom(const std::vector<std::string>& rows)
{
    Grid<Colour> board{};
    for (int row = 0; row < kCells; ++row)
        for (int column = 0; column < kCells; ++column)
            board[column][row] = rows[row][column] == '.' ? Colour::Empty : colourNumbered(rows[row][column] - '0');
    return board;
}

struct Journey {
    Grid<Colour> board;   // with the moving colour already on the target
    Cell from, to;
};

// Times one step choice per iteration, cycling through the journeys. Only
// the board copy is set up besides: the step choice needs nothing else from
// the turn.
void runStepChoices(benchmark::State& state, const std::vector<Journey>& journeys)
{
    Grid<Colour> board{};
    PathSearch paths(board);
    std::size_t next = 0;
    const std::uint64_t allocationsBefore = HeapAllocations();
    for (auto _ : state) {
        const Journey& journey = journeys[next];
        board = journey.board;
        benchmark::DoNotOptimize(paths.chooseStep(journey.from, journey.from, Step::None, journey.to));
        next = next + 1 == journeys.size() ? 0 : next + 1;
    }
    state.counters["allocs_per_step"] = benchmark::Counter(static_cast<double>(HeapAllocations() - allocationsBefore),
                                                           benchmark::Counter::kAvgIterations);
}

Journey withTarget(Grid<Colour> board, int fc, int fr, int tc, int tr)
{
    board[tc][tr] = board[fc][fr];
    return {board, {fc, fr}, {tc, tr}};
}

void BM_StepChoiceEmptyBoard(benchmark::State& state)
{
    Grid<Colour> board{};
    board[0][0] = Colour::Blue;
    runStepChoices(state, {withTarget(board, 0, 0, 8, 8)});
}
BENCHMARK(BM_StepChoiceEmptyBoard);

// Walls with alternating gaps: one winding corridor, 47 steps from (1,0) to
// (8,8) (the longest the search looks), 48 from (0,0) (past it).
const std::vector<std::string> kCorridor = {".........", "23232323.", ".........", ".32323232", ".........",
                                            "23232323.", ".........", ".32323232", "........."};

void BM_StepChoiceCorridor47(benchmark::State& state)
{
    Grid<Colour> board = boardFrom(kCorridor);
    board[1][0] = Colour::Blue;
    runStepChoices(state, {withTarget(board, 1, 0, 8, 8)});
}
BENCHMARK(BM_StepChoiceCorridor47);

void BM_StepChoiceCorridor48(benchmark::State& state)
{
    Grid<Colour> board = boardFrom(kCorridor);
    board[0][0] = Colour::Blue;
    runStepChoices(state, {withTarget(board, 0, 0, 8, 8)});
}
BENCHMARK(BM_StepChoiceCorridor48);

// An open maze: many routes of nearly equal length, the hardest case for a
// depth-first search with a memo.
void BM_StepChoiceSparseWalls(benchmark::State& state)
{
    Grid<Colour> board = boardFrom({".........", ".2.3.2.3.", ".........", ".3.2.3.2.", ".........", ".2.3.2.3.",
                                    ".........", ".3.2.3.2.", "........."});
    board[0][0] = Colour::Blue;
    runStepChoices(state, {withTarget(board, 0, 0, 8, 8)});
}
BENCHMARK(BM_StepChoiceSparseWalls);

// Distance over empty cells, -1 when unreachable.
int stepsBetween(const Grid<Colour>& board, int fc, int fr, int tc, int tr)
{
    Grid<int> distance;
    for (auto& column : distance)
        column.fill(-1);
    std::vector<std::pair<int, int>> queue{{fc, fr}};
    distance[fc][fr] = 0;
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const auto [c, r] = queue[head];
        const int dc[4] = {-1, 0, 1, 0}, dr[4] = {0, -1, 0, 1};
        for (int d = 0; d < 4; ++d) {
            const int nc = c + dc[d], nr = r + dr[d];
            if (nc < 0 || nc >= kCells || nr < 0 || nr >= kCells || distance[nc][nr] >= 0)
                continue;
            if (nc == tc && nr == tr)
                return distance[c][r] + 1;
            if (board[nc][nr] != Colour::Empty)
                continue;
            distance[nc][nr] = distance[c][r] + 1;
            queue.push_back({nc, nr});
        }
    }
    return -1;
}

std::vector<Journey> midGameJourneys()
{
    std::mt19937 generator(2026);
    std::vector<Journey> journeys;
    while (journeys.size() < 64) {
        Grid<Colour> board{};
        const int balls = 20 + static_cast<int>(generator() % 30);
        for (int n = 0; n < balls; ++n)
            board[generator() % 9][generator() % 9] = colourNumbered(1 + static_cast<int>(generator() % 5));
        const int fc = generator() % 9, fr = generator() % 9, tc = generator() % 9, tr = generator() % 9;
        if (board[fc][fr] == Colour::Empty || board[tc][tr] != Colour::Empty)
            continue;
        const int steps = stepsBetween(board, fc, fr, tc, tr);
        if (steps < 4)
            continue;   // long enough to need a real search
        journeys.push_back(withTarget(board, fc, fr, tc, tr));
    }
    return journeys;
}

void BM_StepChoiceMidGame(benchmark::State& state)
{
    runStepChoices(state, midGameJourneys());
}
BENCHMARK(BM_StepChoiceMidGame);

// A whole move: the reachability flood, every frame of the journey with its
// step choice, the landing, the line check and three new balls.
void BM_WholeMove(benchmark::State& state)
{
    SilentScreen screen;
    SystemRandom random(7);
    Game game(screen, random);
    Grid<Colour> board = boardFrom({"1........", ".2.3.2.3.", ".........", ".3.2.3.2.", ".........", ".2.3.2.3.",
                                    ".........", ".3.2.3.2.", "........."});
    const std::uint64_t allocationsBefore = HeapAllocations();
    for (auto _ : state) {
        game.setBoard(board);
        game.dropSelection();
        game.press(Cell{0, 0}, MouseButton::Left);
        game.press(Cell{8, 8}, MouseButton::Left);
        benchmark::DoNotOptimize(game.board());
    }
    state.counters["allocs_per_move"] = benchmark::Counter(static_cast<double>(HeapAllocations() - allocationsBefore),
                                                           benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_WholeMove);

}   // namespace
}   // namespace velko

BENCHMARK_MAIN();
