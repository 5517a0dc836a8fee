#pragma once
// Where the game finds its media and help, and where it keeps a player's files.

#include <QString>

namespace velko {

// The folder holding medias/ and the help page: beside the executable when
// run from the build tree, else the installed data folder (found relative to
// the executable first, so a relocated prefix works too).
QString applicationFolder();
QString mediaFolder();                        // applicationFolder() + "/medias"
QString mediaPath(const QString& fileName);   // mediaFolder() + "/" + fileName

// The per-user data folder for mysetting.cfg and gameinfo.cfg, created when missing.
QString userDataFolder();
QString settingsFilePath();   // mysetting.cfg
QString gameInfoFilePath();   // gameinfo.cfg

} // namespace velko
