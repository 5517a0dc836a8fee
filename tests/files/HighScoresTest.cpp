// The high-score rules: the default table, who gets in and where, and the
// dates the table keeps.

#include "HighScores.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <limits>

using namespace velko;

namespace {

// Dates depend on the local time zone; each test picks the zone it needs.
class LocalZone {
public:
    explicit LocalZone(const char* zone) : had_(qEnvironmentVariableIsSet("TZ")), old_(qgetenv("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~LocalZone()
    {
        if (had_)
            qputenv("TZ", old_);
        else
            qunsetenv("TZ");
        tzset();
    }

private:
    bool had_;
    QByteArray old_;
};

ScoreRec entry(const char* name, std::int32_t points) { return {QString::fromUtf8(name), points, 45000.5}; }

} // namespace

TEST(DefaultScoreTable, EightEntriesFrom1000DownIn130Steps)
{
    const ScoreTable table = defaultScoreTable(QStringLiteral("Player"), 45123.25);
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].Name, QStringLiteral("Player"));
        EXPECT_EQ(table[i].Points, 1000 - 130 * static_cast<int>(i));
        EXPECT_EQ(table[i].When, 45123.25);
    }
    EXPECT_EQ(table.back().Points, 90);
}

TEST(HighScoreRules, OnlyAScoreAboveTheEighthQualifies)
{
    const ScoreTable table = defaultScoreTable(QStringLiteral("P"), 1.0);
    EXPECT_FALSE(qualifies(table, 90));
    EXPECT_FALSE(qualifies(table, 0));
    EXPECT_FALSE(qualifies(table, -5));
    EXPECT_TRUE(qualifies(table, 91));
    EXPECT_TRUE(qualifies(table, std::numeric_limits<std::int32_t>::max()));
}

TEST(HighScoreRules, ScoreOf91TakesTheLastPlace)
{
    ScoreTable table = defaultScoreTable(QStringLiteral("P"), 1.0);
    const ScoreTable before = table;
    EXPECT_EQ(insertScore(table, entry("new", 91)), 7);
    EXPECT_EQ(table[7].Name, QStringLiteral("new"));
    EXPECT_EQ(table[7].Points, 91);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(table[i].Points, before[i].Points);
}

TEST(HighScoreRules, EqualPointsKeepTheOlderEntryAbove)
{
    ScoreTable table = defaultScoreTable(QStringLiteral("P"), 1.0);
    const ScoreTable before = table;
    EXPECT_EQ(insertScore(table, entry("new", 1000)), 1);
    EXPECT_EQ(table[0].Name, QStringLiteral("P"));
    EXPECT_EQ(table[1].Name, QStringLiteral("new"));
    for (int i = 2; i < 8; ++i)
        EXPECT_EQ(table[i].Points, before[i - 1].Points) << "old entry " << i - 1 << " moves down one";
}

TEST(HighScoreRules, NewBestScoreGoesToTheTop)
{
    ScoreTable table = defaultScoreTable(QStringLiteral("P"), 1.0);
    const ScoreTable before = table;
    EXPECT_EQ(insertScore(table, entry("new", 1001)), 0);
    EXPECT_EQ(table[0].Name, QStringLiteral("new"));
    EXPECT_EQ(table[0].When, 45000.5);
    for (int i = 1; i < 8; ++i)
        EXPECT_EQ(table[i].Points, before[i - 1].Points);
}

TEST(HighScoreRules, ScoreThatDoesNotQualifyChangesNothing)
{
    ScoreTable table = defaultScoreTable(QStringLiteral("P"), 1.0);
    EXPECT_EQ(insertScore(table, entry("new", 90)), -1);
    for (const ScoreRec& rec : table)
        EXPECT_EQ(rec.Name, QStringLiteral("P"));
}

TEST(HighScoreRules, TableStaysOrderedThroughManyGames)
{
    ScoreTable table = defaultScoreTable(QStringLiteral("P"), 1.0);
    int game = 0;
    for (std::int32_t points : {500, 95, 2000, 500, 91, 91, 1500, 740, 3, 2000, 92, 1200}) {
        const QString name = QStringLiteral("game %1").arg(++game);
        const int at = insertScore(table, {name, points, 1.0});
        if (at < 0)
            continue;
        EXPECT_EQ(table[at].Name, name);
        for (int i = 0; i + 1 < 8; ++i)
            EXPECT_GE(table[i].Points, table[i + 1].Points) << "after " << name.toStdString();
        // Equal or better entries stay above it, only worse ones below.
        for (int i = 0; i < at; ++i)
            EXPECT_GE(table[i].Points, points) << "after " << name.toStdString();
        for (int i = at + 1; i < 8; ++i)
            EXPECT_LT(table[i].Points, points) << "after " << name.toStdString();
    }
    EXPECT_EQ(table[0].Name, QStringLiteral("game 3"));
    EXPECT_EQ(table[1].Name, QStringLiteral("game 10")) << "the second 2000 stays below the first";
}

