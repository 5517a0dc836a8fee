// Reading medias/sysinfo.txt: the edition number, the 75 texts and the
// start-up errors for a file the game cannot use.

#include "TextLines.h"
#include "TextTable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

using namespace velko;

namespace {

// A file of `count` lines: the edition line, then lines "NNtext N" with a
// two-character prefix that the game drops.
QList<QByteArray> numberedLines(const QByteArray& editionLine, int count)
{
    QList<QByteArray> lines{editionLine};
    for (int i = 1; i < count; ++i)
        lines.append(QByteArray::number(i % 100).rightJustified(2, '0') + "text " + QByteArray::number(i - 1));
    return lines;
}

QByteArray joined(const QList<QByteArray>& lines, const QByteArray& lineEnd)
{
    QByteArray out;
    for (const QByteArray& line : lines)
        out += line + lineEnd;
    return out;
}

TextTable parsedOk(const QByteArray& bytes)
{
    TextTable table;
    const QString error = parseTextTable(bytes, table);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    return table;
}

QString parseError(const QByteArray& bytes)
{
    TextTable table;
    table.edition = 77;
    table.texts[0] = QStringLiteral("untouched");
    const QString error = parseTextTable(bytes, table);
    EXPECT_EQ(table.edition, 77) << "a rejected file must not change the table";
    EXPECT_EQ(table.texts[0], QStringLiteral("untouched"));
    return error;
}

} // namespace

TEST(TextTable, DropsTheTwoCharacterPrefixOfEveryText)
{
    const TextTable table = parsedOk(joined(numberedLines("1", 76), "\r\n"));
    EXPECT_EQ(table.edition, 1);
    for (int i = 0; i < 75; ++i)
        EXPECT_EQ(table.texts[i], QStringLiteral("text %1").arg(i)) << "text " << i;
    for (int i = 75; i < 100; ++i)
        EXPECT_TRUE(table.texts[i].isEmpty()) << "text " << i;
}

TEST(TextTable, ShortLinesGiveEmptyTextsAndSpacesAreKept)
{
    QList<QByteArray> lines = numberedLines("2", 76);
    lines[1] = "00";        // exactly two characters
    lines[2] = "0";         // fewer than two
    lines[3] = "";          // empty line
    lines[4] = "03 word ";  // the text keeps its own spaces
    lines[5] = "04x";       // a single character after the prefix
    const TextTable table = parsedOk(joined(lines, "\r\n"));
    EXPECT_EQ(table.texts[0], QString());
    EXPECT_EQ(table.texts[1], QString());
    EXPECT_EQ(table.texts[2], QString());
    EXPECT_EQ(table.texts[3], QStringLiteral(" word "));
    EXPECT_EQ(table.texts[4], QStringLiteral("x"));
    EXPECT_EQ(table.texts[5], QStringLiteral("text 5"));
}

TEST(TextTable, PrefixIsTwoCharactersNotTwoBytes)
{
    QList<QByteArray> lines = numberedLines("1", 76);
    lines[1] = QStringLiteral("名字玩家").toUtf8();
    lines[2] = QStringLiteral("éèPunkte").toUtf8();
    lines[3] = QStringLiteral("\U0001F3B1\U0001F3B1Balls").toUtf8();   // characters outside the BMP
    const TextTable table = parsedOk(joined(lines, "\r\n"));
    EXPECT_EQ(table.texts[0], QStringLiteral("玩家"));
    EXPECT_EQ(table.texts[1], QStringLiteral("Punkte"));
    EXPECT_EQ(table.texts[2], QStringLiteral("Balls"));
}

TEST(TextTable, LinesAfterTheSeventySixthAreNotRead)
{
    const TextTable table = parsedOk(joined(numberedLines("1", 100), "\r\n"));
    EXPECT_EQ(table.texts[74], QStringLiteral("text 74"));
    for (int i = 75; i < 100; ++i)
        EXPECT_TRUE(table.texts[i].isEmpty()) << "text " << i;
}

