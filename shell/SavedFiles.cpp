#include "SavedFiles.h"

#include "DataPaths.h"
#include "GameInfoFile.h"
#include "HighScores.h"
#include "ProgramState.h"

#include <QFile>
#include <QStringList>
#include <cstring>

namespace velko {

namespace {

const QByteArray kSettingsName = "mysetting.cfg";
const QByteArray kGameInfoName = "gameinfo.cfg";

// What this run knows about the player's files.
struct PlayerFiles {
    QByteArray folder;             // empty: nowhere to save
    bool gameInfoKept = false;     // could not be read, so never replaced in this run
    bool settingsKept = false;
    ScoreTable onDisk;             // the table as last read or written: what this run did not add
    QStringList problems;
};
PlayerFiles state;

QString shown(const QByteArray& path) { return QFile::decodeName(path); }

QString unreadable(const QByteArray& path, const QString& reason)
{
    return QStringLiteral("The file %1 could not be read (%2). The game goes on without it "
                          "and leaves it as it is.").arg(shown(path), reason);
}

bool sameRecord(const ScoreRecord& a, const ScoreRecord& b)
{
    return a.points == b.points && std::memcmp(&a.when, &b.when, sizeof a.when) == 0
           && storedNameBytes(a) == storedNameBytes(b);
}

bool holds(const ScoreTable& table, const ScoreRecord& record)
{
    for (const ScoreRecord& entry : table) {
        if (sameRecord(entry, record))
            return true;
    }
    return false;
}

// The file in the player's folder, else the one beside the program.
FileRead readEitherFile(FileLayer& files, const QByteArray& name, qint64 limit, QByteArray& path)
{
    path = state.folder + '/' + name;
    FileRead read;
    if (!state.folder.isEmpty())
        read = readPlayerFile(files, path, limit);
    if (read.outcome == FileRead::Missing) {
        const QByteArray besideProgram = programFolder() + '/' + name;
        FileRead portable = readPlayerFile(files, besideProgram, limit);
        if (portable.outcome == FileRead::Read)
            return portable;
    }
    return read;
}

QString saveTable(FileLayer& files)
{
    if (state.gameInfoKept)
        return QString();
    const QByteArray path = state.folder + '/' + kGameInfoName;
    const FileRead disk = readPlayerFile(files, path, largestGameInfo());
    if (disk.outcome == FileRead::Unreadable)
        return QStringLiteral("The high scores could not be saved: %1 could not be read first (%2).")
            .arg(shown(path), disk.reason);
    // Another copy of the game may have saved since: its records stay, and the
    // ones this run added go in by the table's own rules.
    ScoreTable merged = disk.outcome == FileRead::Read ? parseGameInfo(disk.bytes) : HiScore;
    for (const ScoreRecord& record : HiScore) {
        if (!holds(state.onDisk, record) && !holds(merged, record))
            insertScore(merged, record);
    }
    const QString problem = replacePlayerFile(files, state.folder, kGameInfoName, formatGameInfo(merged));
    if (!problem.isEmpty())
        return QStringLiteral("The high scores could not be saved: %1 %2.").arg(shown(path), problem);
    HiScore = merged;
    state.onDisk = merged;
    return QString();
}

bool readyToSave(QString& problem)
{
    if (state.folder.isEmpty())
        return false;   // the player was told at start-up
    if (!makePlayerFolder(state.folder)) {
        problem = QStringLiteral("Nothing could be saved: the folder %1 cannot be made.").arg(shown(state.folder));
        return false;
    }
    return true;
}

} // namespace

void loadHighScores(FileLayer& files)
{
    state = PlayerFiles();
    state.folder = playerFolder();
    if (state.folder.isEmpty())
        state.problems << QStringLiteral("Neither XDG_DATA_HOME nor HOME names a folder, so high scores "
                                         "and volume levels will not be saved.");
    {
        FolderLock lock(files, state.folder);
        if (!state.folder.isEmpty())
            removeLeftoverTemporaries(files, state.folder);
        QByteArray path;
        const FileRead table = readEitherFile(files, kGameInfoName, largestGameInfo(), path);
        if (table.outcome == FileRead::Read) {
            HiScore = parseGameInfo(table.bytes);
        } else {
            HiScore = defaultScoreTable(SysInfo[0], nowDateValue());
            if (table.outcome == FileRead::Unreadable) {
                state.gameInfoKept = true;
                state.problems << unreadable(path, table.reason);
            }
        }
        const FileRead settings = readEitherFile(files, kSettingsName, largestSettings(), path);
        if (settings.outcome == FileRead::Unreadable) {
            state.settingsKept = true;
            state.problems << unreadable(path, settings.reason);
        }
    }
    state.onDisk = HiScore;
}

QString fileReadProblems() { return state.problems.join(QLatin1Char('\n')); }

VolumeLevels loadVolumeLevels(FileLayer& files)
{
    QByteArray path;
    const FileRead read = readEitherFile(files, kSettingsName, largestSettings(), path);
    if (read.outcome == FileRead::Unreadable)
        state.settingsKept = true;
    return settingsFromFile(read);
}

QString saveHighScores(FileLayer& files)
{
    QString problem;
    if (!readyToSave(problem))
        return problem;
    FolderLock lock(files, state.folder);
    return saveTable(files);
}

QString saveFiles(const VolumeLevels& levels, FileLayer& files)
{
    QString problem;
    if (!readyToSave(problem))
        return problem;
    FolderLock lock(files, state.folder);
    QStringList problems;
    if (!state.settingsKept) {
        // The volume levels: the last copy of the game to save wins.
        const QString failed = replacePlayerFile(files, state.folder, kSettingsName, formatSettings(levels));
        if (!failed.isEmpty())
            problems << QStringLiteral("The volume levels could not be saved: %1 %2.")
                            .arg(shown(state.folder + '/' + kSettingsName), failed);
    }
    if (const QString failed = saveTable(files); !failed.isEmpty())
        problems << failed;
    return problems.join(QLatin1Char('\n'));
}

} // namespace velko
