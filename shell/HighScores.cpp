#include "HighScores.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace velko {

namespace {

const QDate kDayZero(1899, 12, 30);
constexpr qint64 kMsPerDay = 24 * 60 * 60 * 1000;
// The dates a table can hold: 1 January 100 to 31 December 9999. Before day
// zero the time of day is subtracted, so the first day reaches below its number.
constexpr double kDayBeforeFirst = -657435.0;
constexpr double kDayAfterLast = 2958466.0;

struct WallClock {
    QDate date;
    QTime time;
};

// A day count as the date and time on the wall clock. The whole part counts
// days from day zero; the fraction is the time of day, also for days before
// day zero (-1.25 is 29 December 1899, 06:00).
bool toWallClock(double when, WallClock& clock)
{
    if (!std::isfinite(when) || when <= kDayBeforeFirst || when >= kDayAfterLast)
        return false;
    qint64 day = static_cast<qint64>(std::trunc(when));
    qint64 ms = std::llround(std::fabs(when - std::trunc(when)) * kMsPerDay);
    if (ms >= kMsPerDay) {
        ms -= kMsPerDay;
        ++day;
    }
    clock.date = kDayZero.addDays(day);
    clock.time = QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms));
    return clock.date.isValid() && clock.time.isValid();
}

// The locale's long time without a time-zone name: a stored date carries no zone.
QString longTimeFormat(const QLocale& locale)
{
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString kept;
    bool inQuote = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\''))
            inQuote = !inQuote;
        if (!inQuote && c == QLatin1Char('t'))
            continue;
        kept += c;
    }
    return kept.simplified();
}

}   // namespace

ScoreTable defaultScoreTable(const QString& name, double now)
{
    ScoreTable table;
    for (std::size_t i = 0; i < table.size(); ++i) {
        table[i].name = name;
        table[i].points = 1000 - 130 * static_cast<std::int32_t>(i);
        table[i].when = now;
    }
    return table;
}

bool qualifies(const ScoreTable& table, std::int32_t points)
{
    return points > table.back().points;
}

int insertScore(ScoreTable& table, const ScoreRecord& record)
{
    if (!qualifies(table, record.points))
        return -1;
    // After every entry with at least as many points: an older equal score stays above.
    const auto place =
        std::upper_bound(table.begin(), table.end() - 1, record.points,
                         [](std::int32_t points, const ScoreRecord& entry) { return points > entry.points; });
    std::move_backward(place, table.end() - 1, table.end());
    *place = record;
    return static_cast<int>(place - table.begin());
}

double toDateValue(const QDateTime& moment)
{
    if (!moment.isValid())
        return 0.0;
    const QDateTime local = moment.toLocalTime();
    const double day = static_cast<double>(kDayZero.daysTo(local.date()));
    const double fraction = static_cast<double>(local.time().msecsSinceStartOfDay()) / kMsPerDay;
    return day < 0.0 ? day - fraction : day + fraction;
}

QDateTime fromDateValue(double when)
{
    WallClock clock;
    if (!toWallClock(when, clock))
        return QDateTime();
    QDateTime moment(clock.date, clock.time);
    if (!moment.isValid()) {
        // A time skipped when the clocks went forward: count on from midnight.
        moment = QDateTime(clock.date.startOfDay()).addMSecs(clock.time.msecsSinceStartOfDay());
    }
    return moment;
}

double nowDateValue()
{
    return toDateValue(QDateTime::currentDateTime());
}

QString generalDateText(double when)
{
    WallClock clock;
    if (!toWallClock(when, clock))
        return QString();
    const QLocale locale = QLocale::system();
    const QString date = locale.toString(clock.date, QLocale::ShortFormat);
    if (clock.time.msecsSinceStartOfDay() == 0)
        return date;
    return date + QLatin1Char(' ') + locale.toString(clock.time, longTimeFormat(locale));
}

}   // namespace velko