TEST(TextTable, EveryKindOfLineEndReadsAlike)
{
    const QList<QByteArray> lines = numberedLines("3", 76);
    const TextTable windows = parsedOk(joined(lines, "\r\n"));
    for (const QByteArray& lineEnd : {QByteArray("\n"), QByteArray("\r")}) {
        const TextTable other = parsedOk(joined(lines, lineEnd));
        EXPECT_EQ(other.edition, windows.edition);
        EXPECT_EQ(other.texts, windows.texts) << "line end " << lineEnd.toHex().toStdString();
    }
    // The last line needs no line end, and mixed line ends are fine too.
    QByteArray mixed;
    for (int i = 0; i < lines.size(); ++i)
        mixed += lines[i] + (i == lines.size() - 1 ? "" : i % 3 == 0 ? "\r" : i % 3 == 1 ? "\n" : "\r\n");
    EXPECT_EQ(parsedOk(mixed).texts, windows.texts);
}

TEST(TextTable, CrLfIsOneLineEndButLfCrIsTwo)
{
    QList<QByteArray> lines = numberedLines("1", 76);
    QByteArray bytes = joined(lines, "\r\n");
    // LF CR ends a line and then an empty one, shifting the texts down by one.
    const qsizetype firstEnd = bytes.indexOf("\r\n");
    bytes.replace(firstEnd, 2, "\n\r");
    const TextTable table = parsedOk(bytes);
    EXPECT_EQ(table.texts[0], QString());
    EXPECT_EQ(table.texts[1], QStringLiteral("text 0"));
}

TEST(TextTable, ByteOrderMarkBeforeTheEditionIsSkipped)
{
    const TextTable table = parsedOk("\xEF\xBB\xBF" + joined(numberedLines("1", 76), "\r\n"));
    EXPECT_EQ(table.edition, 1);
    EXPECT_EQ(table.texts[0], QStringLiteral("text 0"));
}

TEST(TextTable, EditionIsRoundedHalvesToEven)
{
    const struct { const char* line; int edition; } cases[] = {
        {"0", 0}, {"1", 1}, {"255", 255}, {" 7 ", 7}, {"\t12\t", 12}, {"+3", 3},
        {"1.5", 2}, {"2.5", 2}, {"0.5", 0}, {"254.5", 254}, {"255.4", 255}, {"-0.4", 0},
        {"1e2", 100}, {"2.49", 2}, {".5", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parsedOk(joined(numberedLines(c.line, 76), "\r\n")).edition, c.edition) << c.line;
}

TEST(TextTable, BadEditionLineIsReportedNamingTheFile)
{
    for (const char* line : {"", "abc", "1a", "1 2", "--1", "1e", ".", "nan", "inf", "0x10", "1,5"}) {
        const QString error = parseError(joined(numberedLines(line, 76), "\r\n"));
        EXPECT_TRUE(error.contains(QStringLiteral("sysinfo.txt"))) << line << ": " << error.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral("not a number"))) << line << ": " << error.toStdString();
    }
    for (const char* line : {"256", "255.5", "-1", "1000", "-0.6", "1e300"}) {
        const QString error = parseError(joined(numberedLines(line, 76), "\r\n"));
        EXPECT_TRUE(error.contains(QStringLiteral("sysinfo.txt"))) << line;
        EXPECT_TRUE(error.contains(QStringLiteral("between 0 and 255"))) << line << ": " << error.toStdString();
    }
}

TEST(TextTable, FileShorterThanSeventySixLinesIsReported)
{
    for (int count : {1, 2, 75}) {
        const QString error = parseError(joined(numberedLines("1", count), "\r\n"));
        EXPECT_TRUE(error.contains(QStringLiteral("sysinfo.txt"))) << count;
        EXPECT_TRUE(error.contains(QStringLiteral("has %1 lines").arg(count))) << error.toStdString();
    }
    EXPECT_TRUE(parseError(QByteArray()).contains(QStringLiteral("has 0 lines")));
    EXPECT_TRUE(parseError("\xEF\xBB\xBF").contains(QStringLiteral("has 0 lines")));
}

