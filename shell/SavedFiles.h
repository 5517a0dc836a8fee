#pragma once
// The two files a player keeps between runs, in the per-user data folder.
// Every save holds the folder's lock, merges this run's new records into the
// table on disk (so two copies of the game both keep theirs) and never
// replaces a file that could not be read at start-up.

#include "AtomicFile.h"
#include "SettingsFile.h"

namespace velko {

// Start-up: removes what killed saves left behind, then fills HiScore from
// gameinfo.cfg (the per-user one, else one beside the program), or with the
// default table named SysInfo(0) when there is none or it cannot be read.
void loadHighScores(FileLayer& files = systemFiles());
// What the start-up could not read or where nothing can be saved, to tell the
// player once; empty when all is well.
QString fileReadProblems();
// mysetting.cfg (the per-user one, else one beside the program); 50 and 50 without one.
VolumeLevels loadVolumeLevels(FileLayer& files = systemFiles());
// Saves the high-score table at once (after a new record's name is given).
// Returns what failed, for the player; empty on success.
QString saveHighScores(FileLayer& files = systemFiles());
// The end of the run: mysetting.cfg, then gameinfo.cfg, each attempted on its
// own. Returns what failed, for the player; empty on success.
QString saveFiles(const VolumeLevels& levels, FileLayer& files = systemFiles());

} // namespace velko
