#include "SavedFiles.h"

#include "DataPaths.h"
#include "GameInfoFile.h"
#include "HighScores.h"

#include <QFile>
#include <QStringList>
#include <cstring>

namespace velko {

namespace {

const QByteArray kSettingsName = "mysetting.cfg";
const QByteArray kGameInfoName = "gameinfo.cfg";

QString shown(const QByteArray& path)
{
    return QFile::decodeName(path);
}

QString unreadable(const QByteArray& path, const QString& reason)
{
    return QStringLiteral("The file %1 could not be read (%2). The game goes on without it "
                          "and leaves it as it is.")
        .arg(shown(path), reason);
}

QString readOnlyNotice(const QByteArray& path, const char* lost)
{
    return QStringLiteral("The file %1 is read-only, so the game leaves it as it is: %2 will not be kept.")
        .arg(shown(path), QLatin1String(lost));
}

bool sameRecord(const ScoreRecord& a, const ScoreRecord& b)
{
    return a.points == b.points && std::memcmp(&a.when, &b.when, sizeof a.when) == 0 &&
           storedNameBytes(a) == storedNameBytes(b);
}

bool holds(const ScoreTable& table, const ScoreRecord& record)
{
    for (const ScoreRecord& entry : table) {
        if (sameRecord(entry, record))
            return true;
    }
    return false;
}

}   // namespace

FileRead SavedFiles::readEitherFile(FileLayer& files, const QByteArray& name, qint64 limit, QByteArray& path) const
{
    path = folder_ + '/' + name;
    FileRead read;
    if (!folder_.isEmpty())
        read = readPlayerFile(files, path, limit);
    if (read.outcome == FileRead::Missing) {
        const QByteArray besideProgram = programFolder() + '/' + name;
        FileRead portable = readPlayerFile(files, besideProgram, limit);
        if (portable.outcome == FileRead::Read) {
            path = besideProgram;
            return portable;
        }
    }
    return read;
}

Outcome SavedFiles::saveTable(ScoreTable& table, FileLayer& files)
{
    if (gameInfoKept_)
        return {};   // the player was told at start-up, and of a record at the time
    const QByteArray path = folder_ + '/' + kGameInfoName;
    const FileRead disk = readPlayerFile(files, path, largestGameInfo());
    if (disk.outcome == FileRead::Unreadable)
        return Outcome::failure(QStringLiteral("The high scores could not be saved: %1 could not be read first (%2).")
                                    .arg(shown(path), disk.reason));
    // Another copy of the game may have saved since: its records stay, and the
    // ones this run added go in by the table's own rules.
    ScoreTable merged = disk.outcome == FileRead::Read ? parseGameInfo(disk.bytes) : table;
    for (const ScoreRecord& record : table) {
        if (!holds(onDisk_, record) && !holds(merged, record))
            insertScore(merged, record);
    }
    bool readOnly = false;
    const Outcome written = replacePlayerFile(files, folder_, kGameInfoName, formatGameInfo(merged), &readOnly);
    if (readOnly) {
        // Made read-only during the run: said once, and left alone from now on.
        gameInfoKept_ = gameInfoReadOnly_ = recordLossTold_ = true;
        return Outcome::failure(
            QStringLiteral("The high scores were not saved: %1 %2.").arg(shown(path), written.problem()));
    }
    if (!written.done())
        return Outcome::failure(
            QStringLiteral("The high scores could not be saved: %1 %2.").arg(shown(path), written.problem()));
    table = merged;
    onDisk_ = merged;
    return {};
}

Outcome SavedFiles::recordNotSaved(const ScoreTable& table)
{
    bool newRecord = false;
    for (const ScoreRecord& record : table)
        newRecord = newRecord || !holds(onDisk_, record);
    if (!newRecord || recordLossTold_)
        return {};
    recordLossTold_ = true;
    if (folder_.isEmpty())
        return Outcome::failure(QStringLiteral("Your new record is not saved: neither XDG_DATA_HOME nor HOME names "
                                               "a folder to keep it in."));
    return Outcome::failure(
        QStringLiteral("Your new record is not saved: %1 %2, so the game leaves it as it is.")
            .arg(shown(folder_ + '/' + kGameInfoName),
                 gameInfoReadOnly_ ? QStringLiteral("is read-only") : QStringLiteral("could not be read at start-up")));
}

bool SavedFiles::readyToSave(Outcome& notReady) const
{
    if (folder_.isEmpty()) {
        notReady = {};   // the player was told at start-up
        return false;
    }
    if (!makePlayerFolder(folder_)) {
        notReady = Outcome::failure(
            QStringLiteral("Nothing could be saved: the folder %1 cannot be made.").arg(shown(folder_)));
        return false;
    }
    return true;
}

bool SavedFiles::ownFile(const QByteArray& path) const
{
    return !folder_.isEmpty() && path.startsWith(folder_ + '/');
}

void SavedFiles::loadHighScores(ScoreTable& table, const QString& defaultName, FileLayer& files)
{
    *this = SavedFiles();
    folder_ = playerFolder();
    if (folder_.isEmpty())
        problems_ << QStringLiteral("Neither XDG_DATA_HOME nor HOME names a folder, so high scores "
                                    "and volume levels will not be saved.");
    {
        FolderLock lock(files, folder_);
        if (!folder_.isEmpty())
            removeLeftoverTemporaries(files, folder_,
                                      {kGameInfoName, kSettingsName, savedGameFileName(GameKind::Normal),
                                       savedGameFileName(GameKind::Challenge)});
        QByteArray path;
        const FileRead read = readEitherFile(files, kGameInfoName, largestGameInfo(), path);
        if (read.outcome == FileRead::Read) {
            table = parseGameInfo(read.bytes);
            if (ownFile(path) && isReadOnly(read.mode)) {
                gameInfoKept_ = gameInfoReadOnly_ = true;
                problems_ << readOnlyNotice(path, "new records");
            }
        } else {
            table = defaultScoreTable(defaultName, nowDateValue());
            if (read.outcome == FileRead::Unreadable) {
                gameInfoKept_ = true;
                problems_ << unreadable(path, read.reason);
            }
        }
        const FileRead settings = readEitherFile(files, kSettingsName, largestSettings(), path);
        if (settings.outcome == FileRead::Unreadable) {
            settingsKept_ = true;
            problems_ << unreadable(path, settings.reason);
        } else if (settings.outcome == FileRead::Read && ownFile(path) && isReadOnly(settings.mode)) {
            settingsKept_ = true;
            problems_ << readOnlyNotice(path, "volume levels set in this run");
        }
    }
    onDisk_ = table;
}

SavedGameRead SavedFiles::loadGame(GameKind kind, FileLayer& files)
{
    if (folder_.isEmpty())
        return {};
    FolderLock lock(files, folder_);
    const QByteArray path = folder_ + '/' + savedGameFileName(kind);
    const FileRead read = readPlayerFile(files, path, kLargestSavedGame);
    if (read.outcome == FileRead::Missing)
        return {};
    SavedGameRead game;
    if (read.outcome == FileRead::Unreadable) {
        game.outcome = SavedGameRead::Damaged;
        game.reason = read.reason;
    } else if (read.size > kLargestSavedGame) {
        game.outcome = SavedGameRead::Damaged;
        game.reason = QStringLiteral("it is far too large");
    } else {
        game = parseSavedGame(read.bytes, kind);
    }
    if (game.outcome != SavedGameRead::Read) {
        // Set aside, so that the next start neither stumbles on it nor loses it.
        const QByteArray aside = path + ".damaged";
        const QString told =
            QStringLiteral("The game you left (%1) cannot be continued: %2.").arg(shown(path), game.reason);
        game.reason = files.rename(path.constData(), aside.constData()) == 0
                          ? told + QStringLiteral(" It is kept as %1, and a new game starts.").arg(shown(aside))
                          : told + QStringLiteral(" A new game starts.");
    }
    return game;
}

Outcome SavedFiles::saveGame(const SavedGame& game, FileLayer& files)
{
    if (Outcome notReady; !readyToSave(notReady))
        return notReady;
    FolderLock lock(files, folder_);
    const QByteArray name = savedGameFileName(game.kind);
    if (const Outcome written = replacePlayerFile(files, folder_, name, formatSavedGame(game)); !written.done())
        return Outcome::failure(QStringLiteral("The game in progress could not be saved: %1 %2.")
                                    .arg(shown(folder_ + '/' + name), written.problem()));
    return {};
}

void SavedFiles::removeGame(GameKind kind, FileLayer& files)
{
    if (folder_.isEmpty())
        return;
    FolderLock lock(files, folder_);
    files.unlink((folder_ + '/' + savedGameFileName(kind)).constData());
}

QString SavedFiles::readProblems() const
{
    return problems_.join(QLatin1Char('\n'));
}

VolumeLevels SavedFiles::loadVolumeLevels(FileLayer& files)
{
    QByteArray path;
    const FileRead read = readEitherFile(files, kSettingsName, largestSettings(), path);
    if (read.outcome == FileRead::Unreadable)
        settingsKept_ = true;
    return settingsFromFile(read);
}

Outcome SavedFiles::saveHighScores(ScoreTable& table, FileLayer& files)
{
    if (folder_.isEmpty() || gameInfoKept_)
        return recordNotSaved(table);   // the start-up said why; the player hears what it means now
    if (Outcome notReady; !readyToSave(notReady))
        return notReady;
    FolderLock lock(files, folder_);
    return saveTable(table, files);
}

Outcome SavedFiles::saveFiles(const VolumeLevels& levels, ScoreTable& table, FileLayer& files)
{
    if (Outcome notReady; !readyToSave(notReady))
        return notReady;
    FolderLock lock(files, folder_);
    QStringList problems;
    if (!settingsKept_) {
        // The volume levels: the last copy of the game to save wins.
        bool readOnly = false;
        const Outcome written = replacePlayerFile(files, folder_, kSettingsName, formatSettings(levels), &readOnly);
        settingsKept_ = readOnly;   // made read-only during the run: said once
        if (!written.done())
            problems << QStringLiteral("The volume levels %1: %2 %3.")
                            .arg(readOnly ? QStringLiteral("were not saved") : QStringLiteral("could not be saved"),
                                 shown(folder_ + '/' + kSettingsName), written.problem());
    }
    if (const Outcome scores = saveTable(table, files); !scores.done())
        problems << scores.problem();
    if (problems.isEmpty())
        return {};
    return Outcome::failure(problems.join(QLatin1Char('\n')));
}

}   // namespace velko