TEST(TextTable, LastLineNeedsNoLineEnd)
{
    // A line end after the last line does not start another line, but an
    // empty line before it is a line of its own.
    QByteArray seventySix = joined(numberedLines("1", 76), "\r\n");
    seventySix.chop(2);
    EXPECT_EQ(parsedOk(seventySix).texts[74], QStringLiteral("text 74"));
    QByteArray seventyFive = joined(numberedLines("1", 75), "\r\n");
    EXPECT_FALSE(parseError(seventyFive).isEmpty());
    EXPECT_TRUE(parsedOk(seventyFive + "\r\n").texts[74].isEmpty());
}

TEST(TextTable, ReadsFromDiskAndReportsAMissingFile)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("sysinfo.txt"));

    TextTable table;
    const QString missing = readTextTable(path, table);
    EXPECT_TRUE(missing.contains(path)) << missing.toStdString();
    EXPECT_TRUE(missing.contains(QStringLiteral("missing")));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(joined(numberedLines("9", 80), "\r\n"));
    file.close();
    EXPECT_TRUE(readTextTable(path, table).isEmpty());
    EXPECT_EQ(table.edition, 9);
    EXPECT_EQ(table.texts[74], QStringLiteral("text 74"));

    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("256\r\n");
    file.close();
    EXPECT_TRUE(readTextTable(path, table).contains(path));

    // A folder where the file should be is not a readable text table.
    QTemporaryDir asFolder;
    ASSERT_TRUE(QDir().mkdir(asFolder.filePath(QStringLiteral("sysinfo.txt"))));
    EXPECT_FALSE(readTextTable(asFolder.filePath(QStringLiteral("sysinfo.txt")), table).isEmpty());
}

TEST(TextTable, ShippedTableIsUsable)
{
    TextTable table;
    const QString error = readTextTable(QStringLiteral(VELKO_SOURCE_DIR "/medias/sysinfo.txt"), table);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    // The texts the game shows by name must be present.
    for (int used : {0, 1, 6, 7, 8, 13, 14, 15, 26, 42})
        EXPECT_FALSE(table.texts[used].isEmpty()) << "text " << used;
}

TEST(TextLines, NumbersAreReadStrictly)
{
    double value = -99.0;
    EXPECT_TRUE(readNumber(" 50 ", value));
    EXPECT_EQ(value, 50.0);
    EXPECT_TRUE(readNumber("-2.75", value));
    EXPECT_EQ(value, -2.75);
    EXPECT_TRUE(readNumber("3.", value));
    EXPECT_EQ(value, 3.0);
    value = 1.0;
    for (const char* bad : {"", " ", "+", "-", "e5", "5e+", "1.2.3", "12abc", "1 1", "１２"})
        EXPECT_FALSE(readNumber(bad, value)) << bad;
    EXPECT_EQ(value, 1.0) << "a line that is not a number leaves the value alone";
}

TEST(TextLines, HalvesRoundToTheEvenNeighbour)
{
    for (double whole = -6.0; whole <= 6.0; whole += 1.0) {
        const bool even = std::fmod(whole, 2.0) == 0.0;
        EXPECT_EQ(roundHalfToEven(whole), whole);
        EXPECT_EQ(roundHalfToEven(whole + 0.5), even ? whole : whole + 1.0) << whole;
        EXPECT_EQ(roundHalfToEven(whole + 0.25), whole);
        EXPECT_EQ(roundHalfToEven(whole + 0.75), whole + 1.0);
    }
}

TEST(TextLines, SplitStopsAtTheLineLimit)
{
    EXPECT_EQ(splitTextLines("a\r\nb\rc\nd", 10), (QList<QByteArray>{"a", "b", "c", "d"}));
    EXPECT_EQ(splitTextLines("a\r\nb\rc\nd", 2), (QList<QByteArray>{"a", "b"}));
    EXPECT_EQ(splitTextLines("\r\n\r\n", 10), (QList<QByteArray>{"", ""}));
    EXPECT_TRUE(splitTextLines("", 10).isEmpty());
}
