// The high-score rules, the dates the table keeps, and gameinfo.cfg: eight
// binary records read back exactly, and damaged files read without harm.

#include "GameInfoFile.h"
#include "HighScores.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <cstring>
#include <ctime>
#include <limits>

using namespace velko;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

// Dates depend on the local time zone; each test picks the zone it needs.
struct LocalZone {
    QByteArray old = qgetenv("TZ");
    explicit LocalZone(const char* zone) { qputenv("TZ", zone), tzset(); }
    ~LocalZone() { old.isNull() ? qunsetenv("TZ") : qputenv("TZ", old), tzset(); }
};

// Two tables alike to the byte, as gameinfo.cfg would hold them.
void expectSameTable(const ScoreTable& actual, const ScoreTable& expected, const std::string& where = "")
{
    EXPECT_EQ(formatGameInfo(actual).toHex(' '), formatGameInfo(expected).toHex(' ')) << where;
}

}   // namespace

// Where a qualifying score lands is the name entry's test.
TEST(HighScores, TheDefaultTableCountsDownFrom1000AndOnlyABetterScoreThanTheLastQualifies)
{
    const ScoreTable table = defaultScoreTable(QStringLiteral("P"), 1.5);
    for (std::size_t i = 0; i < table.size(); ++i)
        EXPECT_TRUE(table[i].name == "P" && table[i].points == 1000 - 130 * int(i) && table[i].when == 1.5) << i;
    for (const auto& [points, rank] : {std::pair{91, 7}, {kMax, 0}, {90, -1}, {-5, -1}}) {
        ScoreTable changed = table;
        EXPECT_EQ(qualifies(table, points), rank >= 0) << points;
        EXPECT_EQ(insertScore(changed, {QStringLiteral("new"), points, 2.5, {}}), rank) << points;
    }
}

TEST(HighScores, DateValuesCountLocalDaysFromTheEndOf1899)
{
    for (const char* zone : {"UTC", "Europe/Berlin", "America/New_York", "Australia/Lord_Howe"}) {
        LocalZone local(zone);
        EXPECT_EQ(fromDateValue(2.0), QDateTime(QDate(1900, 1, 1), QTime(0, 0))) << zone;
        EXPECT_EQ(fromDateValue(-1.25), QDateTime(QDate(1899, 12, 29), QTime(6, 0))) << zone;
        // The same moment given in UTC still counts in local wall-clock time.
        EXPECT_EQ(toDateValue(QDateTime(QDate(2024, 7, 15), QTime(12, 0)).toUTC()), 45488.5) << zone;
        for (const QDateTime& moment :
             {QDateTime(QDate(2025, 1, 31), QTime(23, 59, 59, 999)), QDateTime(QDate(1850, 3, 4), QTime(6, 0, 0, 1)),
              QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59, 999)),
              QDateTime(QDate(100, 1, 1), QTime(13, 14, 15, 161))})
            EXPECT_EQ(fromDateValue(toDateValue(moment)), moment) << zone << moment.toString().toStdString();
    }
}

TEST(HighScores, DateTextIsShortDateThenTimeUnlessMidnight)
{
    LocalZone zone("UTC");
    const double day = QDate(1899, 12, 30).daysTo(QDate(2024, 3, 9));
    const QString date = QLocale::system().toString(QDate(2024, 3, 9), QLocale::ShortFormat);
    EXPECT_EQ(generalDateText(day), date);
    const QString afternoon = generalDateText(day + (13 * 3600 + 5 * 60 + 7) / 86400.0);
    EXPECT_TRUE(afternoon.startsWith(date + ' ') && afternoon.contains("05") && afternoon.contains("07") &&
                !afternoon.contains("UTC"))
        << afternoon.toStdString();
    EXPECT_NE(generalDateText(day + 1 / 86400.0), date) << "a second past midnight is not midnight";
    for (double bad : {kNaN, std::numeric_limits<double>::infinity(), 1e300, -1e300, 3e6, -7e5})
        EXPECT_TRUE(!fromDateValue(bad).isValid() && generalDateText(bad).isEmpty()) << bad;
}

TEST(GameInfoFile, RecordsAreByteExactAndCutsKeepOnlyTheWholeRecords)
{
    ScoreTable table;
    table[0] = {QStringLiteral("abc"), 1000, 2.0, {}};
    QByteArray bytes = formatGameInfo(table);
    EXPECT_EQ(bytes.left(17).toHex(' '), QByteArray("03 00 61 62 63 e8 03 00 00 00 00 00 00 00 00 00 40"));
    EXPECT_EQ(bytes.mid(17), QByteArray(7 * 14, '\0')) << "seven empty records follow";
    // Names in several scripts and with spaces, extreme points, dates with a time of day.
    const QString names[] = {"abc", "张伟", "Zoë Brontë", "  spaced  ", "", "Ærøskøbing ñ", "\U0001F3B1 pool", "Влад"};
    const std::int32_t points[] = {kMax, 1001, 1000, 999, 91, 0, -3, std::numeric_limits<std::int32_t>::min()};
    const double dates[] = {45678.53125, 2.0, 0.0, 45000.999988425926, -1.25, kNaN, 1.0 / 3.0, 60000.5};
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = {names[i], points[i], dates[i], {}};
    bytes = formatGameInfo(table);
    expectSameTable(parseGameInfo(bytes + bytes.left(20) + "trailing"), table, "only eight records are read");
    for (qsizetype cut = 0; cut <= bytes.size(); ++cut) {
        ScoreTable expected;
        for (qsizetype i = 0, end = 0; i < 8 && (end += 14 + table[i].name.toUtf8().size()) <= cut; ++i)
            expected[i] = table[i];
        expectSameTable(parseGameInfo(bytes.left(cut)), expected, "cut " + std::to_string(cut));
    }
    // A name length past the end stops the reading.
    const ScoreTable firstOnly{table[0]};
    expectSameTable(parseGameInfo(bytes.left(17) + "\xFF\xFF" + "short name" + QByteArray(30, '\1')), firstOnly);
}

TEST(GameInfoFile, OverlongNamesAreCutAtACharacterBoundary)
{
    // The length field holds at most 65 535 bytes; the cut steps back to a whole character.
    ScoreTable table;
    table[0] = {QString(30000, QChar(0x4E2D)), 7, 1.5, {}};
    table[1] = {QString(65535, 'a'), 8, 2.5, {}};
    table[2] = {"xx" + QString(40000, QChar(0x00E9)), 9, 3.5, {}};
    ScoreTable expected = table;
    expected[0].name = QString(21845, QChar(0x4E2D));
    expected[2].name = table[2].name.left(32768);
    expectSameTable(parseGameInfo(formatGameInfo(table)), expected);
}
