#pragma once
// The two files a player keeps between runs, in the per-user data folder.

#include "SettingsFile.h"

namespace velko {

// HiScore from gameinfo.cfg, or the default table named SysInfo(0) when there is none.
void LoadHiScoreTable();
VolumeLevels LoadVolumeLevels();
// Writes mysetting.cfg, then gameinfo.cfg from HiScore. Failures are ignored:
// the second file is still written when the first one fails.
void SaveFiles(const VolumeLevels& levels);

} // namespace velko
