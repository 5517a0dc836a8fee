#include "SavedFiles.h"

#include "DataPaths.h"
#include "GameInfoFile.h"
#include "HighScores.h"
#include "ProgramState.h"

namespace velko {

void LoadHiScoreTable()
{
    if (!readGameInfo(gameInfoFilePath(), HiScore))
        HiScore = defaultScoreTable(SysInfo[0], nowDateValue());
}

VolumeLevels LoadVolumeLevels() { return readSettings(settingsFilePath()); }

void SaveFiles(const VolumeLevels& levels)
{
    // Each file is attempted on its own; a failure is not the player's concern.
    writeSettings(settingsFilePath(), levels);
    writeGameInfo(gameInfoFilePath(), HiScore);
}

} // namespace velko
