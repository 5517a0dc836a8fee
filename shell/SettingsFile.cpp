#include "SettingsFile.h"

#include "AtomicFile.h"
#include "Rounding.h"
#include "TextLines.h"

#include <QFile>
#include <algorithm>

namespace velko {

namespace {

constexpr int kLowestLevel = 1;
constexpr int kHighestLevel = 50;
constexpr int kDefaultLevel = 50;
constexpr qint64 kLargestFile = 64 * 1024;

int clampLevel(int level)
{
    return std::clamp(level, kLowestLevel, kHighestLevel);
}

// A level line: a number, rounded halves to even; anything else keeps the default.
int readLevel(const QList<QByteArray>& lines, int index)
{
    double number = 0.0;
    if (index >= lines.size() || !readNumber(lines[index], number))
        return kDefaultLevel;
    const double rounded = roundHalfToEven(number);
    if (rounded < kLowestLevel)
        return kLowestLevel;
    if (rounded > kHighestLevel)
        return kHighestLevel;
    return static_cast<int>(rounded);
}

// The print form of a level: the sign's place (a space), the digits, a space.
QByteArray printedLevel(int level)
{
    return " " + QByteArray::number(level) + " \r\n";
}

}   // namespace

VolumeLevels parseSettings(const QByteArray& bytes)
{
    const QList<QByteArray> lines = splitTextLines(bytes, 2);
    VolumeLevels levels;
    levels.effects = readLevel(lines, 0);
    levels.music = readLevel(lines, 1);
    return levels;
}

QByteArray formatSettings(const VolumeLevels& levels)
{
    return printedLevel(clampLevel(levels.effects)) + printedLevel(clampLevel(levels.music));
}

qint64 largestSettings()
{
    return kLargestFile;
}

VolumeLevels settingsFromFile(const FileRead& read)
{
    if (read.outcome != FileRead::Read)
        return VolumeLevels();
    QByteArray bytes = read.bytes;
    // A line cut off by the size limit is not a whole line: leave it unread.
    if (read.size > bytes.size()) {
        const qsizetype lastEnd = std::max(bytes.lastIndexOf('\r'), bytes.lastIndexOf('\n'));
        bytes.truncate(lastEnd < 0 ? 0 : lastEnd + 1);
    }
    return parseSettings(bytes);
}

VolumeLevels readSettings(const QString& path)
{
    return settingsFromFile(readPlayerFile(systemFiles(), QFile::encodeName(path), kLargestFile));
}

bool writeSettings(const QString& path, const VolumeLevels& levels)
{
    return replaceFileAtomically(path, formatSettings(levels));
}

}   // namespace velko
