// gameinfo.cfg: eight binary records, read back exactly, and damaged files
// that must neither crash the game nor make it allocate without bound.

#include "GameInfoFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

using namespace velko;

namespace {

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void expectSameTable(const ScoreTable& actual, const ScoreTable& expected)
{
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].Name, expected[i].Name) << "record " << i;
        EXPECT_EQ(actual[i].Points, expected[i].Points) << "record " << i;
        EXPECT_TRUE(sameBits(actual[i].When, expected[i].When))
            << "record " << i << ": " << actual[i].When << " vs " << expected[i].When;
    }
}

void expectEmpty(const ScoreRec& record, std::size_t index)
{
    EXPECT_TRUE(record.Name.isEmpty()) << "record " << index;
    EXPECT_EQ(record.Points, 0) << "record " << index;
    EXPECT_EQ(record.When, 0.0) << "record " << index;
}

// A table unlike the default one: names in several scripts, with spaces,
// negative and extreme points, dates with a time of day.
ScoreTable variedTable()
{
    ScoreTable table;
    const QString names[] = {
        QStringLiteral("abc"), QStringLiteral("张伟"), QStringLiteral("Zoë Brontë"), QStringLiteral("  spaced  "),
        QString(), QStringLiteral("Ærøskøbing ñ"), QStringLiteral("\U0001F3B1 pool"), QStringLiteral("Владимир"),
    };
    const std::int32_t points[] = {std::numeric_limits<std::int32_t>::max(), 1001, 1000, 999, 91, 0, -3,
                                   std::numeric_limits<std::int32_t>::min()};
    const double dates[] = {45678.53125, 2.0, 0.0, 45000.999988425926, -1.25, 36526.000011574, 1.0 / 3.0, 60000.5};
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = {names[i], points[i], dates[i]};
    return table;
}

// One record as raw bytes, built field by field, so a test can also write
// names that are not valid UTF-8.
QByteArray record(const QByteArray& name, std::int32_t points, double when)
{
    QByteArray out;
    char field[8];
    qToLittleEndian<quint16>(static_cast<quint16>(name.size()), field);
    out.append(field, 2);
    out.append(name);
    qToLittleEndian<qint32>(points, field);
    out.append(field, 4);
    quint64 bits = 0;
    std::memcpy(&bits, &when, sizeof bits);
    qToLittleEndian<quint64>(bits, field);
    out.append(field, 8);
    return out;
}

} // namespace

TEST(GameInfoFile, ExampleRecordIsWrittenByteForByte)
{
    ScoreTable table;
    table[0] = {QStringLiteral("abc"), 1000, 2.0};
    const QByteArray bytes = formatGameInfo(table);
    EXPECT_EQ(bytes.left(17).toHex(' '), QByteArray("03 00 61 62 63 e8 03 00 00 00 00 00 00 00 00 00 40"));
    // The seven empty records after it: a zero length, zero points, date zero.
    EXPECT_EQ(bytes.size(), 17 + 7 * 14);
    EXPECT_EQ(bytes.mid(17), QByteArray(7 * 14, '\0'));
}

TEST(GameInfoFile, NamesAreStoredAsUtf8WithTheirByteCount)
{
    ScoreTable table;
    table[0].Name = QStringLiteral("张伟 é");
    const QByteArray utf8 = table[0].Name.toUtf8();
    const QByteArray bytes = formatGameInfo(table);
    ASSERT_EQ(utf8.size(), 9);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 9);
    EXPECT_EQ(bytes[1], 0);
    EXPECT_EQ(bytes.mid(2, 9), utf8);
}

TEST(GameInfoFile, FullTableSurvivesTheRoundTrip)
{
    const ScoreTable table = variedTable();
    const QByteArray bytes = formatGameInfo(table);
    qsizetype nameBytes = 0;
    for (const ScoreRec& rec : table)
        nameBytes += rec.Name.toUtf8().size();
    EXPECT_EQ(bytes.size(), 112 + nameBytes) << "nothing before, between or after the records";
    expectSameTable(parseGameInfo(bytes), table);
    EXPECT_EQ(formatGameInfo(parseGameInfo(bytes)), bytes);
}

TEST(GameInfoFile, FileShorterThanEightRecordsLeavesTheRestEmpty)
{
    const ScoreTable table = variedTable();
    const QByteArray bytes = formatGameInfo(table);
    qsizetype end = 0;
    for (std::size_t whole = 0; whole <= table.size(); ++whole) {
        // Cut the file after `whole` complete records, and at every byte of the next one.
        const qsizetype nextEnd = whole < table.size() ? end + 14 + table[whole].Name.toUtf8().size() : end;
        for (qsizetype cut = end; cut < std::max(nextEnd, end + 1) && cut <= bytes.size(); ++cut) {
            const ScoreTable read = parseGameInfo(bytes.left(cut));
            for (std::size_t i = 0; i < table.size(); ++i) {
                if (i < whole) {
                    EXPECT_EQ(read[i].Name, table[i].Name) << "cut " << cut;
                    EXPECT_EQ(read[i].Points, table[i].Points) << "cut " << cut;
                } else {
                    expectEmpty(read[i], i);
                }
            }
        }
        end = nextEnd;
    }
}

