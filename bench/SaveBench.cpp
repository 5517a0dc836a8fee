// How long the game's saves take on the local disk: both player files, each
// through a synced temporary file under the folder lock, the table merged with
// the one on disk, which should stay well under 50 ms; and the game in progress.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "HighScores.h"
#include "SavedFiles.h"

static void SaveBothFiles(benchmark::State& state)
{
    QTemporaryDir home(QStringLiteral("velko-save-bench-XXXXXX"));   // in the current folder, a local disk
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    velko::SavedFiles saved;
    velko::ScoreTable scores;
    saved.loadHighScores(scores, QStringLiteral("Meister"));
    int points = 1000;
    for (auto _ : state) {
        velko::insertScore(scores, {QStringLiteral("Zoë"), ++points, velko::nowDateValue(), {}});
        if (!saved.saveFiles({20, 30}, scores).done())
            state.SkipWithError("the save failed");
    }
}
BENCHMARK(SaveBothFiles)->Unit(benchmark::kMillisecond)->Iterations(50);

// The save of the game in progress after a turn: it must take well under one
// 75 ms frame, so that no one waits for it.
static void SaveGameInProgress(benchmark::State& state)
{
    QTemporaryDir home(QStringLiteral("velko-save-bench-XXXXXX"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    velko::SavedFiles saved;
    velko::ScoreTable scores;
    saved.loadHighScores(scores, QStringLiteral("Meister"));
    velko::SavedGame game;
    game.nextColours = {velko::Colour::Blue, velko::Colour::Joker, velko::Colour::Green};
    for (auto _ : state) {
        game.score += 3;
        game.board[game.score % 9][(game.score / 9) % 9] = velko::Colour::Cyan;
        if (!saved.saveGame(game).done())
            state.SkipWithError("the save failed");
    }
}
BENCHMARK(SaveGameInProgress)->Unit(benchmark::kMillisecond)->Iterations(50);

BENCHMARK_MAIN();