TEST(DateValue, DayTwoIsTheFirstOfJanuary1900)
{
    LocalZone zone("Europe/Berlin");
    const QDateTime day2 = fromDateValue(2.0);
    ASSERT_TRUE(day2.isValid());
    EXPECT_EQ(day2.date(), QDate(1900, 1, 1));
    EXPECT_EQ(day2.time(), QTime(0, 0));
    EXPECT_EQ(toDateValue(QDateTime(QDate(1899, 12, 30), QTime(0, 0))), 0.0);
    EXPECT_EQ(toDateValue(QDateTime(QDate(1900, 1, 1), QTime(18, 0))), 2.75);
}

TEST(DateValue, FractionIsTheLocalTimeOfDay)
{
    for (const char* zone : {"UTC", "America/New_York", "Asia/Shanghai", "Australia/Lord_Howe"}) {
        LocalZone local(zone);
        const QDateTime noon(QDate(2024, 7, 15), QTime(12, 0));
        const double value = toDateValue(noon);
        EXPECT_EQ(value, QDate(1899, 12, 30).daysTo(QDate(2024, 7, 15)) + 0.5) << zone;
        // The same moment given in UTC still counts in local wall-clock time.
        EXPECT_EQ(toDateValue(noon.toUTC()), value) << zone;
    }
}

TEST(DateValue, RoundTripKeepsTheMillisecond)
{
    LocalZone zone("Europe/Berlin");
    const QDateTime moments[] = {
        QDateTime(QDate(2025, 1, 31), QTime(23, 59, 59, 999)), QDateTime(QDate(2025, 6, 1), QTime(0, 0, 0, 1)),
        QDateTime(QDate(1999, 12, 31), QTime(13, 14, 15, 161)), QDateTime(QDate(1850, 3, 4), QTime(6, 0)),
        QDateTime(QDate(1899, 12, 30), QTime(12, 0)), QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59, 999)),
        QDateTime(QDate(100, 1, 1), QTime(0, 0, 0, 1)),
    };
    for (const QDateTime& moment : moments) {
        const QDateTime back = fromDateValue(toDateValue(moment));
        EXPECT_EQ(back, moment) << moment.toString(Qt::ISODateWithMs).toStdString() << " came back as "
                                << back.toString(Qt::ISODateWithMs).toStdString();
    }
}

TEST(DateValue, DaysBeforeDayZeroCountTheTimeForward)
{
    LocalZone zone("UTC");
    const QDateTime morning = fromDateValue(-1.25);
    EXPECT_EQ(morning.date(), QDate(1899, 12, 29));
    EXPECT_EQ(morning.time(), QTime(6, 0));
    EXPECT_EQ(toDateValue(morning), -1.25);
}

TEST(DateValue, ValuesThatAreNoDateGiveNoDate)
{
    for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                       -std::numeric_limits<double>::infinity(), 1e300, -1e300, 3e6, -7e5,
                       std::numeric_limits<double>::max()}) {
        EXPECT_FALSE(fromDateValue(bad).isValid()) << bad;
        EXPECT_TRUE(generalDateText(bad).isEmpty()) << bad;
    }
}

TEST(DateValue, NowIsToday)
{
    const QDateTime before = QDateTime::currentDateTime();
    const double now = nowDateValue();
    const QDateTime after = QDateTime::currentDateTime();
    EXPECT_GE(now, toDateValue(before));
    EXPECT_LE(now, toDateValue(after));
}

TEST(GeneralDateText, ShortDateThenLongTimeWithoutMidnight)
{
    LocalZone zone("UTC");
    const QLocale locale = QLocale::system();
    const double day = QDate(1899, 12, 30).daysTo(QDate(2024, 3, 9));
    const QString date = locale.toString(QDate(2024, 3, 9), QLocale::ShortFormat);

    EXPECT_EQ(generalDateText(day), date) << "exactly midnight shows the date alone";

    const QString afternoon = generalDateText(day + (13 * 3600 + 5 * 60 + 7) / 86400.0);
    ASSERT_TRUE(afternoon.startsWith(date + QLatin1Char(' '))) << afternoon.toStdString();
    const QString time = afternoon.mid(date.size() + 1);
    EXPECT_TRUE(time.contains(QStringLiteral("05")) && time.contains(QStringLiteral("07"))) << time.toStdString();
    EXPECT_FALSE(time.contains(QStringLiteral("UTC"))) << "a stored date has no time zone";

    const QString oneSecond = generalDateText(day + 1 / 86400.0);
    EXPECT_NE(oneSecond, date) << "a second past midnight is not midnight";
}