TEST(GameInfoFile, EmptyFileGivesAnEmptyTable)
{
    const ScoreTable read = parseGameInfo(QByteArray());
    for (std::size_t i = 0; i < read.size(); ++i)
        expectEmpty(read[i], i);
}

TEST(GameInfoFile, NameLengthPastTheEndStopsTheReading)
{
    QByteArray bytes = record("first", 500, 3.5);
    bytes += QByteArray("\xFF\xFF", 2) + "short name" + QByteArray(30, '\1');
    const ScoreTable read = parseGameInfo(bytes);
    EXPECT_EQ(read[0].Name, QStringLiteral("first"));
    EXPECT_EQ(read[0].Points, 500);
    EXPECT_EQ(read[0].When, 3.5);
    for (std::size_t i = 1; i < read.size(); ++i)
        expectEmpty(read[i], i);
}

TEST(GameInfoFile, OnlyTheFirstEightRecordsAreRead)
{
    const ScoreTable table = variedTable();
    const QByteArray extra = record("ninth", 5, 1.0) + QByteArray("trailing garbage");
    expectSameTable(parseGameInfo(formatGameInfo(table) + extra), table);
}

TEST(GameInfoFile, BrokenUtf8AndOddDatesAreKeptWithoutHarm)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QByteArray bytes = record("\xC3", 1, nan) + record("\xFF\xFE\x80", 2, inf) + record("ok", 3, -1e308);
    const ScoreTable read = parseGameInfo(bytes);
    EXPECT_EQ(read[0].Name, QString(QChar::ReplacementCharacter));
    EXPECT_TRUE(std::isnan(read[0].When));
    EXPECT_EQ(read[1].Points, 2);
    EXPECT_TRUE(std::isinf(read[1].When));
    EXPECT_EQ(read[2].Name, QStringLiteral("ok"));
    EXPECT_EQ(read[2].When, -1e308);
    for (std::size_t i = 0; i < read.size(); ++i)
        EXPECT_LE(read[i].Name.size(), bytes.size());
}

TEST(GameInfoFile, OverlongNamesAreCutAtACharacterBoundary)
{
    // 65 535 bytes is the most the length field holds. Three-byte characters
    // do not divide it evenly, so the cut must step back to a whole character.
    ScoreTable table;
    table[0] = {QString(30000, QChar(0x4E2D)), 7, 1.5};             // 90 000 bytes
    table[1] = {QString(65535, QLatin1Char('a')), 8, 2.5};           // exactly fits
    table[2] = {QStringLiteral("xx") + QString(40000, QChar(0x00E9)), 9, 3.5};  // 2 + 80 000 bytes
    const ScoreTable read = parseGameInfo(formatGameInfo(table));

    EXPECT_EQ(read[0].Name, QString(21845, QChar(0x4E2D)));   // 65 535 / 3 characters
    EXPECT_EQ(read[0].Points, 7);
    EXPECT_EQ(read[1].Name, table[1].Name);
    EXPECT_EQ(read[2].Name.toUtf8().size(), 65534);
    EXPECT_TRUE(table[2].Name.startsWith(read[2].Name));
    EXPECT_EQ(read[2].Points, 9);
    EXPECT_EQ(read[2].When, 3.5);
}

TEST(GameInfoFile, ReadReportsAMissingFileAndWriteReplacesTheOldOne)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("gameinfo.cfg"));
    ScoreTable table = variedTable();
    EXPECT_FALSE(readGameInfo(path, table));
    expectSameTable(table, variedTable());   // left alone when there is no file

    // An older, longer file: the new one holds exactly the eight records.
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(5000, 'z'));
    }
    ASSERT_TRUE(writeGameInfo(path, table));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), formatGameInfo(table));
    file.close();

    ScoreTable read;
    ASSERT_TRUE(readGameInfo(path, read));
    expectSameTable(read, table);
}

TEST(GameInfoFile, ExistingButEmptyFileGivesAnEmptyTable)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("gameinfo.cfg"));
    {
        QFile empty(path);
        ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    }
    ScoreTable read = variedTable();
    ASSERT_TRUE(readGameInfo(path, read));
    for (std::size_t i = 0; i < read.size(); ++i)
        expectEmpty(read[i], i);
}
