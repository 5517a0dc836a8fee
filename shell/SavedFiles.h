#pragma once
// The two files a player keeps between runs, in the per-user data folder.
// Every save holds the folder's lock, merges this run's new records into the
// table on disk (so two copies of the game both keep theirs) and never
// replaces a file that could not be read at start-up or that its owner made
// read-only.

#include <QStringList>

#include "AtomicFile.h"
#include "SavedGame.h"
#include "ScoreRecord.h"
#include "SettingsFile.h"

namespace velko {

class SavedFiles {
public:
    // Start-up: removes what killed saves left behind, then fills `table` from
    // gameinfo.cfg (the per-user one, else one beside the program), or with the
    // default table named `defaultName` when there is none or it cannot be read.
    void loadHighScores(ScoreTable& table, const QString& defaultName, FileLayer& files = systemFiles());
    // What the start-up could not read or where nothing can be saved, to tell the
    // player once; empty when all is well.
    QString readProblems() const;
    // mysetting.cfg (the per-user one, else one beside the program); 50 and 50 without one.
    VolumeLevels loadVolumeLevels(FileLayer& files = systemFiles());
    // Saves the high-score table at once (after a new record's name is given);
    // `table` becomes the merged table written. When gameinfo.cfg is left as it
    // is (it could not be read at start-up or is read-only) or there is no
    // folder to save in, a new record in `table` is not saved, and the first
    // such call fails to say so.
    Outcome saveHighScores(ScoreTable& table, FileLayer& files = systemFiles());
    // The end of the run: mysetting.cfg, then gameinfo.cfg, each attempted on its
    // own; a failure tells what failed of both.
    Outcome saveFiles(const VolumeLevels& levels, ScoreTable& table, FileLayer& files = systemFiles());

    // The game of `kind` left running at the end of an earlier run. A file
    // that cannot be read, is damaged or is of a newer version is moved aside
    // (its name + ".damaged"), never deleted, and the outcome says why.
    SavedGameRead loadGame(GameKind kind, FileLayer& files = systemFiles());
    // Replaces the saved game of its kind at once.
    Outcome saveGame(const SavedGame& game, FileLayer& files = systemFiles());
    // The game of `kind` is over or thrown away: its file goes.
    void removeGame(GameKind kind, FileLayer& files = systemFiles());

private:
    // The file in the player's folder, else the one beside the program.
    FileRead readEitherFile(FileLayer& files, const QByteArray& name, qint64 limit, QByteArray& path) const;
    Outcome saveTable(ScoreTable& table, FileLayer& files);
    // Whether `path` is in the player's folder, not beside the program.
    bool ownFile(const QByteArray& path) const;
    // Whether the folder is there to save in; when it is not, `notReady` is a
    // failure, or done when there is no folder at all (told at start-up).
    bool readyToSave(Outcome& notReady) const;
    // What the player loses when the table is not saved: said once per run, when it holds a new record.
    Outcome recordNotSaved(const ScoreTable& table);

    QByteArray folder_;           // empty: nowhere to save
    bool gameInfoKept_ = false;   // could not be read, so never replaced in this run
    bool settingsKept_ = false;
    bool gameInfoReadOnly_ = false;   // kept because its owner made it read-only
    bool recordLossTold_ = false;     // the player heard that a record is not saved
    ScoreTable onDisk_;               // the table as last read or written: what this run did not add
    QStringList problems_;
};

}   // namespace velko
