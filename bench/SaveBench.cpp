// How long the game's save takes on the local disk: both files, each through a
// synced temporary file under the folder lock, the table merged with the one
// on disk. It should stay well under 50 ms.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "HighScores.h"
#include "ProgramState.h"
#include "SavedFiles.h"

static void SaveBothFiles(benchmark::State& state)
{
    QTemporaryDir home(QStringLiteral("velko-save-bench-XXXXXX"));   // in the current folder, a local disk
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    velko::SysInfo[0] = QStringLiteral("Meister");
    velko::loadHighScores();
    int points = 1000;
    for (auto _ : state) {
        velko::insertScore(velko::HiScore, {QStringLiteral("Zoë"), ++points, velko::nowDateValue(), {}});
        if (!velko::saveFiles({20, 30}).isEmpty())
            state.SkipWithError("the save failed");
    }
}
BENCHMARK(SaveBothFiles)->Unit(benchmark::kMillisecond)->Iterations(50);

BENCHMARK_MAIN();
