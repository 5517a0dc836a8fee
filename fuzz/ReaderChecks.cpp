#include "ReaderChecks.h"

#include "GameInfoFile.h"
#include "HighScores.h"
#include "SavedGame.h"
#include "SettingsFile.h"
#include "TextTable.h"

#include <cstring>

namespace velko {

namespace {

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void require(QStringList& broken, bool rule, const QString& what)
{
    if (!rule)
        broken.append(what);
}

}   // namespace

QStringList checkSettingsReader(const QByteArray& bytes)
{
    QStringList broken;
    const VolumeLevels levels = parseSettings(bytes);
    require(broken, levels.effects >= 1 && levels.effects <= 50, QStringLiteral("effects level outside 1..50"));
    require(broken, levels.music >= 1 && levels.music <= 50, QStringLiteral("music level outside 1..50"));
    const VolumeLevels again = parseSettings(formatSettings(levels));
    require(broken, again.effects == levels.effects && again.music == levels.music,
            QStringLiteral("levels change when written and read again"));
    return broken;
}

QStringList checkGameInfoReader(const QByteArray& bytes)
{
    QStringList broken;
    const ScoreTable table = parseGameInfo(bytes);
    qsizetype nameUnits = 0;
    for (const ScoreRecord& record : table) {
        nameUnits += record.name.size();
        // A date the game cannot show is shown as nothing, never as garbage.
        const bool shown = !generalDateText(record.when).isEmpty();
        require(broken, shown == fromDateValue(record.when).isValid(),
                QStringLiteral("date text and date disagree for %1").arg(record.when));
    }
    // Every name character comes from at least one byte of the file.
    require(broken, nameUnits <= bytes.size(), QStringLiteral("names longer than the file"));

    const QByteArray written = formatGameInfo(table);
    qsizetype writtenNames = 0;
    for (const ScoreRecord& record : table)
        writtenNames += storedNameBytes(record).size();
    require(broken, written.size() == 112 + writtenNames, QStringLiteral("written file is not exactly eight records"));

    const ScoreTable again = parseGameInfo(written);
    for (std::size_t i = 0; i < table.size(); ++i) {
        require(broken,
                again[i].name == table[i].name && again[i].nameBytes == table[i].nameBytes &&
                    again[i].points == table[i].points && sameBits(again[i].when, table[i].when),
                QStringLiteral("record %1 changes when written and read again").arg(i));
    }
    return broken;
}

QStringList checkTextTableReader(const QByteArray& bytes)
{
    QStringList broken;
    TextTable table;
    table.texts[99] = QStringLiteral("marker");
    const QString error = parseTextTable(bytes, table).problem();
    if (!error.isEmpty()) {
        require(broken, error.contains(QStringLiteral("sysinfo.txt")), QStringLiteral("error does not name the file"));
        require(broken, table.texts[99] == QStringLiteral("marker"), QStringLiteral("rejected file changed the table"));
        return broken;
    }
    qsizetype textUnits = 0;
    for (int i = 0; i < 75; ++i)
        textUnits += table.texts[i].size();
    require(broken, textUnits <= bytes.size(), QStringLiteral("texts longer than the file"));
    for (int i = 75; i < 100; ++i)
        require(broken, table.texts[i].isEmpty(), QStringLiteral("text %1 is not empty").arg(i));
    return broken;
}

QStringList checkSavedGameReader(const QByteArray& bytes)
{
    QStringList broken;
    for (const GameKind kind : {GameKind::Normal, GameKind::Challenge}) {
        const SavedGameRead read = parseSavedGame(bytes, kind);
        require(broken, (read.outcome == SavedGameRead::Read) == read.reason.isEmpty(),
                QStringLiteral("a saved game read or refused without a reason that fits"));
        if (read.outcome != SavedGameRead::Read)
            continue;
        // A game taken up again is one the game itself could have saved.
        require(broken, read.game.kind == kind && read.game.score >= 0, QStringLiteral("a saved game of another kind"));
        for (const auto& column : read.game.board)
            for (const Colour colour : column)
                require(broken, static_cast<int>(colour) >= 0 && static_cast<int>(colour) <= 8,
                        QStringLiteral("a saved game with a cell that is no colour"));
        require(broken, formatSavedGame(read.game) == bytes,
                QStringLiteral("a saved game that is not written back the same"));
    }
    return broken;
}

}   // namespace velko
