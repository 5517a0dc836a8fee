// How long the game's save takes on the local disk: both files, each through a
// synced temporary file under the folder lock, the table merged with the one
// on disk. It should stay well under 50 ms.
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
        if (!saved.saveFiles({20, 30}, scores).isEmpty())
            state.SkipWithError("the save failed");
    }
}
BENCHMARK(SaveBothFiles)->Unit(benchmark::kMillisecond)->Iterations(50);

BENCHMARK_MAIN();
