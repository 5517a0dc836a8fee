#pragma once
// Where the game finds its media and help, and where it keeps a player's files.

#include <QByteArray>
#include <QString>

namespace velko {

// The folder holding medias/ and the help page: beside the executable when
// run from the build tree, else the installed data folder (found relative to
// the executable first, so a relocated prefix works too).
QString applicationFolder();
QString mediaFolder();                              // applicationFolder() + "/medias"
QString mediaPath(const QString& fileName);         // mediaFolder() + "/" + fileName
QString applicationPath(const QString& fileName);   // applicationFolder() + "/" + fileName: the help
// The sound module: beside the executable in the build tree, else in the
// program's library folder of the installed prefix, wherever it was moved.
QString soundModulePath();

// The per-user data folder for mysetting.cfg and gameinfo.cfg, in the bytes the
// environment gives: $XDG_DATA_HOME/velko-lines when that is an absolute path,
// else $HOME/.local/share/velko-lines when HOME is one, else empty (nowhere to save).
QByteArray playerFolder();
// Creates the folder and those above it; false when it is not there afterwards.
bool makePlayerFolder(const QByteArray& folder);
// The folder the executable lies in, where a portable copy may keep its files.
QByteArray programFolder();
// playerFolder() as text, created when missing.
QString userDataFolder();
QString settingsFilePath();   // mysetting.cfg
QString gameInfoFilePath();   // gameinfo.cfg

}   // namespace velko
