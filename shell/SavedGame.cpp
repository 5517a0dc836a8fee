#include "SavedGame.h"

#include <QList>
#include <charconv>

namespace velko {

namespace {

constexpr int kVersion = 1;
const QByteArray kMagic = "velko-lines game ";

QByteArray kindName(GameKind kind)
{
    return kind == GameKind::Normal ? "normal" : "challenge";
}

QByteArray checksum(const QByteArray& text)
{
    return QByteArray::number(qChecksum(text), 16).rightJustified(4, '0');
}

// A colour the kind deals: the normal game five colours and the joker, the challenge game all eight.
bool dealt(GameKind kind, int value)
{
    return value >= 1 && value <= 8 && (kind == GameKind::Challenge || value <= 5 || value == 7);
}

bool readInt(const QByteArray& text, std::int64_t& value)
{
    const char* end = text.constData() + text.size();
    const auto result = std::from_chars(text.constData(), end, value);
    return !text.isEmpty() && result.ec == std::errc() && result.ptr == end;
}

SavedGameRead damaged(const QString& reason)
{
    SavedGameRead read;
    read.outcome = SavedGameRead::Damaged;
    read.reason = reason;
    return read;
}

}   // namespace

QByteArray savedGameFileName(GameKind kind)
{
    return kind == GameKind::Normal ? "normal-game.sav" : "challenge-game.sav";
}

QByteArray formatSavedGame(const SavedGame& game)
{
    QByteArray text = kMagic + QByteArray::number(kVersion) + '\n';
    text += "kind " + kindName(game.kind) + '\n';
    text += "score " + QByteArray::number(game.score) + '\n';
    text += "next";
    for (const Colour colour : game.nextColours)
        text += ' ' + QByteArray::number(static_cast<int>(colour));
    text += "\nboard\n";
    for (int row = 0; row < kCells; ++row) {
        for (int column = 0; column < kCells; ++column) {
            const int value = static_cast<int>(game.board[column][row]);
            text += value == 0 ? '.' : static_cast<char>('0' + value);
        }
        text += '\n';
    }
    return text + "check " + checksum(text) + '\n';
}

SavedGameRead parseSavedGame(const QByteArray& bytes, GameKind kind)
{
    QList<QByteArray> lines = bytes.split('\n');
    if (lines.isEmpty() || !lines[0].startsWith(kMagic))
        return damaged(QStringLiteral("it is not a saved game"));
    std::int64_t version = 0;
    if (!readInt(lines[0].mid(kMagic.size()), version) || version < 1)
        return damaged(QStringLiteral("it is not a saved game"));
    if (version > kVersion) {
        SavedGameRead newer;
        newer.outcome = SavedGameRead::Newer;
        newer.reason = QStringLiteral("it was saved by a newer version of the game");
        return newer;
    }
    // The fixed lines, the nine rows, the check and the end of the last line.
    constexpr int kLines = 5 + kCells + 1;
    if (lines.size() != kLines + 1 || !lines[kLines].isEmpty())
        return damaged(QStringLiteral("it is cut short or has lines too many"));
    const qsizetype checked = bytes.size() - lines[kLines - 1].size() - 1;
    if (lines[kLines - 1] != "check " + checksum(bytes.left(checked)))
        return damaged(QStringLiteral("its contents do not match its checksum"));
    if (lines[1] != "kind " + kindName(kind))
        return damaged(QStringLiteral("it holds another kind of game"));

    SavedGameRead read;
    read.outcome = SavedGameRead::Read;
    SavedGame& game = read.game;
    game.kind = kind;
    std::int64_t score = -1;
    if (!lines[2].startsWith("score ") || !readInt(lines[2].mid(6), score) || score < 0 || score > INT32_MAX)
        return damaged(QStringLiteral("its score is not a score"));
    game.score = static_cast<std::int32_t>(score);
    const QList<QByteArray> next = lines[3].split(' ');
    if (next.size() != kPreviewSlots + 1 || next[0] != "next")
        return damaged(QStringLiteral("its next colours are missing"));
    for (int slot = 0; slot < kPreviewSlots; ++slot) {
        std::int64_t value = 0;
        if (!readInt(next[slot + 1], value) || !dealt(kind, static_cast<int>(value)))
            return damaged(QStringLiteral("a next colour is not one the game deals"));
        game.nextColours[slot] = static_cast<Colour>(value);
    }
    if (lines[4] != "board")
        return damaged(QStringLiteral("its board is missing"));
    for (int row = 0; row < kCells; ++row) {
        const QByteArray& cells = lines[5 + row];
        if (cells.size() != kCells)
            return damaged(QStringLiteral("a row of its board is not nine cells"));
        for (int column = 0; column < kCells; ++column) {
            const char c = cells[column];
            if (c != '.' && !dealt(kind, c - '0'))
                return damaged(QStringLiteral("its board holds a ball the game does not deal"));
            game.board[column][row] = c == '.' ? Colour::Empty : static_cast<Colour>(c - '0');
        }
    }
    return read;
}

}   // namespace velko
